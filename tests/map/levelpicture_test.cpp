// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/levelpicture.h"

#include "assets/assets.h"
#include "map/drawlevel.h"

#include <QFontDatabase>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace vrh {
namespace {

const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kLightGreen = qRgb(128, 255, 128);
const QRgb kGreen = qRgb(0, 192, 0);
const QRgb kLightBlue = qRgb(128, 128, 255);
const QRgb kBlue = qRgb(0, 0, 192);

// A 20 x 10 level: tile 89 at (3, 2) and, beyond its edge, at (20, 0); start at the top left,
// finish at the bottom right, the blocks side by side at (5, 5) and (6, 5).
LevelRecord sampleLevel() {
    LevelRecord level;
    level.width = 20;
    level.height = 10;
    level.tiles[2][3] = 89;
    level.tiles[0][20] = 89;
    level.finishX = 19;
    level.finishY = 9;
    level.putX = 5;
    level.putY = 5;
    level.takeX = 6;
    level.takeY = 5;
    return level;
}

// A pixel of the picture and what it shows: a colour, or the pixel of a tile of the sheet.
struct Probe {
    int x;
    int y;
    QRgb colour;
    int tile = -1; // when set, the colour is the tile's pixel at (x mod 16, y mod 16)
};

TEST(LevelPicture, SizesMarkersTilesAndBands) {
    const QImage sheet = prepareTileSheet(tileSheet());
    struct Case {
        const char* what;
        std::function<QImage()> draw;
        QSize size;
        std::vector<Probe> probes;
    };
    const ShownMarkers fresh;
    const ShownMarkers blocksOnly{false, false, true, true};
    const auto changed = [](void (*change)(LevelRecord&)) {
        LevelRecord level = sampleLevel();
        change(level);
        return level;
    };
    const LevelRecord oversized =
        changed([](LevelRecord& l) { l.width = 200, l.height = 33, l.startX = 31, l.startY = 31; });
    const LevelRecord shared = changed([](LevelRecord& l) { l.finishX = 0, l.finishY = 0; });
    const LevelRecord empty = changed([](LevelRecord& l) { l.width = 0; });
    Levelset five;
    resetLevelset(five);
    five.numLevels = 5;
    five.levels[0] = sampleLevel();
    Levelset none = five;
    none.numLevels = 0;

    const Case cases[] = {
        {"the level's own cells, start and finish shown",
         [&] { return levelPicture(sampleLevel(), sheet, fresh); },
         {320, 160},
         {{0, 0, kLightGreen},
          {1, 15, kLightGreen},
          {2, 2, 0, 0},
          {319, 159, kGreen},
          {304, 145, kGreen},
          {306, 146, 0, 0},
          {5 * 16, 5 * 16, 0, 0},          // the block to put, hidden
          {3 * 16 + 7, 2 * 16 + 9, 0, 89}, // a tile
          {3 * 16 + 12, 2 * 16 + 3, 0, 89}}},
        {"the blocks shown, start and finish hidden",
         [&] { return levelPicture(sampleLevel(), sheet, blocksOnly); },
         {320, 160},
         {{0, 0, 0, 0},
          {319, 159, 0, 0},
          {5 * 16, 5 * 16, kLightBlue},
          {5 * 16 + 15, 5 * 16 + 8, kLightBlue},
          {6 * 16, 5 * 16 + 8, kBlue},
          {6 * 16 + 8, 5 * 16 + 8, 0, 0}}},
        {"each marker carries its letter in its colour, edged in black or white",
         [&] {
             return levelPicture(sampleLevel(), sheet, {true, true, true, true, true});
         },
         {320, 160},
         {{0, 0, kLightGreen},
          {6, 4, kLightGreen}, // the S's top
          {5, 4, kBlack},
          {12, 12, 0, 0},
          {19 * 16 + 5, 9 * 16 + 4, kGreen}, // the F's top left
          {19 * 16 + 4, 9 * 16 + 4, kWhite},
          {5 * 16 + 5, 5 * 16 + 10, kLightBlue}, // the P's foot
          {5 * 16 + 6, 5 * 16 + 10, kBlack},
          {6 * 16 + 7, 5 * 16 + 7, kBlue}, // the T's stem
          {6 * 16 + 6, 5 * 16 + 7, kWhite},
          {6 * 16 + 5, 5 * 16 + 7, 0, 0}}},
        {"a size beyond the grid is held to it, the start in the last cell",
         [&] { return levelPicture(oversized, sheet, fresh); },
         {512, 512},
         {{511, 511, kLightGreen}, {20 * 16 + 5, 5, 0, 89}}},
        {"finish over start: the later marker on top",
         [&] { return levelPicture(shared, sheet, fresh); },
         {320, 160},
         {{0, 0, kGreen}}},
        {"a level without cells", [&] { return levelPicture(empty, sheet, fresh); }, {0, 0}, {}},
        {"five levels: four a row under their bands, silver beyond",
         [&] { return allLevelsPicture(five, sheet, fresh); },
         {4 * 512, 2 * 528},
         {{0, 0, kWhite},
          {511, 15, kWhite},
          {0, 16, kLightGreen},
          {3 * 16 + 7, 16 + 2 * 16 + 9, 0, 89},
          {20 * 16 + 5, 16 + 5, kSilver}, // beyond the 20 x 10 level's edge
          {100, 16 + 511, kSilver},
          {512, 16, kLightGreen}, // level 2, a fresh one
          {512 + 12 * 16 + 4, 16 + 4, kSilver},
          {3 * 512 + 511, 15, kWhite},
          {0, 528, kWhite},
          {0, 528 + 16, kLightGreen},
          {512, 528, kSilver}, // no sixth level: no band
          {4 * 512 - 1, 2 * 528 - 1, kSilver}}},
        {"no level", [&] { return allLevelsPicture(none, sheet, fresh); }, {0, 0}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage picture = c.draw();
        ASSERT_EQ(picture.size(), c.size);
        EXPECT_EQ(picture.isNull(), c.size.isEmpty());
        for (const Probe& p : c.probes) {
            const QRgb expected = p.tile < 0 ? p.colour
                                             : sheet.pixel(16 * (p.tile % 8) + p.x % 16,
                                                           16 * (p.tile / 8) + p.y % 16);
            EXPECT_EQ(QColor(picture.pixel(p.x, p.y)), QColor(expected)) << p.x << ", " << p.y;
        }
    }
}

// "Level N" in black on white: nothing grey, some black, in each of the five bands.
TEST(LevelPicture, BandsNameTheirLevelsInBlackOnWhite) {
    if (QFontDatabase::families().isEmpty()) {
        GTEST_SKIP() << "this platform's font database has no font to draw text with";
    }
    Levelset five;
    resetLevelset(five);
    five.numLevels = 5;
    const QImage picture = allLevelsPicture(five, prepareTileSheet(tileSheet()), ShownMarkers{});
    std::vector<QImage> bands;
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE(index);
        const QImage band = picture.copy(index % 4 * 512, index / 4 * 528, 512, 16);
        int black = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 512; ++x) {
                const QRgb pixel = band.pixel(x, y) & 0xffffff;
                ASSERT_TRUE(pixel == 0 || pixel == 0xffffff) << x << ", " << y;
                black += pixel == 0;
            }
        }
        EXPECT_GT(black, 20);
        for (const QImage& before : bands) {
            EXPECT_NE(band, before); // a different number
        }
        bands.push_back(band);
    }
}

} // namespace
} // namespace vrh
