// SPDX-License-Identifier: GPL-3.0-or-later
// The tile popup and the level popup: block types from the palette, positions on the map.
// They change the current level and move a marker; the map itself is not redrawn.
#include "frmmain.h"

#include "commands/levels/mapediting.h"
#include "map/markerframe.h"
#include "menuentries.h"

#include <QAction>
#include <QMenu>

namespace vrh {

void frmMain::createPopupMenus() {
    // Owned by the window and opened at the pointer; never part of the menu bar.
    mnuTilePopUp = new QMenu(QStringLiteral("Tile PopUp"), this);
    mnuTilePopUp->setObjectName(QStringLiteral("mnuTilePopUp"));
    mnuTilePopUpPut = addEntry(this, mnuTilePopUp, "mnuTilePopUpPut", "Set as Block to &Put Type",
                               &frmMain::mnuTilePopUpPut_Click);
    mnuTilePopUpTake = addEntry(this, mnuTilePopUp, "mnuTilePopUpTake",
                                "Set as Block to &Take Type", &frmMain::mnuTilePopUpTake_Click);

    mnuLevelPopUp = new QMenu(QStringLiteral("Level PopUp"), this);
    mnuLevelPopUp->setObjectName(QStringLiteral("mnuLevelPopUp"));
    mnuLevelPopUpStart = addEntry(this, mnuLevelPopUp, "mnuLevelPopUpStart",
                                  "Set as &Start Position", &frmMain::mnuLevelPopUpStart_Click);
    mnuLevelPopUpFinish = addEntry(this, mnuLevelPopUp, "mnuLevelPopUpFinish",
                                   "Set as &Finish Position", &frmMain::mnuLevelPopUpFinish_Click);
    addBar(mnuLevelPopUp, "mnuLevelPopUpBar1");
    mnuLevelPopUpPut = addEntry(this, mnuLevelPopUp, "mnuLevelPopUpPut",
                                "Set as Block to &Put Position", &frmMain::mnuLevelPopUpPut_Click);
    mnuLevelPopUpTake =
        addEntry(this, mnuLevelPopUp, "mnuLevelPopUpTake", "Set as Block to &Take Position",
                 &frmMain::mnuLevelPopUpTake_Click);
}

QAction* frmMain::popupMenu(QMenu* menu, QPoint globalPosition) {
    return menu->exec(globalPosition);
}

void frmMain::mnuTilePopUpPut_Click() {
    if (history_.record(stepname::PutType,
                        [this] { setTypeFromPopup(currentLevel(), state_, BlockType::Put); })) {
        shpPutType->setTile(currentLevel().putType);
    }
}

void frmMain::mnuTilePopUpTake_Click() {
    if (history_.record(stepname::TakeType,
                        [this] { setTypeFromPopup(currentLevel(), state_, BlockType::Take); })) {
        shpTakeType->setTile(currentLevel().takeType);
    }
}

void frmMain::mnuLevelPopUpStart_Click() {
    if (history_.record(stepname::StartPosition, [this] {
            setPositionFromPopup(currentLevel(), state_, LevelPosition::Start);
        })) {
        shpStart->setCell(currentLevel().startX, currentLevel().startY);
    }
}

void frmMain::mnuLevelPopUpFinish_Click() {
    if (history_.record(stepname::FinishPosition, [this] {
            setPositionFromPopup(currentLevel(), state_, LevelPosition::Finish);
        })) {
        shpFinish->setCell(currentLevel().finishX, currentLevel().finishY);
    }
}

void frmMain::mnuLevelPopUpPut_Click() {
    if (history_.record(stepname::PutPosition, [this] {
            setPositionFromPopup(currentLevel(), state_, LevelPosition::Put);
        })) {
        shpPut->setCell(currentLevel().putX, currentLevel().putY);
    }
}

void frmMain::mnuLevelPopUpTake_Click() {
    if (history_.record(stepname::TakePosition, [this] {
            setPositionFromPopup(currentLevel(), state_, LevelPosition::Take);
        })) {
        shpTake->setCell(currentLevel().takeX, currentLevel().takeY);
    }
}

} // namespace vrh
