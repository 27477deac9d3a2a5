// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/shapes.h"
#include "commands/levels/tilenames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace vrh {
namespace {

using Cells = std::vector<QPoint>;

TEST(Shapes, CellsOfLinesRectanglesAndStrokes) {
    struct Case {
        const char* what;
        Cells cells;
        Cells expected;
    };
    const Case cases[] = {
        {"a line of one cell", lineCells({3, 4}, {3, 4}), {{3, 4}}},
        {"a shallow line, in the order drawn",
         lineCells({0, 0}, {4, 2}),
         {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {"a line drawn leftwards", lineCells({3, 1}, {0, 1}), {{3, 1}, {2, 1}, {1, 1}, {0, 1}}},
        {"a steep line upwards", lineCells({1, 3}, {0, 0}), {{1, 3}, {1, 2}, {0, 1}, {0, 0}}},
        {"a line tool's cells come in row order",
         shapeCells(DrawingTool::Line, {3, 1}, {0, 0}),
         {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {"a rectangle's outline, from any corner",
         shapeCells(DrawingTool::Rectangle, {2, 3}, {0, 1}),
         {{0, 1}, {1, 1}, {2, 1}, {0, 2}, {2, 2}, {0, 3}, {1, 3}, {2, 3}}},
        {"a filled rectangle",
         shapeCells(DrawingTool::FilledRectangle, {5, 5}, {6, 6}),
         {{5, 5}, {6, 5}, {5, 6}, {6, 6}}},
        {"a rectangle one cell high",
         shapeCells(DrawingTool::Rectangle, {0, 2}, {2, 2}),
         {{0, 2}, {1, 2}, {2, 2}}},
        {"the pencil draws no shape", shapeCells(DrawingTool::Pencil, {0, 0}, {3, 3}), {}},
        {"a stroke that stays paints its cell", strokeCells({2, 2}, {2, 2}), {{2, 2}}},
        {"a stroke's jump paints the cells after the one it left",
         strokeCells({0, 0}, {3, 1}),
         {{1, 0}, {2, 1}, {3, 1}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.cells, c.expected) << c.what;
    }
}

// Every line is unbroken: each cell touches the one before it, side or corner, and the line
// is as long as its longer side.
TEST(Shapes, EveryLineIsUnbrokenAndAsShortAsItCanBe) {
    for (int x = -6; x <= 6; ++x) {
        for (int y = -6; y <= 6; ++y) {
            const Cells cells = lineCells({1, 2}, {1 + x, 2 + y});
            ASSERT_EQ(cells.size(), std::size_t(std::max(std::abs(x), std::abs(y)) + 1));
            EXPECT_EQ(cells.back(), QPoint(1 + x, 2 + y));
            for (std::size_t i = 1; i < cells.size(); ++i) {
                const QPoint step = cells[i] - cells[i - 1];
                EXPECT_LE(std::max(std::abs(step.x()), std::abs(step.y())), 1) << x << ", " << y;
            }
        }
    }
}

TEST(Shapes, StatusTextsAndStepNames) {
    EXPECT_EQ(shapeStatus(DrawingTool::Line, {0, 0}, {4, 2}), QStringLiteral("Line: 5 cells"));
    EXPECT_EQ(shapeStatus(DrawingTool::Line, {3, 3}, {3, 3}), QStringLiteral("Line: 1 cells"));
    EXPECT_EQ(shapeStatus(DrawingTool::Rectangle, {4, 5}, {2, 3}),
              QStringLiteral("Rectangle: 3 x 3"));
    EXPECT_EQ(shapeStatus(DrawingTool::FilledRectangle, {10, 6}, {13, 7}),
              QStringLiteral("Rectangle: 4 x 2"));
    EXPECT_EQ(shapeStepName(DrawingTool::Line), QStringLiteral("Line"));
    EXPECT_EQ(shapeStepName(DrawingTool::Rectangle), QStringLiteral("Rectangle"));
    EXPECT_EQ(shapeStepName(DrawingTool::FilledRectangle), QStringLiteral("Filled Rectangle"));
}

TEST(TileNames, ThePalettesTooltipNamesTheTilesTheGameKnows) {
    const std::pair<int, const char*> cases[] = {
        {0, "Tile 0: normal floor"},
        {1, "Tile 1: hatchery floor"},
        {2, "Tile 2"},
        {7, "Tile 7: random outside tile"},
        {9, "Tile 9: random outside tile"},
        {10, "Tile 10: random inside tile"},
        {13, "Tile 13: random inside tile"},
        {14, "Tile 14"},
        {53, "Tile 53"},
        {54, "Tile 54: key pass"},
        {55, "Tile 55: white key"},
        {56, "Tile 56: checkered key"},
        {57, "Tile 57: black key"},
        {58, "Tile 58: ammo"},
        {59, "Tile 59: credit"},
        {60, "Tile 60: credit"},
        {61, "Tile 61: first aid"},
        {62, "Tile 62: invincibility"},
        {63, "Tile 63: extra life"},
        {64, "Tile 64"},
        {69, "Tile 69: alien hole"},
        {70, "Tile 70: alien hole"},
        {71, "Tile 71: worm"},
        {72, "Tile 72: face hugger"},
        {73, "Tile 73: normal alien"},
        {74, "Tile 74: strong alien"},
        {75, "Tile 75: security guard"},
        {88, "Tile 88"},
        {89, "Tile 89: random wall tile"},
        {97, "Tile 97: random wall tile"},
        {98, "Tile 98"},
        {167, "Tile 167"},
        {168, "Tile 168: normal door"},
        {169, "Tile 169: normal door"},
        {170, "Tile 170: security door"},
        {171, "Tile 171: security door"},
        {172, "Tile 172: white door"},
        {173, "Tile 173: white door"},
        {174, "Tile 174: checkered door"},
        {175, "Tile 175: checkered door"},
        {176, "Tile 176: black door"},
        {177, "Tile 177: black door"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(tileToolTip(code), QString::fromLatin1(text));
    }
}

} // namespace
} // namespace vrh
