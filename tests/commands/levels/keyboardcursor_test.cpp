// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/buttonpaint.h"
#include "commands/levels/keyboardcursor.h"

#include "support/scriptedrandom.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

// A 12 x 8 level: columns 0..11, rows 0..7, in a 32 x 32 view.
TEST(KeyboardCursor, MapKeysMoveWithinTheViewAndJumpToTheLevelsEdges) {
    LevelRecord level;
    level.width = 12;
    level.height = 8;
    struct Case {
        const char* what;
        int key;
        bool ctrl;
        QPoint from;
        std::optional<QPoint> to;
    };
    const Case cases[] = {
        {"right one cell", Qt::Key_Right, false, {3, 2}, QPoint(4, 2)},
        {"out of the level, within the view", Qt::Key_Right, false, {11, 2}, QPoint(12, 2)},
        {"not past the view", Qt::Key_Right, false, {31, 2}, QPoint(31, 2)},
        {"not past the view's top", Qt::Key_Up, false, {3, 0}, QPoint(3, 0)},
        {"left and down", Qt::Key_Left, false, {3, 2}, QPoint(2, 2)},
        {"down", Qt::Key_Down, false, {3, 7}, QPoint(3, 8)},
        {"Ctrl+Right to the level's right edge", Qt::Key_Right, true, {3, 2}, QPoint(11, 2)},
        {"Ctrl+Down to its bottom", Qt::Key_Down, true, {3, 2}, QPoint(3, 7)},
        {"Ctrl+Right from outside to the view's edge", Qt::Key_Right, true, {3, 9}, QPoint(31, 9)},
        {"Ctrl+Down from outside to the view's edge", Qt::Key_Down, true, {14, 2}, QPoint(14, 31)},
        {"Ctrl+Left to column 0", Qt::Key_Left, true, {20, 5}, QPoint(0, 5)},
        {"Ctrl+Up to row 0", Qt::Key_Up, true, {5, 20}, QPoint(5, 0)},
        {"Home to the level's first column", Qt::Key_Home, false, {7, 4}, QPoint(0, 4)},
        {"End to its last, from outside too", Qt::Key_End, false, {20, 12}, QPoint(11, 12)},
        {"Ctrl+Home to the top-left", Qt::Key_Home, true, {7, 4}, QPoint(0, 0)},
        {"another key moves nothing", Qt::Key_Space, false, {7, 4}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mapCursorMove(c.key, c.ctrl, c.from, level), c.to) << c.what;
    }
}

TEST(KeyboardCursor, PaletteKeysStayOnTheChoosableCodes) {
    const struct {
        int key;
        int from;
        std::optional<int> to;
    } cases[] = {
        {Qt::Key_Right, 7, 8},    {Qt::Key_Left, 8, 7},      {Qt::Key_Left, 0, 0},
        {Qt::Key_Down, 169, 177}, {Qt::Key_Down, 170, 170},  {Qt::Key_Up, 5, 5},
        {Qt::Key_Up, 100, 92},    {Qt::Key_Right, 177, 177}, {Qt::Key_Home, 100, 0},
        {Qt::Key_End, 3, 177},    {Qt::Key_Left, 200, 177},  {Qt::Key_Return, 3, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(paletteCursorMove(c.key, c.from), c.to) << c.key << " from " << c.from;
    }
}

// What a button paints, the same for the pencil and the shapes.
TEST(ButtonPaint, TheLeftButtonPaintsTheChosenTileTheRightOneARandomTile) {
    EditingState state;
    state.curTile = 89;
    testing::ScriptedRandom random;
    random.draws = {0.5f};
    const struct {
        int button;
        std::int16_t mode;
        bool paints;
        std::optional<std::uint8_t> code;
        std::uint8_t preview;
        const char* step;
    } cases[] = {
        {1, SetPositions, true, 89, 89, "Paint"},
        {1, RandomWall, true, 89, 89, "Paint"},
        {2, SetPositions, false, std::nullopt, 89, "Random Tiles"},
        {2, RandomInside, true, 12, 10, "Random Tiles"},
        {4, RandomInside, false, std::nullopt, 89, "Random Tiles"},
    };
    for (const auto& c : cases) {
        state.mouseChoice = c.mode;
        SCOPED_TRACE(c.button * 10 + c.mode);
        EXPECT_EQ(buttonPaints(c.button, c.mode), c.paints);
        EXPECT_EQ(buttonCode(c.button, state, random), c.code);
        EXPECT_EQ(buttonPreviewCode(c.button, state), c.preview);
        EXPECT_EQ(buttonStepName(c.button), QString::fromLatin1(c.step));
    }
    EXPECT_TRUE(random.draws.empty());
}

} // namespace
} // namespace vrh
