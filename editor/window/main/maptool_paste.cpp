// SPDX-License-Identifier: GPL-3.0-or-later
// A paste floating over the map until a click or Space places it.
#include "frmmain.h"
#include "maptool.h"

#include "commands/levels/mapediting.h"
#include "map/drawlevel.h"
#include "map/levelview.h"

namespace vrh {

void PasteTool::start(CellBlock block) {
    block_ = std::move(block);
    picture_ = drawCells(*block_, window_.tileSheet_);
    at_.reset();
    window_.picLevel->regions().clearFloating();
}

void PasteTool::redrawPicture() {
    if (block_) {
        picture_ = drawCells(*block_, window_.tileSheet_);
        show();
    }
}

// The top-left follows the cursor over any cell of the level.
void PasteTool::follow(QPoint cell) {
    if (block_ && at_ != cell && window_.currentLevel().contains(cell.x(), cell.y())) {
        at_ = cell;
        show();
    }
}

void PasteTool::show() {
    if (block_ && at_) {
        window_.picLevel->regions().setFloating(
            picture_, *at_, landingCells(window_.currentLevel(), block_->size(), *at_));
    }
}

// Placed once, as one step; what lands becomes the selection.
void PasteTool::press(int button, int /*shift*/, QPoint cell) {
    if (button == 2) {
        end();
        return;
    }
    if (!window_.checkInLevel(window_.state_.cursorX, window_.state_.cursorY)) {
        return;
    }
    std::optional<QRect> landed;
    const CellBlock block = *block_;
    end();
    if (window_.history_.record(
            stepname::Paste, [&] { landed = pasteCells(window_.currentLevel(), block, cell); })) {
        window_.redrawMap();
    }
    window_.setSelection(landed);
}

void PasteTool::end() {
    block_.reset();
    at_.reset();
    picture_ = QImage();
    window_.picLevel->regions().clearFloating();
}

} // namespace vrh
