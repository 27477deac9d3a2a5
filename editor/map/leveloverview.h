// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelrecord.h"

#include <QImage>

namespace vrh {

// The Levels window shows each level as the map does, a quarter the size: 4 pixels a cell.
inline constexpr int kOverviewCellPixels = 4;
inline constexpr int kOverviewPixels = kGridSize * kOverviewCellPixels; // 128

// The tile sheet at 4 pixels a tile, each tile the average of its 16 x 16 picture:
// 32 x 128, Format_RGB32. The sheet must come from prepareTileSheet.
QImage prepareOverviewSheet(const QImage& sheet);

// The whole 32 x 32 grid of a level at 4 pixels a cell, 128 x 128 pixels: the level's cells at
// the top left, the rest silver as the map shows outside a level. The sheet must come from
// prepareOverviewSheet.
QImage drawLevelOverview(const LevelRecord& level, const QImage& overviewSheet);

} // namespace vrh
