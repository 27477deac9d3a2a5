// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/levelrules.h"
#include "commands/regions/cellregion.h"
#include "commands/regions/regiontestlevel.h"

#include <gtest/gtest.h>

#include <optional>

namespace vrh {
namespace {

using testing::gridOf;
using testing::levelFrom;

TEST(Selection, ARectangleBetweenTwoCellsIsClippedToTheLevel) {
    struct Case {
        const char* what;
        QPoint press;
        QPoint now;
        int width;
        int height;
        std::optional<QRect> selected;
    };
    const Case cases[] = {
        {"down and right", {2, 1}, {5, 3}, 12, 8, QRect(2, 1, 4, 3)},
        {"up and left", {5, 3}, {2, 1}, 12, 8, QRect(2, 1, 4, 3)},
        {"one cell", {4, 4}, {4, 4}, 12, 8, QRect(4, 4, 1, 1)},
        {"ends right of the level", {9, 2}, {20, 4}, 12, 8, QRect(9, 2, 3, 3)},
        {"starts below the level", {3, 30}, {1, 6}, 12, 8, QRect(1, 6, 3, 2)},
        {"dragged out past the view's top left", {2, 2}, {-3, -1}, 12, 8, QRect(0, 0, 3, 3)},
        {"wholly outside", {13, 1}, {20, 5}, 12, 8, std::nullopt},
        {"the whole of a full level", {0, 0}, {31, 31}, 32, 32, QRect(0, 0, 32, 32)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LevelRecord level;
        level.width = static_cast<std::uint8_t>(c.width);
        level.height = static_cast<std::uint8_t>(c.height);
        EXPECT_EQ(selectionBetween(c.press, c.now, level), c.selected);
    }
}

TEST(Selection, StatusNamesSizeAndTopLeft) {
    EXPECT_EQ(selectionStatus(QRect(2, 5, 4, 3)), QStringLiteral("Selection: 4 x 3 at 2, 5"));
    EXPECT_EQ(selectionStatus(QRect(0, 0, 32, 32)), QStringLiteral("Selection: 32 x 32 at 0, 0"));
}

TEST(Floor, OneOnAHatcheryLevelZeroOnAnyOther) {
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {{0, 0}, {1, 1}, {2, 0}, {255, 0}};
    for (const auto& [type, floor] : cases) {
        LevelRecord level;
        level.levelType = type;
        EXPECT_EQ(floorCode(level), floor) << int(type);
    }
}

TEST(Cells, CopyFillAndPasteKeepToTheLevel) {
    const std::vector<std::string> start = {
        "#.#.",
        ".o..",
        "...k",
    };
    struct Case {
        const char* what;
        std::function<void(LevelRecord&)> act;
        std::vector<std::string> expected;
    };
    const CellBlock block{2, 2, {89, 1, 54, 7}};
    const Case cases[] = {
        {"fill a rectangle",
         [](LevelRecord& l) { fillCells(l, QRect(1, 0, 2, 2), 7); },
         {"#xx.", ".xx.", "...k"}},
        {"fill past the edge stops at it",
         [](LevelRecord& l) { fillCells(l, QRect(2, 1, 5, 9), 54); },
         {"#.#.", ".okk", "..kk"}},
        {"paste inside",
         [&](LevelRecord& l) {
             pasteCells(l, block, {1, 1});
         },
         {"#.#.", ".#o.", ".kxk"}},
        {"paste over the right and bottom edge",
         [&](LevelRecord& l) {
             pasteCells(l, block, {3, 2});
         },
         {"#.#.", ".o..", "...#"}},
        {"paste wholly outside",
         [&](LevelRecord& l) {
             pasteCells(l, block, {4, 0});
         },
         start},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LevelRecord level = levelFrom(start);
        c.act(level);
        EXPECT_EQ(gridOf(level), gridOf(c.expected));
    }

    const LevelRecord level = levelFrom(start);
    EXPECT_EQ(copyCells(level, QRect(1, 0, 3, 3)),
              (CellBlock{3, 3, {0, 89, 0, 1, 0, 0, 0, 0, 54}}));
    EXPECT_EQ(copyCells(level, QRect(3, 2, 1, 1)), (CellBlock{1, 1, {54}}));
}

TEST(Cells, APasteLandsOnThePartInsideTheLevel) {
    LevelRecord level = levelFrom({"....", "....", "...."});
    const CellBlock block{3, 2, {1, 1, 1, 1, 1, 1}};
    EXPECT_EQ(landingCells(level, block.size(), {2, 2}), QRect(2, 2, 2, 1));
    EXPECT_EQ(pasteCells(level, block, {2, 2}), QRect(2, 2, 2, 1));
    EXPECT_EQ(pasteCells(level, block, {0, 0}), QRect(0, 0, 3, 2));
    EXPECT_EQ(pasteCells(level, block, {4, 0}), std::nullopt);
}

} // namespace
} // namespace vrh
