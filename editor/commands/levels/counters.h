// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelrecord.h"

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

} // namespace vrh
