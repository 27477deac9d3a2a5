#pragma once

#include "commands/regions/cellregion.h"
#include "levelset/levelrecord.h"

#include <QImage>

namespace vrh {

inline constexpr int kCellPixels = 16;
inline constexpr int kMapPixels = kGridSize * kCellPixels; // 512
inline constexpr std::uint8_t kOutsideCode = 255;

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
