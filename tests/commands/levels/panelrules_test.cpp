// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/panelrules.h"
#include "levelset/levelsetfile.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

TEST(ReadByteEntry, DecimalWithSignBlanksAndRoundedFractions) {
    using Kind = ByteEntry::Kind;
    struct Case {
        const char* text;
        Kind kind;
        int value;
    };
    const Case cases[] = {
        {"", Kind::Empty, 0},         {"0", Kind::Accepted, 0},     {"255", Kind::Accepted, 255},
        {"099", Kind::Accepted, 99},  {" 7 ", Kind::Accepted, 7},   {"+12", Kind::Accepted, 12},
        {"-0", Kind::Accepted, 0},    {"2.5", Kind::Accepted, 2},   {"3.5", Kind::Accepted, 4},
        {"1.4", Kind::Accepted, 1},   {".6", Kind::Accepted, 1},    {"9.", Kind::Accepted, 9},
        {"256", Kind::OutOfRange, 0}, {"300", Kind::OutOfRange, 0}, {"-5", Kind::OutOfRange, 0},
        {"-1", Kind::OutOfRange, 0},  {"x", Kind::NotANumber, 0},   {"1x", Kind::NotANumber, 0},
        {" ", Kind::NotANumber, 0},   {"-", Kind::NotANumber, 0},   {".", Kind::NotANumber, 0},
        {"1 2", Kind::NotANumber, 0}, {"0x1", Kind::NotANumber, 0}, {"1e2", Kind::NotANumber, 0},
    };
    for (const Case& c : cases) {
        const ByteEntry entry = readByteEntry(QString::fromLatin1(c.text));
        EXPECT_EQ(entry.kind, c.kind) << '"' << c.text << '"';
        if (c.kind == Kind::Accepted) {
            EXPECT_EQ(entry.value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(StorePasscode, OneTypedCharacterIsOneUpperCaseByte) {
    struct Case {
        QString typed;
        QByteArray stored;
    };
    const Case cases[] = {
        {"abc", "ABC   "},
        {"", "      "},
        {"abcdefg", "ABCDEF"},
        // ß has no one-character capital: it stays, and b keeps its place
        {"a\u00DFb", "A\xDF"
                     "B   "},
        {"\u00DF\u00DF\u00DF\u00DF\u00DF\u00DF\u00DF", "\xDF\xDF\xDF\xDF\xDF\xDF"},
        // capitals outside Latin-1 (Y with diaeresis, Greek Mu) keep the small letter
        {"\u00FF\u00B5\u00E9", "\xFF\xB5\xC9   "},
        // outside Latin-1 altogether: one '?' per character, in and beyond the 16-bit range
        {"a\u20ACb", "A?B   "},
        {QString::fromUtf8("\xF0\x9F\x98\x80"
                           "ab"),
         "?AB   "},
        {"x\u0131y", "XIY   "}, // dotless i has the capital I
        {"1 2-_", "1 2-_ "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        Levelset levelset;
        resetLevelset(levelset);
        storePasscode(levelset, 3, c.typed);
        EXPECT_EQ(levelset.passcodes[2].text(), c.stored);
        EXPECT_EQ(levelset.passcodes[0].text(), QByteArray("      ")); // other levels untouched
        // The header's name follows the very same rule.
        EXPECT_EQ(levelsetNameFromPath(QStringLiteral("/x/zvrhl") + c.typed), c.stored.left(3));
    }
}

TEST(StorePasscode, TheFirstLevelHasNone) {
    Levelset levelset;
    resetLevelset(levelset);
    const auto before = levelset.passcodes;
    storePasscode(levelset, 0, QStringLiteral("abc"));
    EXPECT_EQ(levelset.passcodes, before);
}

} // namespace
} // namespace vrh
