// SPDX-License-Identifier: GPL-3.0-or-later
// The map and the palette by keyboard, with real key events to the focused views: the keys
// drive the same tools as the mouse (frmmain_mouse_test.cpp), so each case names a key rule.
#include "window/main/frmmain.h"

#include "commands/regions/cellclipboard.h"
#include "map/levelview.h"
#include "map/markerframe.h"
#include "popupwindow.h"
#include "support/scriptedrandom.h"
#include "support/scripteduserinterface.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

namespace vrh {
namespace {

// A key pressed, let go, or both, with the keys held.
struct Key {
    enum Kind { Click, Press, Release } kind;
    Qt::Key key;
    Qt::KeyboardModifiers held = {};
};

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { EXPECT_TRUE(random.draws.empty()) << "draws left unused"; }

    // Each key as the window system sends it, the keys held only as modifiers: a held Shift is
    // pressed and let go as keys of their own.
    void type(QWidget* view, const std::vector<Key>& keys) {
        for (const Key& k : keys) {
            if (k.kind != Key::Release) {
                QTest::simulateEvent(view, true, k.key, k.held, QString(), false);
            }
            if (k.kind != Key::Press) {
                QTest::simulateEvent(view, false, k.key, k.held, QString(), false);
            }
        }
    }
    LevelRecord& level() { return window.levelset().levels[window.state().curLevel]; }
    QString status() const { return window.sbStatusBar->currentMessage(); }

    testing::ScriptedMessageBoxes messages;
    testing::ScriptedFileDialogs dialogs;
    testing::ScriptedRandom random;
    testing::PopupWindow window{messages, dialogs, random};
};

TEST_F(KeyboardTest, KeysOnTheMapDoWhatTheButtonsDoOnTheCursorsCell) {
    constexpr auto kShift = Qt::ShiftModifier;
    constexpr auto kCtrl = Qt::ControlModifier;
    using Cells = std::map<std::pair<int, int>, int>; // (x, y) to code; all else stays 0
    Cells wholeLevel;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            wholeLevel[{x, y}] = 89;
        }
    }
    struct Case {
        const char* what;
        DrawingTool tool;
        std::int16_t mode;
        bool paste; // a 2 x 1 block of 5 and 6 floats over the map first
        std::vector<Key> keys;
        Cells painted;
        const char* step; // the one step made, or none
        QPoint cursor;
        const char* status;
        std::optional<QRect> selection;
        const char* popup = nullptr;
    };
    const Key right{Key::Click, Qt::Key_Right}, down{Key::Click, Qt::Key_Down};
    const Key space{Key::Click, Qt::Key_Space};
    const Case cases[] = {
        {"arrows move the cursor and show the cell as a hover does",
         DrawingTool::Pencil,
         SetPositions,
         false,
         {right, right, down},
         {},
         nullptr,
         {2, 1},
         "X: 2, Y: 1, Tile: 0",
         std::nullopt},
        {"out of the level the cursor follows the keys",
         DrawingTool::Pencil,
         SetPositions,
         false,
         {{Key::Click, Qt::Key_End}, right},
         {},
         nullptr,
         {12, 0},
         "Out of level",
         std::nullopt},
        {"Space paints as a left click",
         DrawingTool::Pencil,
         SetPositions,
         false,
         {right, space},
         {{{1, 0}, 89}},
         "Paint",
         {1, 0},
         "X:  1, Y:  0",
         std::nullopt},
        {"Space held paints each cell reached as one step",
         DrawingTool::Pencil,
         SetPositions,
         false,
         {{Key::Press, Qt::Key_Space}, right, right, down, {Key::Release, Qt::Key_Space}},
         {{{0, 0}, 89}, {{1, 0}, 89}, {{2, 0}, 89}, {{2, 1}, 89}},
         "Paint",
         {2, 1},
         "X:  2, Y:  1",
         std::nullopt},
        {"Space let go where the map no longer hears it ends the stroke with the focus",
         DrawingTool::Pencil,
         SetPositions,
         false,
         {{Key::Press, Qt::Key_Space}, {Key::Click, Qt::Key_Tab}, right},
         {{{0, 0}, 89}},
         "Paint",
         {1, 0},
         "X: 1, Y: 0, Tile: 0",
         std::nullopt},
        {"a line anchored by Space, stretched by arrows, drawn by Space",
         DrawingTool::Line,
         SetPositions,
         false,
         {space, right, right, right, space},
         {{{0, 0}, 89}, {{1, 0}, 89}, {{2, 0}, 89}, {{3, 0}, 89}},
         "Line",
         {3, 0},
         "Line: 4 cells",
         std::nullopt},
        {"Enter draws a rectangle",
         DrawingTool::FilledRectangle,
         SetPositions,
         false,
         {space, right, down, {Key::Click, Qt::Key_Return}},
         {{{0, 0}, 89}, {{1, 0}, 89}, {{0, 1}, 89}, {{1, 1}, 89}},
         "Filled Rectangle",
         {1, 1},
         "Rectangle: 2 x 2",
         std::nullopt},
        {"Escape cancels the shape, and the arrows move again",
         DrawingTool::Rectangle,
         SetPositions,
         false,
         {space, right, {Key::Click, Qt::Key_Escape}, right},
         {},
         nullptr,
         {2, 0},
         "X: 2, Y: 0, Tile: 0",
         std::nullopt},
        {"Shift + arrows select from where the cursor stood",
         DrawingTool::Pencil,
         SetPositions,
         false,
         {right,
          {Key::Press, Qt::Key_Shift},
          {Key::Click, Qt::Key_Right, kShift},
          {Key::Click, Qt::Key_Down, kShift},
          {Key::Release, Qt::Key_Shift},
          right},
         {},
         nullptr,
         {3, 1},
         "X: 3, Y: 1, Tile: 0",
         QRect(1, 0, 2, 2)},
        {"Ctrl+Space fills",
         DrawingTool::Line,
         SetPositions,
         false,
         {{Key::Click, Qt::Key_Space, kCtrl}},
         wholeLevel,
         "Fill",
         {0, 0},
         "Filled 96 cells",
         std::nullopt},
        {"Ctrl+Shift+Space replaces",
         DrawingTool::Pencil,
         SetPositions,
         false,
         {{Key::Click, Qt::Key_Space, kCtrl | kShift}},
         wholeLevel,
         "Replace",
         {0, 0},
         "Replaced 96 cells",
         std::nullopt},
        {"a floating paste follows the cursor and Space places it",
         DrawingTool::Line,
         SetPositions,
         true,
         {right, down, space},
         {{{1, 1}, 5}, {{2, 1}, 6}},
         "Paste",
         {1, 1},
         "Click to place, Escape to cancel",
         QRect(1, 1, 2, 1)},
        {"Shift+F10 opens the level popup on the cursor's cell",
         DrawingTool::Line,
         SetPositions,
         false,
         {down, {Key::Click, Qt::Key_F10, kShift}},
         {},
         nullptr,
         {0, 1},
         "X: 0, Y: 1, Tile: 0",
         std::nullopt,
         "mnuLevelPopUp"},
        {"the Menu key paints a random tile in a random mode",
         DrawingTool::Pencil,
         RandomInside,
         false,
         {{Key::Click, Qt::Key_Menu}},
         {{{0, 0}, 12}},
         "Random Tiles",
         {0, 0},
         "X:  0, Y:  0",
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetLevelset(window.levelset());
        window.redrawMap();
        window.loadLevel(0);
        window.history().stack().clear();
        window.mapEscape_Click();
        window.state().curTile = 89;
        window.state().mouseChoice = c.mode;
        window.mnuToolsTool_Click(c.tool);
        window.moveLevelCursor({0, 0});
        window.opened.clear();
        window.openedAt.clear();
        random.draws = c.mode == RandomInside ? std::deque<float>{0.5f} : std::deque<float>{};
        if (c.paste) {
            QGuiApplication::clipboard()->setMimeData(
                cellsMimeData(CellBlock{2, 1, {5, 6}}).release());
            window.mnuEditPaste_Click();
        }
        window.picLevel->setFocus();

        type(window.picLevel, c.keys);

        for (int y = 0; y < kGridSize; ++y) {
            for (int x = 0; x < kGridSize; ++x) {
                const auto painted = c.painted.find({x, y});
                ASSERT_EQ(level().tiles[y][x], painted == c.painted.end() ? 0 : painted->second)
                    << "cell " << x << ", " << y;
            }
        }
        const QUndoStack& steps = window.history().stack();
        EXPECT_EQ(steps.count(), c.step ? 1 : 0);
        EXPECT_EQ(steps.undoText(), QString::fromLatin1(c.step ? c.step : ""));
        EXPECT_EQ(window.levelCursor->cell(), c.cursor);
        EXPECT_EQ(QPoint(window.state().cursorX, window.state().cursorY), c.cursor);
        if (c.step == nullptr || QLatin1String(c.step) != QLatin1String("Paste")) {
            EXPECT_EQ(status(), QString::fromLatin1(c.status));
        }
        EXPECT_EQ(window.selection(), c.selection);
        EXPECT_FALSE(window.pasteFloating());
        if (c.popup) {
            EXPECT_EQ(window.opened, std::vector<QString>{QString::fromLatin1(c.popup)});
            EXPECT_EQ(window.state().popupX, c.cursor.x());
            EXPECT_EQ(window.state().popupY, c.cursor.y());
            const QRect cell = window.picLevel->cursorRect();
            EXPECT_EQ(window.openedAt.front(), window.picLevel->mapToGlobal(cell.center()));
        } else {
            EXPECT_TRUE(window.opened.empty());
        }
    }
}

// At zoom 3 a jump of the keyboard's cursor scrolls the map to keep the cell in view.
TEST_F(KeyboardTest, TheCursorScrollsTheZoomedMapToStayInView) {
    window.mnuViewZoomIn_Click();
    window.mnuViewZoomIn_Click();
    window.moveLevelCursor({0, 0});
    window.picLevel->setFocus();
    type(window.picLevel,
         {{Key::Click, Qt::Key_End}, {Key::Click, Qt::Key_Down, Qt::ControlModifier}});
    EXPECT_EQ(window.levelCursor->cell(), QPoint(11, 7));
    const QRect shown = window.picLevel->shownRect();
    EXPECT_TRUE(shown.contains(window.picLevel->cursorRect().translated(-2, -2)));
    EXPECT_GT(window.picLevel->scrollOffset().x(), 0);
    window.mnuViewActualSize_Click();
}

// Tab goes from the panel's last box to the map and on to the palette, whose keys choose tiles
// as clicks do; both show a dotted frame outside their cells while focused.
TEST_F(KeyboardTest, TabReachesTheMapAndThePaletteWhoseKeysChooseTiles) {
    window.txtTime->setFocus();
    QTest::keyClick(window.txtTime, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.picLevel);
    // The dots on the border's inner line, a third of its pixels; the cells keep theirs.
    const QColor dot = window.picLevel->palette().color(QPalette::Highlight);
    const auto dotsOnTop = [&](int y, int from = 1, int to = 514) {
        const QImage shown = window.picLevel->grab().toImage();
        int dots = 0;
        for (int x = from; x <= to; ++x) {
            dots += shown.pixelColor(x, y) == dot ? 1 : 0;
        }
        return dots;
    };
    EXPECT_EQ(dotsOnTop(1), 171);
    EXPECT_EQ(dotsOnTop(2, 2, 513), 0);
    QTest::keyClick(window.picLevel, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.picTiles);
    EXPECT_EQ(dotsOnTop(1), 0);

    const struct {
        Qt::Key key;
        int curTile;
    } steps[] = {{Qt::Key_Right, 1},
                 {Qt::Key_Down, 9},
                 {Qt::Key_End, 177},
                 {Qt::Key_Down, 177},
                 {Qt::Key_Home, 0}};
    for (const auto& s : steps) {
        QTest::keyClick(window.picTiles, s.key);
        EXPECT_EQ(window.state().curTile, s.curTile) << s.key;
        EXPECT_EQ(window.tileCursor->position(), QPoint(s.curTile % 8 * 16, s.curTile / 8 * 16));
        EXPECT_EQ(status(), QStringLiteral("Tile: %1").arg(s.curTile));
    }
    window.choice = QStringLiteral("mnuTilePopUpPut");
    QTest::keyClick(window.picTiles, Qt::Key_Right);
    QTest::keyClick(window.picTiles, Qt::Key_Menu);
    EXPECT_EQ(window.opened, std::vector<QString>{QStringLiteral("mnuTilePopUp")});
    EXPECT_EQ(level().putType, 1);
}

// Alt + left click or a middle click picks the cell's code, also one the palette does not
// offer, and paints nothing; outside the level nothing happens.
TEST_F(KeyboardTest, PickingATileFromTheMapChoosesItAsThePaletteWould) {
    resetLevelset(window.levelset());
    level().tiles[2][3] = 89;
    level().tiles[4][5] = 200;
    window.redrawMap();
    const struct {
        Qt::MouseButton button;
        Qt::KeyboardModifiers keys;
        QPoint cell;
        int curTile;
        const char* status;
    } cases[] = {
        {Qt::LeftButton, Qt::AltModifier, {3, 2}, 89, "Picked tile 89: random wall tile"},
        {Qt::MiddleButton, {}, {20, 4}, 89, "Picked tile 89: random wall tile"},
        {Qt::MiddleButton, {}, {5, 4}, 200, "Picked tile 200"},
    };
    for (const auto& c : cases) {
        const QPoint at = c.cell * 16 + QPoint(10, 10);
        QTest::mouseClick(window.picLevel, c.button, c.keys, at);
        EXPECT_EQ(window.state().curTile, c.curTile);
        EXPECT_EQ(window.tileCursor->position(), QPoint(c.curTile % 8 * 16, c.curTile / 8 * 16));
        EXPECT_EQ(status(), QString::fromLatin1(c.status));
    }
    EXPECT_EQ(level().tiles[2][3], 89);
    EXPECT_EQ(window.history().stack().count(), 0);
}

// The status bar names the chosen tool at its right and says "Modified" beside it while the
// levelset differs from its file; the pointer over the level is a cross for the shapes. The
// tools and the right-button modes are radio entries.
TEST_F(KeyboardTest, TheStatusBarShowsTheToolAndWhetherTheLevelsetIsModified) {
    auto* tool = window.sbStatusBar->findChild<QLabel*>(QStringLiteral("sbTool"));
    auto* modified = window.sbStatusBar->findChild<QLabel*>(QStringLiteral("sbModified"));
    ASSERT_TRUE(tool && modified);
    EXPECT_LT(modified->geometry().right(), tool->geometry().left());
    const std::pair<DrawingTool, const char*> tools[] = {
        {DrawingTool::Line, "Line"},
        {DrawingTool::Rectangle, "Rectangle"},
        {DrawingTool::FilledRectangle, "Filled Rectangle"},
        {DrawingTool::Pencil, "Pencil"},
    };
    for (const auto& [chosen, name] : tools) {
        window.mnuToolsTool_Click(chosen);
        EXPECT_EQ(tool->text(), QString::fromLatin1(name));
        QTest::mouseMove(window.picLevel, {30, 30});
        EXPECT_EQ(window.picLevel->cursor().shape(),
                  chosen == DrawingTool::Pencil ? Qt::ArrowCursor : Qt::CrossCursor);
    }
    EXPECT_EQ(modified->text(), QString());
    window.state().curTile = 7;
    QTest::mouseClick(window.picLevel, Qt::LeftButton, {}, {50, 30});
    EXPECT_EQ(modified->text(), QStringLiteral("Modified"));
    window.mnuEditUndo_Click();
    EXPECT_EQ(modified->text(), QString());
    for (QAction* entry : {window.mnuToolsTool[0], window.mnuToolsMouseChoice[0]}) {
        ASSERT_NE(entry->actionGroup(), nullptr);
        EXPECT_TRUE(entry->actionGroup()->isExclusive());
    }
}

} // namespace
} // namespace vrh
