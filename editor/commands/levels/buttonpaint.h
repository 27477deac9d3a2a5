// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/levels/randomsource.h"
#include "levelset/editingstate.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vrh {

// What a mouse button (1 left, 2 right) paints on the map, whichever tool draws with it: the
// left button curTile, the right button a random tile in a random mode, nothing otherwise.
bool buttonPaints(int button, std::int16_t mouseChoice);
// The code for the next cell the button paints: a fresh draw for each random cell.
std::optional<std::uint8_t> buttonCode(int button, const EditingState& state, RandomSource& random);
// The code a preview shows for it, without a draw: the random range's first tile.
std::uint8_t buttonPreviewCode(int button, const EditingState& state);
// The step a stroke of the button makes: "Paint" or "Random Tiles".
const QString& buttonStepName(int button);

} // namespace vrh
