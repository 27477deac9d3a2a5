// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/levels/shownmarkers.h"
#include "levelset/levelrecord.h"

#include <QString>

namespace vrh {

// What a screen reader says of the map's cursor on the cell (x, y): "Column 3, row 5: Tile 89:
// random wall tile, start position", naming the markers on the cell that the View menu shows,
// or "Column 3, row 5: outside the level". Columns and rows count from 0, as the status bar's.
QString cellDescription(const LevelRecord& level, int x, int y, ShownMarkers shown);

} // namespace vrh
