// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/assets.h"
#include "picturetext.h"
#include "tilesheet.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace vrh {
namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kSilver = 0xffc0c0c0;

QImage tileOf(const QImage& sheet, int code) {
    return sheet.copy(16 * (code % 8), 16 * (code / 8), 16, 16);
}

// The 8 x 8 picture behind a tile, true for black.
using Picture = std::array<std::array<bool, 8>, 8>;
Picture pictureOf(const QImage& sheet, int code) {
    const QImage tile = tileOf(sheet, code);
    Picture picture{};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            picture[y][x] = tile.pixel(2 * x, 2 * y) == kBlack;
        }
    }
    return picture;
}

int blackCount(const Picture& picture) {
    int count = 0;
    for (const auto& row : picture) {
        for (const bool black : row) {
            count += black ? 1 : 0;
        }
    }
    return count;
}

// Width and height of the box around the black pixels.
QSize blackExtent(const Picture& picture) {
    int left = 8, right = -1, top = 8, bottom = -1;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (picture[y][x]) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    return {right - left + 1, bottom - top + 1};
}

class TileSheet : public ::testing::Test {
  protected:
    const QImage sheet = tileSheet();
};

TEST_F(TileSheet, Is128By512InBlackWhiteAndSilverOnly) {
    ASSERT_EQ(sheet.size(), QSize(128, 512));
    QSet<QRgb> colours;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            colours.insert(sheet.pixel(x, y));
        }
    }
    EXPECT_EQ(colours, (QSet<QRgb>{kBlack, kWhite, kSilver}));
}

TEST_F(TileSheet, GameTilesAreBlackAndWhitePicturesAtDoubleSize) {
    for (int code = 0; code < 178; ++code) {
        const QImage tile = tileOf(sheet, code);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = tile.pixel(x, y);
                ASSERT_TRUE(pixel == kBlack || pixel == kWhite) << "code " << code;
                ASSERT_EQ(pixel, tile.pixel(x & ~1, y & ~1))
                    << "code " << code << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(TileSheet, CodesFrom178OnAreSilverLikeTheOutsideOfALevel) {
    for (const int code : {178, 179, 200, 254, 255}) {
        const QImage tile = tileOf(sheet, code);
        QImage silver(16, 16, tile.format());
        silver.fill(kSilver);
        EXPECT_EQ(tile, silver) << "code " << code;
    }
    EXPECT_EQ(sheet.pixel(112, 496), kSilver);
    EXPECT_EQ(sheet.pixel(127, 511), kSilver);
}

TEST_F(TileSheet, EveryGameTileLooksDifferent) {
    QHash<QByteArray, int> seen;
    for (int code = 0; code < 178; ++code) {
        const QImage tile = tileOf(sheet, code);
        const QByteArray pixels(reinterpret_cast<const char*>(tile.constBits()),
                                static_cast<qsizetype>(tile.sizeInBytes()));
        const auto earlier = seen.constFind(pixels);
        EXPECT_EQ(earlier, seen.constEnd())
            << "code " << code << " looks like code " << earlier.value();
        seen.insert(pixels, code);
    }
}

TEST_F(TileSheet, FloorsOutsideInsideAndWallTilesLookTheirPart) {
    struct Case {
        int firstCode;
        int lastCode;
        int fewestBlack;
        int mostBlack;
        const char* what;
    };
    const Case cases[] = {
        {0, 0, 0, 0, "blank floor is all white"},
        {1, 1, 4, 16, "dotted floor has dots"},
        {7, 9, 1, 4, "outside tiles have a few dots"},
        {10, 13, 1, 3, "inside tiles have one small mark"},
        {89, 97, 56, 63, "walls are black blocks with a small white mark"},
    };
    for (const Case& c : cases) {
        for (int code = c.firstCode; code <= c.lastCode; ++code) {
            const int black = blackCount(pictureOf(sheet, code));
            EXPECT_GE(black, c.fewestBlack) << c.what << ", code " << code;
            EXPECT_LE(black, c.mostBlack) << c.what << ", code " << code;
        }
    }
}

TEST_F(TileSheet, DoorsStandUprightOnEvenCodesAndLieOnOddCodes) {
    for (int code = 168; code <= 176; code += 2) {
        const QSize upright = blackExtent(pictureOf(sheet, code));
        const QSize lying = blackExtent(pictureOf(sheet, code + 1));
        EXPECT_EQ(upright.height(), 8) << "code " << code;
        EXPECT_LE(upright.width(), 4) << "code " << code;
        EXPECT_EQ(lying.width(), 8) << "code " << code + 1;
        EXPECT_LE(lying.height(), 4) << "code " << code + 1;
    }
}

TEST_F(TileSheet, IsExactlyWhatTilesTxtDraws) {
    QFile source(QStringLiteral(VRH_ASSETS_SOURCE_DIR "/tiles.txt"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QImage drawn = art::renderTileSheet(
        art::readTilePictures(QString::fromUtf8(source.readAll()), QStringLiteral("tiles.txt")));
    ASSERT_EQ(drawn.size(), sheet.size());
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            ASSERT_EQ(sheet.pixel(x, y), drawn.pixel(x, y)) << "at " << x << "," << y;
        }
    }
}

} // namespace
} // namespace vrh
