// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/regions/cellclipboard.h"

#include <QMimeData>
#include <gtest/gtest.h>

namespace vrh {
namespace {

using Kind = ClipboardCells::Kind;

CellBlock counting(int width, int height) {
    CellBlock block{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        block.codes.push_back(static_cast<std::uint8_t>(i));
    }
    return block;
}

TEST(CellClipboard, CopyWritesTheCellsTypeAndTheTextExactly) {
    struct Case {
        CellBlock block;
        QByteArray bytes;
        const char* text;
    };
    // Each block named: in plain braces GCC 12 takes their cells for uninitialised at -O3.
    const Case cases[] = {
        {CellBlock{1, 1, {0}}, QByteArray("\x01\x01\x00", 3), "0\n"},
        {CellBlock{3, 2, {89, 1, 255, 7, 0, 14}}, QByteArray("\x03\x02\x59\x01\xff\x07\x00\x0e", 8),
         "89, 1, 255\n7, 0, 14\n"},
        {CellBlock{1, 3, {10, 11, 12}}, QByteArray("\x01\x03\x0a\x0b\x0c", 5), "10\n11\n12\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(cellsToBytes(c.block), c.bytes);
        EXPECT_EQ(cellsToText(c.block), QString::fromLatin1(c.text));
        const std::unique_ptr<QMimeData> data = cellsMimeData(c.block);
        EXPECT_EQ(data->data(kCellsMimeType), c.bytes);
        EXPECT_EQ(data->text(), QString::fromLatin1(c.text));
        // And back again, by either form.
        EXPECT_EQ(cellsFromBytes(c.bytes).cells, c.block);
        EXPECT_EQ(cellsFromText(QString::fromLatin1(c.text)).cells, c.block);
    }
    EXPECT_EQ(kCellsMimeType, QStringLiteral("application/x-vrhedit-cells"));
    const CellBlock largest = counting(32, 32);
    EXPECT_EQ(cellsToBytes(largest).size(), 2 + 1024);
    EXPECT_EQ(cellsFromBytes(cellsToBytes(largest)).cells, largest);
    EXPECT_EQ(cellsFromText(cellsToText(largest)).cells, largest);
}

TEST(CellClipboard, CellTextTakesCommasBlanksAndAnyLineEnds) {
    struct Case {
        const char* what;
        const char* text;
        CellBlock cells;
    };
    const Case cases[] = {
        {"commas and blanks", "1, 2, 3\n4, 5, 6\n", {3, 2, {1, 2, 3, 4, 5, 6}}},
        {"commas alone", "1,2,3", {3, 1, {1, 2, 3}}},
        {"blanks and tabs alone", "1 2\t 3\n4\t5  6", {3, 2, {1, 2, 3, 4, 5, 6}}},
        {"CR LF", "1, 2\r\n3, 4\r\n", {2, 2, {1, 2, 3, 4}}},
        {"CR", "1, 2\r3, 4\r", {2, 2, {1, 2, 3, 4}}},
        {"blank lines before and after", "\n \t\n1, 2\n3, 4\n\n  \n\n", {2, 2, {1, 2, 3, 4}}},
        {"a comma at a line's ends", ", 1, 2,\n3, 4,", {2, 2, {1, 2, 3, 4}}},
        {"blanks around commas", "1 , 2 ,3", {3, 1, {1, 2, 3}}},
        {"leading zeros", "007, 0255, 000", {3, 1, {7, 255, 0}}},
        {"one number", "42", {1, 1, {42}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ClipboardCells read = cellsFromText(QString::fromLatin1(c.text));
        EXPECT_EQ(read.kind, Kind::Cells);
        EXPECT_EQ(read.cells, c.cells);
        EXPECT_TRUE(read.refusal.isEmpty());
    }
}

QString rows(int count, const QString& row) {
    QString text;
    for (int i = 0; i < count; ++i) {
        text += row + QLatin1Char('\n');
    }
    return text;
}

TEST(CellClipboard, CellTextIsRefusedSayingWhichLineAndWhy) {
    struct Case {
        QString text;
        const char* refusal;
    };
    const QString row33 =
        rows(1, QStringLiteral("1").repeated(1) + QStringLiteral(", 1").repeated(32));
    const Case cases[] = {
        {QStringLiteral("1, 2\n3, 300\n"), "Line 2: 300 is above 255."},
        {QStringLiteral("1, 256"), "Line 1: 256 is above 255."},
        {QStringLiteral("\n\n0001000"), "Line 3: 0001000 is above 255."},
        {QStringLiteral("99999999999999999999"), "Line 1: 999999999999... is above 255."},
        {QStringLiteral("1, 2, 3\n4, 5\n"),
         "Line 2 holds 2 numbers, but line 1 holds 3 numbers: every row must hold as many."},
        {QStringLiteral("\r\n1, 2\r\n3\r\n"),
         "Line 3 holds 1 number, but line 2 holds 2 numbers: every row must hold as many."},
        {QStringLiteral("5\n6, 7"),
         "Line 2 holds 2 numbers, but line 1 holds 1 number: every row must hold as many."},
        {rows(33, QStringLiteral("0, 0")), "Line 33 would be row 33: a block has at most 32 rows."},
        {QStringLiteral("\n") + row33,
         "Line 2 holds more than 32 numbers: a row holds at most 32."},
        // Only what settles it is read: the first row too long or too many, whatever follows.
        {row33 + QStringLiteral("x"), "Line 1 holds more than 32 numbers: a row holds at most 32."},
        {rows(33, QStringLiteral("1")) + QStringLiteral("Level 3"),
         "Line 33 would be row 33: a block has at most 32 rows."},
        {QStringLiteral("1, 2\n\n3, 4"), "Line 2 is blank: the rows must follow each other."},
        {QStringLiteral("1, 2\n \t\n\n3, 4\n\n"),
         "Line 2 is blank: the rows must follow each other."},
        {QStringLiteral("1,, 2"), "Line 1: two commas without a number between them."},
        {QStringLiteral("1, ,2"), "Line 1: two commas without a number between them."},
        {QStringLiteral("1\n,,\n"), "Line 2: two commas without a number between them."},
        {QStringLiteral("1, 2,\r, 3, 4,,"), "Line 2: two commas without a number between them."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const ClipboardCells read = cellsFromText(c.text);
        EXPECT_EQ(read.kind, Kind::Refused);
        EXPECT_EQ(read.refusal, QString::fromLatin1(c.refusal));
    }
    // Exactly at the limits is no refusal.
    EXPECT_EQ(cellsFromText(rows(32, QStringLiteral("1") + QStringLiteral(", 1").repeated(31)))
                  .cells.size(),
              QSize(32, 32));
}

TEST(CellClipboard, TheCellsTypeIsRefusedWhenItsSizeOrLengthIsWrong) {
    struct Case {
        QByteArray bytes;
        const char* refusal;
    };
    const Case cases[] = {
        {QByteArray(), "The cells on the clipboard are too short to hold a size: 0 of 2 bytes."},
        {QByteArray("\x01", 1),
         "The cells on the clipboard are too short to hold a size: 1 of 2 bytes."},
        {QByteArray("\x00\x05", 2),
         "The cells on the clipboard are 0 x 5: a block is 1 to 32 cells each way."},
        {QByteArray("\x03\x00", 2),
         "The cells on the clipboard are 3 x 0: a block is 1 to 32 cells each way."},
        {QByteArray("\x21\x01", 2) + QByteArray(33, '\0'),
         "The cells on the clipboard are 33 x 1: a block is 1 to 32 cells each way."},
        {QByteArray("\x02\x02\x01\x02\x03", 5),
         "The cells on the clipboard hold 3 codes, but 2 x 2 cells need 4."},
        {QByteArray("\x02\x01\x01", 3),
         "The cells on the clipboard hold 1 code, but 2 x 1 cells need 2."},
        {QByteArray("\x01\x01\x05\x06", 4),
         "The cells on the clipboard hold 2 codes, but 1 x 1 cells need 1."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const ClipboardCells read = cellsFromBytes(c.bytes);
        EXPECT_EQ(read.kind, Kind::Refused);
        EXPECT_EQ(read.refusal, QString::fromLatin1(c.refusal));
    }
}

// Paste is offered for cells and for what is refused with a reason, never for anything else.
TEST(CellClipboard, PasteTakesTheCellsTypeFirstElseCellTextElseNothing) {
    struct Case {
        const char* what;
        const char* type; // none, the cells type or another
        QByteArray data;  // of that type
        const char* text; // none, or the plain text offered as well
        Kind kind;
        CellBlock cells;
    };
    const char* const cellsType = "application/x-vrhedit-cells";
    const QByteArray twoCells("\x02\x01\x59\x0e", 4);
    const Case cases[] = {
        {"the cells type", cellsType, twoCells, nullptr, Kind::Cells, {2, 1, {89, 14}}},
        {"cells type before text", cellsType, twoCells, "1, 2, 3", Kind::Cells, {2, 1, {89, 14}}},
        {"broken cells type before good text", cellsType, "\x09", "1, 2, 3", Kind::Refused, {}},
        {"cell text", nullptr, {}, "3, 4\n5, 6\n", Kind::Cells, {2, 2, {3, 4, 5, 6}}},
        {"refused cell text", nullptr, {}, "3,,4", Kind::Refused, {}},
        {"words", nullptr, {}, "Level 3", Kind::Nothing, {}},
        {"a semicolon", nullptr, {}, "1; 2", Kind::Nothing, {}},
        {"no digit", nullptr, {}, " ,\n\t", Kind::Nothing, {}},
        {"other digits than 0 to 9", nullptr, {}, "\u0661, 2", Kind::Nothing, {}},
        {"empty text", nullptr, {}, "", Kind::Nothing, {}},
        {"another type", "application/x-other", "1, 2", nullptr, Kind::Nothing, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QMimeData data;
        if (c.type != nullptr) {
            data.setData(QString::fromLatin1(c.type), c.data);
        }
        if (c.text != nullptr) {
            data.setText(QString::fromUtf8(c.text));
        }
        EXPECT_EQ(canPaste(&data), c.kind != Kind::Nothing);
        const ClipboardCells read = cellsFromClipboard(&data);
        EXPECT_EQ(read.kind, c.kind);
        EXPECT_EQ(read.cells, c.cells);
        EXPECT_EQ(read.refusal.isEmpty(), c.kind != Kind::Refused);
    }
    EXPECT_FALSE(canPaste(nullptr));
    EXPECT_EQ(cellsFromClipboard(nullptr).kind, Kind::Nothing);
}

} // namespace
} // namespace vrh
