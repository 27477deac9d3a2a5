#include "commands/panelrules.h"

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

} // namespace
} // namespace vrh
