// SPDX-License-Identifier: GPL-3.0-or-later
// The pencil, and what every tool does with a move or a release it has no use for.
#include "frmmain.h"
#include "maptool.h"

#include "commands/levels/buttonpaint.h"
#include "commands/levels/mapediting.h"

namespace vrh {

void MapTool::move(int buttons, QPoint cell) {
    window_.showCellStatus(buttons, cell);
}

// Letting go of the button ends the stroke: all it painted is one step.
bool MapTool::release(int /*button*/) {
    window_.history_.endStep();
    window_.pencil_.lift();
    return true;
}

void PencilTool::press(int button, int /*shift*/, QPoint cell) {
    last_ = cell;
    if (!window_.checkInLevel(window_.state_.cursorX, window_.state_.cursorY)) {
        return;
    }
    if (button == 1) {
        window_.doLeftButton();
    } else if (button == 2 && window_.state_.mouseChoice == SetPositions) {
        window_.state_.popupX = window_.state_.cursorX;
        window_.state_.popupY = window_.state_.cursorY;
        window_.popupMenu(window_.mnuLevelPopUp, window_.popupPosition(cell));
    } else if (button == 2) {
        if (const auto tile = randomTile(window_.state_.mouseChoice, *window_.random_)) {
            window_.doRightButton(*tile);
        }
    }
}

// A painting move paints every cell from the one the cursor was in, inside the level, so that a
// quick drag leaves no gaps. The popup opens on a press only, and two buttons held add up to a
// value that paints nothing.
void PencilTool::move(int buttons, QPoint cell) {
    if (!buttonPaints(buttons, window_.state_.mouseChoice)) {
        MapTool::move(buttons, cell);
        return;
    }
    const QPoint from = last_.value_or(cell);
    last_ = cell;
    const LevelRecord& level = window_.currentLevel();
    bool painted = false;
    for (const QPoint crossed : strokeCells(from, cell)) {
        if (level.contains(crossed.x(), crossed.y())) {
            const auto code = buttonCode(buttons, window_.state_, *window_.random_);
            window_.paintCell(crossed, *code, buttonStepName(buttons));
            painted = true;
        }
    }
    window_.setStatusText(level.contains(cell.x(), cell.y()) ? paintStatus(cell.x(), cell.y())
                                                             : kOutOfLevel);
    if (painted) {
        window_.redrawMap();
    }
}

bool PencilTool::release(int button) {
    return MapTool::release(button);
}

} // namespace vrh
