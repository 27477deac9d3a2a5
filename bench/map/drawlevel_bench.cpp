// SPDX-License-Identifier: GPL-3.0-or-later
// drawLevel of a full 32 x 32 level beside a plain copy of one 512 x 512 image, the floor that
// any redraw of the whole map must pay; with the built-in sheet (argument 0) and with tile
// pictures read from a file (1), which the map draws with alike.
#include "assets/assets.h"
#include "commands/tiles/tilepictures.h"
#include "map/drawlevel.h"

#include <QBuffer>

#include <benchmark/benchmark.h>
#include <cstring>

namespace {

// A 128 x 512 picture of other pixels, read as a tile pictures file is.
QImage loadedSheet() {
    QImage picture(128, 512, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x * 2, y / 2, (x * y) & 0xff));
        }
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return vrh::readTilePicturesData(QStringLiteral("tiles.png"), png, nullptr).pictures->sheet;
}

void BM_DrawLevelFull(benchmark::State& state) {
    const QImage sheet =
        vrh::prepareTileSheet(state.range(0) == 0 ? vrh::tileSheet() : loadedSheet());
    QImage back = vrh::makeMapImage();
    vrh::LevelRecord level;
    level.width = 32;
    level.height = 32;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            level.tiles[y][x] = static_cast<std::uint8_t>((x * 37 + y * 11) % 178);
        }
    }
    for (auto _ : state) {
        vrh::drawLevel(level, sheet, back);
        benchmark::DoNotOptimize(back.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * back.sizeInBytes());
}
BENCHMARK(BM_DrawLevelFull)->Arg(0)->Arg(1);

void BM_CopyImage512(benchmark::State& state) {
    QImage source = vrh::makeMapImage();
    source.fill(Qt::gray);
    QImage target = vrh::makeMapImage();
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(),
                    static_cast<std::size_t>(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * source.sizeInBytes());
}
BENCHMARK(BM_CopyImage512);

} // namespace

BENCHMARK_MAIN();
