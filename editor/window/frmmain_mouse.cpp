// Mouse editing: painting on the map with the left and right buttons, hovering over it, and
// choosing tiles in the palette.
#include "frmmain.h"

#include "commands/mapediting.h"
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
    // Placing a paste, selecting, filling and replacing: nothing else happens on that press.
    if (regionMouseDown(button, shift)) {
        return;
    }
    if (!checkInLevel(state_.cursorX, state_.cursorY)) {
        return;
    }
    if (button == 1) {
        doLeftButton();
    } else if (button == 2 && state_.mouseChoice == SetPositions) {
        state_.popupX = state_.cursorX;
        state_.popupY = state_.cursorY;
        popupMenu(mnuLevelPopUp, QCursor::pos());
    } else if (button == 2) {
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
    // A paste appears under the pointer as soon as it is over the map.
    floatPasteTo(cell);
    if (state_.cursorX == oldX && state_.cursorY == oldY) {
        return;
    }
    if (gesture_ == MapGesture::Select) {
        if (currentLevel().contains(cell.x(), cell.y())) {
            levelCursor->setCell(cell.x(), cell.y());
        }
        selectTo(cell);
        return;
    }
    if (!checkInLevel(state_.cursorX, state_.cursorY)) {
        return;
    }
    levelCursor->setCell(state_.cursorX, state_.cursorY);
    // Two buttons held add up to a value that matches none of these.
    if (button == 0) {
        setStatusText(hoverStatus(state_.cursorX, state_.cursorY,
                                  currentLevel().tiles[state_.cursorY][state_.cursorX]));
    } else if (gesture_ == MapGesture::Done) {
        // The press placed, filled or cancelled: the drag after it paints nothing.
    } else if (button == 1) {
        doLeftButton();
    } else if (button == 2) {
        // The popup menu opens on a press only; a right drag in Set Positions paints nothing.
        if (const auto tile = randomTile(state_.mouseChoice, *random_)) {
            doRightButton(*tile);
        }
    }
}

// Letting go of the button ends the stroke: all it painted is one step. A selection made
// by the drag stays.
void frmMain::picLevel_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {
    history_.endStep();
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
    paintCell(state_.curTile, stepname::Paint);
}

void frmMain::doRightButton(int t) {
    paintCell(static_cast<std::uint8_t>(t), stepname::RandomTiles);
}

// The first cell of a stroke opens its step; the release closes it.
void frmMain::paintCell(std::uint8_t code, const QString& stepName) {
    setStatusText(paintStatus(state_.cursorX, state_.cursorY));
    if (!history_.stepOpen() || history_.openStepName() != stepName) {
        history_.beginStep(stepName);
    }
    currentLevel().tiles[state_.cursorY][state_.cursorX] = code;
    redrawMap();
}

void frmMain::picTiles_MouseDown(int button, int /*shift*/, double x, double y) {
    const std::int16_t column = pixelToCell(x);
    const std::int16_t row = pixelToCell(y);
    if (button == 1) {
        const std::uint8_t code = paletteByte(column, row);
        if (isChoosableTile(code)) {
            state_.curTile = code;
            tileCursor->setCell(column, row);
        }
    } else if (button == 2) {
        state_.popupTile = paletteCode(column, row);
        if (isChoosableTile(*state_.popupTile)) {
            popupMenu(mnuTilePopUp, QCursor::pos());
        }
    }
    picTiles->update();
    setStatusText(QStringLiteral("Tile: ") + QString::number(state_.curTile));
}

} // namespace vrh
