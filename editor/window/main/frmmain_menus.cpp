// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar.
#include "frmmain.h"

#include "menuentries.h"

#include "commands/levels/drawingtools.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace vrh {

void frmMain::createMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = addMenu(bar, "mnuFile", "&File");
    addEntry(this, file, "mnuFileNew", "&New", &frmMain::mnuFileNew_Click,
             QKeySequence(Qt::CTRL | Qt::Key_N));
    addEntry(this, file, "mnuFileOpen", "&Open...", &frmMain::mnuFileOpen_Click,
             QKeySequence(Qt::CTRL | Qt::Key_O));
    addBar(file, "mnuFileBar0");
    addEntry(this, file, "mnuFileSave", "&Save", &frmMain::mnuFileSave_Click,
             QKeySequence(Qt::CTRL | Qt::Key_S));
    addEntry(this, file, "mnuFileSaveAs", "Save &As...", &frmMain::mnuFileSaveAs_Click);
    addBar(file, "mnuFileBar2");
    addEntry(this, file, "mnuFileExportPicture", "&Export Picture...",
             &frmMain::mnuFileExportPicture_Click, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    addEntry(this, file, "mnuFileExportAll", "Export All Le&vels...",
             &frmMain::mnuFileExportAll_Click);
    addEntry(this, file, "mnuFileExportTilePictures", "Export Tile Pictu&res...",
             &frmMain::mnuFileExportTilePictures_Click);
    addBar(file, "mnuFileBar1");
    // The recent files, shown while they hold one (frmmain_recent.cpp).
    for (int index = 0; index < static_cast<int>(mnuFileRecent.size()); ++index) {
        const QByteArray name = "mnuFileRecent" + QByteArray::number(index + 1);
        mnuFileRecent[index] = addEntry(file, name.constData(), "");
        connect(mnuFileRecent[index], &QAction::triggered, this,
                [this, index] { mnuFileRecent_Click(index); });
    }
    mnuFileRecentBar = addBar(file, "mnuFileRecentBar");
    addEntry(this, file, "mnuFileExit", "E&xit", &frmMain::mnuFileExit_Click);

    createEditMenu(addMenu(bar, "mnuEdit", "&Edit"));

    QMenu* view = addMenu(bar, "mnuView", "&View");
    mnuViewStart = addCheckEntry(this, view, "mnuViewStart", "&Start Position", true,
                                 [this] { mnuViewStart_Click(); });
    mnuViewFinish = addCheckEntry(this, view, "mnuViewFinish", "&Finish Position", true,
                                  [this] { mnuViewFinish_Click(); });
    addBar(view, "mnuViewBar1");
    mnuViewBlockPut = addCheckEntry(this, view, "mnuViewBlockPut", "Block to &Put", false,
                                    [this] { mnuViewBlockPut_Click(); });
    mnuViewBlockTake = addCheckEntry(this, view, "mnuViewBlockTake", "Block to &Take", false,
                                     [this] { mnuViewBlockTake_Click(); });
    mnuViewMarkerLetters = addCheckEntry(this, view, "mnuViewMarkerLetters", "Marker Lette&rs",
                                         false, [this] { mnuViewMarkerLetters_Click(); });
    addBar(view, "mnuViewBar2");
    mnuViewGrid = addCheckEntry(
        this, view, "mnuViewGrid", "&Grid", false, [this] { mnuViewGrid_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuViewLevels = addCheckEntry(
        this, view, "mnuViewLevels", "&Levels", false, [this] { mnuViewLevels_Click(); },
        QKeySequence(Qt::Key_F9));
    addBar(view, "mnuViewTilesBar");
    addEntry(this, view, "mnuViewTilePictures", "Tile P&ictures...",
             &frmMain::mnuViewTilePictures_Click, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    mnuViewBuiltInTiles = addEntry(this, view, "mnuViewBuiltInTiles", "&Built-in Tile Pictures",
                                   &frmMain::mnuViewBuiltInTiles_Click);
    mnuViewTileUses = addCheckEntry(
        this, view, "mnuViewTileUses", "Show &Uses of Selected Tile", false,
        [this] { mnuViewTileUses_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_U));
    addBar(view, "mnuViewZoomBar");
    mnuViewZoomIn =
        addEntry(this, view, "mnuViewZoomIn", "Zoom I&n", &frmMain::mnuViewZoomIn_Click);
    mnuViewZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    mnuViewZoomOut =
        addEntry(this, view, "mnuViewZoomOut", "Zoom &Out", &frmMain::mnuViewZoomOut_Click,
                 QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnuViewActualSize =
        addEntry(this, view, "mnuViewActualSize", "&Actual Size", &frmMain::mnuViewActualSize_Click,
                 QKeySequence(Qt::CTRL | Qt::Key_0));

    QMenu* level = addMenu(bar, "mnuLevel", "&Level");
    addEntry(this, level, "mnuLevelDecreaseWidth", "Decrease Width",
             &frmMain::mnuLevelDecreaseWidth_Click, QKeySequence(Qt::Key_F1));
    addEntry(this, level, "mnuLevelIncreaseWidth", "Increase Width",
             &frmMain::mnuLevelIncreaseWidth_Click, QKeySequence(Qt::Key_F2));
    addEntry(this, level, "mnuLevelDecreaseHeight", "Decrease Height",
             &frmMain::mnuLevelDecreaseHeight_Click, QKeySequence(Qt::Key_F3));
    addEntry(this, level, "mnuLevelIncreaseHeight", "Increase Height",
             &frmMain::mnuLevelIncreaseHeight_Click, QKeySequence(Qt::Key_F4));
    mnuLevelSize = addEntry(this, level, "mnuLevelSize", "&Size...", &frmMain::mnuLevelSize_Click,
                            QKeySequence(Qt::CTRL | Qt::Key_R));
    addBar(level, "mnuLevelBar1");
    addEntry(this, level, "mnuLevelRemove", "&Remove a Level", &frmMain::mnuLevelRemove_Click,
             QKeySequence(Qt::Key_F5));
    addEntry(this, level, "mnuLevelAdd", "&Add a Level", &frmMain::mnuLevelAdd_Click,
             QKeySequence(Qt::Key_F6));
    addEntry(this, level, "mnuLevelPrevious", "&Previous", &frmMain::mnuLevelPrevious_Click,
             QKeySequence(Qt::Key_F7));
    addEntry(this, level, "mnuLevelNext", "&Next", &frmMain::mnuLevelNext_Click,
             QKeySequence(Qt::Key_F8));
    addBar(level, "mnuLevelBar2");
    addEntry(this, level, "mnuLevelInsert", "&Insert a Level", &frmMain::mnuLevelInsert_Click,
             QKeySequence(Qt::CTRL | Qt::Key_I));
    addEntry(this, level, "mnuLevelDuplicate", "&Duplicate Level",
             &frmMain::mnuLevelDuplicate_Click, QKeySequence(Qt::CTRL | Qt::Key_J));
    addEntry(this, level, "mnuLevelDelete", "De&lete This Level", &frmMain::mnuLevelDelete_Click,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    addEntry(this, level, "mnuLevelMoveEarlier", "Move Level &Earlier",
             &frmMain::mnuLevelMoveEarlier_Click,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp));
    addEntry(this, level, "mnuLevelMoveLater", "Move Level La&ter",
             &frmMain::mnuLevelMoveLater_Click,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown));
    addEntry(this, level, "mnuLevelGoTo", "&Go to Level...", &frmMain::mnuLevelGoTo_Click,
             QKeySequence(Qt::CTRL | Qt::Key_L));

    QMenu* tools = addMenu(bar, "mnuTools", "&Tools");
    QMenu* mouse = addMenu(tools, "mnuToolsMouse", "Right &Mouse Button");
    const char* const modes[] = {"Set &Positions", "Random &Wall Tile", "Random &Inside Tile",
                                 "Random &Outside Tile"};
    auto* modeGroup = new QActionGroup(mouse);
    for (int index = 0; index < static_cast<int>(mnuToolsMouseChoice.size()); ++index) {
        const QByteArray name = "mnuToolsMouseChoice" + QByteArray::number(index);
        mnuToolsMouseChoice[index] =
            addCheckEntry(this, mouse, name.constData(), modes[index], index == 0,
                          [this, index] { mnuToolsMouseChoice_Click(index); });
        mnuToolsMouseChoice[index]->setData(index);
        modeGroup->addAction(mnuToolsMouseChoice[index]);
    }
    addBar(tools, "mnuToolsBar1");
    addEntry(this, tools, "mnuToolsSetFloor", "Set &Floor", &frmMain::mnuToolsSetFloor_Click,
             QKeySequence(Qt::CTRL | Qt::Key_F));
    addBar(tools, "mnuToolsBar2");
    addEntry(this, tools, "mnuToolsEnemies", "Count &Enemies", &frmMain::mnuToolsEnemies_Click,
             QKeySequence(Qt::CTRL | Qt::Key_E));
    addEntry(this, tools, "mnuToolsPickups", "Count &Pick-ups", &frmMain::mnuToolsPickups_Click,
             QKeySequence(Qt::CTRL | Qt::Key_P));
    addEntry(this, tools, "mnuToolsDoors", "Count &Doors", &frmMain::mnuToolsDoors_Click,
             QKeySequence(Qt::CTRL | Qt::Key_D));
    // The drawing tools work as one choice, radio entries as the modes are.
    addBar(tools, "mnuToolsBar3");
    auto* toolGroup = new QActionGroup(tools);
    for (const DrawingToolEntry& entry : drawingTools()) {
        const DrawingTool tool = entry.tool;
        QAction* action = addCheckEntry(
            this, tools, entry.objectName, entry.caption, tool == tool_,
            [this, tool] { mnuToolsTool_Click(tool); }, QKeySequence(entry.key));
        toolGroup->addAction(action);
        mnuToolsTool[static_cast<int>(tool)] = action;
    }
    // The user's commands follow this entry (frmmain_commands.cpp).
    addBar(tools, "mnuToolsBar4");
    mnuToolsCommands =
        addEntry(this, tools, "mnuToolsCommands", "&Commands...", &frmMain::mnuToolsCommands_Click);

    QMenu* help = addMenu(bar, "mnuHelp", "&Help");
    addEntry(this, help, "mnuHelpAbout", "&About ", &frmMain::mnuHelpAbout_Click,
             QKeySequence(Qt::Key_F12));
}

} // namespace vrh
