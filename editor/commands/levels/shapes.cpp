// SPDX-License-Identifier: GPL-3.0-or-later
#include "shapes.h"

#include <algorithm>
#include <cstdlib>

namespace vrh {

std::vector<QPoint> lineCells(QPoint from, QPoint to) {
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    std::vector<QPoint> cells;
    cells.reserve(static_cast<std::size_t>(std::max(dx, -dy)) + 1);
    int error = dx + dy;
    QPoint cell = from;
    for (;;) {
        cells.push_back(cell);
        if (cell == to) {
            return cells;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            cell.rx() += stepX;
        }
        if (twice <= dx) {
            error += dx;
            cell.ry() += stepY;
        }
    }
}

std::vector<QPoint> strokeCells(QPoint from, QPoint to) {
    std::vector<QPoint> cells = lineCells(from, to);
    if (cells.size() > 1) {
        cells.erase(cells.begin());
    }
    return cells;
}

std::vector<QPoint> rectangleCells(QPoint corner, QPoint opposite, bool filled) {
    const int left = std::min(corner.x(), opposite.x());
    const int right = std::max(corner.x(), opposite.x());
    const int top = std::min(corner.y(), opposite.y());
    const int bottom = std::max(corner.y(), opposite.y());
    std::vector<QPoint> cells;
    for (int y = top; y <= bottom; ++y) {
        const bool edgeRow = y == top || y == bottom;
        for (int x = left; x <= right; ++x) {
            if (filled || edgeRow || x == left || x == right) {
                cells.emplace_back(x, y);
            }
        }
    }
    return cells;
}

std::vector<QPoint> shapeCells(DrawingTool tool, QPoint anchor, QPoint end) {
    switch (tool) {
    case DrawingTool::Pencil:
        return {};
    case DrawingTool::Line: {
        std::vector<QPoint> cells = lineCells(anchor, end);
        std::ranges::sort(cells, [](QPoint a, QPoint b) {
            return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
        });
        return cells;
    }
    case DrawingTool::Rectangle:
        return rectangleCells(anchor, end, false);
    case DrawingTool::FilledRectangle:
        return rectangleCells(anchor, end, true);
    }
    return {};
}

QString shapeStatus(DrawingTool tool, QPoint anchor, QPoint end) {
    if (tool == DrawingTool::Line) {
        return QStringLiteral("Line: %1 cells").arg(lineCells(anchor, end).size());
    }
    return QStringLiteral("Rectangle: %1 x %2")
        .arg(std::abs(end.x() - anchor.x()) + 1)
        .arg(std::abs(end.y() - anchor.y()) + 1);
}

QString shapeStepName(DrawingTool tool) {
    switch (tool) {
    case DrawingTool::Line:
        return QStringLiteral("Line");
    case DrawingTool::Rectangle:
        return QStringLiteral("Rectangle");
    case DrawingTool::FilledRectangle:
        return QStringLiteral("Filled Rectangle");
    case DrawingTool::Pencil:
        break;
    }
    return QStringLiteral("Paint");
}

} // namespace vrh
