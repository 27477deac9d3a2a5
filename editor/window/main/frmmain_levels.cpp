// SPDX-License-Identifier: GPL-3.0-or-later
// The Levels window: every level of the set in small pictures beside the map. A click goes to
// a level, a drag puts a level in another place as one step, and the pictures follow the
// history's steps and every change of the current level.
#include "frmmain.h"

#include "window/dialogs/frmlevels.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace vrh {

namespace {

const QString kPositionKey = QStringLiteral("levelsWindowPosition");
const QString kMoveLevel = QStringLiteral("Move Level");

} // namespace

// Right of the main window, else left of it, else as far right as the screen allows.
QPoint frmMain::besideThisWindow(QSize size) const {
    const QRect main = frameGeometry();
    QRect room(main.topRight() + QPoint(frmLevels::kGap, 0), size);
    const QScreen* screen = this->screen();
    if (!screen) {
        return room.topLeft();
    }
    const QRect available = screen->availableGeometry();
    if (available.contains(room)) {
        return room.topLeft();
    }
    room.moveTopRight(main.topLeft() - QPoint(frmLevels::kGap, 0));
    if (available.contains(room)) {
        return room.topLeft();
    }
    room.moveRight(available.right());
    room.moveTop(
        std::max(available.top(), std::min(room.top(), available.bottom() - size.height())));
    return room.topLeft();
}

void frmMain::createLevelsWindow() {
    levelsWindow_ = new frmLevels(tileSheet_, this);
    const QPoint saved = settings_->value(kPositionKey).toPoint();
    if (settings_->contains(kPositionKey) && QGuiApplication::screenAt(saved)) {
        levelsWindow_->move(saved);
    } else {
        levelsWindow_->move(besideThisWindow(levelsWindow_->size()));
    }
    connect(levelsWindow_, &frmLevels::levelClicked, this, &frmMain::levelsWindow_LevelClick);
    connect(levelsWindow_, &frmLevels::levelDropped, this, &frmMain::levelsWindow_LevelDrop);
    // It closes by F9, its close button or with the editor: each time its place is kept.
    connect(levelsWindow_, &frmLevels::closed, this, [this] {
        mnuViewLevels->setChecked(false);
        settings_->setValue(kPositionKey, levelsWindow_->pos());
    });
    connect(&history_.stack(), &QUndoStack::indexChanged, this, &frmMain::showLevelsWindow);
}

void frmMain::mnuViewLevels_Click() {
    if (levelsWindow_ && levelsWindow_->isVisible()) {
        levelsWindow_->close();
        return;
    }
    if (!levelsWindow_) {
        createLevelsWindow();
    }
    mnuViewLevels->setChecked(true);
    levelsWindow_->show();
    showLevelsWindow();
}

// A hidden window draws nothing; it catches up when it shows.
void frmMain::showLevelsWindow() {
    if (levelsWindow_ && levelsWindow_->isVisible()) {
        levelsWindow_->showLevels(levelset_, state_.curLevel);
    }
}

void frmMain::levelsWindow_LevelClick(int position) {
    showLevelListChange(goToLevel(levelset_, state_, position));
}

void frmMain::levelsWindow_LevelDrop(int from, int to) {
    LevelListChange change = LevelListChange::Nothing;
    history_.record(kMoveLevel, [&] { change = moveLevel(levelset_, state_, from, to); });
    showLevelListChange(change);
}

} // namespace vrh
