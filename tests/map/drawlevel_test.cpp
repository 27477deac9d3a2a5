// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/drawlevel.h"

#include "assets/assets.h"
#include "map/leveloverview.h"
#include "map/pictureview.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

const QRgb kSilver = qRgb(192, 192, 192);

QImage sheetTile(const QImage& sheet, int code) {
    return sheet.copy(16 * (code % 8), 16 * (code / 8), 16, 16);
}

QImage mapCell(const QImage& map, int x, int y) {
    return map.copy(16 * x, 16 * y, 16, 16);
}

class DrawLevelTest : public ::testing::Test {
  protected:
    QImage sheet = prepareTileSheet(tileSheet());
    QImage back = makeMapImage();
};

TEST_F(DrawLevelTest, FreshLevelShowsTwelveByEightTilesAndSilverBeyond) {
    back.fill(Qt::red); // whatever was shown before must not matter
    LevelRecord level;
    drawLevel(level, sheet, back);

    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QImage cell = mapCell(back, x, y);
            if (x < 12 && y < 8) {
                EXPECT_EQ(cell, sheetTile(sheet, 0)) << x << "," << y;
            } else {
                for (int py = 0; py < 16; ++py) {
                    for (int px = 0; px < 16; ++px) {
                        ASSERT_EQ(cell.pixel(px, py), kSilver) << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST_F(DrawLevelTest, EveryCellOfAFullLevelIsItsOwnTilePicture) {
    LevelRecord level;
    level.width = 32;
    level.height = 32;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            level.tiles[y][x] = static_cast<std::uint8_t>((x * 7 + y * 13) % 256);
        }
    }
    drawLevel(level, sheet, back);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(mapCell(back, x, y), sheetTile(sheet, level.tiles[y][x])) << x << "," << y;
        }
    }
}

TEST_F(DrawLevelTest, CellsOutsideTheSizeAreDrawnAsCode255WhateverTheyHold) {
    LevelRecord level;
    level.width = 20;
    level.height = 10;
    level.tiles[0][19] = 5;
    level.tiles[0][20] = 5;  // beyond the width
    level.tiles[10][0] = 5;  // beyond the height
    level.tiles[1][1] = 200; // a silver code inside looks like the outside
    drawLevel(level, sheet, back);
    EXPECT_EQ(mapCell(back, 19, 0), sheetTile(sheet, 5));
    EXPECT_EQ(mapCell(back, 20, 0), sheetTile(sheet, 255));
    EXPECT_EQ(mapCell(back, 0, 10), sheetTile(sheet, 255));
    EXPECT_EQ(mapCell(back, 1, 1), mapCell(back, 31, 31));
}

// The Levels window's picture is the map shrunk to a quarter, cell for cell: each 4 x 4 block
// the average of the map's 16 x 16 cell, the outside silver.
TEST_F(DrawLevelTest, OverviewIsTheMapAtAQuarterOfItsSize) {
    struct Case {
        const char* what;
        int width, height;
    };
    const Case cases[] = {{"fresh size", 12, 8}, {"full grid", 32, 32}, {"a file's 40 x 3", 40, 3}};
    const QImage overviewSheet = prepareOverviewSheet(sheet);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LevelRecord level;
        level.width = static_cast<std::uint8_t>(c.width);
        level.height = static_cast<std::uint8_t>(c.height);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                level.tiles[y][x] = static_cast<std::uint8_t>((x * 7 + y * 13) % 256);
            }
        }
        drawLevel(level, sheet, back);
        const QImage overview = drawLevelOverview(level, overviewSheet);
        EXPECT_EQ(overview, back.scaled(128, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        EXPECT_EQ(overview.pixel(127, 127) == kSilver, c.height < 32);
    }
}

TEST(MarkerFrame, TwoPixelOutlineInsideTheCellOverTheImage) {
    PictureView view(QStringLiteral("view"), QSize(128, 64));
    view.image().fill(Qt::white);
    MarkerFrame& below = view.addMarker(QStringLiteral("below"), QColor(0, 0, 192), true);
    MarkerFrame& above = view.addMarker(QStringLiteral("above"), QColor(255, 128, 0), true);
    MarkerFrame& hidden = view.addMarker(QStringLiteral("hidden"), QColor(0, 192, 0), false);
    below.setCell(3, 2);
    above.setCell(1, 0);
    hidden.setCell(5, 1);

    const QImage shown = view.composedImage();
    const QRgb blue = qRgb(0, 0, 192);
    for (int py = 0; py < 16; ++py) {
        for (int px = 0; px < 16; ++px) {
            const bool ring = px < 2 || px > 13 || py < 2 || py > 13;
            EXPECT_EQ(shown.pixel(48 + px, 32 + py), ring ? blue : qRgb(255, 255, 255))
                << px << "," << py;
        }
    }
    EXPECT_EQ(shown.pixel(47, 32), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(64, 32), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(80, 16), qRgb(255, 255, 255)); // the hidden one
    // Where two share a cell, the one added later lies on top.
    below.setCell(1, 0);
    EXPECT_EQ(view.composedImage().pixel(16, 0), qRgb(255, 128, 0));
    // The image itself never holds a marker.
    EXPECT_EQ(view.image().pixel(16, 0), qRgb(255, 255, 255));

    hidden.setVisible(true);
    EXPECT_EQ(view.composedImage().pixel(81, 17), qRgb(0, 192, 0));
    above.setTile(9); // palette placement: column 1, row 1
    EXPECT_EQ(above.position(), QPoint(16, 16));
}

} // namespace
} // namespace vrh
