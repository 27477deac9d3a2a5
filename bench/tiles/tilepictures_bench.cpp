// SPDX-License-Identifier: GPL-3.0-or-later
// Loading tile pictures from disk: a full 128 x 512 sheet drawn in a paint program, and the
// largest sprite data taken, 2,048 numbers. drawLevel with a loaded sheet is in drawlevel_bench.
#include "commands/tiles/tilepictures.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A folder with both files, written once for all the runs.
struct PictureFiles {
    QTemporaryDir dir;
    QString sheet = dir.filePath(QStringLiteral("tiles.png"));
    QString sprites = dir.filePath(QStringLiteral("tiles.asm"));

    PictureFiles() {
        // Every pixel its own colour, so that the PNG is no easier to decode than a real one.
        QImage picture(128, 512, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                picture.setPixel(x, y, qRgba(x * 2, y / 2, (x * y) & 0xff, 255 - (x ^ y) % 64));
            }
        }
        picture.save(sheet);
        // 256 tiles as a game's source writes them: a label and one line of eight bytes each.
        QByteArray text("; tile sprites\n");
        for (int code = 0; code < 256; ++code) {
            text += "tile" + QByteArray::number(code) + ":\n    .db ";
            for (int row = 0; row < 8; ++row) {
                const int bits = (code * 7 + row * 29) & 0xff;
                text +=
                    (row == 0 ? "%" : ", %") + QByteArray::number(bits, 2).rightJustified(8, '0');
            }
            text += "\n";
        }
        QFile out(sprites);
        out.open(QIODevice::WriteOnly);
        out.write(text);
    }
};

const PictureFiles& files() {
    static const PictureFiles written;
    return written;
}

void loadEach(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        vrh::TilePicturesRead read = vrh::readTilePictures(path);
        if (!read.pictures) {
            state.SkipWithError(read.refusal.toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(read.pictures->sheet.constBits());
    }
}

void BM_LoadSheetPicture(benchmark::State& state) {
    loadEach(state, files().sheet);
}
BENCHMARK(BM_LoadSheetPicture)->Unit(benchmark::kMillisecond);

void BM_LoadSpriteData(benchmark::State& state) {
    loadEach(state, files().sprites);
}
BENCHMARK(BM_LoadSpriteData)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
