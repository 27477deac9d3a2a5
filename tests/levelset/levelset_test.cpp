// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelset/levelset.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

TEST(Passcode, EveryAssignmentCutsOrPadsToSixCharacters) {
    struct Case {
        const char* assigned;
        const char* stored;
    };
    const Case cases[] = {
        {"ABCDEFGH", "ABCDEF"}, {"AB", "AB    "}, {"", "      "}, {"ABCDEF", "ABCDEF"}};
    for (const Case& c : cases) {
        Passcode passcode;
        passcode.assign(c.assigned);
        EXPECT_EQ(passcode.text(), QByteArray(c.stored)) << c.assigned;
    }
}

TEST(Levelset, ResetGivesEveryRecordTheDefaultsAndAllCellsZero) {
    Levelset levelset;
    levelset.numLevels = 5;
    levelset.reserved1 = 7;
    levelset.reserved2 = 9;
    levelset.fileName = QStringLiteral("/tmp/zvrhlabc.vrh");
    levelset.passcodes[3].assign("SECRET");
    for (LevelRecord& level : levelset.levels) {
        level.setHeaderBytes({32, 32, 1, 2, 3, 4, 5, 6, 7, 8, 1, 4, 9, 10, 11, 12});
        for (auto& row : level.tiles) {
            row.fill(177);
        }
    }

    resetLevelset(levelset);

    EXPECT_EQ(levelset.numLevels, 1);
    EXPECT_EQ(levelset.reserved1, 0);
    EXPECT_EQ(levelset.reserved2, 0);
    EXPECT_EQ(levelset.fileName, QStringLiteral("Untitled"));
    for (const Passcode& passcode : levelset.passcodes) {
        EXPECT_EQ(passcode.text(), QByteArray("      "));
    }
    const std::array<std::uint8_t, kHeaderBytes> defaults = {8,  12, 0, 99, 1,  0, 2, 0,
                                                             89, 0,  0, 3,  11, 7, 0, 0};
    for (const LevelRecord& level : levelset.levels) {
        EXPECT_EQ(level.headerBytes(), defaults);
        for (const auto& row : level.tiles) {
            for (std::uint8_t code : row) {
                ASSERT_EQ(code, 0);
            }
        }
    }
}

TEST(Levelset, DisplayStrings) {
    EXPECT_EQ(windowTitle(QStringLiteral("Untitled")),
              QStringLiteral("[Untitled] - Varnhold: Levelset Editor"));
    EXPECT_EQ(windowTitle(QStringLiteral("/home/ann/zvrhlabc.vrh")),
              QStringLiteral("[/home/ann/zvrhlabc.vrh] - Varnhold: Levelset Editor"));
    EXPECT_EQ(levelLabel(0, 1), QStringLiteral("Level: 1 / 1"));
    EXPECT_EQ(levelLabel(1, 5), QStringLiteral("Level: 2 / 5"));
    EXPECT_EQ(levelLabel(0, 0), QStringLiteral("Level: 1 / 0"));
}

} // namespace
} // namespace vrh
