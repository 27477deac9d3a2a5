// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/regions/floodfill.h"
#include "commands/regions/regiontestlevel.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

using testing::gridOf;
using testing::levelFrom;

const std::vector<std::string> kRooms = {
    "..#.....", "..#.##..", "##..#o..", "....#...", "o..#....",
};

TEST(FloodFill, FillsTheCellsJoinedThroughTheirSidesWithinTheArea) {
    struct Case {
        const char* what;
        QPoint start;
        std::uint8_t code;
        QRect area;
        int changed;
        std::vector<std::string> expected;
    };
    const QRect level(0, 0, 8, 5);
    const Case cases[] = {
        {"a closed room",
         {0, 0},
         7,
         level,
         4,
         {"xx#.....", "xx#.##..", "##..#o..", "....#...", "o..#...."}},
        {"round corners, never where two cells only touch at a corner",
         {7, 0},
         7,
         level,
         25,
         {"..#xxxxx", "..#x##xx", "##xx#oxx", "xxxx#xxx", "oxx#xxxx"}},
        {"the walls",
         {2, 0},
         54,
         level,
         2,
         {"..k.....", "..k.##..", "##..#o..", "....#...", "o..#...."}},
        {"one cell on its own",
         {5, 2},
         54,
         level,
         1,
         {"..#.....", "..#.##..", "##..#k..", "....#...", "o..#...."}},
        {"within a selection",
         {7, 4},
         7,
         QRect(5, 2, 3, 3),
         8,
         {"..#.....", "..#.##..", "##..#oxx", "....#xxx", "o..#.xxx"}},
        {"the code it holds already", {0, 0}, 0, level, 0, kRooms},
        {"a start outside the area", {0, 0}, 7, QRect(5, 2, 3, 3), 0, kRooms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LevelRecord level = levelFrom(kRooms);
        EXPECT_EQ(floodFill(level, c.start, c.code, c.area), c.changed);
        EXPECT_EQ(gridOf(level), gridOf(c.expected));
    }
}

TEST(FloodFill, AWholeFullLevelStopsAtItsEdge) {
    LevelRecord level;
    level.width = 32;
    level.height = 32;
    EXPECT_EQ(floodFill(level, {31, 31}, 7, QRect(0, 0, 32, 32)), 1024);
    LevelRecord small;
    small.tiles[20][20] = 0;
    EXPECT_EQ(floodFill(small, {3, 3}, 7, QRect(0, 0, 32, 32)), 12 * 8);
    EXPECT_EQ(small.tiles[0][12], 0); // beyond the width
    EXPECT_EQ(small.tiles[8][0], 0);  // beyond the height
}

TEST(Replace, EveryCellOfTheAreaHoldingTheCodeGetsTheNewOne) {
    LevelRecord level = levelFrom(kRooms);
    EXPECT_EQ(replaceCode(level, 89, 54, QRect(0, 0, 4, 5)), 5);
    EXPECT_EQ(gridOf(level), gridOf({"..k.....", "..k.##..", "kk..#o..", "....#...", "o..k...."}));
    EXPECT_EQ(replaceCode(level, 1, 1, QRect(0, 0, 8, 5)), 0);
    level.tiles[0][9] = 89; // beyond the level's width
    EXPECT_EQ(replaceCode(level, 89, 7, QRect(0, 0, 32, 32)), 4);
    EXPECT_EQ(level.tiles[0][9], 89);
}

TEST(FillAt, FillsOrReplacesInsideTheSelectionAndSaysWhat) {
    struct Case {
        const char* what;
        std::optional<QRect> selection;
        QPoint cell;
        FillKind kind;
        std::uint8_t code;
        const char* status;
        int changed;
    };
    using enum FillKind;
    const Case cases[] = {
        {"flood in the level", std::nullopt, {0, 0}, Flood, 89, "Filled 4 cells", 4},
        {"replace in the level", std::nullopt, {2, 0}, Replace, 7, "Replaced 9 cells", 9},
        {"flood in a selection", QRect(0, 3, 3, 2), {0, 3}, Flood, 89, "Filled 5 cells", 5},
        {"replace in a selection", QRect(0, 2, 4, 3), {1, 2}, Replace, 7, "Replaced 3 cells", 3},
        {"one cell", std::nullopt, {5, 2}, Flood, 89, "Filled 1 cells", 1},
        {"nothing to change", std::nullopt, {4, 3}, Replace, 89, "Replaced 0 cells", 0},
        {"outside the selection", QRect(0, 3, 3, 2), {5, 0}, Flood, 89, "Outside the selection", 0},
        {"outside the level", std::nullopt, {8, 0}, Replace, 7, "Out of level", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LevelRecord level = levelFrom(kRooms);
        const LevelRecord before = level;
        const FillResult result = fillAt(level, c.selection, c.cell, c.code, c.kind);
        EXPECT_EQ(result.status, QString::fromLatin1(c.status));
        EXPECT_EQ(result.changed, c.changed);
        int differing = 0;
        for (int y = 0; y < kGridSize; ++y) {
            for (int x = 0; x < kGridSize; ++x) {
                differing += level.tiles[y][x] != before.tiles[y][x];
            }
        }
        EXPECT_EQ(differing, c.changed);
    }
}

} // namespace
} // namespace vrh
