// SPDX-License-Identifier: GPL-3.0-or-later
// Lines and rectangles: the shape follows the cursor half transparent over the map and is
// painted as one step when the button that began it is let go.
#include "frmmain.h"
#include "maptool.h"

#include "commands/levels/buttonpaint.h"
#include "map/drawlevel.h"
#include "map/levelview.h"

namespace vrh {

namespace {

// The shape's cells that lie inside the level, in row order.
std::vector<QPoint> cellsInLevel(const LevelRecord& level, DrawingTool tool, QPoint anchor,
                                 QPoint end) {
    std::vector<QPoint> cells = shapeCells(tool, anchor, end);
    std::erase_if(cells, [&level](QPoint cell) { return !level.contains(cell.x(), cell.y()); });
    return cells;
}

} // namespace

void ShapeTool::press(int button, int /*shift*/, QPoint cell) {
    tool_ = window_.tool_;
    button_ = button;
    anchor_ = end_ = cell;
    cancelled_ = false;
    show();
}

void ShapeTool::move(int /*buttons*/, QPoint cell) {
    if (!cancelled_ && end_ != cell) {
        end_ = cell;
        show();
    }
}

void ShapeTool::show() {
    const std::uint8_t code = buttonPreviewCode(button_, window_.state_);
    window_.picLevel->regions().setShapePreview(
        cellsInLevel(window_.currentLevel(), tool_, anchor_, end_),
        drawCells(CellBlock{1, 1, {code}}, window_.tileSheet_));
    window_.setStatusText(shapeStatus(tool_, anchor_, end_));
}

// Only letting go of the button that began the shape ends it.
bool ShapeTool::release(int button) {
    if (button != button_) {
        return false;
    }
    window_.pencil_.lift();
    window_.picLevel->regions().clearShapePreview();
    if (cancelled_) {
        return true;
    }
    const std::vector<QPoint> cells = cellsInLevel(window_.currentLevel(), tool_, anchor_, end_);
    LevelRecord& level = window_.currentLevel();
    const bool changed = window_.history_.record(shapeStepName(tool_), [&] {
        for (const QPoint cell : cells) {
            const auto code = buttonCode(button_, window_.state_, *window_.random_);
            level.tiles[cell.y()][cell.x()] = code.value_or(window_.state_.curTile);
        }
    });
    if (changed) {
        window_.redrawMap();
    }
    return true;
}

void ShapeTool::cancel() {
    if (!cancelled_) {
        cancelled_ = true;
        window_.picLevel->regions().clearShapePreview();
    }
}

} // namespace vrh
