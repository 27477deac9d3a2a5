// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowharness.h"

#include "assets/assets.h"
#include "map/levelview.h"
#include "window/dialogs/gotoleveldialog.h"
#include "window/dialogs/levelsizedialog.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <memory>

namespace vrh {
namespace {

using testing::ActiveWindow;

// One line per menu entry shown: indent, object name, caption, shortcut and check mark.
std::vector<std::string> describe(const QMenu* menu, const std::string& indent) {
    std::vector<std::string> lines;
    for (const QAction* action : menu->actions()) {
        if (!action->isVisible()) {
            continue;
        }
        std::string line = indent + action->objectName().toStdString();
        if (action->isSeparator()) {
            lines.push_back(line + " -");
            continue;
        }
        line += " \"" + action->text().toStdString() + "\"";
        if (!action->shortcut().isEmpty()) {
            line += " " + action->shortcut().toString(QKeySequence::PortableText).toStdString();
        }
        if (action->isCheckable()) {
            line += action->isChecked() ? " [x]" : " [ ]";
        }
        lines.push_back(line);
        if (action->menu()) {
            EXPECT_EQ(action->menu()->objectName(), action->objectName());
            const std::vector<std::string> inner = describe(action->menu(), indent + "  ");
            lines.insert(lines.end(), inner.begin(), inner.end());
        }
    }
    return lines;
}

TEST(Menus, MenuBarHoldsEveryEntryInOrder) {
    ActiveWindow harness;
    std::vector<std::string> shown;
    for (const QAction* top : harness.window.menuBar()->actions()) {
        ASSERT_NE(top->menu(), nullptr);
        shown.push_back(top->menu()->objectName().toStdString() + " \"" +
                        top->text().toStdString() + "\"");
        const std::vector<std::string> inner = describe(top->menu(), "  ");
        shown.insert(shown.end(), inner.begin(), inner.end());
    }
    const std::vector<std::string> expected = {
        "mnuFile \"&File\"",
        "  mnuFileNew \"&New\" Ctrl+N",
        "  mnuFileOpen \"&Open...\" Ctrl+O",
        "  mnuFileBar0 -",
        "  mnuFileSave \"&Save\" Ctrl+S",
        "  mnuFileSaveAs \"Save &As...\"",
        "  mnuFileBar2 -",
        "  mnuFileExportPicture \"&Export Picture...\" Ctrl+Shift+E",
        "  mnuFileExportAll \"Export All Le&vels...\"",
        "  mnuFileExportTilePictures \"Export Tile Pictu&res...\"",
        "  mnuFileBar1 -",
        "  mnuFileExit \"E&xit\"",
        "mnuEdit \"&Edit\"",
        "  mnuEditUndo \"&Undo\" Ctrl+Z",
        "  mnuEditRedo \"&Redo\" Ctrl+Y",
        "  mnuEditBar1 -",
        "  mnuEditCut \"Cu&t\" Ctrl+X",
        "  mnuEditCopy \"&Copy\" Ctrl+C",
        "  mnuEditPaste \"&Paste\" Ctrl+V",
        "  mnuEditDelete \"&Delete\" Del",
        "  mnuEditBar2 -",
        "  mnuEditSelectAll \"Select &All\" Ctrl+A",
        "  mnuEditFill \"&Fill Selection\" Ctrl+B",
        "mnuView \"&View\"",
        "  mnuViewStart \"&Start Position\" [x]",
        "  mnuViewFinish \"&Finish Position\" [x]",
        "  mnuViewBar1 -",
        "  mnuViewBlockPut \"Block to &Put\" [ ]",
        "  mnuViewBlockTake \"Block to &Take\" [ ]",
        "  mnuViewMarkerLetters \"Marker Lette&rs\" [ ]",
        "  mnuViewBar2 -",
        "  mnuViewGrid \"&Grid\" Ctrl+G [ ]",
        "  mnuViewLevels \"&Levels\" F9 [ ]",
        "  mnuViewTilesBar -",
        "  mnuViewTilePictures \"Tile P&ictures...\" Ctrl+Shift+T",
        "  mnuViewBuiltInTiles \"&Built-in Tile Pictures\"",
        "  mnuViewTileUses \"Show &Uses of Selected Tile\" Ctrl+U [ ]",
        "  mnuViewZoomBar -",
        "  mnuViewZoomIn \"Zoom I&n\" Ctrl+=",
        "  mnuViewZoomOut \"Zoom &Out\" Ctrl+-",
        "  mnuViewActualSize \"&Actual Size\" Ctrl+0",
        "mnuLevel \"&Level\"",
        "  mnuLevelDecreaseWidth \"Decrease Width\" F1",
        "  mnuLevelIncreaseWidth \"Increase Width\" F2",
        "  mnuLevelDecreaseHeight \"Decrease Height\" F3",
        "  mnuLevelIncreaseHeight \"Increase Height\" F4",
        "  mnuLevelSize \"&Size...\" Ctrl+R",
        "  mnuLevelBar1 -",
        "  mnuLevelRemove \"&Remove a Level\" F5",
        "  mnuLevelAdd \"&Add a Level\" F6",
        "  mnuLevelPrevious \"&Previous\" F7",
        "  mnuLevelNext \"&Next\" F8",
        "  mnuLevelBar2 -",
        "  mnuLevelInsert \"&Insert a Level\" Ctrl+I",
        "  mnuLevelDuplicate \"&Duplicate Level\" Ctrl+J",
        "  mnuLevelDelete \"De&lete This Level\" Ctrl+Shift+Del",
        "  mnuLevelMoveEarlier \"Move Level &Earlier\" Ctrl+Shift+PgUp",
        "  mnuLevelMoveLater \"Move Level La&ter\" Ctrl+Shift+PgDown",
        "  mnuLevelGoTo \"&Go to Level...\" Ctrl+L",
        "mnuTools \"&Tools\"",
        "  mnuToolsMouse \"Right &Mouse Button\"",
        "    mnuToolsMouseChoice0 \"Set &Positions\" [x]",
        "    mnuToolsMouseChoice1 \"Random &Wall Tile\" [ ]",
        "    mnuToolsMouseChoice2 \"Random &Inside Tile\" [ ]",
        "    mnuToolsMouseChoice3 \"Random &Outside Tile\" [ ]",
        "  mnuToolsBar1 -",
        "  mnuToolsSetFloor \"Set &Floor\" Ctrl+F",
        "  mnuToolsBar2 -",
        "  mnuToolsEnemies \"Count &Enemies\" Ctrl+E",
        "  mnuToolsPickups \"Count &Pick-ups\" Ctrl+P",
        "  mnuToolsDoors \"Count &Doors\" Ctrl+D",
        "  mnuToolsBar3 -",
        "  mnuToolsPencil \"Pe&ncil\" P [x]",
        "  mnuToolsLine \"&Line\" L [ ]",
        "  mnuToolsRectangle \"&Rectangle\" R [ ]",
        "  mnuToolsFilledRectangle \"F&illed Rectangle\" Shift+R [ ]",
        "  mnuToolsBar4 -",
        "  mnuToolsCommands \"&Commands...\"",
        "mnuHelp \"&Help\"",
        "  mnuHelpAbout \"&About \" F12",
    };
    EXPECT_EQ(shown, expected);
}

// Every command that a key, a button or an entry runs, with a state that shows it ran. A key
// that edits a text box's text anywhere on the desktop does that in a box instead: inBox says
// what it did to a box holding "123" with "23" selected, and the map's command did not run.
struct Command {
    const char* entry;
    QKeyCombination key;
    const char* button; // toolbar key, or null
    std::function<void(ActiveWindow&)> prepare;
    std::function<void(ActiveWindow&)> ran;
    std::function<void(ActiveWindow&, QLineEdit*)> inBox = {};
    // A key that types a letter: only the passcode box takes letters.
    bool letter = false;
};

// The region commands act on a selection of two cells made with a Shift drag: (1, 1) holding
// 89 and (2, 1) holding 14. The clipboard holds the cell text "7".
void selectTwoCells(ActiveWindow& h) {
    h.level(0).tiles[1][1] = 89;
    h.level(0).tiles[1][2] = 14;
    h.window.redrawMap();
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    const auto at = [&h](int x) {
        return h.window.picLevel->mapTo(&h.window, QPoint(x * 16 + 10, 26));
    };
    QTest::mousePress(h.window.windowHandle(), Qt::LeftButton, Qt::ShiftModifier, at(1));
    QTest::mouseMove(h.window.windowHandle(), at(2));
    QTest::mouseRelease(h.window.windowHandle(), Qt::LeftButton, Qt::ShiftModifier, at(2));
    ASSERT_EQ(h.window.selection(), QRect(1, 1, 2, 1));
}

// The map's region command did not run: cells, selection and paste stand as prepared, and no
// cells went to the clipboard.
void expectMapUntouched(ActiveWindow& h) {
    EXPECT_EQ(h.level(0).tiles[1][1], 89);
    EXPECT_EQ(h.level(0).tiles[1][2], 14);
    EXPECT_EQ(h.window.selection(), QRect(1, 1, 2, 1));
    EXPECT_FALSE(h.window.pasteFloating());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat(
        QStringLiteral("application/x-vrhedit-cells")));
}

void expectAsked(ActiveWindow& h, const char* title) {
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].title, QString::fromLatin1(title));
}

std::function<void(ActiveWindow&)> label(const char* text) {
    return [text](ActiveWindow& h) {
        EXPECT_EQ(h.window.lblLevelNum->text(), QString::fromLatin1(text));
    };
}

Command zoom(const char* entry, QKeyCombination key, int before, int after) {
    return {entry, key, nullptr,
            [before](ActiveWindow& h) {
                h.window.mnuViewActualSize_Click();
                for (int step = 1; step < before; ++step) {
                    h.window.mnuViewZoomIn_Click();
                }
            },
            [after](ActiveWindow& h) { EXPECT_EQ(h.window.picLevel->zoom().zoom(), after); }};
}

Command tool(const char* entry, QKeyCombination key, DrawingTool before, DrawingTool chosen) {
    return {entry,
            key,
            nullptr,
            [before](ActiveWindow& h) { h.window.mnuToolsTool_Click(before); },
            [chosen](ActiveWindow& h) { EXPECT_EQ(h.window.drawingTool(), chosen); },
            [before](ActiveWindow& h, QLineEdit* box) {
                EXPECT_EQ(h.window.drawingTool(), before);
                EXPECT_EQ(box->text().size(), 2) << box->text().toStdString();
            },
            true};
}

const std::vector<Command>& commands() {
    using H = ActiveWindow;
    const auto undoneWidening = [](H& h) {
        h.window.mnuLevelIncreaseWidth_Click();
        h.window.mnuEditUndo_Click();
    };
    const auto widened = [](H& h) { EXPECT_EQ(h.level(0).width, 13); };
    static const std::vector<Command> table = {
        {"mnuFileNew", Qt::CTRL | Qt::Key_N, "New",
         [](H& h) {
             h.showLevel(3, 2);
             h.messages.answers = {MessageAnswer::No};
         },
         [](H& h) {
             EXPECT_EQ(h.messages.asked.at(0).text, QStringLiteral("Save current Levelset?"));
             EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 1"));
         }},
        {"mnuFileOpen", Qt::CTRL | Qt::Key_O, "Open",
         [](H& h) {
             h.messages.answers = {MessageAnswer::No};
             h.dialogs.answers = {std::nullopt};
         },
         [](H& h) {
             ASSERT_EQ(h.dialogs.asked.size(), 1u);
             EXPECT_EQ(h.dialogs.asked[0].kind, testing::AskedDialog::Kind::Open);
         }},
        {"mnuFileSave", Qt::CTRL | Qt::Key_S, "Save",
         [](H& h) { h.dialogs.answers = {std::nullopt}; },
         [](H& h) {
             ASSERT_EQ(h.dialogs.asked.size(), 1u);
             EXPECT_EQ(h.dialogs.asked[0].kind, testing::AskedDialog::Kind::Save);
         }},
        {"mnuEditUndo", Qt::CTRL | Qt::Key_Z, nullptr,
         [](H& h) { h.window.mnuLevelIncreaseWidth_Click(); },
         [](H& h) { EXPECT_EQ(h.level(0).width, 12); }},
        {"mnuEditRedo", Qt::CTRL | Qt::Key_Y, nullptr, undoneWidening, widened},
        {"mnuEditRedo", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, nullptr, undoneWidening, widened},
        {"mnuEditCut", Qt::CTRL | Qt::Key_X, nullptr, selectTwoCells,
         [](H& h) {
             EXPECT_EQ(h.level(0).tiles[1][1], 0);
             EXPECT_EQ(h.level(0).tiles[1][2], 0);
             EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("89, 14\n"));
         },
         [](H& h, QLineEdit* box) {
             EXPECT_EQ(box->text(), QStringLiteral("1"));
             EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
             expectMapUntouched(h);
         }},
        {"mnuEditCopy", Qt::CTRL | Qt::Key_C, nullptr, selectTwoCells,
         [](H& h) {
             EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("89, 14\n"));
             EXPECT_EQ(h.level(0).tiles[1][1], 89);
         },
         [](H& h, QLineEdit* box) {
             EXPECT_EQ(box->text(), QStringLiteral("123"));
             EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
             expectMapUntouched(h);
         }},
        {"mnuEditPaste", Qt::CTRL | Qt::Key_V, nullptr, selectTwoCells,
         [](H& h) { EXPECT_TRUE(h.window.pasteFloating()); },
         [](H& h, QLineEdit* box) {
             EXPECT_EQ(box->text(), QStringLiteral("17"));
             expectMapUntouched(h);
         }},
        {"mnuEditDelete", Qt::Key_Delete, nullptr, selectTwoCells,
         [](H& h) {
             EXPECT_EQ(h.level(0).tiles[1][1], 0);
             EXPECT_EQ(h.level(0).tiles[1][2], 0);
         },
         [](H& h, QLineEdit* box) {
             EXPECT_EQ(box->text(), QStringLiteral("1"));
             expectMapUntouched(h);
         }},
        {"mnuEditSelectAll", Qt::CTRL | Qt::Key_A, nullptr, selectTwoCells,
         [](H& h) { EXPECT_EQ(h.window.selection(), QRect(0, 0, 12, 8)); },
         [](H& h, QLineEdit* box) {
             EXPECT_EQ(box->selectedText(), QStringLiteral("123"));
             expectMapUntouched(h);
         }},
        {"mnuEditFill", Qt::CTRL | Qt::Key_B, nullptr,
         [](H& h) {
             selectTwoCells(h);
             h.window.state().curTile = 54;
         },
         [](H& h) {
             EXPECT_EQ(h.level(0).tiles[1][1], 54);
             EXPECT_EQ(h.level(0).tiles[1][2], 54);
         }},
        {"mnuLevelDecreaseWidth", Qt::Key_F1, "DWidth", [](H& h) { h.setSize(20, 8); },
         [](H& h) { EXPECT_EQ(h.level(0).width, 19); }},
        {"mnuLevelIncreaseWidth", Qt::Key_F2, "IWidth", [](H&) {},
         [](H& h) { EXPECT_EQ(h.level(0).width, 13); }},
        {"mnuLevelDecreaseHeight", Qt::Key_F3, "DHeight", [](H& h) { h.setSize(12, 20); },
         [](H& h) { EXPECT_EQ(h.level(0).height, 19); }},
        {"mnuLevelIncreaseHeight", Qt::Key_F4, "IHeight", [](H&) {},
         [](H& h) { EXPECT_EQ(h.level(0).height, 9); }},
        {"mnuLevelRemove", Qt::Key_F5, "RemoveLevel", [](H& h) { h.showLevel(3, 0); },
         [](H& h) { EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 2")); }},
        {"mnuLevelAdd", Qt::Key_F6, "AddLevel", [](H&) {},
         [](H& h) { EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 2")); }},
        {"mnuLevelPrevious", Qt::Key_F7, "PreviousLevel", [](H& h) { h.showLevel(3, 2); },
         [](H& h) { EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 3")); }},
        {"mnuLevelNext", Qt::Key_F8, "NextLevel", [](H& h) { h.showLevel(3, 0); },
         [](H& h) { EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 3")); }},
        {"mnuToolsSetFloor", Qt::CTRL | Qt::Key_F, nullptr,
         [](H& h) { h.level(0).tiles[3][4] = 1; },
         [](H& h) { EXPECT_EQ(h.level(0).tiles[3][4], 0); }},
        {"mnuToolsEnemies", Qt::CTRL | Qt::Key_E, nullptr,
         [](H& h) { h.messages.answers = {MessageAnswer::Ok}; },
         [](H& h) { expectAsked(h, "Enemies"); }},
        {"mnuToolsPickups", Qt::CTRL | Qt::Key_P, nullptr,
         [](H& h) { h.messages.answers = {MessageAnswer::Ok}; },
         [](H& h) { expectAsked(h, "Pick-ups"); }},
        {"mnuToolsDoors", Qt::CTRL | Qt::Key_D, nullptr,
         [](H& h) { h.messages.answers = {MessageAnswer::Ok}; },
         [](H& h) { expectAsked(h, "Doors"); }},
        {"mnuHelpAbout", Qt::Key_F12, "About", [](H& h) { h.modal.answers = {h.closeAboutBox()}; },
         [](H& h) { EXPECT_EQ(h.modal.asked, std::vector{QStringLiteral("frmAbout")}); }},
        {"mnuLevelInsert", Qt::CTRL | Qt::Key_I, nullptr, [](H& h) { h.showLevel(3, 1); },
         label("Level: 2 / 4")},
        {"mnuLevelDuplicate", Qt::CTRL | Qt::Key_J, nullptr, [](H& h) { h.showLevel(3, 1); },
         label("Level: 3 / 4")},
        {"mnuLevelDelete", Qt::CTRL | Qt::SHIFT | Qt::Key_Delete, nullptr,
         [](H& h) { h.showLevel(3, 2); }, label("Level: 2 / 2")},
        {"mnuLevelMoveEarlier", Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp, nullptr,
         [](H& h) { h.showLevel(3, 2); }, label("Level: 2 / 3")},
        {"mnuLevelMoveLater", Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown, nullptr,
         [](H& h) { h.showLevel(3, 0); }, label("Level: 2 / 3")},
        {"mnuLevelGoTo", Qt::CTRL | Qt::Key_L, nullptr,
         [](H& h) {
             h.showLevel(3, 0);
             h.modal.answers = {testing::answerDialog<GoToLevelDialog>([](GoToLevelDialog& dialog) {
                 dialog.spnLevel->setValue(3);
                 dialog.accept();
             })};
         },
         label("Level: 3 / 3")},
        {"mnuViewGrid", Qt::CTRL | Qt::Key_G, nullptr,
         [](H& h) {
             if (h.window.picLevel->gridShown()) { // as the last harness left it
                 h.window.mnuViewGrid_Click();
             }
         },
         [](H& h) { EXPECT_TRUE(h.window.picLevel->gridShown()); }},
        {"mnuLevelSize", Qt::CTRL | Qt::Key_R, nullptr,
         [](H& h) {
             h.modal.answers = {testing::answerDialog<LevelSizeDialog>([](LevelSizeDialog& dialog) {
                 dialog.spnWidth->setValue(20);
                 dialog.accept();
             })};
         },
         [](H& h) { EXPECT_EQ(h.level(0).width, 20); }},
        zoom("mnuViewZoomIn", Qt::CTRL | Qt::Key_Equal, 2, 3),
        zoom("mnuViewZoomIn", Qt::CTRL | Qt::Key_Plus, 3, 4),
        zoom("mnuViewZoomOut", Qt::CTRL | Qt::Key_Minus, 3, 2),
        zoom("mnuViewActualSize", Qt::CTRL | Qt::Key_0, 3, 1),
        // A letter is typed in a box; elsewhere it chooses its tool.
        tool("mnuToolsPencil", Qt::Key_P, DrawingTool::Line, DrawingTool::Pencil),
        tool("mnuToolsLine", Qt::Key_L, DrawingTool::Pencil, DrawingTool::Line),
        tool("mnuToolsRectangle", Qt::Key_R, DrawingTool::Pencil, DrawingTool::Rectangle),
        tool("mnuToolsFilledRectangle", Qt::SHIFT | Qt::Key_R, DrawingTool::Pencil,
             DrawingTool::FilledRectangle),
    };
    return table;
}

// Nothing but the one command ran: every message and dialog was scripted and used.
void expectOnlyThat(ActiveWindow& h, const Command& c) {
    c.ran(h);
    EXPECT_TRUE(h.messages.answers.empty());
    EXPECT_TRUE(h.dialogs.answers.empty());
    EXPECT_TRUE(h.modal.answers.empty());
}

TEST(Menus, EveryShortcutKeyRunsItsCommand) {
    for (const Command& c : commands()) {
        SCOPED_TRACE(c.entry);
        auto harness = std::make_unique<ActiveWindow>();
        c.prepare(*harness);
        QTest::keyClick(&harness->window, c.key.key(), c.key.keyboardModifiers());
        expectOnlyThat(*harness, c);
    }
}

// Text boxes claim keys of their own (Ctrl+Z always, Ctrl+E and Ctrl+D on some desktops); the
// menus' keys still run their commands with the focus in any of them, but for the keys that
// edit the box's text. This runner is built twice: once on the default key bindings and once
// on a theme whose text boxes claim Ctrl+E and Ctrl+D.
TEST(Menus, EveryShortcutKeyRunsItsCommandFromEachTextBox) {
    for (const char* box : {"txtPasscode", "txtObjectives", "txtTime"}) {
        for (const Command& c : commands()) {
            if (c.letter && std::string(box) != "txtPasscode") {
                continue;
            }
            SCOPED_TRACE(std::string(box) + " " + c.entry + " " +
                         QKeySequence(c.key).toString().toStdString());
            auto harness = std::make_unique<ActiveWindow>();
            c.prepare(*harness);
            auto* focus = harness->window.findChild<QLineEdit*>(QString::fromLatin1(box));
            ASSERT_NE(focus, nullptr);
            focus->setEnabled(true); // the first level's passcode box is greyed
            focus->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), focus);
            if (c.inBox) {
                const QSignalBlocker quiet(focus); // the box's text, not the level's value
                focus->setText(QStringLiteral("123"));
                focus->setSelection(1, 2);
            }
            QTest::keyClick(focus, c.key.key(), c.key.keyboardModifiers());
            if (c.inBox) {
                c.inBox(*harness, focus);
            } else {
                expectOnlyThat(*harness, c);
            }
        }
    }
}

QAction* toolbarButton(ActiveWindow& h, const QString& key) {
    for (QAction* action : h.window.tbToolBar->actions()) {
        if (action->data().toString() == key) {
            return action;
        }
    }
    ADD_FAILURE() << "no button " << key.toStdString();
    return nullptr;
}

TEST(Toolbar, EveryButtonRunsItsMenuEntrysCommand) {
    for (const Command& c : commands()) {
        if (!c.button) {
            continue;
        }
        SCOPED_TRACE(c.button);
        auto harness = std::make_unique<ActiveWindow>();
        c.prepare(*harness);
        QAction* action = toolbarButton(*harness, QString::fromLatin1(c.button));
        ASSERT_NE(action, nullptr);
        QWidget* button = harness->window.tbToolBar->widgetForAction(action);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        expectOnlyThat(*harness, c);
    }
}

TEST(Toolbar, ButtonsStandInOrderWithTheirPicturesAndTooltips) {
    ActiveWindow harness;
    struct Button {
        const char* key; // null for a separator
        const char* tooltip;
    };
    const Button expected[] = {
        {"New", "New Levelset"},
        {"Open", "Open"},
        {"Save", "Save"},
        {nullptr, nullptr},
        {"DWidth", "Decrease Width"},
        {"IWidth", "Increase Width"},
        {"DHeight", "Decrease Height"},
        {"IHeight", "Increase Height"},
        {nullptr, nullptr},
        {"AddLevel", "Add a Level"},
        {"RemoveLevel", "Remove a Level"},
        {"PreviousLevel", "Go to Previous Level"},
        {"NextLevel", "Go to Next Level"},
        {nullptr, nullptr},
        {"About", "About"},
    };
    const QList<QAction*> actions = harness.window.tbToolBar->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(expected)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const Button& b = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(actions[i]->isSeparator(), b.key == nullptr);
        if (!b.key) {
            continue;
        }
        EXPECT_EQ(actions[i]->data().toString(), QString::fromLatin1(b.key));
        EXPECT_EQ(actions[i]->toolTip(), QString::fromLatin1(b.tooltip));
        const QImage shown =
            actions[i]->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage picture = toolbarIcon(QString::fromLatin1(b.key))
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32);
        EXPECT_FALSE(picture.isNull());
        EXPECT_EQ(shown, picture);
    }
}

TEST(Toolbar, UnknownKeysDoNothingAndAFailingCommandIsLeftAsItFailed) {
    ActiveWindow harness;
    harness.showLevel(3, 1);
    const QImage map = harness.window.picLevel->image();
    // Keys are compared exactly.
    for (const char* key : {"new", "NEW", "Bogus", "", "Cut", "Wall", "About "}) {
        harness.window.tbToolBar_ButtonClick(QString::fromLatin1(key));
    }
    EXPECT_TRUE(harness.messages.asked.empty());
    EXPECT_TRUE(harness.dialogs.asked.empty());
    EXPECT_TRUE(harness.modal.asked.empty());
    EXPECT_EQ(harness.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 3"));
    EXPECT_EQ(harness.window.picLevel->image(), map);

    // New fails at its save prompt: the error goes no further than the toolbar.
    harness.messages.fail = true;
    ASSERT_THROW(harness.window.mnuFileNew_Click(), std::runtime_error);
    QTest::mouseClick(
        harness.window.tbToolBar->widgetForAction(toolbarButton(harness, QStringLiteral("New"))),
        Qt::LeftButton);
    EXPECT_EQ(harness.messages.asked.size(), 2u);
    EXPECT_EQ(harness.window.state().curLevel, 1);
    EXPECT_EQ(harness.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 3"));
    EXPECT_TRUE(harness.window.isVisible());
}

} // namespace
} // namespace vrh
