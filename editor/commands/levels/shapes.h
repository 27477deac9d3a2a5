// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <vector>

namespace vrh {

// What a left drag on the map draws; the right button's random modes draw the same shapes.
enum class DrawingTool { Pencil, Line, Rectangle, FilledRectangle };

// The cells a Bresenham line visits from one cell to another, both ends included, in order.
std::vector<QPoint> lineCells(QPoint from, QPoint to);
// What a stroke paints when the pointer jumps from one cell to another between two moves: the
// line's cells after the one it left, so that a quick drag leaves no gaps.
std::vector<QPoint> strokeCells(QPoint from, QPoint to);
// The cells of the rectangle with these two corners, its outline one cell thick or all of it,
// in row order.
std::vector<QPoint> rectangleCells(QPoint corner, QPoint opposite, bool filled);

// The cells of the shape a tool draws from the anchor to the end, in row order (a random draw
// per cell follows it); nothing for the pencil.
std::vector<QPoint> shapeCells(DrawingTool tool, QPoint anchor, QPoint end);
// The status text while the shape is drawn: "Line: 5 cells", "Rectangle: 3 x 4".
QString shapeStatus(DrawingTool tool, QPoint anchor, QPoint end);
// The step the shape makes: "Line", "Rectangle" or "Filled Rectangle".
QString shapeStepName(DrawingTool tool);

} // namespace vrh
