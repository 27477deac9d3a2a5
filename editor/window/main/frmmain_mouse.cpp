// Mouse editing: painting on the map with the left and right buttons, hovering over it, and
// choosing tiles in the palette.
#include "frmmain.h"

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
}

void frmMain::picLevel_MouseDown(int button, int shift, double x, double y) {
    state_.cursorX = pixelToCell(x);
    state_.cursorY = pixelToCell(y);
    const QPoint cell(state_.cursorX, state_.cursorY);
    // Another button pressed while a shape is drawn cancels it, and does nothing else.
    if (shape_) {
        cancelShape();
        return;
    }
    // Placing a paste, selecting, filling and replacing: nothing else happens on that press.
    if (regionMouseDown(button, shift)) {
        return;
    }
    strokeLast_ = cell;
    if (!checkInLevel(state_.cursorX, state_.cursorY)) {
        return;
    }
    if (beginShape(button, cell)) {
        return;
    }
    if (button == mouse::kLeft) {
        doLeftButton();
    } else if (button == mouse::kRight && state_.mouseChoice == SetPositions) {
        state_.popupX = state_.cursorX;
        state_.popupY = state_.cursorY;
        popupMenu(mnuLevelPopUp, QCursor::pos());
    } else if (button == mouse::kRight) {
        if (const auto tile = randomTile(state_.mouseChoice, *random_)) {
            doRightButton(*tile);
        }
    }
}

void frmMain::picLevel_MouseMove(int button, int /*shift*/, double x, double y) {
    const std::int16_t oldX = state_.cursorX;
    const std::int16_t oldY = state_.cursorY;
    state_.cursorX = pixelToCell(x);
    state_.cursorY = pixelToCell(y);
    const QPoint cell(state_.cursorX, state_.cursorY);
    if (button == mouse::kNoButton) {
        // No button held: no stroke goes on.
        strokeLast_.reset();
    }
    // A paste appears under the pointer as soon as it is over the map.
    floatPasteTo(cell);
    if (state_.cursorX == oldX && state_.cursorY == oldY) {
        return;
    }
    const bool inLevel = currentLevel().contains(cell.x(), cell.y());
    // A drag past the edge of the part shown scrolls the map on; a hover leaves it.
    if (inLevel && button != mouse::kNoButton) {
        moveLevelCursor(cell);
    } else if (inLevel) {
        levelCursor->setCell(cell.x(), cell.y());
    }
    if (gesture_ == MapGesture::Select) {
        selectTo(cell);
        return;
    }
    if (gesture_ == MapGesture::Shape) {
        shapeTo(cell);
        return;
    }
    // A painting drag paints the cells it crossed inside the level, wherever it ends.
    // The popup menu opens on a press only: a right drag in Set Positions paints nothing.
    // Two buttons held add up to a value that matches none of these.
    const bool painting =
        gesture_ == MapGesture::Paint &&
        (button == mouse::kLeft || (button == mouse::kRight && isRandomMode(state_.mouseChoice)));
    if (painting) {
        strokeTo(button, cell);
    } else if (!inLevel) {
        setStatusText(kOutOfLevel);
    } else if (button == mouse::kNoButton && !floating_) {
        // While a paste floats, the status bar keeps saying how to place it.
        setStatusText(hoverStatus(cell.x(), cell.y(), currentLevel().tiles[cell.y()][cell.x()]));
    }
}

void frmMain::strokeTo(int button, QPoint cell) {
    const QPoint from = strokeLast_.value_or(cell);
    strokeLast_ = cell;
    const QString& stepName = button == mouse::kLeft ? stepname::Paint : stepname::RandomTiles;
    bool painted = false;
    for (const QPoint crossed : strokeCells(from, cell)) {
        if (!currentLevel().contains(crossed.x(), crossed.y())) {
            continue;
        }
        std::uint8_t code = state_.curTile;
        if (button != mouse::kLeft) {
            code = *randomTile(state_.mouseChoice, *random_);
        }
        paintCell(crossed, code, stepName);
        painted = true;
    }
    setStatusText(currentLevel().contains(cell.x(), cell.y()) ? paintStatus(cell.x(), cell.y())
                                                              : kOutOfLevel);
    if (painted) {
        redrawMap();
    }
}

// Letting go of the button ends the stroke: all it painted is one step. A selection made
// by the drag stays.
void frmMain::picLevel_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
    if (shape_) {
        finishShape(button);
        return;
    }
    history_.endStep();
    strokeLast_.reset();
    gesture_ = MapGesture::Paint;
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
    setStatusText(QStringLiteral("Tile: ") + QString::number(state_.curTile));
}

} // namespace vrh
