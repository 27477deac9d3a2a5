// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/mapediting.h"

#include "support/scriptedrandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

namespace vrh {
namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(PixelToCell, RoundsHalfToEvenThenTruncatesTowardZero) {
    struct Case {
        double pixel;
        int cell;
    };
    const Case cases[] = {
        {0, 0},    {15, 0},   {15.4, 0},     {15.5, 1},       {16, 1},     {31, 1},
        {31.5, 2}, {46.5, 2}, {47.5, 3},     {496, 31},       {511, 31},   {512, 32},
        {-0.4, 0}, {-1, 0},   {-14.5, 0},    {-15, 0},        {-15.5, -1}, {-16, -1},
        {-31, -1}, {-32, -2}, {1e12, 32767}, {-1e12, -32767},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pixelToCell(c.pixel), c.cell) << c.pixel;
    }
}

TEST(StatusTexts, HoverIsPlainAndPaintingKeepsTheSignPosition) {
    struct Case {
        QString text;
        const char* expected;
    };
    const Case cases[] = {
        {hoverStatus(3, 5, 89), "X: 3, Y: 5, Tile: 89"},
        {hoverStatus(0, 31, 255), "X: 0, Y: 31, Tile: 255"},
        {paintStatus(3, 5), "X:  3, Y:  5"},
        {paintStatus(0, 0), "X:  0, Y:  0"},
        {paintStatus(31, 12), "X:  31, Y:  12"},
        {paintStatus(-1, -16), "X: -1, Y: -16"},
        {kOutOfLevel, "Out of level"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text, QString::fromLatin1(c.expected));
    }
}

TEST(RandomTile, FormulasAtTheirBoundaries) {
    struct Case {
        std::int16_t mode;
        float r;
        int tile; // -1: the mode paints nothing
    };
    const Case cases[] = {
        {RandomWall, 0.0f, 89},
        {RandomWall, 0.2499f, 89}, // 88.99: no wall below 89
        {RandomWall, 0.25f, 89},
        {RandomWall, 0.3334f, 90},
        {RandomWall, 0.5f, 92},
        {RandomWall, kLargestBelowOne, 97}, // in single precision this would be 98
        {RandomInside, 0.0f, 10},
        {RandomInside, 0.25f, 11},
        {RandomInside, 0.7499f, 12},
        {RandomInside, kLargestBelowOne, 13},
        {RandomOutside, 0.0f, 7},
        {RandomOutside, 0.3333f, 7},
        {RandomOutside, 0.3334f, 8},
        {RandomOutside, kLargestBelowOne, 9},
        {SetPositions, 0.5f, -1},
        {4, 0.5f, -1},
    };
    for (const Case& c : cases) {
        const auto tile = randomTile(c.mode, c.r);
        EXPECT_EQ(tile ? int{*tile} : -1, c.tile) << "mode " << c.mode << " r " << c.r;
    }
}

TEST(RandomTile, DrawsOnlyInARandomMode) {
    testing::ScriptedRandom random;
    random.draws = {0.5f};
    EXPECT_FALSE(randomTile(SetPositions, random));
    EXPECT_EQ(random.draws.size(), 1u);
    EXPECT_EQ(randomTile(RandomInside, random), std::uint8_t{12});
    EXPECT_TRUE(random.draws.empty());
}

TEST(FixedStartRandom, EveryFreshGeneratorGivesTheSameSequenceInZeroToOne) {
    FixedStartRandom first;
    FixedStartRandom second;
    std::map<float, int> distinct;
    for (int i = 0; i < 10000; ++i) {
        const float r = first.next();
        ASSERT_EQ(r, second.next()) << "draw " << i;
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++distinct[r];
    }
    EXPECT_GT(distinct.size(), 9900u);
}

TEST(FixedStartRandom, ModesPaintTheirTilesEquallyOften) {
    struct Case {
        std::int16_t mode;
        std::map<int, double> share; // expected share of each tile; no other tile allowed
    };
    const Case cases[] = {
        {RandomWall,
         {{89, 4.0 / 12},
          {90, 1.0 / 12},
          {91, 1.0 / 12},
          {92, 1.0 / 12},
          {93, 1.0 / 12},
          {94, 1.0 / 12},
          {95, 1.0 / 12},
          {96, 1.0 / 12},
          {97, 1.0 / 12}}},
        {RandomInside, {{10, 0.25}, {11, 0.25}, {12, 0.25}, {13, 0.25}}},
        {RandomOutside, {{7, 1.0 / 3}, {8, 1.0 / 3}, {9, 1.0 / 3}}},
    };
    constexpr int kDraws = 60000;
    for (const Case& c : cases) {
        FixedStartRandom random;
        std::map<int, int> counts;
        for (int i = 0; i < kDraws; ++i) {
            ++counts[*randomTile(c.mode, random)];
        }
        for (const auto& [tile, count] : counts) {
            ASSERT_TRUE(c.share.contains(tile)) << "mode " << c.mode << " painted " << tile;
        }
        for (const auto& [tile, share] : c.share) {
            const double expected = share * kDraws;
            EXPECT_NEAR(counts[tile], expected, expected * 0.1)
                << "mode " << c.mode << " tile " << tile;
        }
    }
}

TEST(Popups, StoreWhereTheyWereOpenedIntoTheCurrentLevel) {
    struct Case {
        LevelPosition which;
        std::uint8_t LevelRecord::*x;
        std::uint8_t LevelRecord::*y;
    };
    const Case cases[] = {
        {LevelPosition::Start, &LevelRecord::startX, &LevelRecord::startY},
        {LevelPosition::Finish, &LevelRecord::finishX, &LevelRecord::finishY},
        {LevelPosition::Put, &LevelRecord::putX, &LevelRecord::putY},
        {LevelPosition::Take, &LevelRecord::takeX, &LevelRecord::takeY},
    };
    for (const Case& c : cases) {
        LevelRecord level;
        EditingState state;
        setPositionFromPopup(level, state, c.which);
        EXPECT_EQ(level.headerBytes(), LevelRecord{}.headerBytes());

        state.popupX = 31;
        state.popupY = 7;
        setPositionFromPopup(level, state, c.which);
        LevelRecord expected;
        expected.*c.x = 31;
        expected.*c.y = 7;
        EXPECT_EQ(level.headerBytes(), expected.headerBytes());
    }

    LevelRecord level;
    EditingState state;
    setTypeFromPopup(level, state, BlockType::Put);
    EXPECT_EQ(level.headerBytes(), LevelRecord{}.headerBytes());
    state.popupTile = 177;
    setTypeFromPopup(level, state, BlockType::Take);
    EXPECT_EQ(level.takeType, 177);
    EXPECT_EQ(level.putType, LevelRecord{}.putType);
    state.popupTile = 60;
    setTypeFromPopup(level, state, BlockType::Put);
    EXPECT_EQ(level.putType, 60);
    EXPECT_EQ(level.takeType, 177);
}

} // namespace
} // namespace vrh
