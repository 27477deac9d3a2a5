// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelrecord.h"

#include <QPoint>
#include <optional>

namespace vrh {

// Where a key (a Qt::Key) moves the map's cursor from cell, within the 32 x 32 view: an arrow
// one cell; Ctrl + arrow to the level's edge that way, or the view's from outside the level;
// Home and End to the level's first and last column in that row; Ctrl+Home to column 0, row 0.
// Nothing for any other key.
std::optional<QPoint> mapCursorMove(int key, bool ctrl, QPoint cell, const LevelRecord& level);

// Where a key moves the palette's cursor from the tile code, over the codes that can be chosen,
// 8 a row: arrows one code across or one row up or down, Home and End to the first and last.
// A move past them stays, one from a code beyond them goes to the last; nothing for any other
// key.
std::optional<int> paletteCursorMove(int key, int code);

} // namespace vrh
