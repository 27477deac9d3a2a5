// SPDX-License-Identifier: GPL-3.0-or-later
// What Paste spends on a clipboard of 50 MB of text, from the clipboard's own object as the
// window asks it: the time, and the memory it takes at its peak beyond the text itself.
#include "commands/regions/cellclipboard.h"

#include <QMimeData>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>

namespace {

constexpr qsizetype kTextBytes = 50 * 1000 * 1000;

// Texts of 50 MB, each read differently: refused at row 33, refused at the 33rd number of its
// first line, nothing to paste at the first letter; blanks alone and line ends alone, read to
// the end as nothing to paste; one number of 50 million zeros, which is 0.
QString text(int kind) {
    switch (kind) {
    case 0:
        return QStringLiteral("1\n").repeated(kTextBytes / 2);
    case 1:
        return QStringLiteral("1 ").repeated(kTextBytes / 2);
    case 2:
        return QStringLiteral("1\nx").repeated(kTextBytes / 3);
    case 3:
        return QStringLiteral(" ").repeated(kTextBytes);
    case 4:
        return QStringLiteral("\n").repeated(kTextBytes);
    default:
        return QStringLiteral("0").repeated(kTextBytes);
    }
}

// The process's peak resident memory so far, in bytes.
std::size_t peakResident() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}

void BM_PasteReadsA50MBText(benchmark::State& state) {
    QMimeData data;
    data.setText(text(static_cast<int>(state.range(0))));
    // The peak can only rise past what the text and its making took if the parse takes more.
    const std::size_t peakBefore = peakResident();
    std::size_t heldAfter = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        const vrh::ClipboardCells cells = vrh::cellsFromClipboard(&data);
        heldAfter = std::max(heldAfter, mallinfo2().uordblks - before);
        benchmark::DoNotOptimize(cells.kind);
    }
    state.counters["peak_growth_bytes"] = static_cast<double>(peakResident() - peakBefore);
    state.counters["held_bytes"] = static_cast<double>(heldAfter);
}
BENCHMARK(BM_PasteReadsA50MBText)->ArgName("text")->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
