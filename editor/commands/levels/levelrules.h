// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelset.h"

#include <cstdint>

namespace vrh {

// Resize one step at the right or bottom edge within 12..32 x 8..32. No tile or position is
// touched. The caller redraws the map whether or not the size changed.
void decreaseWidth(LevelRecord& level);
void increaseWidth(LevelRecord& level);
void decreaseHeight(LevelRecord& level);
void increaseHeight(LevelRecord& level);
// Which of the four steps would change the size: the Level menu greys the others.
struct ResizeLimits {
    bool decreaseWidth;
    bool increaseWidth;
    bool decreaseHeight;
    bool increaseHeight;
};
ResizeLimits possibleResizes(const LevelRecord& level);
// The Level Size dialog: each number box runs from the smaller of its limit and what the level
// holds to the larger, so a size a file brought can be shown and kept; the steps above reach
// every size between it and the limits too.
struct SizeRange {
    int smallest;
    int largest;
};
SizeRange widthRange(const LevelRecord& level);
SizeRange heightRange(const LevelRecord& level);
// Sets both at once, each kept within the dialog's range above; no tile or position is touched.
void setLevelSize(LevelRecord& level, int width, int height);

// Set Floor: over all 32 x 32 cells, a normal level's code 1 becomes 0, a hatchery level's
// code 0 becomes 1; any other level type changes nothing. The caller redraws the map.
void setFloor(LevelRecord& level);

// The floor of the level's type, what Cut and Delete leave: 1 on a hatchery level, 0 on any
// other.
std::uint8_t floorCode(const LevelRecord& level);

inline constexpr int kMaxHoles = 10;
inline constexpr int kMaxGuards = 5;

// The alien holes (69, 70) and security guards (75) inside the level's size.
struct HolesAndGuards {
    int holes = 0;
    int guards = 0;
};
HolesAndGuards countHolesAndGuards(const LevelRecord& level);

// 0 when every level of the set holds at most 10 alien holes (69, 70) and at most 5 security
// guards (75) inside its size; otherwise the number, counted from 1, of the first that does
// not. Never reads past the eighth record or outside the 32 x 32 grid.
std::int16_t checkHolesAndGuards(const Levelset& levelset);

} // namespace vrh
