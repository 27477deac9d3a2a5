// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/tilegeometry.h"
#include "commands/regions/cellregion.h"
#include "levelset/levelrecord.h"

#include <QImage>

namespace vrh {

inline constexpr int kMapPixels = kGridSize * kCellPixels; // 512

// The code a cell of the 32 x 32 grid shows: its own inside the level, 255 outside.
inline std::uint8_t shownCode(const LevelRecord& level, int x, int y) {
    return level.contains(x, y) ? level.tiles[y][x] : kOutsideCode;
}

// The tile sheet as drawLevel wants it: 128 x 512, Format_RGB32.
QImage prepareTileSheet(const QImage& sheet);

// The back image of the map view as drawLevel wants it: 512 x 512, Format_RGB32.
QImage makeMapImage();

// Copies the tile picture of every one of the 32 x 32 cells from the sheet into the back
// image; cells outside the level's width and height get code 255. Both images must come from
// the two functions above.
void drawLevel(const LevelRecord& level, const QImage& sheet, QImage& back);

// The tiles of a block of cells, 16 x 16 pixels a cell, as the clipboard's picture and a
// floating paste show them. The sheet must come from prepareTileSheet.
QImage drawCells(const CellBlock& block, const QImage& sheet);

} // namespace vrh
