// Lines and rectangles drawn with a drag: the shape follows the pointer half transparent over
// the map and is painted as one step when the button is let go.
#include "frmmain.h"

#include "commands/levels/mapediting.h"
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

// A left press with a shape tool, or a right press in a random mode, anchors a shape.
bool frmMain::beginShape(int button, QPoint cell) {
    if (tool_ == DrawingTool::Pencil ||
        !(button == mouse::kLeft ||
          (button == mouse::kRight && isRandomMode(state_.mouseChoice)))) {
        return false;
    }
    gesture_ = MapGesture::Shape;
    shape_ = ShapeDrag{tool_, button, cell, cell};
    showShape();
    return true;
}

void frmMain::shapeTo(QPoint cell) {
    if (!shape_ || shape_->cancelled || shape_->end == cell) {
        return;
    }
    shape_->end = cell;
    showShape();
}

// The preview shows the chosen tile, or the first tile of the random mode's range.
void frmMain::showShape() {
    const std::uint8_t code = shape_->button == mouse::kLeft
                                  ? state_.curTile
                                  : randomTile(state_.mouseChoice, 0.0f).value_or(state_.curTile);
    picLevel->regions().setShapePreview(
        cellsInLevel(currentLevel(), shape_->tool, shape_->anchor, shape_->end),
        drawCells(CellBlock{1, 1, {code}}, tileSheet_));
    setStatusText(shapeStatus(shape_->tool, shape_->anchor, shape_->end));
}

// Only letting go of the button that began the shape ends it.
void frmMain::finishShape(int button) {
    if (button != shape_->button) {
        return;
    }
    const ShapeDrag shape = *shape_;
    shape_.reset();
    gesture_ = MapGesture::Paint;
    strokeLast_.reset();
    picLevel->regions().clearShapePreview();
    if (shape.cancelled) {
        return;
    }
    const std::vector<QPoint> cells =
        cellsInLevel(currentLevel(), shape.tool, shape.anchor, shape.end);
    const bool changed = history_.record(shapeStepName(shape.tool), [&] {
        for (const QPoint cell : cells) {
            const std::optional<std::uint8_t> code = shape.button == mouse::kLeft
                                                         ? state_.curTile
                                                         : randomTile(state_.mouseChoice, *random_);
            currentLevel().tiles[cell.y()][cell.x()] = code.value_or(state_.curTile);
        }
    });
    if (changed) {
        redrawMap();
    }
}

void frmMain::cancelShape() {
    if (shape_ && !shape_->cancelled) {
        shape_->cancelled = true;
        picLevel->regions().clearShapePreview();
    }
}

} // namespace vrh
