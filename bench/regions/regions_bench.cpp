// SPDX-License-Identifier: GPL-3.0-or-later
// Regions on a full 32 x 32 level: a flood fill of every cell, the rule alone and as a Ctrl
// click with its step, the redraw and the repaint; a paste of 32 x 32 cells, from Paste to the
// placing click, with the redraw.
#include "window/main/frmmain.h"

#include "support/windowbench.h"

#include "commands/regions/cellclipboard.h"
#include "commands/regions/floodfill.h"
#include "map/levelview.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRuns = 1000;
const QRect kWholeLevel(0, 0, 32, 32);

// Every iteration fills all 1024 cells: the code goes back and forth between 0 and 7.
void BM_FloodFillWholeLevel(benchmark::State& state) {
    vrh::LevelRecord level;
    level.width = 32;
    level.height = 32;
    std::uint8_t code = 7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vrh::floodFill(level, {0, 0}, code, kWholeLevel));
        code = code == 7 ? 0 : 7;
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_FloodFillWholeLevel)->Unit(benchmark::kMicrosecond);

// A shown window with a full 32 x 32 level.
struct Editor : vrh::bench::FullLevelWindow {
    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint cell,
               Qt::KeyboardModifiers keys = {}) {
        const QPointF local(cell.x() * 16 + 8 + 2, cell.y() * 16 + 8 + 2);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, local, window.picLevel->mapToGlobal(local), button, held, keys);
        QApplication::sendEvent(window.picLevel, &event);
    }
};

// The Ctrl click as the window handles it: the fill, its step on the history, the redraw of
// the map and its repaint.
void BM_FloodFillWholeLevelWithRedraw(benchmark::State& state) {
    Editor editor;
    std::uint8_t code = 7;
    for (auto _ : state) {
        editor.window.state().curTile = code;
        editor.mouse(QEvent::MouseButtonPress, Qt::LeftButton, {0, 0}, Qt::ControlModifier);
        editor.mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {0, 0}, Qt::ControlModifier);
        QApplication::processEvents();
        code = code == 7 ? 0 : 7;
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_FloodFillWholeLevelWithRedraw)
    ->Iterations(kRuns)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// Paste of 32 x 32 cells from the clipboard's cells type, the pointer onto the map, the placing
// click with its step, the redraw and the repaint. The block lands one column further every
// other time, so that every paste changes the level.
void BM_Paste32x32WithRedraw(benchmark::State& state) {
    Editor editor;
    vrh::CellBlock block{32, 32, {}};
    for (int i = 0; i < 1024; ++i) {
        block.codes.push_back(static_cast<std::uint8_t>(i % 178));
    }
    QGuiApplication::clipboard()->setMimeData(vrh::cellsMimeData(block).release());
    int run = 0;
    for (auto _ : state) {
        const QPoint at(run++ % 2, 0);
        editor.window.mnuEditPaste_Click();
        editor.mouse(QEvent::MouseMove, Qt::NoButton, at);
        editor.mouse(QEvent::MouseButtonPress, Qt::LeftButton, at);
        editor.mouse(QEvent::MouseButtonRelease, Qt::LeftButton, at);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_Paste32x32WithRedraw)->Iterations(kRuns)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
