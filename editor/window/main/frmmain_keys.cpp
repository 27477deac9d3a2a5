// SPDX-License-Identifier: GPL-3.0-or-later
// The map and the palette by keyboard: the keys move the same cursors the mouse moves, and work
// the map's tools as the buttons do, Space for the left button and the Menu key for the right.
#include "frmmain.h"

#include "commands/levels/keyboardcursor.h"
#include "commands/levels/mapediting.h"
#include "map/levelview.h"
#include "map/markerframe.h"

#include <QLineEdit>

namespace vrh {

namespace {

bool isMenuKey(int key, int shift) {
    return key == Qt::Key_Menu || (key == Qt::Key_F10 && (shift & PictureView::kShiftKey));
}

// Where a popup opened from the keyboard appears: at the cursor's cell.
QPoint cursorPoint(const PictureView& view) {
    return view.mapToGlobal(view.cursorRect().center());
}

} // namespace

void frmMain::createKeyboardEditing() {
    picLevel->setFocusPolicy(Qt::StrongFocus);
    picTiles->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(txtTime, picLevel);
    setTabOrder(picLevel, picTiles);
    connect(picLevel, &PictureView::keyPressed, this, &frmMain::picLevel_KeyDown);
    connect(picLevel, &PictureView::keyReleased, this, &frmMain::picLevel_KeyUp);
    connect(picTiles, &PictureView::keyPressed, this, &frmMain::picTiles_KeyDown);
    connect(picLevel, &PictureView::focusLeft, this, &frmMain::picLevel_LostFocus);
}

// Space or Shift let go elsewhere never comes back here: what they held ends now, and a shape
// they anchored is dropped rather than drawn.
void frmMain::picLevel_LostFocus() {
    if (keyButton_ != 0) {
        cancelShape();
        keyRelease();
    }
}

void frmMain::picLevel_KeyDown(int key, int shift, bool autoRepeat) {
    const QPoint cursor = levelCursor->cell();
    const auto to = mapCursorMove(key, shift & PictureView::kCtrlKey, cursor, currentLevel());
    if (to) {
        // Shift + arrows select from where the cursor stood, as a Shift drag does.
        if ((shift & PictureView::kShiftKey) && keyButton_ == 0) {
            keyPress(1, PictureView::kShiftKey, cursor);
        }
        keyMove(*to);
        return;
    }
    if (autoRepeat) {
        return;
    }
    const bool drawingShape = keyButton_ != 0 && gesture_ == &shapeTool_;
    if (key == Qt::Key_Space && !drawingShape) {
        keyPress(1, shift & (PictureView::kCtrlKey | PictureView::kShiftKey), cursor);
    } else if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
               drawingShape) {
        keyRelease();
    } else if (isMenuKey(key, shift)) {
        popupAt_ = cursorPoint(*picLevel);
        keyPress(2, 0, cursor);
        keyRelease();
        popupAt_.reset();
    }
}

// Letting go of Space ends a stroke or a fill; a shape waits for its second Space. Letting go
// of Shift ends a selection.
void frmMain::picLevel_KeyUp(int key, int /*shift*/, bool autoRepeat) {
    if (autoRepeat || keyButton_ == 0) {
        return;
    }
    if ((key == Qt::Key_Space && gesture_ != &shapeTool_ && gesture_ != &select_) ||
        (key == Qt::Key_Shift && gesture_ == &select_)) {
        keyRelease();
    }
}

void frmMain::keyPress(int button, int shift, QPoint cell) {
    mapPress(button, shift, cell);
    keyButton_ = gesture_ ? button : 0;
}

void frmMain::keyRelease() {
    const int button = keyButton_;
    keyButton_ = 0;
    mapRelease(button);
}

// The cursor goes where the key sends it, inside the level or not, and the map scrolls to show
// it; what it reaches is worked on as a move of the mouse with the key's button held.
void frmMain::keyMove(QPoint cell) {
    state_.cursorX = static_cast<std::int16_t>(cell.x());
    state_.cursorY = static_cast<std::int16_t>(cell.y());
    moveLevelCursor(cell);
    paste_.follow(cell);
    activeTool().move(keyButton_, cell);
}

void frmMain::picTiles_KeyDown(int key, int shift, bool /*autoRepeat*/) {
    const QPoint place = tileCursor->cell();
    const int code =
        paletteCode(static_cast<std::int16_t>(place.x()), static_cast<std::int16_t>(place.y()));
    if (const auto to = paletteCursorMove(key, code)) {
        state_.curTile = static_cast<std::uint8_t>(*to);
        tileCursor->setTile(*to);
    } else if (isMenuKey(key, shift)) {
        state_.popupTile = code;
        if (isChoosableTile(code)) {
            popupMenu(mnuTilePopUp, cursorPoint(*picTiles));
        }
    } else {
        return;
    }
    picTiles->update();
    showChosenTile(QStringLiteral("Tile: ") + QString::number(state_.curTile));
}

} // namespace vrh
