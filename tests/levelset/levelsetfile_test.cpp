// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelset/levelsetfile.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

Levelset freshLevelset() {
    Levelset levelset;
    resetLevelset(levelset);
    return levelset;
}

// Eight levels of different sizes, every tile code from 0 to 255, passcodes with one-byte
// characters above 127, reserved bytes other than 0.
Levelset variedLevelset() {
    Levelset levelset = freshLevelset();
    levelset.numLevels = 8;
    levelset.reserved1 = 0xA5;
    levelset.reserved2 = 0xFF;
    const char* passcodes[] = {"ALPHA1", "b 2", "\xE9t\xE9\xFF!", "", "123456", "zz", "LAST!!"};
    for (int i = 0; i < kPasscodeCount; ++i) {
        levelset.passcodes[i].assign(passcodes[i]);
    }
    const int sizes[kMaxLevels][2] = {{12, 8}, {32, 32}, {20, 10}, {1, 1},
                                      {0, 5},  {7, 0},   {31, 17}, {32, 1}};
    int code = 0;
    for (int index = 0; index < kMaxLevels; ++index) {
        LevelRecord& level = levelset.levels[index];
        level.setHeaderBytes({0, 0, static_cast<std::uint8_t>(index * 30),
                              static_cast<std::uint8_t>(255 - index), 3, 4, 5, 6, 7, 8, 1, 4, 9, 10,
                              static_cast<std::uint8_t>(index), 200});
        level.width = static_cast<std::uint8_t>(sizes[index][0]);
        level.height = static_cast<std::uint8_t>(sizes[index][1]);
        for (auto& row : level.tiles) {
            for (std::uint8_t& cell : row) {
                cell = static_cast<std::uint8_t>(code++ * 7);
            }
        }
    }
    return levelset;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (int value : values) {
        result.append(static_cast<char>(value));
    }
    return result;
}

TEST(LevelsetFile, FreshLevelsetIsThe164ByteFile) {
    QByteArray expected("VRH0ABC");
    expected += bytes({0x01, 0x00, 0x00});
    expected += QByteArray(42, ' ');
    expected += bytes({0x08, 0x0C, 0x00, 0x63, 0x01, 0x00, 0x02, 0x00, 0x59, 0x00, 0x00, 0x03, 0x0B,
                       0x07, 0x00, 0x00});
    expected += QByteArray(96, '\0');
    ASSERT_EQ(expected.size(), 164);

    EXPECT_EQ(serializeLevelset(freshLevelset(), "ABC"), expected);
}

TEST(LevelsetFile, RoundTripOfAVariedSetIsByteIdentical) {
    const QByteArray saved = serializeLevelset(variedLevelset(), "X\xE9Z");
    qsizetype expectedSize = kFileHeaderBytes;
    for (const LevelRecord& level : variedLevelset().levels) {
        expectedSize += kHeaderBytes + level.width * level.height;
    }
    ASSERT_EQ(saved.size(), expectedSize);

    const ReadResult read = parseLevelset(saved);
    ASSERT_TRUE(read.levelset) << read.error.toStdString();
    EXPECT_EQ(serializeLevelset(*read.levelset, "X\xE9Z"), saved);
    EXPECT_EQ(read.levelset->fileName, QStringLiteral("Untitled"));
    EXPECT_EQ(read.levelset->passcodes[2].text(), QByteArray("\xE9t\xE9\xFF! "));
    EXPECT_EQ(read.levelset->reserved1, 0xA5);
    EXPECT_EQ(read.levelset->reserved2, 0xFF);
}

TEST(LevelsetFile, RowsArePackedToTheLevelsWidth) {
    Levelset levelset = freshLevelset();
    LevelRecord& level = levelset.levels[0];
    level.width = 20;
    level.height = 10;
    for (int x = 0; x < kGridSize; ++x) {
        level.tiles[0][x] = static_cast<std::uint8_t>(x + 1);
        level.tiles[1][x] = static_cast<std::uint8_t>(x + 101);
        level.tiles[9][x] = static_cast<std::uint8_t>(x + 201);
    }
    const QByteArray saved = serializeLevelset(levelset, "ABC");

    constexpr int row0 = kFileHeaderBytes + kHeaderBytes;
    ASSERT_EQ(saved.size(), row0 + 200);
    EXPECT_EQ(saved.mid(row0, 3), bytes({1, 2, 3}));
    EXPECT_EQ(saved.mid(row0 + 19, 2), bytes({20, 101})); // row 1 starts 20 bytes on
    EXPECT_EQ(saved.mid(row0 + 9 * 20, 20).back(), char(220));
}

TEST(LevelsetFile, FileNameRules) {
    struct Case {
        QString chosen;
        QString lowered;
        bool accepted;
        QByteArray headerName;
    };
    const Case cases[] = {
        {"/home/Ann/Levels/ZVRHLAbc.VRH", "/home/Ann/Levels/zvrhlabc.vrh", true, "ABC"},
        {"C:\\Levels\\ZVRHLAbc.VRH", "C:\\Levels\\zvrhlabc.vrh", true, "ABC"},
        {"/levels/zvrhlsets/zvrhlabc.vrh", "/levels/zvrhlsets/zvrhlabc.vrh", true, "ABC"},
        {"c:\\zvrhlsets\\zvrhlabc.vrh", "c:\\zvrhlsets\\zvrhlabc.vrh", true, "ABC"},
        {"/mixed\\Dir/zvrhl1 2.vrh", "/mixed\\Dir/zvrhl1 2.vrh", true, "1 2"},
        {"/x/zvrhl\u00E9\u00FFz.vrh", "/x/zvrhl\u00E9\u00FFz.vrh", true, "\xC9\xFFZ"},
        // one byte per character: ß stays, the euro sign becomes '?', nothing shifts
        {"/x/zvrhl\u20AC\u00DFz.vrh", "/x/zvrhl\u20AC\u00DFz.vrh", true, "?\xDFZ"},
        {"/x/zvrhlabc", "/x/zvrhlabc", false, "ABC"},
        {"/x/zvrhlabcd.vrh", "/x/zvrhlabcd.vrh", false, "ABC"},
        {"/x/zvrhlab.vrh", "/x/zvrhlab.vrh", false, "AB."},
        {"/x/abc.vrh", "/x/abc.vrh", false, "ABC"},
        {"/x/zvrhlabc.vrhx", "/x/zvrhlabc.vrhx", false, "ABC"},
        {"zvrhlabc.vrh", "zvrhlabc.vrh", false, "ABC"},
        {"/x/Zvrhl", "/x/zvrhl", false, "   "},
        {"/x/q", "/x/q", false, "Q  "},
        {"/Levels/", "/Levels/", false, "   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        const QString lowered = lowerCaseFileName(c.chosen);
        EXPECT_EQ(lowered, c.lowered);
        EXPECT_EQ(isLevelsetFileName(lowered), c.accepted);
        EXPECT_EQ(levelsetNameFromPath(lowered), c.headerName);
    }
}

TEST(LevelsetFile, MalformedFilesAreRefusedSayingWhere) {
    const QByteArray whole = serializeLevelset(variedLevelset(), "ABC");
    const qsizetype level2 = kFileHeaderBytes + kHeaderBytes + 12 * 8;
    QByteArray tooWide = serializeLevelset(freshLevelset(), "ABC");
    tooWide[kFileHeaderBytes + 1] = 33;
    QByteArray tooHigh = whole;
    tooHigh[level2] = 33;

    struct Case {
        const char* what;
        QByteArray bytes;
        QString error;
    };
    const Case cases[] = {
        {"empty", {}, "The file ends in the header, at byte 0 of 52."},
        {"cut in the header", whole.left(51), "The file ends in the header, at byte 51 of 52."},
        {"cut in a level header", whole.left(level2 + 5),
         QStringLiteral("The file ends in level 2, at byte %1 of %2.")
             .arg(level2 + 5)
             .arg(level2 + 16)},
        {"cut in the tiles", whole.left(level2 + 16 + 1000),
         QStringLiteral("The file ends in level 2, at byte %1 of %2.")
             .arg(level2 + 16 + 1000)
             .arg(level2 + 16 + 1024)},
        {"no tiles at all", whole.left(kFileHeaderBytes + kHeaderBytes),
         "The file ends in level 1, at byte 68 of 164."},
        {"33 columns", tooWide, "Level 1 is 33 columns by 8 rows; a level has at most 32 of each."},
        {"33 rows", tooHigh, "Level 2 is 32 columns by 33 rows; a level has at most 32 of each."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReadResult read = parseLevelset(c.bytes);
        EXPECT_FALSE(read.levelset);
        EXPECT_EQ(read.error, c.error);
    }
}

TEST(LevelsetFile, ACountAboveEightLoadsTheFirstEight) {
    const Levelset eight = variedLevelset();
    QByteArray file = serializeLevelset(eight, "ABC");
    file[7] = 9;
    file += QByteArray(5, '\x01'); // a cut ninth level is never read

    const ReadResult read = parseLevelset(file);
    ASSERT_TRUE(read.levelset) << read.error.toStdString();
    EXPECT_EQ(read.levelset->numLevels, 8);
    EXPECT_EQ(serializeLevelset(*read.levelset, "ABC"), serializeLevelset(eight, "ABC"));
}

TEST(LevelsetFile, ACountOfZeroIsValidAndUnreadRecordsKeepTheDefaults) {
    const Levelset fresh = freshLevelset();
    const LevelRecord defaults = fresh.levels[0];
    Levelset two = variedLevelset();
    two.numLevels = 2;
    Levelset none = variedLevelset();
    none.numLevels = 0;

    struct Case {
        const char* what;
        QByteArray bytes;
        int numLevels;
    };
    const Case cases[] = {
        {"two levels", serializeLevelset(two, "ABC"), 2},
        {"no level", serializeLevelset(none, "ABC"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReadResult read = parseLevelset(c.bytes);
        ASSERT_TRUE(read.levelset) << read.error.toStdString();
        EXPECT_EQ(read.levelset->numLevels, c.numLevels);
        for (int index = c.numLevels; index < kMaxLevels; ++index) {
            EXPECT_EQ(read.levelset->levels[index].headerBytes(), defaults.headerBytes());
            EXPECT_EQ(read.levelset->levels[index].tiles, defaults.tiles);
        }
    }
}

TEST(LevelsetFile, MagicAndStoredNameAreNotChecked) {
    QByteArray file = serializeLevelset(variedLevelset(), "ABC");
    file.replace(0, 7, "junk!!!");
    const ReadResult read = parseLevelset(file);
    ASSERT_TRUE(read.levelset) << read.error.toStdString();
    EXPECT_EQ(serializeLevelset(*read.levelset, "ABC"), serializeLevelset(variedLevelset(), "ABC"));
}

} // namespace
} // namespace vrh
