// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/celldescription.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

// The fresh level's markers: start (0, 0), finish (11, 7), put (1, 0), take (2, 0); here the
// finish is moved onto the start's cell.
TEST(CellDescription, NamesTheTileAndTheShownMarkersOnTheCell) {
    LevelRecord level;
    level.tiles[0][0] = 89;
    level.tiles[0][2] = 20;
    level.tiles[7][11] = 255;
    level.finishX = 0;
    level.finishY = 0;
    const ShownMarkers fresh;
    const ShownMarkers all{true, true, true, true, false};
    const ShownMarkers none{false, false, false, false, true};
    struct Case {
        int x, y;
        ShownMarkers shown;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, fresh,
         "Column 0, row 0: Tile 89: random wall tile, start position, finish position"},
        {0, 0, none, "Column 0, row 0: Tile 89: random wall tile"},
        {1, 0, fresh, "Column 1, row 0: Tile 0: normal floor"},
        {1, 0, all, "Column 1, row 0: Tile 0: normal floor, block to put"},
        {2, 0, all, "Column 2, row 0: Tile 20, block to take"},
        {11, 7, all, "Column 11, row 7: Tile 255"},
        {12, 7, all, "Column 12, row 7: outside the level"},
        {11, 8, all, "Column 11, row 8: outside the level"},
        {31, 31, all, "Column 31, row 31: outside the level"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cellDescription(level, c.x, c.y, c.shown), QString::fromLatin1(c.text));
    }
    // A file may claim more than the 32 x 32 grid: the description never reads past it.
    level.width = 200;
    level.height = 40;
    EXPECT_EQ(cellDescription(level, 31, 31, fresh),
              QStringLiteral("Column 31, row 31: Tile 0: normal floor"));
    EXPECT_EQ(cellDescription(level, 32, 0, fresh),
              QStringLiteral("Column 32, row 0: outside the level"));
}

} // namespace
} // namespace vrh
