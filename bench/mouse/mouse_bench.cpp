// SPDX-License-Identifier: GPL-3.0-or-later
// Painting with a left drag: one move onto a new cell stores the tile, redraws the whole map
// and repaints the view. Beside it, moves within one cell, which do nothing, quick moves that
// jump eight cells and paint the cells between, a 32 x 32 filled rectangle, the same paint
// step at zoom 1 and 4, a scroll by one cell at zoom 4, and hovering, which names the cell in
// the status bar and to a screen reader.
#include "window/main/frmmain.h"

#include "support/windowbench.h"

#include "commands/levels/mapediting.h"
#include "map/levelview.h"
#include "map/markerframe.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <iterator>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr int kEvents = 1000;

// A shown window with a full 32 x 32 level and a wall tile chosen.
struct Editor : vrh::bench::FullLevelWindow {
    Editor() { window.state().curTile = 89; }

    void leftMove(double x, double y) { send(QEvent::MouseMove, Qt::NoButton, x, y); }

    // Through the View menu, which remembers it for the next window: each benchmark that
    // zooms goes back to 1 when it ends.
    void zoomTo(int zoom) {
        window.mnuViewActualSize_Click();
        for (int step = 1; step < zoom; ++step) {
            window.mnuViewZoomIn_Click();
        }
        QApplication::processEvents();
    }

    void send(QEvent::Type type, Qt::MouseButton button, double x, double y) {
        const QPointF local(x + 2, y + 2);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent event(type, local, window.picLevel->mapToGlobal(local), button, held, {});
        QApplication::sendEvent(window.picLevel, &event);
        QApplication::processEvents();
    }
};

void BM_LeftDragOntoNewCells(benchmark::State& state) {
    Editor editor;
    int step = 0;
    for (auto _ : state) {
        // Walks the 32 x 32 level cell by cell, so every move enters a new cell.
        const int cell = step++ % 1024;
        editor.leftMove(cell % 32 * 16 + 8, cell / 32 * 16 + 8);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LeftDragOntoNewCells)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The same walk done as the move handler did it before the edit history: move the cursor,
// write the status text, store the tile, redraw and repaint, without the event's delivery.
// Beside BM_LeftDragOntoNewCells it bounds what the history adds to a stroke's moves.
void BM_LeftDragOntoNewCellsWithoutHistory(benchmark::State& state) {
    Editor editor;
    vrh::frmMain& window = editor.window;
    int step = 0;
    for (auto _ : state) {
        const int cell = step++ % 1024;
        const auto x = static_cast<std::int16_t>(cell % 32);
        const auto y = static_cast<std::int16_t>(cell / 32);
        window.state().cursorX = x;
        window.state().cursorY = y;
        window.levelCursor->setCell(x, y);
        window.setStatusText(vrh::paintStatus(x, y));
        window.levelset().levels[0].tiles[y][x] = window.state().curTile;
        window.redrawMap();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LeftDragOntoNewCellsWithoutHistory)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// Round a square of side 24 cells, eight cells a move: each move paints the eight cells of its
// line and redraws once. Beside BM_LeftDragOntoNewCells it prices what filling the gaps adds.
void BM_LeftDragEightCellJumps(benchmark::State& state) {
    Editor editor;
    const int corners[][2] = {{0, 0},   {8, 0},   {16, 0}, {24, 0}, {24, 8}, {24, 16},
                              {24, 24}, {16, 24}, {8, 24}, {0, 24}, {0, 16}, {0, 8}};
    int step = 0;
    for (auto _ : state) {
        const auto& cell = corners[step++ % std::size(corners)];
        editor.leftMove(cell[0] * 16 + 8, cell[1] * 16 + 8);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LeftDragEightCellJumps)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// A filled rectangle over the whole 32 x 32 level: the press, the preview's move to the far
// corner and the release that paints 1024 cells as one step and redraws; with Arg(1) only the
// release is timed.
void BM_FilledRectangle32x32(benchmark::State& state) {
    Editor editor;
    editor.window.mnuToolsTool_Click(vrh::DrawingTool::FilledRectangle);
    const bool releaseOnly = state.range(0) == 1;
    int step = 0;
    for (auto _ : state) {
        if (releaseOnly) {
            state.PauseTiming();
        }
        // Another tile each time, so that every release changes all the cells.
        editor.window.state().curTile = step++ % 2 == 0 ? 14 : 89;
        editor.send(QEvent::MouseButtonPress, Qt::LeftButton, 8, 8);
        editor.leftMove(31 * 16 + 8, 31 * 16 + 8);
        if (releaseOnly) {
            state.ResumeTiming();
        }
        editor.send(QEvent::MouseButtonRelease, Qt::LeftButton, 31 * 16 + 8, 31 * 16 + 8);
    }
    editor.window.mnuToolsTool_Click(vrh::DrawingTool::Pencil);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FilledRectangle32x32)
    ->ArgName("releaseOnly")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The pointer onto a new cell with no button held: the cursor moves, the status bar names the
// cell and the map's accessible description is made and announced. With Arg(1) a screen reader
// reads, after each move, the map's description and the name of its cursor's cell, as the
// accessibility bus asks them on an announcement.
void BM_HoverOntoNewCells(benchmark::State& state) {
    Editor editor;
    const bool reading = state.range(0) == 1;
    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(editor.window.picLevel);
    QString heard;
    int step = 0;
    for (auto _ : state) {
        const int cell = step++ % 1024;
        const QPointF local(cell % 32 * 16 + 10, cell / 32 * 16 + 10);
        QMouseEvent event(QEvent::MouseMove, local, editor.window.picLevel->mapToGlobal(local),
                          Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(editor.window.picLevel, &event);
        QApplication::processEvents();
        if (reading) {
            heard = map->text(QAccessible::Description) + map->child(0)->text(QAccessible::Name);
        }
    }
    if (editor.window.picLevel->announcements() < state.iterations() ||
        (reading && !heard.startsWith(QStringLiteral("Column ")))) {
        state.SkipWithError("a move was not announced");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HoverOntoNewCells)
    ->ArgName("screenReader")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The keyboard's cursor one cell on with an arrow key on the focused map, at zoom 1 and 4: the
// cursor moves (at 4 the map scrolls to keep it in view), the status bar names the cell and the
// description is made and announced. The walk goes right along a row and back.
void BM_KeyboardCursorMove(benchmark::State& state) {
    Editor editor;
    editor.zoomTo(static_cast<int>(state.range(0)));
    editor.window.moveLevelCursor({0, 0});
    editor.window.picLevel->setFocus();
    int step = 0;
    for (auto _ : state) {
        const Qt::Key key = step++ / 31 % 2 == 0 ? Qt::Key_Right : Qt::Key_Left;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(editor.window.picLevel, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(editor.window.picLevel, &release);
        QApplication::processEvents();
    }
    if (editor.window.picLevel->announcements() < state.iterations() ||
        !editor.window.picLevel->announcedDescription().startsWith(QStringLiteral("Column "))) {
        state.SkipWithError("a move was not announced");
    }
    editor.zoomTo(1);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyboardCursorMove)
    ->ArgName("zoom")
    ->Arg(1)
    ->Arg(4)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_LeftDragWithinOneCell(benchmark::State& state) {
    Editor editor;
    editor.leftMove(8, 8);
    int step = 0;
    for (auto _ : state) {
        editor.leftMove(1 + step++ % 14, 8);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LeftDragWithinOneCell)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// One paint step at zoom 1 and 4: the walk goes to and fro over the 7 x 7 cells that zoom 4
// shows whole from the top left, one neighbouring cell a move, so no move scrolls.
void BM_PaintStepAtZoom(benchmark::State& state) {
    Editor editor;
    const int zoom = static_cast<int>(state.range(0));
    editor.zoomTo(zoom);
    std::vector<QPoint> walk;
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            walk.emplace_back(y % 2 == 0 ? x : 6 - x, y);
        }
    }
    const std::vector<QPoint> there = walk;
    walk.insert(walk.end(), there.rbegin() + 1, there.rend() - 1);
    std::size_t step = 0;
    for (auto _ : state) {
        const QPoint cell = walk[step++ % walk.size()];
        editor.leftMove((cell.x() * 16 + 8) * zoom, (cell.y() * 16 + 8) * zoom);
    }
    editor.zoomTo(1);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PaintStepAtZoom)
    ->ArgName("zoom")
    ->Arg(1)
    ->Arg(4)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// A click on a scroll bar's arrow at zoom 4, down one cell and back, with the repaint.
void BM_ScrollOneCellAtZoom4(benchmark::State& state) {
    Editor editor;
    editor.zoomTo(4);
    QScrollBar* down = editor.window.picLevel->zoom().downBar();
    int step = 0;
    for (auto _ : state) {
        down->triggerAction(step++ % 2 == 0 ? QAbstractSlider::SliderSingleStepAdd
                                            : QAbstractSlider::SliderSingleStepSub);
        QApplication::processEvents();
    }
    editor.zoomTo(1);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScrollOneCellAtZoom4)
    ->Iterations(kEvents)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
