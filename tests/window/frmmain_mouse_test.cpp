// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/frmmain.h"

#include "map/drawlevel.h"
#include "map/levelview.h"
#include "map/markerframe.h"
#include "popupwindow.h"
#include "support/scriptedrandom.h"
#include "support/scripteduserinterface.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace vrh {
namespace {

using testing::PopupWindow;
using testing::ScriptedFileDialogs;
using testing::ScriptedMessageBoxes;
using testing::ScriptedRandom;

constexpr Qt::MouseButtons kLeft = Qt::LeftButton;
constexpr Qt::MouseButtons kRight = Qt::RightButton;
constexpr Qt::MouseButtons kMiddle = Qt::MiddleButton;
constexpr Qt::MouseButtons kNone = Qt::NoButton;

// One mouse event in drawing-area pixels, delivered to the view as the window system would.
struct Event {
    enum Kind { Press, Move, ClearStatus } kind;
    Qt::MouseButtons buttons;
    double x;
    double y;
};

void deliver(QWidget* view, const Event& e) {
    const QPointF local(e.x + 2, e.y + 2);
    const QPointF global = view->mapToGlobal(local);
    if (e.kind == Event::Press) {
        const auto button = static_cast<Qt::MouseButton>(e.buttons.toInt());
        QMouseEvent event(QEvent::MouseButtonPress, local, global, button, e.buttons, {});
        QApplication::sendEvent(view, &event);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, kNone, {});
        QApplication::sendEvent(view, &release);
    } else {
        QMouseEvent event(QEvent::MouseMove, local, global, Qt::NoButton, e.buttons, {});
        QApplication::sendEvent(view, &event);
    }
}

class MouseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        sheet = prepareTileSheet(window.picTileset->image());
    }
    void TearDown() override { EXPECT_TRUE(random.draws.empty()) << "draws left unused"; }

    void run(QWidget* view, const std::vector<Event>& events) {
        for (const Event& e : events) {
            if (e.kind == Event::ClearStatus) {
                window.sbStatusBar->clearMessage();
            } else {
                deliver(view, e);
            }
        }
    }
    // A fresh levelset shown, without the save prompt of File > New.
    void freshLevelset() {
        resetLevelset(window.levelset());
        window.state().curLevel = 0;
        window.redrawMap();
        window.loadLevel(0);
    }
    QString status() const { return window.sbStatusBar->currentMessage(); }
    LevelRecord& level() { return window.levelset().levels[window.state().curLevel]; }

    // The map's back image shows the level record, drawn afresh.
    QImage expectedMap() {
        QImage back = makeMapImage();
        drawLevel(level(), sheet, back);
        return back;
    }

    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    ScriptedRandom random;
    PopupWindow window{messages, dialogs, random};
    QImage sheet;
};

TEST_F(MouseTest, LeftButtonPaintsTheChosenTileAndHoverShowsIt) {
    // Tile 89 is column 1 of row 11 in the palette.
    deliver(window.picTiles, {Event::Press, kLeft, 16 + 8, 176 + 8});
    EXPECT_EQ(window.state().curTile, 89);
    EXPECT_EQ(status(), QStringLiteral("Tile: 89"));
    EXPECT_EQ(window.tileCursor->position(), QPoint(16, 176));

    deliver(window.picLevel, {Event::Press, kLeft, 3 * 16 + 5, 5 * 16 + 9});
    EXPECT_EQ(level().tiles[5][3], 89);
    EXPECT_EQ(status(), QStringLiteral("X:  3, Y:  5"));
    EXPECT_EQ(window.picLevel->image().copy(48, 80, 16, 16), sheet.copy(16, 176, 16, 16));
    EXPECT_EQ(window.picLevel->image(), expectedMap());
    EXPECT_EQ(window.levelCursor->position(), QPoint(0, 0)); // a press leaves the cursor

    // The press set the cell: hovering on within it shows nothing new, so go out and back.
    deliver(window.picLevel, {Event::Move, kNone, 3 * 16 + 1, 5 * 16 + 15});
    EXPECT_EQ(status(), QStringLiteral("X:  3, Y:  5"));
    deliver(window.picLevel, {Event::Move, kNone, 4 * 16 + 1, 5 * 16 + 15});
    deliver(window.picLevel, {Event::Move, kNone, 3 * 16 + 15, 5 * 16 + 0.4});
    EXPECT_EQ(status(), QStringLiteral("X: 3, Y: 5, Tile: 89"));
    EXPECT_EQ(window.levelCursor->position(), QPoint(48, 80));
}

TEST_F(MouseTest, MovesFollowTheCellRulesAtTheEdges) {
    struct Case {
        const char* what;
        int width;
        std::vector<Event> events;
        std::set<std::pair<int, int>> painted; // (x, y) holding curTile 89 afterwards
        const char* status;
        QPoint cursor;
    };
    const Case cases[] = {
        {"the sign position after painting a jump, and every cell of its line",
         12,
         {{Event::Move, kLeft, 40, 40}, {Event::Move, kLeft, 11 * 16, 7 * 16 + 15.4}},
         {{2, 2}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 5}, {8, 5}, {9, 6}, {10, 6}, {11, 7}},
         "X:  11, Y:  7",
         {176, 112}},
        {"hover outside the level keeps the cursor on the last cell inside",
         12,
         {{Event::Move, kNone, 8, 8}, {Event::Move, kNone, 300, 8}},
         {},
         "Out of level",
         {0, 0}},
        {"moving within one cell does nothing at all",
         12,
         {{Event::Move, kLeft, 40, 40},
          {Event::ClearStatus, kNone, 0, 0},
          {Event::Move, kLeft, 47, 32},
          {Event::Move, kNone, 33, 46}},
         {{2, 2}},
         "",
         {32, 32}},
        {"re-entering a cell paints it again",
         12,
         {{Event::Move, kLeft, 40, 40},
          {Event::Move, kLeft, 56, 40},
          {Event::ClearStatus, kNone, 0, 0},
          {Event::Move, kLeft, 40, 40}},
         {{2, 2}, {3, 2}},
         "X:  2, Y:  2",
         {32, 32}},
        {"two buttons held only move the cursor",
         12,
         {{Event::Move, kLeft | kRight, 40, 40}},
         {},
         "",
         {32, 32}},
        {"the middle button picks the cell's tile and paints nothing",
         12,
         {{Event::Press, kMiddle, 40, 40}, {Event::Move, kMiddle, 72, 40}},
         {},
         "Picked tile 0: normal floor",
         {64, 32}},
        {"a right drag in Set Positions paints and opens nothing",
         12,
         {{Event::Move, kRight, 40, 40}},
         {},
         "",
         {32, 32}},
        {"a left press outside the level",
         12,
         {{Event::Press, kLeft, 300, 8}},
         {},
         "Out of level",
         {0, 0}},
        {"a drag past the right edge of a full-width level",
         32,
         {{Event::Move, kLeft, 505, 8}, {Event::Move, kLeft, 511.5, 24}},
         {{31, 0}},
         "Out of level",
         {496, 0}},
        {"a press on the view's border is no press on a cell",
         12,
         {{Event::Press, kLeft, -1, 8}},
         {},
         "",
         {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        deliver(window.picLevel, {Event::Move, kNone, 8, 8}); // no drag goes on
        freshLevelset();
        window.state().curTile = 89;
        window.state().cursorX = window.state().cursorY = 0;
        window.levelCursor->setCell(0, 0);
        window.sbStatusBar->clearMessage();
        level().width = static_cast<std::uint8_t>(c.width);
        window.redrawMap();

        run(window.picLevel, c.events);

        for (int y = 0; y < kGridSize; ++y) {
            for (int x = 0; x < kGridSize; ++x) {
                EXPECT_EQ(level().tiles[y][x], c.painted.contains({x, y}) ? 89 : 0)
                    << "cell " << x << ", " << y;
            }
        }
        EXPECT_EQ(status(), QString::fromLatin1(c.status));
        EXPECT_EQ(window.levelCursor->position(), c.cursor);
        EXPECT_EQ(window.picLevel->image(), expectedMap());
        EXPECT_TRUE(window.opened.empty());
    }
}

TEST_F(MouseTest, HeldButtonKeepsDeliveringMovesOutsideTheView) {
    QWindow* handle = window.windowHandle();
    const auto at = [this](int x, int y) {
        return window.picLevel->mapTo(&window, QPoint(x + 2, y + 2));
    };
    window.state().curTile = 89;
    // Hover needs no button.
    QTest::mouseMove(handle, at(40, 40));
    EXPECT_EQ(status(), QStringLiteral("X: 2, Y: 2, Tile: 0"));
    QTest::mousePress(handle, Qt::LeftButton, {}, at(24, 56));
    EXPECT_EQ(level().tiles[3][1], 89);
    QTest::mouseMove(handle, at(-10, 72));
    EXPECT_EQ(level().tiles[4][0], 89);
    EXPECT_EQ(status(), QStringLiteral("X:  0, Y:  4"));
    QTest::mouseMove(handle, at(-40, 88));
    EXPECT_EQ(status(), QStringLiteral("Out of level"));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, at(-40, 88));
}

// Which tile each draw gives in each mode is RandomTile's; here, that a right drag draws once
// for each cell it paints, in the mode chosen, and not while another button is held too.
TEST_F(MouseTest, RightButtonPaintsARandomTileForEachCell) {
    window.state().mouseChoice = RandomInside;
    random.draws = {0.0f, 0.25f, 0.5f, 0.75f};
    run(window.picLevel, {{Event::Press, kRight, 8, 8},
                          {Event::Move, kRight, 24, 8},
                          {Event::Move, kRight, 30, 8}, // same cell: no draw
                          {Event::Move, kRight, 40, 8},
                          {Event::Move, kLeft | kRight, 56, 24},
                          {Event::Move, kRight, 56, 8}});
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(level().tiles[0][x], 10 + x) << "column " << x;
    }
    EXPECT_EQ(level().tiles[1][3], 0);
    EXPECT_EQ(status(), QStringLiteral("X:  3, Y:  0"));
    EXPECT_EQ(window.picLevel->image(), expectedMap());
    EXPECT_TRUE(window.opened.empty());
}

// A drag with a drawing tool shows its shape half transparent while the button is held and
// paints the part inside the level as one step on release; Escape or a click of the other
// button cancels it. With the pencil a quick right drag in a random mode paints every cell it
// jumped, a draw each. The shapes' cells, texts and step names are the Shapes tests'.
TEST_F(MouseTest, ShapesFollowThePointerAndArePaintedAsOneStepOnRelease) {
    enum Ending { Release, Escape, OtherButton };
    struct Case {
        const char* what;
        DrawingTool tool;
        std::int16_t mode;
        Qt::MouseButton button;
        QPoint from, to;
        std::deque<float> draws;
        std::map<std::pair<int, int>, int> painted; // (x, y) to code; all else stays 0
        const char* status;                         // while held over `to`
        Ending ending;
        const char* step; // the one step made, or none
    };
    const Case cases[] = {
        {"a line",
         DrawingTool::Line,
         SetPositions,
         Qt::LeftButton,
         {1, 1},
         {5, 3},
         {},
         {{{1, 1}, 89}, {{2, 2}, 89}, {{3, 2}, 89}, {{4, 3}, 89}, {{5, 3}, 89}},
         "Line: 5 cells",
         Release,
         "Line"},
        {"a filled rectangle past the level's edge",
         DrawingTool::FilledRectangle,
         SetPositions,
         Qt::LeftButton,
         {10, 6},
         {13, 7},
         {},
         {{{10, 6}, 89}, {{11, 6}, 89}, {{10, 7}, 89}, {{11, 7}, 89}},
         "Rectangle: 4 x 2",
         Release,
         "Filled Rectangle"},
        {"random inside tiles in row order",
         DrawingTool::FilledRectangle,
         RandomInside,
         Qt::RightButton,
         {1, 1},
         {0, 0},
         {0.0f, 0.25f, 0.5f, 0.75f},
         {{{0, 0}, 10}, {{1, 0}, 11}, {{0, 1}, 12}, {{1, 1}, 13}},
         "Rectangle: 2 x 2",
         Release,
         "Filled Rectangle"},
        {"Escape",
         DrawingTool::Line,
         SetPositions,
         Qt::LeftButton,
         {1, 1},
         {5, 3},
         {},
         {},
         "Line: 5 cells",
         Escape,
         nullptr},
        {"a right click",
         DrawingTool::Rectangle,
         SetPositions,
         Qt::LeftButton,
         {1, 1},
         {5, 3},
         {},
         {},
         "Rectangle: 5 x 3",
         OtherButton,
         nullptr},
        {"a quick pencil stroke of random outside tiles",
         DrawingTool::Pencil,
         RandomOutside,
         Qt::RightButton,
         {0, 2},
         {3, 2},
         {0.0f, 0.34f, 0.67f, 0.0f},
         {{{0, 2}, 7}, {{1, 2}, 8}, {{2, 2}, 9}, {{3, 2}, 7}},
         "X:  3, Y:  2",
         Release,
         "Random Tiles"},
    };
    QWindow* handle = window.windowHandle();
    const auto at = [this](QPoint cell) {
        return window.picLevel->mapTo(&window, cell * 16 + QPoint(2 + 8, 2 + 8));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        freshLevelset();
        window.history().stack().clear();
        window.state().curTile = 89;
        window.state().mouseChoice = c.mode;
        window.mnuToolsTool_Click(c.tool);
        random.draws = c.draws;

        QTest::mouseMove(handle, at(c.from));
        QTest::mousePress(handle, c.button, {}, at(c.from));
        QTest::mouseMove(handle, at(c.to));
        EXPECT_EQ(status(), QString::fromLatin1(c.status));
        if (c.tool != DrawingTool::Pencil) {
            // Nothing is painted yet; the shape's cells show the tile over the floor.
            EXPECT_EQ(window.picLevel->image(), expectedMap());
            const QRect anchor(c.from * 16, QSize(16, 16));
            EXPECT_NE(window.picLevel->composedImage().copy(anchor),
                      window.picLevel->image().copy(anchor));
        }
        if (c.ending == Escape) {
            window.mapEscape_Click();
        } else if (c.ending == OtherButton) {
            QTest::mouseClick(handle, Qt::RightButton, {}, at(c.to));
            QTest::mouseMove(handle, at(c.from)); // the drag after it paints nothing
        }
        QTest::mouseRelease(handle, c.button, {}, at(c.to));

        for (int y = 0; y < kGridSize; ++y) {
            for (int x = 0; x < kGridSize; ++x) {
                const auto painted = c.painted.find({x, y});
                EXPECT_EQ(level().tiles[y][x], painted == c.painted.end() ? 0 : painted->second)
                    << "cell " << x << ", " << y;
            }
        }
        EXPECT_EQ(window.picLevel->image(), expectedMap());
        // The shape no longer floats over the map.
        const QPoint middle = c.to * 16 + QPoint(8, 8);
        EXPECT_EQ(window.picLevel->composedImage().pixel(middle),
                  window.picLevel->image().pixel(middle));
        EXPECT_EQ(window.history().stack().count(), c.step ? 1 : 0);
        if (c.step) {
            EXPECT_EQ(window.history().stack().undoText(), QString::fromLatin1(c.step));
        }
        EXPECT_TRUE(window.opened.empty());
    }
}

TEST_F(MouseTest, LevelPopupSetsAPositionAndMovesOnlyItsMarker) {
    struct Case {
        const char* choice;
        MarkerFrame* marker;
        std::uint8_t LevelRecord::*x;
        std::uint8_t LevelRecord::*y;
    };
    const Case cases[] = {
        {"mnuLevelPopUpStart", window.shpStart, &LevelRecord::startX, &LevelRecord::startY},
        {"mnuLevelPopUpFinish", window.shpFinish, &LevelRecord::finishX, &LevelRecord::finishY},
        {"mnuLevelPopUpPut", window.shpPut, &LevelRecord::putX, &LevelRecord::putY},
        {"mnuLevelPopUpTake", window.shpTake, &LevelRecord::takeX, &LevelRecord::takeY},
        {"", nullptr, nullptr, nullptr},
    };
    MarkerFrame* markers[] = {window.shpStart, window.shpFinish, window.shpPut, window.shpTake,
                              window.levelCursor};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        freshLevelset();
        // Tiles under the popup cell that the map must keep showing.
        level().tiles[7][11] = 95;
        window.redrawMap();
        const QImage map = window.picLevel->image();
        LevelRecord expected = level();
        std::vector<std::pair<QPoint, bool>> before;
        for (const MarkerFrame* m : markers) {
            before.emplace_back(m->position(), m->isVisible());
        }
        window.opened.clear();
        window.choice = QString::fromLatin1(c.choice);

        // The finish cell: a start or block on it is accepted.
        deliver(window.picLevel, {Event::Press, kRight, 11 * 16 + 3, 7 * 16 + 3});

        EXPECT_EQ(window.opened, std::vector<QString>{QStringLiteral("mnuLevelPopUp")});
        EXPECT_EQ(window.state().popupX, 11);
        EXPECT_EQ(window.state().popupY, 7);
        if (c.marker != nullptr) {
            expected.*c.x = 11;
            expected.*c.y = 7;
        }
        EXPECT_EQ(level().headerBytes(), expected.headerBytes());
        EXPECT_EQ(level().tiles, expected.tiles);
        EXPECT_EQ(window.picLevel->image(), map);
        for (std::size_t i = 0; i < std::size(markers); ++i) {
            const QPoint position = markers[i] == c.marker ? QPoint(176, 112) : before[i].first;
            EXPECT_EQ(markers[i]->position(), position) << markers[i]->name().toStdString();
            EXPECT_EQ(markers[i]->isVisible(), before[i].second)
                << markers[i]->name().toStdString();
        }
    }
    // Outside the level nothing opens.
    window.opened.clear();
    deliver(window.picLevel, {Event::Press, kRight, 12 * 16, 0});
    EXPECT_TRUE(window.opened.empty());
    EXPECT_EQ(status(), QStringLiteral("Out of level"));
}

TEST_F(MouseTest, PaletteChoosesOnlyTheGamesTilesAndOpensTheTilePopup) {
    struct Step {
        Qt::MouseButtons button;
        int code; // clicked in the middle of this palette cell
        int curTile;
        QPoint tileCursor;
        bool popup;
    };
    // 177 is column 1 of row 22, 178 its right neighbour.
    const Step steps[] = {
        {kLeft, 177, 177, {16, 352}, false},  {kLeft, 178, 177, {16, 352}, false},
        {kRight, 178, 177, {16, 352}, false}, {kRight, 255, 177, {16, 352}, false},
        {kRight, 60, 177, {16, 352}, true},   {kMiddle, 5, 177, {16, 352}, false},
        {kLeft, 0, 0, {0, 0}, false},         {kLeft, 7, 7, {112, 0}, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.code);
        window.opened.clear();
        window.sbStatusBar->clearMessage();
        deliver(window.picTiles,
                {Event::Press, s.button, s.code % 8 * 16 + 8.0, s.code / 8 * 16 + 8.0});
        EXPECT_EQ(window.state().curTile, s.curTile);
        EXPECT_EQ(window.tileCursor->position(), s.tileCursor);
        EXPECT_EQ(status(), QStringLiteral("Tile: %1").arg(s.curTile));
        EXPECT_EQ(window.opened.size(), s.popup ? 1u : 0u);
        if (s.button == kRight) {
            EXPECT_EQ(window.state().popupTile, s.code);
        }
    }
}

TEST_F(MouseTest, HoveringAPaletteTileNamesItAndTheFillerNothing) {
    const std::pair<int, const char*> cases[] = {
        {58, "Tile 58: ammo"}, {20, "Tile 20"}, {177, "Tile 177: black door"}, {178, ""}};
    for (const auto& [code, text] : cases) {
        const QPoint local(code % 8 * 16 + 2 + 8, code / 8 * 16 + 2 + 8);
        QHelpEvent help(QEvent::ToolTip, local, window.picTiles->mapToGlobal(local));
        QApplication::sendEvent(window.picTiles, &help);
        EXPECT_EQ(help.isAccepted(), *text != 0) << code;
        if (*text != 0) {
            EXPECT_EQ(QToolTip::text(), QString::fromLatin1(text));
        }
    }
    EXPECT_EQ(status(), QString()); // the status bar says nothing of it
}

TEST_F(MouseTest, TilePopupSetsABlockTypeAndMovesItsHiddenMarker) {
    struct Case {
        const char* choice;
        MarkerFrame* marker;
        std::uint8_t LevelRecord::*type;
    };
    const Case cases[] = {
        {"mnuTilePopUpPut", window.shpPutType, &LevelRecord::putType},
        {"mnuTilePopUpTake", window.shpTakeType, &LevelRecord::takeType},
        {"", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        freshLevelset();
        LevelRecord expected = level();
        const QImage map = window.picLevel->image();
        const QPoint putAt = window.shpPutType->position();
        const QPoint takeAt = window.shpTakeType->position();
        window.choice = QString::fromLatin1(c.choice);
        // Tile 60 is column 4 of row 7.
        deliver(window.picTiles, {Event::Press, kRight, 4 * 16 + 8, 7 * 16 + 8});
        if (c.type != nullptr) {
            expected.*c.type = 60;
        }
        EXPECT_EQ(level().headerBytes(), expected.headerBytes());
        EXPECT_EQ(window.shpPutType->position(),
                  c.marker == window.shpPutType ? QPoint(64, 112) : putAt);
        EXPECT_EQ(window.shpTakeType->position(),
                  c.marker == window.shpTakeType ? QPoint(64, 112) : takeAt);
        EXPECT_FALSE(window.shpPutType->isVisible());
        EXPECT_FALSE(window.shpTakeType->isVisible());
        EXPECT_EQ(window.picLevel->image(), map);
        EXPECT_EQ(window.state().curTile, 0);
    }
}

TEST_F(MouseTest, PopupMenusCarryTheirNamesAndStayOutOfTheMenuBar) {
    struct Entry {
        QAction* action;
        const char* name;
        const char* caption;
    };
    const Entry entries[] = {
        {window.mnuTilePopUp->menuAction(), "mnuTilePopUp", "Tile PopUp"},
        {window.mnuTilePopUpPut, "mnuTilePopUpPut", "Set as Block to &Put Type"},
        {window.mnuTilePopUpTake, "mnuTilePopUpTake", "Set as Block to &Take Type"},
        {window.mnuLevelPopUp->menuAction(), "mnuLevelPopUp", "Level PopUp"},
        {window.mnuLevelPopUpStart, "mnuLevelPopUpStart", "Set as &Start Position"},
        {window.mnuLevelPopUpFinish, "mnuLevelPopUpFinish", "Set as &Finish Position"},
        {window.mnuLevelPopUp->actions().value(2), "mnuLevelPopUpBar1", ""},
        {window.mnuLevelPopUpPut, "mnuLevelPopUpPut", "Set as Block to &Put Position"},
        {window.mnuLevelPopUpTake, "mnuLevelPopUpTake", "Set as Block to &Take Position"},
    };
    for (const Entry& e : entries) {
        ASSERT_NE(e.action, nullptr) << e.name;
        EXPECT_EQ(e.action->text(), QString::fromLatin1(e.caption)) << e.name;
    }
    EXPECT_EQ(window.mnuTilePopUp->objectName(), QStringLiteral("mnuTilePopUp"));
    EXPECT_EQ(window.mnuLevelPopUp->objectName(), QStringLiteral("mnuLevelPopUp"));
    EXPECT_TRUE(window.mnuLevelPopUp->actions().value(2)->isSeparator());
    EXPECT_EQ(window.mnuLevelPopUp->actions().value(2)->objectName(),
              QStringLiteral("mnuLevelPopUpBar1"));
    EXPECT_EQ(window.mnuTilePopUp->actions().size(), 2);
    EXPECT_EQ(window.mnuLevelPopUp->actions().size(), 5);
    EXPECT_EQ(window.mnuTilePopUp->parent(), &window);
    EXPECT_EQ(window.mnuLevelPopUp->parent(), &window);
    const QList<QAction*> bar = window.menuBar()->actions();
    EXPECT_FALSE(bar.contains(window.mnuTilePopUp->menuAction()));
    EXPECT_FALSE(bar.contains(window.mnuLevelPopUp->menuAction()));
}

} // namespace
} // namespace vrh
