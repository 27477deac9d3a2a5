// SPDX-License-Identifier: GPL-3.0-or-later
// The Levels window after a one-cell step, with eight 32 x 32 levels: its own part (find the
// changed level, draw its picture again, repaint), and the whole click on the map with the
// window shown beside the same click with it hidden.
#include "window/main/frmmain.h"

#include "support/windowbench.h"

#include "map/levelview.h"
#include "window/dialogs/frmlevels.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSteps = 1000;

// Eight full levels of varied cells, the Levels window shown or not.
struct EightLevels : vrh::bench::FullLevelWindow {
    explicit EightLevels(bool levelsShown) {
        vrh::Levelset& set = window.levelset();
        set.numLevels = 8;
        for (int index = 0; index < 8; ++index) {
            set.levels[index].width = vrh::kGridSize;
            set.levels[index].height = vrh::kGridSize;
            for (int y = 0; y < vrh::kGridSize; ++y) {
                for (int x = 0; x < vrh::kGridSize; ++x) {
                    set.levels[index].tiles[y][x] = static_cast<std::uint8_t>((x + y + index) % 90);
                }
            }
        }
        window.redrawMap();
        if (levelsShown) {
            window.mnuViewLevels_Click();
        }
        QApplication::processEvents();
    }

    // A click on a cell of the map: one Paint step, another tile each time so that it changes.
    void click(int step) {
        window.state().curTile = step % 2 == 0 ? 89 : 14;
        const int cell = step / 2 % 1024;
        const QPointF local(cell % 32 * 16 + 10, cell / 32 * 16 + 10);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
            QMouseEvent event(type, local, window.picLevel->mapToGlobal(local), Qt::LeftButton,
                              held, {});
            QApplication::sendEvent(window.picLevel, &event);
        }
        QApplication::processEvents();
    }
};

// The window's own work after a cell of the fourth level changed: compare the eight levels with
// what was drawn, draw the one changed picture, repaint the window.
void BM_LevelsWindowRedrawAfterOneCell(benchmark::State& state) {
    EightLevels editor(true);
    vrh::frmLevels* levels = editor.window.levelsWindow();
    vrh::Levelset& set = editor.window.levelset();
    const int drawnBefore = levels->picturesDrawn();
    int step = 0;
    for (auto _ : state) {
        std::uint8_t& cell = set.levels[3].tiles[step / 2 % 32][step % 32];
        cell = static_cast<std::uint8_t>(cell == 89 ? 14 : 89);
        ++step;
        levels->showLevels(set, 3);
        levels->repaint();
    }
    state.counters["picturesPerStep"] =
        double(levels->picturesDrawn() - drawnBefore) / double(state.iterations());
}
BENCHMARK(BM_LevelsWindowRedrawAfterOneCell)
    ->Iterations(kSteps)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The whole one-cell Paint step from the mouse, with the Levels window shown (1) or hidden (0).
void BM_OneCellStep(benchmark::State& state) {
    EightLevels editor(state.range(0) == 1);
    int step = 0;
    for (auto _ : state) {
        editor.click(step++);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OneCellStep)
    ->ArgName("levelsShown")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kSteps)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
