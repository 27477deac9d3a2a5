// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace vrh {

// Right mouse button modes, the index of the checked Tools > Right Mouse Button entry.
enum MouseChoice : std::int16_t {
    SetPositions = 0,
    RandomWall = 1,
    RandomInside = 2,
    RandomOutside = 3,
};

// What the map view, the palette and the property panel share besides the levelset.
struct EditingState {
    std::int16_t curLevel = 0;
    std::int16_t cursorX = 0; // map cell under the mouse, may lie outside the level
    std::int16_t cursorY = 0;
    std::uint8_t curTile = 0;           // what the left button paints
    std::optional<int> popupTile;       // tile under the last right click in the palette
    std::optional<std::int16_t> popupX; // map cell where the level popup last opened
    std::optional<std::int16_t> popupY;
    std::int16_t mouseChoice = SetPositions;
};

} // namespace vrh
