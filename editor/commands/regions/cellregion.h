// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelrecord.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vrh {

// A block of cells lifted from a level, or brought by the clipboard: width x height codes,
// row by row. Both sides are 1 to 32.
struct CellBlock {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> codes;

    std::uint8_t at(int x, int y) const { return codes[std::size_t(y) * width + x]; }
    QSize size() const { return {width, height}; }

    friend bool operator==(const CellBlock&, const CellBlock&) = default;
};

inline constexpr int kMaxBlockSide = kGridSize;

// The level's own cells: from (0, 0) to its width and height.
QRect levelCells(const LevelRecord& level);

// The part of a rectangle of cells inside the level; nothing when none of it is.
std::optional<QRect> clipToLevel(const QRect& cells, const LevelRecord& level);

// The rectangle between the cell a Shift drag was pressed on and the cell it is over now,
// whichever way it went, clipped to the level.
std::optional<QRect> selectionBetween(QPoint press, QPoint now, const LevelRecord& level);

// "Selection: 4 x 3 at 2, 5": width and height in cells, then the top-left column and row.
QString selectionStatus(const QRect& cells);

// The cells of a rectangle inside the level.
CellBlock copyCells(const LevelRecord& level, const QRect& cells);

// Every cell of the rectangle that lies inside the level gets code.
void fillCells(LevelRecord& level, const QRect& cells, std::uint8_t code);

// Where a block with its top-left on a cell lands: the part inside the level.
std::optional<QRect> landingCells(const LevelRecord& level, QSize block, QPoint topLeft);

// Puts the block with its top-left on a cell; cells that fall outside the level are left out.
// Gives the cells it landed on.
std::optional<QRect> pasteCells(LevelRecord& level, const CellBlock& block, QPoint topLeft);

} // namespace vrh
