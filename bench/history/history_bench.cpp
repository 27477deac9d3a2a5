// SPDX-License-Identifier: GPL-3.0-or-later
// Undo plus redo of Set Floor on a full level, with the map redrawn and repainted each time;
// the heap the history holds after 10,000 steps of one painted cell each; the peak resident
// memory of long runs that reach the history's bound; and what keeping the recovery file costs
// the user-interface thread at each step.
#include "window/main/frmmain.h"

#include "commands/levels/levellist.h"
#include "commands/recovery/recoveryfile.h"
#include "commands/recovery/recoveryfolder.h"
#include "commands/recovery/recoverykeeper.h"
#include "commands/regions/floodfill.h"

#include "support/windowbench.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

void BM_UndoRedoSetFloorWithRedraw(benchmark::State& state) {
    vrh::bench::FullLevelWindow shown;
    vrh::frmMain& window = shown.window;
    window.levelset().levels[0].levelType = 1; // a hatchery: Set Floor turns every 0 into 1
    window.mnuToolsSetFloor_Click();
    for (auto _ : state) {
        window.mnuEditUndo_Click();
        QApplication::processEvents();
        window.mnuEditRedo_Click();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_UndoRedoSetFloorWithRedraw)->UseRealTime()->Unit(benchmark::kMicrosecond);

class NoView : public vrh::HistoryView {
  public:
    void showHistoryMove(bool) override {}
};

void BM_HistoryBytesAfter10000SingleCellSteps(benchmark::State& state) {
    constexpr int kSteps = 10000;
    std::size_t held = 0;
    for (auto _ : state) {
        vrh::Levelset levelset;
        vrh::EditingState editing;
        NoView view;
        auto history = std::make_unique<vrh::EditHistory>(levelset, editing, view);
        const std::size_t before = mallinfo2().uordblks;
        for (int step = 0; step < kSteps; ++step) {
            // Every step paints one cell with a code it did not hold.
            history->beginStep(vrh::stepname::Paint);
            levelset.levels[0].tiles[step / 32 % 32][step % 32] =
                static_cast<std::uint8_t>(1 + step / 1024);
            history->endStep();
        }
        held = mallinfo2().uordblks - before;
        benchmark::DoNotOptimize(history->stack().count());
    }
    state.counters["bytes"] = static_cast<double>(held);
    state.counters["bytes_per_step"] = static_cast<double>(held) / kSteps;
    state.counters["MiB"] = static_cast<double>(held) / (1024.0 * 1024.0);
}
BENCHMARK(BM_HistoryBytesAfter10000SingleCellSteps)->Iterations(3)->Unit(benchmark::kMillisecond);

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"); 0 where there is none.
double statusKiB(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toDouble();
        }
    }
    return 0;
}

// Runs steps on a fresh history of the usual bound and reports how far above the resident
// memory it started from the process's peak went: the heap freed before is given back to the
// system and the peak mark reset to now first.
template <typename Steps> void reportPeak(benchmark::State& state, Steps steps) {
    double peakKiB = 0;
    std::size_t held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
        if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1) {
            state.SkipWithError("the peak resident memory can't be reset");
            return;
        }
        clearRefs.close();
        const double startKiB = statusKiB("VmRSS");
        state.ResumeTiming();
        {
            vrh::Levelset levelset;
            vrh::resetLevelset(levelset);
            vrh::EditingState editing;
            NoView view;
            vrh::EditHistory history(levelset, editing, view);
            const std::size_t before = mallinfo2().uordblks;
            steps(levelset, editing, history);
            held = mallinfo2().uordblks - before;
            peakKiB = statusKiB("VmHWM") - startKiB;
        }
    }
    state.counters["bound_MiB"] = static_cast<double>(vrh::kHistoryBytes) / (1024.0 * 1024.0);
    state.counters["held_MiB"] = static_cast<double>(held) / (1024.0 * 1024.0);
    state.counters["peak_MiB"] = peakKiB / 1024.0;
}

// 20,000 flood fills of a whole 32 x 32 level, each with another code.
void BM_HistoryPeakOf20000WholeLevelFills(benchmark::State& state) {
    reportPeak(state, [](vrh::Levelset& levelset, vrh::EditingState&, vrh::EditHistory& history) {
        vrh::LevelRecord& level = levelset.levels[0];
        level.width = vrh::kGridSize;
        level.height = vrh::kGridSize;
        for (int step = 0; step < 20000; ++step) {
            history.record(vrh::stepname::Fill, [&] {
                vrh::fillAt(level, std::nullopt, QPoint(0, 0),
                            static_cast<std::uint8_t>(1 + step % 100), vrh::FillKind::Flood);
            });
        }
    });
}
BENCHMARK(BM_HistoryPeakOf20000WholeLevelFills)->Iterations(1)->Unit(benchmark::kMillisecond);

// 10,000 inserts and deletes of a level in front of seven full levels, each moving them all.
void BM_HistoryPeakOf10000InsertsAndDeletesOfFullLevels(benchmark::State& state) {
    reportPeak(state,
               [](vrh::Levelset& levelset, vrh::EditingState& editing, vrh::EditHistory& history) {
                   levelset.numLevels = vrh::kMaxLevels - 1;
                   for (int index = 0; index < vrh::kMaxLevels; ++index) {
                       vrh::LevelRecord& level = levelset.levels[index];
                       level.width = vrh::kGridSize;
                       level.height = vrh::kGridSize;
                       for (int cell = 0; cell < vrh::kGridSize * vrh::kGridSize; ++cell) {
                           level.tiles[cell / vrh::kGridSize][cell % vrh::kGridSize] =
                               static_cast<std::uint8_t>(1 + (cell + index * 37) % 150);
                       }
                   }
                   for (int step = 0; step < 10000; ++step) {
                       editing.curLevel = 0;
                       if (step % 2 == 0) {
                           history.record(vrh::stepname::InsertLevel,
                                          [&] { vrh::insertLevel(levelset, editing); });
                       } else {
                           history.record(vrh::stepname::DeleteLevel,
                                          [&] { vrh::deleteLevel(levelset, editing); });
                       }
                   }
               });
}
BENCHMARK(BM_HistoryPeakOf10000InsertsAndDeletesOfFullLevels)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Eight levels of 32 x 32 cells: the largest levelset, the longest recovery file.
vrh::Levelset largestLevelset() {
    vrh::Levelset levelset;
    vrh::resetLevelset(levelset);
    levelset.fileName = QStringLiteral("/home/designer/levels/zvrhlabc.vrh");
    levelset.numLevels = vrh::kMaxLevels;
    for (vrh::LevelRecord& level : levelset.levels) {
        level.width = vrh::kGridSize;
        level.height = vrh::kGridSize;
    }
    return levelset;
}

// One write of the recovery file: the levelset in the file format with its name and time,
// into a temporary renamed over the file.
void BM_RecoveryWriteOfTheLargestLevelset(benchmark::State& state) {
    QTemporaryDir dir;
    vrh::RecoveryFolder folder(dir.filePath(QStringLiteral("recovery")));
    const vrh::Levelset levelset = largestLevelset();
    for (auto _ : state) {
        const QByteArray bytes = vrh::encodeRecovery(levelset, QDateTime::currentDateTimeUtc());
        benchmark::DoNotOptimize(folder.write(bytes));
    }
    state.SetBytesProcessed(state.iterations() * vrh::encodeRecovery(levelset, QDateTime()).size());
}
BENCHMARK(BM_RecoveryWriteOfTheLargestLevelset)->Unit(benchmark::kMicrosecond);

// A one-cell step on the largest levelset as the window makes it, the recovery file following.
void BM_StepWithTheRecoveryFileFollowing(benchmark::State& state) {
    QTemporaryDir dir;
    vrh::Levelset levelset = largestLevelset();
    vrh::EditingState editing;
    NoView view;
    vrh::EditHistory history(levelset, editing, view);
    vrh::RecoveryFolder folder(dir.filePath(QStringLiteral("recovery")));
    vrh::RecoveryKeeper keeper(levelset, history.stack(), folder);
    int step = 0;
    for (auto _ : state) {
        history.record(vrh::stepname::Paint, [&] {
            levelset.levels[0].tiles[step / 32 % 32][step % 32] =
                static_cast<std::uint8_t>(1 + step / 1024 % 200);
        });
        ++step;
    }
}
BENCHMARK(BM_StepWithTheRecoveryFileFollowing)->Unit(benchmark::kMicrosecond);

} // namespace
