// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse editing: the map's presses, moves and releases turned into cells for the map's tools,
// hovering over it, and choosing tiles in the palette.
#include "frmmain.h"

#include "commands/levels/buttonpaint.h"
#include "commands/levels/mapediting.h"
#include "map/levelview.h"
#include "map/markerframe.h"

#include <QCursor>

namespace vrh {

void frmMain::createMouseEditing() {
    // Hovering without a button shows the cell under the pointer.
    picLevel->setMouseTracking(true);
    // The right button belongs to the editor's own popup menus.
    picLevel->setContextMenuPolicy(Qt::PreventContextMenu);
    picTiles->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(picLevel, &PictureView::mousePressed, this, &frmMain::picLevel_MouseDown);
    connect(picLevel, &PictureView::mouseMoved, this, &frmMain::picLevel_MouseMove);
    connect(picLevel, &PictureView::mouseReleased, this, &frmMain::picLevel_MouseUp);
    connect(picTiles, &PictureView::mousePressed, this, &frmMain::picTiles_MouseDown);
    createPopupMenus();
    createKeyboardEditing();
}

void frmMain::picLevel_MouseDown(int button, int shift, double x, double y) {
    popupAt_.reset();
    mapPress(button, shift, QPoint(pixelToCell(x), pixelToCell(y)));
}

void frmMain::picLevel_MouseMove(int button, int /*shift*/, double x, double y) {
    const QPoint old(state_.cursorX, state_.cursorY);
    const QPoint cell(pixelToCell(x), pixelToCell(y));
    state_.cursorX = static_cast<std::int16_t>(cell.x());
    state_.cursorY = static_cast<std::int16_t>(cell.y());
    if (button == mouse::kNoButton) {
        // No button held: no stroke goes on.
        pencil_.lift();
    }
    // A paste appears under the pointer as soon as it is over the map.
    paste_.follow(cell);
    if (cell == old) {
        return;
    }
    const bool inLevel = currentLevel().contains(cell.x(), cell.y());
    // A drag past the edge of the part shown scrolls the map on; a hover leaves it.
    if (inLevel && button != mouse::kNoButton) {
        moveLevelCursor(cell);
    } else if (inLevel) {
        levelCursor->setCell(cell.x(), cell.y());
    }
    showPointerShape(inLevel);
    activeTool().move(button, cell);
}

void frmMain::picLevel_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
    mapRelease(button);
}

// What a press begins decides what the moves after it do, until it ends.
void frmMain::mapPress(int button, int shift, QPoint cell) {
    state_.cursorX = static_cast<std::int16_t>(cell.x());
    state_.cursorY = static_cast<std::int16_t>(cell.y());
    // Another button pressed while a shape is drawn cancels it, and does nothing else.
    if (gesture_ == &shapeTool_) {
        shapeTool_.cancel();
        return;
    }
    gesture_ = &toolFor(button, shift, cell);
    gesture_->press(button, shift, cell);
}

// A paste floating takes both buttons; the left button with Ctrl fills, with Shift selects;
// the middle button or Alt picks. A plain left press clears the selection first.
MapTool& frmMain::toolFor(int button, int shift, QPoint cell) {
    if (paste_.floating() && (button == mouse::kLeft || button == mouse::kRight)) {
        return paste_;
    }
    if (button == mouse::kMiddle || (button == mouse::kLeft && (shift & PictureView::kAltKey))) {
        return pick_;
    }
    if (button == mouse::kLeft && (shift & PictureView::kCtrlKey)) {
        return fill_;
    }
    if (button == mouse::kLeft && (shift & PictureView::kShiftKey)) {
        return select_;
    }
    if (button == mouse::kLeft) {
        setSelection(std::nullopt);
    }
    if (tool_ != DrawingTool::Pencil && buttonPaints(button, state_.mouseChoice) &&
        currentLevel().contains(cell.x(), cell.y())) {
        return shapeTool_;
    }
    return pencil_;
}

// A drag that began nowhere on the map paints as the pencil does.
MapTool& frmMain::activeTool() {
    return gesture_ ? *gesture_ : pencil_;
}

void frmMain::mapRelease(int button) {
    if (activeTool().release(button)) {
        gesture_ = nullptr;
    }
}

void frmMain::cancelShape() {
    if (gesture_ == &shapeTool_) {
        shapeTool_.cancel();
    }
}

// Outside the level and hovering, the status bar tells of the cell; while a paste floats it
// keeps saying how to place it.
void frmMain::showCellStatus(int buttons, QPoint cell) {
    if (!currentLevel().contains(cell.x(), cell.y())) {
        setStatusText(kOutOfLevel);
    } else if (buttons == mouse::kNoButton && !paste_.floating()) {
        setStatusText(hoverStatus(cell.x(), cell.y(), currentLevel().tiles[cell.y()][cell.x()]));
    }
}

QPoint frmMain::popupPosition(QPoint /*cell*/) const {
    return popupAt_.value_or(QCursor::pos());
}

bool frmMain::checkInLevel(std::int16_t x, std::int16_t y) {
    if (currentLevel().contains(x, y)) {
        return true;
    }
    setStatusText(kOutOfLevel);
    return false;
}

void frmMain::doLeftButton() {
    setStatusText(paintStatus(state_.cursorX, state_.cursorY));
    paintCell({state_.cursorX, state_.cursorY}, state_.curTile, stepname::Paint);
    redrawMap();
}

void frmMain::doRightButton(int t) {
    setStatusText(paintStatus(state_.cursorX, state_.cursorY));
    paintCell({state_.cursorX, state_.cursorY}, static_cast<std::uint8_t>(t),
              stepname::RandomTiles);
    redrawMap();
}

// The first cell of a stroke opens its step; the release closes it.
void frmMain::paintCell(QPoint cell, std::uint8_t code, const QString& stepName) {
    if (!history_.stepOpen() || history_.openStepName() != stepName) {
        history_.beginStep(stepName);
    }
    currentLevel().tiles[cell.y()][cell.x()] = code;
}

void frmMain::picTiles_MouseDown(int button, int /*shift*/, double x, double y) {
    const std::int16_t column = pixelToCell(x);
    const std::int16_t row = pixelToCell(y);
    if (button == mouse::kLeft) {
        const std::uint8_t code = paletteByte(column, row);
        if (isChoosableTile(code)) {
            state_.curTile = code;
            tileCursor->setCell(column, row);
        }
    } else if (button == mouse::kRight) {
        state_.popupTile = paletteCode(column, row);
        if (isChoosableTile(*state_.popupTile)) {
            popupMenu(mnuTilePopUp, QCursor::pos());
        }
    }
    picTiles->update();
    showChosenTile(QStringLiteral("Tile: ") + QString::number(state_.curTile));
}

} // namespace vrh
