// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelset.h"

#include <QString>

namespace vrh {

// A counter report as its message box shows it: lines joined by a single carriage return.
struct CounterReport {
    QString title;
    QString text;
};

CounterReport countDoors(const LevelRecord& level);
CounterReport countEnemies(const LevelRecord& level);
CounterReport countPickups(const LevelRecord& level);

// Where a tile is used, for the status bar: "Tile N: K cells in this level, M in the levelset",
// counting the cells inside the level at curLevel and inside each of the set's levels.
QString tileUsesStatus(const Levelset& levelset, int curLevel, std::uint8_t code);

} // namespace vrh
