#include "windowharness.h"

#include "commands/levelsetdelta.h"
#include "map/markerframe.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace vrh {
namespace {

using testing::ActiveWindow;

LevelsetImage bytesOf(const Levelset& levelset) {
    LevelsetImage image;
    captureImage(levelset, image);
    return image;
}

// Mouse events in drawing-area pixels, as the window system delivers them to a view.
void mouse(QWidget* view, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
           QPoint cell, Qt::KeyboardModifiers keys = {}) {
    const QPointF local(cell.x() * 16 + 8 + 2, cell.y() * 16 + 8 + 2);
    QMouseEvent event(type, local, view->mapToGlobal(local), button, held, keys);
    QApplication::sendEvent(view, &event);
}

// Press on the first cell, drag over the others, let go on the last.
void drag(QWidget* view, Qt::MouseButton button, std::initializer_list<QPoint> cells,
          Qt::KeyboardModifiers keys = {}) {
    mouse(view, QEvent::MouseButtonPress, button, button, *cells.begin(), keys);
    for (QPoint cell : cells) {
        mouse(view, QEvent::MouseMove, Qt::NoButton, button, cell, keys);
    }
    mouse(view, QEvent::MouseButtonRelease, button, Qt::NoButton, *std::rbegin(cells), keys);
}

void click(QWidget* view, Qt::MouseButton button, QPoint cell, Qt::KeyboardModifiers keys = {}) {
    drag(view, button, {cell}, keys);
}

// A wall at (1, 1) and (2, 1), then a Shift drag selecting (1, 1) to (3, 2).
void selectWalls(ActiveWindow& h) {
    h.level(0).tiles[1][1] = h.level(0).tiles[1][2] = 89;
    h.window.state().curTile = 54;
    drag(h.window.picLevel, Qt::LeftButton, {{1, 1}, {3, 2}}, Qt::ShiftModifier);
}

void type(QLineEdit* box, const char* text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(text));
}

void key(ActiveWindow& h, QKeyCombination combination) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &h.window;
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
}

struct Gesture {
    const char* step;
    std::function<void(ActiveWindow&)> prepare;
    std::function<void(ActiveWindow&)> act;
};

const std::vector<Gesture>& gestures() {
    using H = ActiveWindow;
    static const std::vector<Gesture> table = {
        {"Paint", [](H& h) { h.window.state().curTile = 89; },
         [](H& h) {
             drag(h.window.picLevel, Qt::LeftButton, {{1, 1}, {2, 1}, {3, 2}});
         }},
        {"Random Tiles", [](H& h) { h.window.mnuToolsMouseChoice_Click(RandomWall); },
         [](H& h) {
             drag(h.window.picLevel, Qt::RightButton, {{4, 4}, {5, 4}, {6, 4}});
         }},
        {"Start Position", [](H& h) { h.window.choice = QStringLiteral("mnuLevelPopUpStart"); },
         [](H& h) {
             click(h.window.picLevel, Qt::RightButton, {3, 3});
         }},
        {"Finish Position", [](H& h) { h.window.choice = QStringLiteral("mnuLevelPopUpFinish"); },
         [](H& h) {
             click(h.window.picLevel, Qt::RightButton, {3, 3});
         }},
        {"Block to Put Position",
         [](H& h) { h.window.choice = QStringLiteral("mnuLevelPopUpPut"); },
         [](H& h) {
             click(h.window.picLevel, Qt::RightButton, {3, 3});
         }},
        {"Block to Take Position",
         [](H& h) { h.window.choice = QStringLiteral("mnuLevelPopUpTake"); },
         [](H& h) {
             click(h.window.picLevel, Qt::RightButton, {3, 3});
         }},
        {"Block to Put Type", [](H& h) { h.window.choice = QStringLiteral("mnuTilePopUpPut"); },
         [](H& h) {
             click(h.window.picTiles, Qt::RightButton, {2, 3});
         }},
        {"Block to Take Type", [](H& h) { h.window.choice = QStringLiteral("mnuTilePopUpTake"); },
         [](H& h) {
             click(h.window.picTiles, Qt::RightButton, {2, 3});
         }},
        {"Level Type", [](H&) {},
         [](H& h) { QTest::mouseClick(h.window.optHatchery, Qt::LeftButton); }},
        {"Alien Type", [](H&) {},
         [](H& h) { QTest::mouseClick(h.window.optStrong, Qt::LeftButton); }},
        {"Passcode", [](H& h) { h.showLevel(2, 1); },
         [](H& h) { type(h.window.txtPasscode, "abcde"); }},
        {"Objectives", [](H&) {}, [](H& h) { type(h.window.txtObjectives, "120"); }},
        {"Time", [](H&) {}, [](H& h) { type(h.window.txtTime, "120"); }},
        {"Decrease Width", [](H& h) { h.level(0).width = 20; }, [](H& h) { key(h, Qt::Key_F1); }},
        {"Increase Width", [](H&) {}, [](H& h) { key(h, Qt::Key_F2); }},
        {"Decrease Height", [](H& h) { h.level(0).height = 20; }, [](H& h) { key(h, Qt::Key_F3); }},
        {"Increase Height", [](H&) {}, [](H& h) { key(h, Qt::Key_F4); }},
        {"Add Level", [](H&) {}, [](H& h) { key(h, Qt::Key_F6); }},
        {"Remove Level", [](H& h) { h.showLevel(3, 0); }, [](H& h) { key(h, Qt::Key_F5); }},
        {"Set Floor", [](H& h) { h.level(0).tiles[2][2] = 1; },
         [](H& h) { key(h, Qt::CTRL | Qt::Key_F); }},
        {"Cut", selectWalls, [](H& h) { key(h, Qt::CTRL | Qt::Key_X); }},
        {"Delete", selectWalls, [](H& h) { key(h, Qt::Key_Delete); }},
        {"Fill Selection", selectWalls, [](H& h) { key(h, Qt::CTRL | Qt::Key_B); }},
        {"Paste",
         [](H& h) {
             selectWalls(h);
             key(h, Qt::CTRL | Qt::Key_C);
             key(h, Qt::CTRL | Qt::Key_V);
         },
         [](H& h) {
             mouse(h.window.picLevel, QEvent::MouseMove, Qt::NoButton, {}, {6, 4});
             click(h.window.picLevel, Qt::LeftButton, {6, 4});
         }},
        {"Fill", selectWalls,
         [](H& h) {
             click(h.window.picLevel, Qt::LeftButton, {3, 2}, Qt::ControlModifier);
         }},
        {"Replace", selectWalls,
         [](H& h) {
             click(h.window.picLevel, Qt::LeftButton, {1, 1},
                   Qt::ControlModifier | Qt::ShiftModifier);
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
        const LevelsetImage before = bytesOf(h->window.levelset());
        g.act(*h);
        const LevelsetImage after = bytesOf(h->window.levelset());
        ASSERT_NE(after, before);
        EXPECT_EQ(h->window.history().stack().count(), 1);
        const QString name = QString::fromLatin1(g.step);
        expectEntries(*h, "&Undo " + name, "&Redo");

        key(*h, Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(bytesOf(h->window.levelset()), before);
        EXPECT_TRUE(h->mapShows(h->level(h->window.state().curLevel)));
        expectEntries(*h, "&Undo", "&Redo " + name);
        key(*h, Qt::CTRL | Qt::Key_Y);
        EXPECT_EQ(bytesOf(h->window.levelset()), after);
        EXPECT_TRUE(h->mapShows(h->level(h->window.state().curLevel)));
        key(*h, Qt::CTRL | Qt::Key_Z);
        key(*h, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        EXPECT_EQ(bytesOf(h->window.levelset()), after);
        expectEntries(*h, "&Undo " + name, "&Redo");
        EXPECT_TRUE(h->messages.asked.empty());
    }
}

TEST(EditMenu, WhatChangesNothingOrOnlyTheViewIsNoStep) {
    using H = ActiveWindow;
    struct Case {
        const char* what;
        std::function<void(H&)> act;
    };
    const Case cases[] = {
        {"stepping between levels",
         [](H& h) {
             h.showLevel(3, 0);
             key(h, Qt::Key_F8);
             key(h, Qt::Key_F7);
         }},
        {"choosing a tile",
         [](H& h) {
             click(h.window.picTiles, Qt::LeftButton, {1, 11});
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
        {"the option already set",
         [](H& h) { QTest::mouseClick(h.window.optNormal, Qt::LeftButton); }},
        {"Decrease Width at the smallest width", [](H& h) { key(h, Qt::Key_F1); }},
        {"Add Level with eight levels",
         [](H& h) {
             h.showLevel(8, 0);
             key(h, Qt::Key_F6);
         }},
        {"painting a cell with what it holds",
         [](H& h) {
             drag(h.window.picLevel, Qt::LeftButton, {{0, 0}, {1, 0}});
         }},
        {"hovering",
         [](H& h) {
             mouse(h.window.picLevel, QEvent::MouseMove, Qt::NoButton, {}, {5, 5});
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
    drag(h.window.picLevel, Qt::LeftButton, {{2, 2}, {3, 2}});
    QTest::mouseClick(h.window.optStrong, Qt::LeftButton);
    key(h, Qt::Key_F8);
    mouse(h.window.picLevel, QEvent::MouseMove, Qt::NoButton, {}, {5, 5});
    ASSERT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 3 / 3"));

    key(h, Qt::CTRL | Qt::Key_Z); // the alien type, on the second level
    EXPECT_EQ(h.window.state().curLevel, 1);
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 3"));
    EXPECT_TRUE(h.window.optWeak->isChecked());
    EXPECT_EQ(h.level(1).alienType, 3);
    EXPECT_TRUE(h.mapShows(h.level(1)));
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(0, 0));

    key(h, Qt::CTRL | Qt::Key_Z); // the stroke
    EXPECT_EQ(h.level(1).tiles[2][3], 0);
    EXPECT_TRUE(h.mapShows(h.level(1)));

    key(h, Qt::Key_F7);
    key(h, Qt::CTRL | Qt::Key_Y); // back to the level it was made on
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
    key(h, Qt::Key_F2);
    h.dialogs.answers = {folder.filePath(QStringLiteral("zvrhlabc.vrh"))};
    key(h, Qt::CTRL | Qt::Key_S);
    EXPECT_TRUE(h.window.history().stack().canUndo());
    EXPECT_TRUE(h.window.history().stack().isClean());

    h.messages.answers = {MessageAnswer::No};
    h.dialogs.answers = {folder.filePath(QStringLiteral("zvrhlabc.vrh"))};
    key(h, Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(h.level(0).width, 13);
    expectEntries(h, "&Undo", "&Redo");

    key(h, Qt::Key_F2);
    h.messages.answers = {MessageAnswer::No};
    key(h, Qt::CTRL | Qt::Key_N);
    expectEntries(h, "&Undo", "&Redo");
}

TEST(StatusBar, PassingOverMenuEntriesKeepsTheEditorsText) {
    ActiveWindow h;
    mouse(h.window.picLevel, QEvent::MouseMove, Qt::NoButton, {}, {3, 5});
    const QString hover = QStringLiteral("X: 3, Y: 5, Tile: 0");
    ASSERT_EQ(h.window.sbStatusBar->currentMessage(), hover);

    QMenu* file = h.window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    QMenuBar* bar = h.window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    for (const char* name : {"mnuFileNew", "mnuFileOpen", "mnuFileExit"}) {
        const QPointF at = file->actionGeometry(h.entry(name)).center();
        QMouseEvent move(QEvent::MouseMove, at, file->mapToGlobal(at), Qt::NoButton, {}, {});
        QApplication::sendEvent(file, &move);
        ASSERT_EQ(file->activeAction(), h.entry(name));
        EXPECT_EQ(h.window.sbStatusBar->currentMessage(), hover) << name;
    }
    file->close();
    QApplication::processEvents();
    EXPECT_EQ(h.window.sbStatusBar->currentMessage(), hover);
}

} // namespace
} // namespace vrh
