// Undo plus redo of Set Floor on a full level, with the map redrawn and repainted each time;
// the heap the history holds after 10,000 steps of one painted cell each; and what keeping the
// recovery file costs the user-interface thread at each step.
#include "window/main/frmmain.h"

#include "commands/recovery/recoveryfile.h"
#include "commands/recovery/recoveryfolder.h"
#include "commands/recovery/recoverykeeper.h"

#include "support/windowbench.h"

#include <QApplication>
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
