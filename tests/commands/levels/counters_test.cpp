// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/counters.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

CounterReport (*const kReports[])(const LevelRecord&) = {countDoors, countEnemies, countPickups};

TEST(Counters, ANewLevelGivesEveryLineZero) {
    const LevelRecord level;
    const CounterReport expected[] = {
        {"Doors", "Normal Doors: 0\rSecurity Doors: 0\rWhite Doors: 0\rCheckered Doors: 0\r"
                  "Black Doors: 0"},
        {"Enemies", "Holes: 0\rWorms: 0\rFace Huggers: 0\rNormal Aliens: 0\rStrong Aliens: 0\r"
                    "Security Guards: 0"},
        {"Pick-ups", "Credits: 0\rAmmo: 0\rKey Passes: 0\rWhite Keys: 0\rCheckered Keys: 0\r"
                     "Black Keys: 0\rFirst Aids: 0\rInvincibilities: 0\rExtra Lives: 0"},
    };
    for (int i = 0; i < 3; ++i) {
        const CounterReport report = kReports[i](level);
        EXPECT_EQ(report.title, expected[i].title);
        EXPECT_EQ(report.text, expected[i].text);
    }
}

TEST(Counters, EveryCodeAddsToItsLine) {
    // Codes 54 to 75 twice each, door code 168 once up to 177 ten times, a few unclassed.
    LevelRecord level;
    level.width = 32;
    int cell = 0;
    const auto put = [&](std::uint8_t code, int count) {
        for (int i = 0; i < count; ++i, ++cell) {
            level.tiles[cell / 32][cell % 32] = code;
        }
    };
    for (int code = 54; code <= 75; ++code) {
        put(static_cast<std::uint8_t>(code), 2);
    }
    for (int code = 168; code <= 177; ++code) {
        put(static_cast<std::uint8_t>(code), code - 167); // 1 to 10 tiles
    }
    for (int code = 178; code <= 255; code += 11) {
        put(static_cast<std::uint8_t>(code), 1); // no class
    }
    ASSERT_LE(cell, 32 * 8);

    EXPECT_EQ(countDoors(level).text,
              "Normal Doors: 3\rSecurity Doors: 7\rWhite Doors: 11\rCheckered Doors: 15\r"
              "Black Doors: 19");
    EXPECT_EQ(countEnemies(level).text,
              "Holes: 4\rWorms: 2\rFace Huggers: 2\rNormal Aliens: 2\rStrong Aliens: 2\r"
              "Security Guards: 2");
    EXPECT_EQ(countPickups(level).text,
              "Credits: 220\rAmmo: 40\rKey Passes: 2\rWhite Keys: 2\rCheckered Keys: 2\r"
              "Black Keys: 2\rFirst Aids: 2\rInvincibilities: 2\rExtra Lives: 2");
}

TEST(Counters, OnlyCellsInsideTheLevelCount) {
    LevelRecord level;
    for (auto& row : level.tiles) {
        row.fill(60);
    }
    struct Case {
        int width;
        int height;
        const char* credits;
    };
    const Case cases[] = {
        {12, 8, "Credits: 9600\r"},
        {32, 32, "Credits: 102400\r"},
        {255, 255, "Credits: 102400\r"}, // a size no file may bring; never read past the grid
        {0, 32, "Credits: 0\r"},
    };
    for (const Case& c : cases) {
        level.width = static_cast<std::uint8_t>(c.width);
        level.height = static_cast<std::uint8_t>(c.height);
        EXPECT_TRUE(countPickups(level).text.startsWith(c.credits)) << c.width << "x" << c.height;
    }
}

} // namespace
} // namespace vrh
