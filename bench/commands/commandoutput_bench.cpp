// SPDX-License-Identifier: GPL-3.0-or-later
// A user command that writes 10 MB of lines as fast as it can, shown in the Command Output
// window while a painting drag goes on over the map, beside the same drag with no command. Each
// move is one mouse event onto a new cell, handled in full (stroke, redraw); after it the
// editor's events run, which is where the output is shown, in batches. Reported: each move's
// handling (mean, 99th percentile and longest, and the longest in the thread's own time, which
// a busy machine's other programs don't lengthen), the longest one round of the editor's events
// took, how long the window took to show the last of it, and what the window keeps: its lines,
// its characters and how much the process grew.
#include "support/windowbench.h"

#include "commands/desktop/usercommands.h"
#include "map/levelview.h"
#include "window/dialogs/frmcommandoutput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSettings>

#include <algorithm>
#include <ctime>
#include <numeric>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr int kOutputBytes = 10 * 1024 * 1024;

// Resident memory of this process, in kB.
long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

// The one command in the settings, there before the window reads them: 10 MB of lines of
// 81 characters.
struct FloodCommand {
    FloodCommand() {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VrhEdit"),
                           QStringLiteral("VrhEdit"));
        vrh::writeUserCommands(
            settings, {{QStringLiteral("Flood"),
                        QStringLiteral("sh -c 'yes 01234567890123456789012345678901234567890123456"
                                       "789012345678901234567890123456789 | head -c %1'")
                            .arg(kOutputBytes),
                        QString(), false}});
    }
};

// The shown window with a full level.
struct Editor {
    FloodCommand command;
    vrh::bench::FullLevelWindow shown;
    vrh::frmMain& window = shown.window;

    void send(QEvent::Type type, int cell) {
        const QPointF local(cell % 32 * 16 + 10, cell / 32 % 32 * 16 + 10);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent event(type, local, window.picLevel->mapToGlobal(local),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, {});
        QApplication::sendEvent(window.picLevel, &event);
    }
};

// This thread's own time: what a move costs, whatever else the machine runs meanwhile.
double threadCpuMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

struct DragFigures {
    double moveMeanUs = 0;
    double moveP99Us = 0;
    double moveMaxUs = 0;
    double moveCpuMaxUs = 0; // the longest a move took of this thread's own time

    double roundMaxMs = 0;
    int moves = 0;
};

// Moves onto a new cell, each followed by one round of the editor's events, while keepOn holds.
template <typename Condition> DragFigures drag(Editor& editor, Condition keepOn) {
    DragFigures figures;
    std::vector<double> moves;
    QElapsedTimer clock;
    editor.send(QEvent::MouseButtonPress, 0);
    for (int cell = 1; keepOn(figures.moves); ++cell) {
        const double cpuBefore = threadCpuMicroseconds();
        clock.start();
        editor.send(QEvent::MouseMove, cell);
        const double move = clock.nsecsElapsed() / 1000.0;
        figures.moveCpuMaxUs = std::max(figures.moveCpuMaxUs, threadCpuMicroseconds() - cpuBefore);
        clock.start();
        QApplication::processEvents();
        figures.roundMaxMs = std::max(figures.roundMaxMs, clock.nsecsElapsed() / 1e6);
        moves.push_back(move);
        ++figures.moves;
    }
    editor.send(QEvent::MouseButtonRelease, figures.moves);
    if (!moves.empty()) {
        std::sort(moves.begin(), moves.end());
        figures.moveMeanUs = std::accumulate(moves.begin(), moves.end(), 0.0) / moves.size();
        figures.moveP99Us = moves[moves.size() * 99 / 100];
        figures.moveMaxUs = moves.back();
    }
    return figures;
}

void report(benchmark::State& state, const DragFigures& figures) {
    state.counters["moves"] = figures.moves;
    state.counters["move_mean_us"] = figures.moveMeanUs;
    state.counters["move_p99_us"] = figures.moveP99Us;
    state.counters["move_max_us"] = figures.moveMaxUs;
    state.counters["move_cpu_max_us"] = figures.moveCpuMaxUs;
    state.counters["round_max_ms"] = figures.roundMaxMs;
}

void BM_DragWhileACommandWrites10MB(benchmark::State& state) {
    for (auto _ : state) {
        Editor editor;
        const long before = residentKilobytes();
        long peak = before;
        editor.window.mnuToolsCommand_Click(0);
        const DragFigures figures = drag(editor, [&](int moves) {
            if (moves % 64 == 0) {
                peak = std::max(peak, residentKilobytes());
            }
            return editor.window.commandRunning();
        });
        // The window catches up in parts once the command is over.
        QElapsedTimer catchingUp;
        catchingUp.start();
        const auto shownAll = [&editor] {
            return editor.window.commandOutput()->text().endsWith(
                QStringLiteral("Finished with exit code 0."));
        };
        while (!shownAll() && catchingUp.elapsed() < 10000) {
            QApplication::processEvents();
        }
        if (!shownAll()) {
            state.SkipWithError("the command did not finish");
        }
        state.counters["catch_up_ms"] = static_cast<double>(catchingUp.elapsed());
        const QPlainTextEdit* output = editor.window.commandOutput()->txtOutput;
        report(state, figures);
        state.counters["lines_kept"] = output->document()->blockCount();
        state.counters["chars_kept"] = output->document()->characterCount();
        state.counters["grew_kB"] = static_cast<double>(peak - before);
    }
}
BENCHMARK(BM_DragWhileACommandWrites10MB)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_DragWithoutACommand(benchmark::State& state) {
    for (auto _ : state) {
        Editor editor;
        report(state, drag(editor, [](int moves) { return moves < 2000; }));
    }
}
BENCHMARK(BM_DragWithoutACommand)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
