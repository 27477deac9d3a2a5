// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/levelrules.h"
#include "commands/levels/levelsetcheck.h"

#include <gtest/gtest.h>

#include <string>

namespace vrh {
namespace {

enum class Resize { DecreaseWidth, IncreaseWidth, DecreaseHeight, IncreaseHeight };

void run(Resize resize, LevelRecord& level) {
    switch (resize) {
    case Resize::DecreaseWidth:
        return decreaseWidth(level);
    case Resize::IncreaseWidth:
        return increaseWidth(level);
    case Resize::DecreaseHeight:
        return decreaseHeight(level);
    case Resize::IncreaseHeight:
        return increaseHeight(level);
    }
}

TEST(Resize, KeepsTwelveToThirtyTwoColumnsAndEightToThirtyTwoRows) {
    struct Case {
        const char* what;
        int width;
        int height;
        Resize resize;
        int times;
        int widthAfter;
        int heightAfter;
    };
    const Case cases[] = {
        {"narrower than new", 12, 8, Resize::DecreaseWidth, 1, 12, 8},
        {"lower than new", 12, 8, Resize::DecreaseHeight, 1, 12, 8},
        {"wider", 12, 8, Resize::IncreaseWidth, 1, 13, 8},
        {"twenty wider", 12, 8, Resize::IncreaseWidth, 20, 32, 8},
        {"one past the widest", 12, 8, Resize::IncreaseWidth, 21, 32, 8},
        {"twenty-four higher", 12, 8, Resize::IncreaseHeight, 24, 12, 32},
        {"one past the highest", 12, 8, Resize::IncreaseHeight, 25, 12, 32},
        {"narrower", 20, 8, Resize::DecreaseWidth, 3, 17, 8},
        {"lower", 12, 32, Resize::DecreaseHeight, 30, 12, 8},
        // Sizes below the limits only come from a file.
        {"file width below 12 not decreased", 5, 3, Resize::DecreaseWidth, 1, 5, 3},
        {"file height below 8 not decreased", 5, 3, Resize::DecreaseHeight, 1, 5, 3},
        {"file width below 12 increased", 5, 3, Resize::IncreaseWidth, 1, 6, 3},
        {"file height below 8 increased", 5, 3, Resize::IncreaseHeight, 1, 5, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LevelRecord level;
        level.width = static_cast<std::uint8_t>(c.width);
        level.height = static_cast<std::uint8_t>(c.height);
        for (int i = 0; i < c.times; ++i) {
            run(c.resize, level);
        }
        EXPECT_EQ(level.width, c.widthAfter);
        EXPECT_EQ(level.height, c.heightAfter);
    }
}

// The Level Size dialog's boxes hold what the level holds; a size is kept within the dialog's
// range, so a small size a file brought can grow a little, as the steps let it.
TEST(Resize, LevelSizeSetsBothAtOnceWithinTheLimits) {
    struct Case {
        int width, height;
        int smallestWidth, smallestHeight, largestWidth;
        int newWidth, newHeight;
        int widthAfter, heightAfter;
    };
    const Case cases[] = {
        {12, 8, 12, 8, 32, 20, 14, 20, 14}, {12, 8, 12, 8, 32, 40, 2, 32, 8},
        {5, 3, 5, 3, 32, 5, 3, 5, 3},       {5, 3, 5, 3, 32, 20, 3, 20, 3},
        {5, 3, 5, 3, 32, 6, 4, 6, 4},       {5, 3, 5, 3, 32, 4, 2, 5, 3},
        {40, 8, 12, 8, 40, 40, 9, 40, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " to " +
                     std::to_string(c.newWidth) + " x " + std::to_string(c.newHeight));
        LevelRecord level;
        level.width = static_cast<std::uint8_t>(c.width);
        level.height = static_cast<std::uint8_t>(c.height);
        level.finishX = 31;
        const LevelRecord before = level;
        EXPECT_EQ(widthRange(level).smallest, c.smallestWidth);
        EXPECT_EQ(widthRange(level).largest, c.largestWidth);
        EXPECT_EQ(heightRange(level).smallest, c.smallestHeight);
        EXPECT_EQ(heightRange(level).largest, 32);
        setLevelSize(level, c.newWidth, c.newHeight);
        EXPECT_EQ(level.width, c.widthAfter);
        EXPECT_EQ(level.height, c.heightAfter);
        EXPECT_EQ(level.tiles, before.tiles);
        EXPECT_EQ(level.finishX, 31);
    }
}

TEST(Resize, TouchesNeitherTilesNorPositions) {
    LevelRecord level;
    level.width = 20;
    level.height = 13;
    level.finishX = 19;
    level.finishY = 12;
    level.tiles[0][12] = 77;
    level.tiles[12][19] = 78;
    const LevelRecord before = level;

    for (int i = 0; i < 8; ++i) {
        decreaseWidth(level);
        decreaseHeight(level);
    }
    EXPECT_EQ(level.width, 12);
    EXPECT_EQ(level.height, 8);
    EXPECT_EQ(level.finishX, 19);
    EXPECT_EQ(level.finishY, 12);
    EXPECT_EQ(level.tiles, before.tiles);
    increaseWidth(level);
    EXPECT_EQ(level.tiles[0][12], 77); // the painted column shows again
}

TEST(SetFloor, SwapsTheOtherFloorInAll1024CellsAndNothingElse) {
    struct Case {
        const char* what;
        int levelType;
        std::uint8_t from;
        std::uint8_t to;
    };
    const Case cases[] = {
        {"normal", 0, 1, 0},
        {"hatchery", 1, 0, 1},
        {"other type", 2, 0, 0},
        {"other type keeps 1", 200, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LevelRecord level;
        level.levelType = static_cast<std::uint8_t>(c.levelType);
        int code = 0;
        for (auto& row : level.tiles) {
            for (std::uint8_t& cell : row) {
                cell = static_cast<std::uint8_t>(code++ % 256);
            }
        }
        LevelRecord expected = level;
        for (auto& row : expected.tiles) {
            for (std::uint8_t& cell : row) {
                if (cell == c.from) {
                    cell = c.to;
                }
            }
        }
        setFloor(level);
        EXPECT_EQ(level.tiles, expected.tiles);
        EXPECT_EQ(level.headerBytes(), expected.headerBytes());
    }
}

// Places `count` tiles of `code` in the level, row by row from the given row.
void place(LevelRecord& level, std::uint8_t code, int count, int fromRow = 0) {
    for (int i = 0; i < count; ++i) {
        level.tiles[fromRow + i / level.width][i % level.width] = code;
    }
}

// Saving stops at the first level that breaks a limit; --check reports every finding.
TEST(HolesAndGuards, LimitsPerLevelAndTheFirstLevelThatBreaksThem) {
    struct Tiles {
        std::uint8_t code;
        int count;
        int fromRow;
    };
    struct Case {
        const char* what;
        int numLevels;
        std::vector<std::pair<int, Tiles>> tiles; // level index, tiles
        int result;
        QStringList report;
        void (*change)(Levelset&) = nullptr;
    };
    const Case cases[] = {
        {"empty", 1, {}, 0, {}},
        {"no level", 0, {{0, {69, 11, 0}}}, 0, {}},
        {"10 holes and 5 guards", 1, {{0, {69, 10, 0}}, {0, {75, 5, 2}}}, 0, {}},
        {"11 holes",
         1,
         {{0, {70, 11, 0}}},
         1,
         {"Level 1: 11 alien holes, more than the 10 allowed"}},
        {"6 guards",
         1,
         {{0, {75, 6, 0}}},
         1,
         {"Level 1: 6 security guards, more than the 5 allowed"}},
        {"6 of 69 and 5 of 70, and 7 guards",
         1,
         {{0, {69, 6, 0}}, {0, {70, 5, 2}}, {0, {75, 7, 4}}},
         1,
         {"Level 1: 11 alien holes, more than the 10 allowed",
          "Level 1: 7 security guards, more than the 5 allowed"}},
        {"third level fails",
         3,
         {{0, {69, 10, 0}}, {2, {69, 11, 0}}},
         3,
         {"Level 3: 11 alien holes, more than the 10 allowed"}},
        {"second fails first",
         3,
         {{1, {75, 6, 0}}, {2, {69, 11, 0}}},
         2,
         {"Level 2: 6 security guards, more than the 5 allowed",
          "Level 3: 11 alien holes, more than the 10 allowed"}},
        {"beyond numLevels", 2, {{2, {69, 11, 0}}, {7, {75, 32, 0}}}, 0, {}},
        {"below the level's height", 1, {{0, {69, 24, 8}}}, 0, {}},
        {"eighth of eight",
         8,
         {{7, {75, 6, 0}}},
         8,
         {"Level 8: 6 security guards, more than the 5 allowed"}},
        {"positions on the last column and row are inside",
         1,
         {},
         0,
         {},
         [](Levelset& set) { set.levels[0].startX = 11, set.levels[0].startY = 7; }},
        {"every position one past the edge, in the order of the report",
         2,
         {{1, {69, 11, 0}}},
         2,
         {"Level 2: 11 alien holes, more than the 10 allowed",
          "Level 2: the start position, column 12 row 0, lies outside the level's 12 columns "
          "by 8 rows",
          "Level 2: the finish position, column 0 row 8, lies outside the level's 12 columns "
          "by 8 rows",
          "Level 2: the block to put position, column 255 row 255, lies outside the level's 12 "
          "columns by 8 rows",
          "Level 2: the block to take position, column 40 row 3, lies outside the level's 12 "
          "columns by 8 rows"},
         [](Levelset& set) {
             LevelRecord& level = set.levels[1];
             level.startX = 12;
             level.finishX = 0, level.finishY = 8;
             level.putX = 255, level.putY = 255;
             level.takeX = 40, level.takeY = 3;
         }},
        {"a position beyond numLevels",
         1,
         {},
         0,
         {},
         [](Levelset& set) { set.levels[1].startX = 31; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Levelset levelset;
        resetLevelset(levelset);
        levelset.numLevels = static_cast<std::uint8_t>(c.numLevels);
        for (const auto& [index, tiles] : c.tiles) {
            place(levelset.levels[index], tiles.code, tiles.count, tiles.fromRow);
        }
        if (c.change) {
            c.change(levelset);
        }
        EXPECT_EQ(checkHolesAndGuards(levelset), c.result);
        EXPECT_EQ(checkLevelset(levelset), c.report);
    }
}

TEST(HolesAndGuards, BeyondTheLevelsWidthNothingCounts) {
    Levelset levelset;
    resetLevelset(levelset);
    for (int y = 0; y < kGridSize; ++y) {
        levelset.levels[0].tiles[y][12] = 75;
        levelset.levels[0].tiles[y][13] = 69;
    }
    EXPECT_EQ(checkHolesAndGuards(levelset), 0);
    increaseWidth(levelset.levels[0]);
    EXPECT_EQ(checkHolesAndGuards(levelset), 1);
}

} // namespace
} // namespace vrh
