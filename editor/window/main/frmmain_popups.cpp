// The tile popup and the level popup: block types from the palette, positions on the map.
// They change the current level and move a marker; the map itself is not redrawn.
#include "frmmain.h"

#include "commands/levels/mapediting.h"
#include "map/markerframe.h"

#include <QAction>
#include <QMenu>

namespace vrh {

namespace {

QAction* addPopupEntry(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

void frmMain::createPopupMenus() {
    // Owned by the window and opened at the pointer; never part of the menu bar.
    mnuTilePopUp = new QMenu(QStringLiteral("Tile PopUp"), this);
    mnuTilePopUp->setObjectName(QStringLiteral("mnuTilePopUp"));
    mnuTilePopUpPut = addPopupEntry(mnuTilePopUp, QStringLiteral("mnuTilePopUpPut"),
                                    QStringLiteral("Set as Block to &Put Type"));
    mnuTilePopUpTake = addPopupEntry(mnuTilePopUp, QStringLiteral("mnuTilePopUpTake"),
                                     QStringLiteral("Set as Block to &Take Type"));

    mnuLevelPopUp = new QMenu(QStringLiteral("Level PopUp"), this);
    mnuLevelPopUp->setObjectName(QStringLiteral("mnuLevelPopUp"));
    mnuLevelPopUpStart = addPopupEntry(mnuLevelPopUp, QStringLiteral("mnuLevelPopUpStart"),
                                       QStringLiteral("Set as &Start Position"));
    mnuLevelPopUpFinish = addPopupEntry(mnuLevelPopUp, QStringLiteral("mnuLevelPopUpFinish"),
                                        QStringLiteral("Set as &Finish Position"));
    mnuLevelPopUp->addSeparator()->setObjectName(QStringLiteral("mnuLevelPopUpBar1"));
    mnuLevelPopUpPut = addPopupEntry(mnuLevelPopUp, QStringLiteral("mnuLevelPopUpPut"),
                                     QStringLiteral("Set as Block to &Put Position"));
    mnuLevelPopUpTake = addPopupEntry(mnuLevelPopUp, QStringLiteral("mnuLevelPopUpTake"),
                                      QStringLiteral("Set as Block to &Take Position"));

    connect(mnuTilePopUpPut, &QAction::triggered, this, &frmMain::mnuTilePopUpPut_Click);
    connect(mnuTilePopUpTake, &QAction::triggered, this, &frmMain::mnuTilePopUpTake_Click);
    connect(mnuLevelPopUpStart, &QAction::triggered, this, &frmMain::mnuLevelPopUpStart_Click);
    connect(mnuLevelPopUpFinish, &QAction::triggered, this, &frmMain::mnuLevelPopUpFinish_Click);
    connect(mnuLevelPopUpPut, &QAction::triggered, this, &frmMain::mnuLevelPopUpPut_Click);
    connect(mnuLevelPopUpTake, &QAction::triggered, this, &frmMain::mnuLevelPopUpTake_Click);
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
