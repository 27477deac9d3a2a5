// SPDX-License-Identifier: GPL-3.0-or-later
// A levelset as text and the differences between two, as --print, --diff and the "File
// Changed" box give them.
#include "levelset/levelsettext.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace vrh {
namespace {

// Two small levels: 3 x 2 cells at byte 52, then 2 x 1 cells at byte 74, then a tail of 18
// bytes at 92. The stored name and a passcode hold bytes that the text must quote.
QByteArray smallSet() {
    QByteArray bytes("VRH0A\"b", 7);
    bytes.append(char(2)).append(char(1)).append(char(7));
    bytes.append("SECRET").append("A\\b\xE9 \"").append(5 * 6, ' ');
    bytes.append(QByteArray::fromHex("02030A630100020059000003"
                                     "02010000"
                                     "00013B"
                                     "FFA959"));
    bytes.append(QByteArray::fromHex("01020063000000000000010401000000"
                                     "0708"));
    for (int i = 0; i < 18; ++i) {
        bytes.append(char(i));
    }
    return bytes;
}

TEST(LevelsetText, EveryByteOfTheFileOnALineThatSaysWhereItIs) {
    EXPECT_EQ(levelsetText(smallSet()), QStringLiteral(R"(Magic: "VRH0"
Name: "A\"b"
Levels: 2
Reserved 1: 1
Reserved 2: 7
Passcode 2: "SECRET"
Passcode 3: "A\\b\xE9 \""
Passcode 4: "      "
Passcode 5: "      "
Passcode 6: "      "
Passcode 7: "      "
Passcode 8: "      "
Level 1 height: 2
Level 1 width: 3
Level 1 objectives: 10
Level 1 time: 99
Level 1 putX: 1
Level 1 putY: 0
Level 1 takeX: 2
Level 1 takeY: 0
Level 1 putType: 89
Level 1 takeType: 0
Level 1 levelType: 0
Level 1 alienType: 3
Level 1 finishX: 2
Level 1 finishY: 1
Level 1 startX: 0
Level 1 startY: 0
Level 1 row 0: 00 01 3B
Level 1 row 1: FF A9 59
Level 2 height: 1
Level 2 width: 2
Level 2 objectives: 0
Level 2 time: 99
Level 2 putX: 0
Level 2 putY: 0
Level 2 takeX: 0
Level 2 takeY: 0
Level 2 putType: 0
Level 2 takeType: 0
Level 2 levelType: 1
Level 2 alienType: 4
Level 2 finishX: 1
Level 2 finishY: 0
Level 2 startX: 0
Level 2 startY: 0
Level 2 row 0: 07 08
Trailing bytes: 18
Trailing 0: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F
Trailing 16: 10 11
)"));
    EXPECT_EQ(levelsetText("VRH0ABC"), QString()); // ends in the header
}

TEST(LevelsetText, DifferencesFirstToSecondLevelByLevel) {
    using Change = std::function<void(QByteArray&)>;
    const auto at = [](int offset, char value) {
        return [=](QByteArray& bytes) { bytes[offset] = value; };
    };
    const struct {
        const char* what;
        Change first, second;
        QStringList lines;
        int cellsShown = kAllCells;
    } cases[] = {
        {"the same bytes", {}, {}, {}},
        {"a value and the name",
         {},
         [](QByteArray& b) { b[52 + 3] = 60, b[4] = 'X'; },
         {R"(Name: "A\"b" -> "X\"b")", "Level 1: time 99 -> 60"}},
        {"cells of both levels, the first file's code first",
         [](QByteArray& b) { b[52 + 16 + 2] = 0; },
         [](QByteArray& b) { b[52 + 16] = 0x45, b[52 + 16 + 4] = 0, b[74 + 17] = 0x5A; },
         {"Level 1: 3 cells changed: column 0 row 0 00 -> 45, column 2 row 0 00 -> 3B, "
          "column 1 row 1 A9 -> 00",
          "Level 2: 1 cell changed: column 1 row 0 08 -> 5A"}},
        {"cells beyond those shown",
         {},
         [](QByteArray& b) { b[52 + 16] = b[52 + 17] = b[52 + 18] = 0x11; },
         {"Level 1: 3 cells changed: column 0 row 0 00 -> 11, column 1 row 0 01 -> 11, ..."},
         2},
        {"a level removed, and a passcode",
         [](QByteArray& b) { b[16] = 'X'; },
         [](QByteArray& b) { b[7] = 1, b.truncate(74); },
         {R"(Levels: 2 -> 1)", R"(Passcode 3: "X\\b\xE9 \"" -> "A\\b\xE9 \"")", "Level 2: removed",
          "Trailing bytes: 18 -> 0"}},
        {"a level added, the reserved bytes",
         [](QByteArray& b) { b[7] = 1, b.truncate(74); },
         [](QByteArray& b) { b[8] = 0, b[9] = 9; },
         {"Levels: 1 -> 2", "Reserved 1: 1 -> 0", "Reserved 2: 7 -> 9", "Level 2: added",
          "Trailing bytes: 0 -> 18"}},
        {"a narrower level: its cells within both",
         {},
         [](QByteArray& b) {
             b[52 + 1] = 2;
             b.remove(52 + 16 + 2, 1);
             b[52 + 16 + 2] = 0; // was column 0 row 1, 0xFF
             b.remove(52 + 16 + 4, 1);
         },
         {"Level 1: width 3 -> 2", "Level 1: 1 cell changed: column 0 row 1 FF -> 00"}},
        {"the tail alone", at(92 + 3, 0), at(92 + 5, 0), {"Trailing bytes: 2 of 18 changed"}},
        {"the magic", {}, at(3, '1'), {R"(Magic: "VRH0" -> "VRH1")"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray first = smallSet();
        QByteArray second = smallSet();
        if (c.first) {
            c.first(first);
        }
        if (c.second) {
            c.second(second);
        }
        EXPECT_EQ(levelsetDifferences(first, second, c.cellsShown), c.lines);
    }
}

TEST(LevelsetText, TheWholeFileIsReadAsTheReaderRefusesIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zvrhlabc.vrh");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = smallSet() + QByteArray(20000, '\x01'); // beyond any levelset
    file.write(bytes);
    file.close();
    const ReadResult read = readWholeLevelsetFile(path);
    ASSERT_TRUE(read.levelset);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(read.levelset->fileName, path);
    const QString missing = dir.filePath("zvrhlnot.vrh");
    EXPECT_EQ(readWholeLevelsetFile(missing).error, readLevelsetFile(missing).error);
}

} // namespace
} // namespace vrh
