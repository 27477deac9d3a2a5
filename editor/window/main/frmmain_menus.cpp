// The menu bar.
#include "frmmain.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

namespace vrh {

namespace {

using Handler = void (frmMain::*)();

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addEntry(QMenu* menu, const char* name, const char* caption,
                  const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void addEntry(frmMain* window, QMenu* menu, const char* name, const char* caption, Handler handler,
              const QKeySequence& shortcut = {}) {
    QObject::connect(addEntry(menu, name, caption, shortcut), &QAction::triggered, window, handler);
}

void addBar(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

// An entry with a check mark that its handler keeps. Qt turns a checkable entry's mark over
// before it reports the click, so the mark is turned back first and the handler decides.
QAction* addCheckEntry(frmMain* window, QMenu* menu, const char* name, const char* caption,
                       bool checked, std::function<void()> click) {
    QAction* action = addEntry(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    QObject::connect(action, &QAction::triggered, window, [action, click = std::move(click)] {
        {
            const QSignalBlocker blocker(action);
            action->setChecked(!action->isChecked());
        }
        click();
    });
    return action;
}

} // namespace

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
    addBar(file, "mnuFileBar1");
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
    addBar(view, "mnuViewBar2");
    mnuViewGrid =
        addCheckEntry(this, view, "mnuViewGrid", "&Grid", false, [this] { mnuViewGrid_Click(); });
    mnuViewGrid->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuViewLevels = addCheckEntry(this, view, "mnuViewLevels", "&Levels", false,
                                  [this] { mnuViewLevels_Click(); });
    mnuViewLevels->setShortcut(QKeySequence(Qt::Key_F9));

    QMenu* level = addMenu(bar, "mnuLevel", "&Level");
    addEntry(this, level, "mnuLevelDecreaseWidth", "Decrease Width",
             &frmMain::mnuLevelDecreaseWidth_Click, QKeySequence(Qt::Key_F1));
    addEntry(this, level, "mnuLevelIncreaseWidth", "Increase Width",
             &frmMain::mnuLevelIncreaseWidth_Click, QKeySequence(Qt::Key_F2));
    addEntry(this, level, "mnuLevelDecreaseHeight", "Decrease Height",
             &frmMain::mnuLevelDecreaseHeight_Click, QKeySequence(Qt::Key_F3));
    addEntry(this, level, "mnuLevelIncreaseHeight", "Increase Height",
             &frmMain::mnuLevelIncreaseHeight_Click, QKeySequence(Qt::Key_F4));
    mnuLevelSize = addEntry(level, "mnuLevelSize", "&Size...", QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(mnuLevelSize, &QAction::triggered, this, &frmMain::mnuLevelSize_Click);
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
    QMenu* mouse = tools->addMenu(QStringLiteral("Right &Mouse Button"));
    mouse->setObjectName(QStringLiteral("mnuToolsMouse"));
    mouse->menuAction()->setObjectName(QStringLiteral("mnuToolsMouse"));
    const char* const modes[] = {"Set &Positions", "Random &Wall Tile", "Random &Inside Tile",
                                 "Random &Outside Tile"};
    for (int index = 0; index < static_cast<int>(mnuToolsMouseChoice.size()); ++index) {
        const QByteArray name = "mnuToolsMouseChoice" + QByteArray::number(index);
        mnuToolsMouseChoice[index] =
            addCheckEntry(this, mouse, name.constData(), modes[index], index == 0,
                          [this, index] { mnuToolsMouseChoice_Click(index); });
        mnuToolsMouseChoice[index]->setData(index);
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
    // The drawing tools work as one choice; their one-letter keys type text in a text box.
    addBar(tools, "mnuToolsBar3");
    struct Tool {
        const char* name;
        const char* caption;
        QKeySequence key;
    };
    const Tool drawingTools[] = {
        {"mnuToolsPencil", "Pe&ncil", QKeySequence(Qt::Key_P)},
        {"mnuToolsLine", "&Line", QKeySequence(Qt::Key_L)},
        {"mnuToolsRectangle", "&Rectangle", QKeySequence(Qt::Key_R)},
        {"mnuToolsFilledRectangle", "F&illed Rectangle", QKeySequence(Qt::SHIFT | Qt::Key_R)},
    };
    for (int index = 0; index < static_cast<int>(mnuToolsTool.size()); ++index) {
        const auto tool = static_cast<DrawingTool>(index);
        mnuToolsTool[index] =
            addCheckEntry(this, tools, drawingTools[index].name, drawingTools[index].caption,
                          tool == tool_, [this, tool] { mnuToolsTool_Click(tool); });
        mnuToolsTool[index]->setShortcut(drawingTools[index].key);
    }
    // The user's commands follow this entry (frmmain_commands.cpp).
    addBar(tools, "mnuToolsBar4");
    mnuToolsCommands = addEntry(tools, "mnuToolsCommands", "&Commands...");
    connect(mnuToolsCommands, &QAction::triggered, this, &frmMain::mnuToolsCommands_Click);

    QMenu* help = addMenu(bar, "mnuHelp", "&Help");
    addEntry(this, help, "mnuHelpAbout", "&About ", &frmMain::mnuHelpAbout_Click,
             QKeySequence(Qt::Key_F12));
}

} // namespace vrh
