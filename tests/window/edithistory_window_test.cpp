// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowharness.h"

#include "map/markerframe.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace vrh {
namespace {

using testing::ActiveWindow;
using testing::drag;
using testing::hover;

// A wall at (1, 1) and (2, 1), then a Shift drag selecting (1, 1) to (3, 2).
void selectWalls(ActiveWindow& h) {
    h.level(0).tiles[1][1] = h.level(0).tiles[1][2] = 89;
    h.window.state().curTile = 54;
    drag(h.window.picLevel, {{1, 1}, {3, 2}}, Qt::ShiftModifier);
}

void type(QLineEdit* box, const char* text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(text));
}

struct Gesture {
    const char* step;
    std::function<void(ActiveWindow&)> prepare;
    std::function<void(ActiveWindow&)> act;
};

// A right click on the map or the palette, answered with an entry of the popup menu.
Gesture popup(const char* step, const char* entry, bool onPalette) {
    return {step, [entry](ActiveWindow& h) { h.window.choice = QString::fromLatin1(entry); },
            [onPalette](ActiveWindow& h) {
                drag(onPalette ? static_cast<QWidget*>(h.window.picTiles) : h.window.picLevel,
                     {onPalette ? QPoint(2, 3) : QPoint(3, 3)}, {}, Qt::RightButton);
            }};
}

const std::vector<Gesture>& gestures() {
    using H = ActiveWindow;
    static const std::vector<Gesture> table = {
        {"Paint", [](H& h) { h.window.state().curTile = 89; },
         [](H& h) {
             drag(h.window.picLevel, {{1, 1}, {2, 1}, {3, 2}});
         }},
        {"Random Tiles", [](H& h) { h.window.mnuToolsMouseChoice_Click(RandomWall); },
         [](H& h) {
             drag(h.window.picLevel, {{4, 4}, {5, 4}, {6, 4}}, {}, Qt::RightButton);
         }},
        popup("Start Position", "mnuLevelPopUpStart", false),
        popup("Finish Position", "mnuLevelPopUpFinish", false),
        popup("Block to Put Position", "mnuLevelPopUpPut", false),
        popup("Block to Take Position", "mnuLevelPopUpTake", false),
        popup("Block to Put Type", "mnuTilePopUpPut", true),
        popup("Block to Take Type", "mnuTilePopUpTake", true),
        {"Level Type", [](H&) {},
         [](H& h) { QTest::mouseClick(h.window.optHatchery, Qt::LeftButton); }},
        {"Alien Type", [](H&) {},
         [](H& h) { QTest::mouseClick(h.window.optStrong, Qt::LeftButton); }},
        {"Passcode", [](H& h) { h.showLevel(2, 1); },
         [](H& h) { type(h.window.txtPasscode, "abcde"); }},
        {"Objectives", [](H&) {}, [](H& h) { type(h.window.txtObjectives, "120"); }},
        {"Time", [](H&) {}, [](H& h) { type(h.window.txtTime, "120"); }},
        {"Decrease Width", [](H& h) { h.setSize(20, 8); }, [](H& h) { h.key(Qt::Key_F1); }},
        {"Increase Width", [](H&) {}, [](H& h) { h.key(Qt::Key_F2); }},
        {"Decrease Height", [](H& h) { h.setSize(12, 20); }, [](H& h) { h.key(Qt::Key_F3); }},
        {"Increase Height", [](H&) {}, [](H& h) { h.key(Qt::Key_F4); }},
        {"Add Level", [](H&) {}, [](H& h) { h.key(Qt::Key_F6); }},
        {"Remove Level", [](H& h) { h.showLevel(3, 0); }, [](H& h) { h.key(Qt::Key_F5); }},
        {"Set Floor", [](H& h) { h.level(0).tiles[2][2] = 1; },
         [](H& h) { h.key(Qt::CTRL | Qt::Key_F); }},
        {"Cut", selectWalls, [](H& h) { h.key(Qt::CTRL | Qt::Key_X); }},
        {"Delete", selectWalls, [](H& h) { h.key(Qt::Key_Delete); }},
        {"Fill Selection", selectWalls, [](H& h) { h.key(Qt::CTRL | Qt::Key_B); }},
        {"Paste",
         [](H& h) {
             selectWalls(h);
             h.key(Qt::CTRL | Qt::Key_C);
             h.key(Qt::CTRL | Qt::Key_V);
         },
         [](H& h) {
             hover(h.window.picLevel, {6, 4});
             drag(h.window.picLevel, {{6, 4}});
         }},
        {"Fill", selectWalls,
         [](H& h) {
             drag(h.window.picLevel, {{3, 2}}, Qt::ControlModifier);
         }},
        {"Replace", selectWalls,
         [](H& h) {
             drag(h.window.picLevel, {{1, 1}}, Qt::ControlModifier | Qt::ShiftModifier);
         }},
    };
    return table;
}

void expectEntries(ActiveWindow& h, const QString& undo, const QString& redo) {
    EXPECT_EQ(h.window.mnuEditUndo->text(), undo);
    EXPECT_EQ(h.window.mnuEditUndo->isEnabled(), undo != QStringLiteral("&Undo"));
    EXPECT_EQ(h.window.mnuEditRedo->text(), redo);
    EXPECT_EQ(h.window.mnuEditRedo->isEnabled(), redo != QStringLiteral("&Redo"));
}

TEST(EditMenu, EachGestureIsOneStepThatTheEntriesNameAndTheKeysTakeBackAndBring) {
    for (const Gesture& g : gestures()) {
        SCOPED_TRACE(g.step);
        auto h = std::make_unique<ActiveWindow>();
        g.prepare(*h);
        expectEntries(*h, "&Undo", "&Redo");
        const LevelsetImage before = h->bytes();
        g.act(*h);
        const LevelsetImage after = h->bytes();
        ASSERT_NE(after, before);
        EXPECT_EQ(h->window.history().stack().count(), 1);
        const QString name = QString::fromLatin1(g.step);
        expectEntries(*h, "&Undo " + name, "&Redo");

        h->key(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(h->bytes(), before);
        EXPECT_TRUE(h->mapShows(h->level(h->window.state().curLevel)));
        expectEntries(*h, "&Undo", "&Redo " + name);
        h->key(Qt::CTRL | Qt::Key_Y); // its other key, Ctrl+Shift+Z: the menus' keys test
        EXPECT_EQ(h->bytes(), after);
        EXPECT_TRUE(h->mapShows(h->level(h->window.state().curLevel)));
        expectEntries(*h, "&Undo " + name, "&Redo");
        EXPECT_TRUE(h->messages.asked.empty());
    }
}

// Commands that change nothing at all make no step by EditHistory.ACommandThatChangesNothing...;
// here, that what changes only the view writes nothing into the levelset on the way.
TEST(EditMenu, WhatChangesOnlyTheViewIsNoStep) {
    using H = ActiveWindow;
    struct Case {
        const char* what;
        std::function<void(H&)> act;
    };
    const Case cases[] = {
        {"stepping between levels",
         [](H& h) {
             h.showLevel(3, 0);
             h.key(Qt::Key_F8);
             h.key(Qt::Key_F7);
         }},
        {"choosing a tile",
         [](H& h) {
             drag(h.window.picTiles, {{1, 11}});
         }},
        {"a View toggle", [](H& h) { h.entry("mnuViewBlockPut")->trigger(); }},
        {"a mode change", [](H& h) { h.entry("mnuToolsMouseChoice2")->trigger(); }},
        {"a refused value",
         [](H& h) {
             h.messages.answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};
             type(h.window.txtTime, "x");
             type(h.window.txtObjectives, "-5");
             ASSERT_EQ(h.messages.asked.size(), 3u);
             EXPECT_EQ(h.messages.asked[2].text,
                       QStringLiteral("Invalid value! Must be between 0-255."));
         }},
        {"hovering",
         [](H& h) {
             hover(h.window.picLevel, {5, 5});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActiveWindow h;
        c.act(h);
        EXPECT_EQ(h.window.history().stack().count(), 0);
        expectEntries(h, "&Undo", "&Redo");
    }
}

TEST(EditMenu, UndoingAStepMadeOnAnotherLevelShowsThatLevel) {
    ActiveWindow h;
    h.showLevel(3, 1);
    h.window.state().curTile = 89;
    drag(h.window.picLevel, {{2, 2}, {3, 2}});
    QTest::mouseClick(h.window.optStrong, Qt::LeftButton);
    h.key(Qt::Key_F8);
    hover(h.window.picLevel, {5, 5});
    ASSERT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 3 / 3"));

    h.key(Qt::CTRL | Qt::Key_Z); // the alien type, on the second level
    EXPECT_EQ(h.window.state().curLevel, 1);
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 3"));
    EXPECT_TRUE(h.window.optWeak->isChecked());
    EXPECT_EQ(h.level(1).alienType, 3);
    EXPECT_TRUE(h.mapShows(h.level(1)));
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(0, 0));

    h.key(Qt::CTRL | Qt::Key_Z); // the stroke
    EXPECT_EQ(h.level(1).tiles[2][3], 0);
    EXPECT_TRUE(h.mapShows(h.level(1)));

    h.key(Qt::Key_F7);
    h.key(Qt::CTRL | Qt::Key_Y); // back to the level it was made on
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 3"));
    EXPECT_EQ(h.level(1).tiles[2][3], 89);
    EXPECT_TRUE(h.mapShows(h.level(1)));
    EXPECT_EQ(h.window.txtTime->text(), QStringLiteral("99"));
}

TEST(EditMenu, TypingInABoxMergesUntilTheFocusLeavesAndCtrlZTakesTheEditorsStep) {
    ActiveWindow h;
    h.window.txtTime->setFocus();
    h.window.txtTime->selectAll();
    QTest::keyClicks(h.window.txtTime, QStringLiteral("12"));
    h.window.txtObjectives->setFocus();
    h.window.txtTime->setFocus();
    h.window.txtTime->end(false);
    QTest::keyClicks(h.window.txtTime, QStringLiteral("0"));
    EXPECT_EQ(h.level(0).time, 120);
    EXPECT_EQ(h.window.history().stack().count(), 2);

    // The box's own edit history is not what Ctrl+Z takes back.
    QTest::keyClick(h.window.txtTime, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(h.level(0).time, 12);
    EXPECT_EQ(h.window.txtTime->text(), QStringLiteral("12"));
    QTest::keyClick(h.window.txtTime, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(h.level(0).time, 99);
    EXPECT_EQ(h.window.txtTime->text(), QStringLiteral("99"));
    // Nothing left: the key still does nothing to the box.
    QTest::keyClick(h.window.txtTime, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(h.window.txtTime->text(), QStringLiteral("99"));
    EXPECT_EQ(h.level(0).time, 99);
}

TEST(EditMenu, NewAndOpenStartAnEmptyHistoryAndSaveKeepsIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ActiveWindow h;
    h.key(Qt::Key_F2);
    h.dialogs.answers = {folder.filePath(QStringLiteral("zvrhlabc.vrh"))};
    h.key(Qt::CTRL | Qt::Key_S);
    EXPECT_TRUE(h.window.history().stack().canUndo());
    EXPECT_TRUE(h.window.history().stack().isClean());

    h.messages.answers = {MessageAnswer::No};
    h.dialogs.answers = {folder.filePath(QStringLiteral("zvrhlabc.vrh"))};
    h.key(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(h.level(0).width, 13);
    expectEntries(h, "&Undo", "&Redo");

    h.key(Qt::Key_F2);
    h.messages.answers = {MessageAnswer::No};
    h.key(Qt::CTRL | Qt::Key_N);
    expectEntries(h, "&Undo", "&Redo");
}

TEST(StatusBar, PassingOverMenuEntriesKeepsTheEditorsText) {
    ActiveWindow h;
    hover(h.window.picLevel, {3, 5});
    const QString hover = QStringLiteral("X: 3, Y: 5, Tile: 0");
    ASSERT_EQ(h.status(), hover);

    QMenu* file = h.window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    QMenuBar* bar = h.window.menuBar();
    const QPoint title = bar->actionGeometry(file->menuAction()).center();
    testing::movePointer(bar, title);
    QTest::mouseClick(bar, Qt::LeftButton, {}, title);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    for (const char* name : {"mnuFileNew", "mnuFileOpen", "mnuFileExit"}) {
        const QPointF at = file->actionGeometry(h.entry(name)).center();
        QMouseEvent move(QEvent::MouseMove, at, file->mapToGlobal(at), Qt::NoButton, {}, {});
        QApplication::sendEvent(file, &move);
        ASSERT_EQ(file->activeAction(), h.entry(name));
        EXPECT_EQ(h.status(), hover) << name;
    }
    file->close();
    QApplication::processEvents();
    EXPECT_EQ(h.status(), hover);
}

} // namespace
} // namespace vrh
