// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/tiles/tilepictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vrh {
namespace {

constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

// A picture of the given size, red but for a see-through pixel at (1, 0), encoded as FORMAT.
QByteArray picture(int width, int height, const char* format = "PNG") {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(kRed);
    image.setPixel(1, 0, 0x00000000);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The header of a 24-bit BMP of the given size, with none of its pixels.
QByteArray bmpHeaderOnly(int width, int height) {
    QByteArray bytes = picture(8, 8, "BMP").first(54);
    const auto put = [&bytes](int offset, int value) {
        for (int i = 0; i < 4; ++i) {
            bytes[offset + i] = char((value >> (8 * i)) & 0xff);
        }
    };
    put(18, width);
    put(22, height);
    return bytes;
}

QByteArray numbers(int count) {
    QByteArray text = "tiles:\n";
    for (int i = 0; i < count; ++i) {
        text += "    db 255\n";
    }
    return text;
}

// The diagonal from the top left, one row a number, in every form a number takes.
const QByteArray kDiagonal = "%10000000, $40, 0x20, 10h, 8, 4, 2, 1";

TEST(TilePictures, AreReadFromEverySizeAndEveryFormOfSpriteData) {
    struct Case {
        const char* what;
        QByteArray data;
        int code;        // the tile looked at
        QRgb topRow[4];  // its first four pixels in the sheet
        int builtInFrom; // the first code that keeps its built-in picture
        bool doubled = true;
    };
    const Case cases[] = {
        {"one row of 16 x 16 tiles", picture(128, 16), 0, {kRed, kWhite, kRed, kRed}, 8, false},
        {"the whole sheet", picture(128, 512), 255, {kRed, kRed, kRed, kRed}, 256, false},
        {"a bitmap", picture(128, 32, "BMP"), 8, {kRed, kRed, kRed, kRed}, 16, false},
        {"8 x 8 tiles doubled", picture(64, 8), 0, {kRed, kRed, kWhite, kWhite}, 8},
        {"32 rows of 8 x 8 tiles", picture(64, 256), 255, {kRed, kRed, kRed, kRed}, 256},
        {"db in every form",
         "  db " + kDiagonal + " ; a comment\n",
         0,
         {kBlack, kBlack, kWhite, kWhite},
         1},
        {"labels, capitals, other lines",
         "sprite: DB " + kDiagonal + "\n  ld a,3\n",
         0,
         {kBlack, kBlack, kWhite, kWhite},
         1},
        {".db over two lines",
         ".db 0,255,0,0\n.DB 0,0,0,0\n",
         0,
         {kWhite, kWhite, kWhite, kWhite},
         1},
        {".byte", "x .byte 0xff,0,0,0,0,0,0,0\n", 0, {kBlack, kBlack, kBlack, kBlack}, 1},
        {"defb, a last incomplete tile",
         "DEFB 0F0h,0,0,0,0,0,0,0,1,2\n",
         0,
         {kBlack, kBlack, kBlack, kBlack},
         1},
        {"2,048 numbers", numbers(2048), 255, {kBlack, kBlack, kBlack, kBlack}, 256},
    };
    const TilePictures builtIn = builtInTilePictures();
    for (const Case& c : cases) {
        const TilePicturesRead read = readTilePicturesData("/d/tiles.png", c.data, nullptr);
        ASSERT_TRUE(read.pictures) << c.what << ": " << read.refusal.toStdString();
        const QImage& sheet = read.pictures->sheet;
        EXPECT_EQ(sheet.size(), QSize(128, 512)) << c.what;
        EXPECT_FALSE(sheet.hasAlphaChannel()) << c.what;
        const int left = 16 * (c.code % 8);
        const int top = 16 * (c.code / 8);
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(sheet.pixel(left + x, top), c.topRow[x]) << c.what << " x " << x;
            // The second row: doubled from the first, or the picture's own (all red).
            EXPECT_EQ(sheet.pixel(left + x, top + 1), c.doubled ? c.topRow[x] : kRed) << c.what;
        }
        if (c.builtInFrom < 256) {
            const int y = 16 * (c.builtInFrom / 8);
            const int x = 16 * (c.builtInFrom % 8);
            EXPECT_EQ(sheet.copy(x, y, 16, 16), builtIn.sheet.copy(x, y, 16, 16)) << c.what;
        }
    }
    // Each form gives its row of the diagonal: black only at its place, doubled.
    const TilePicturesRead diagonal = readTilePicturesData("t.inc", "db " + kDiagonal, nullptr);
    ASSERT_TRUE(diagonal.pictures);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(diagonal.pictures->sheet.pixel(x, y), x / 2 == y / 2 ? kBlack : kWhite)
                << x << ", " << y;
        }
    }
}

TEST(TilePictures, RefuseWithTheWholeReason) {
    struct Case {
        QByteArray data;
        QByteArray names; // none when empty
        const char* reason;
    };
    const Case cases[] = {
        {picture(100, 40),
         {},
         "The picture is 100 x 40 pixels; tile pictures are 128 or 64 pixels wide and a whole "
         "number of tile rows high."},
        {picture(128, 24),
         {},
         "The picture is 128 x 24 pixels; tile pictures are 128 or 64 pixels wide and a whole "
         "number of tile rows high."},
        {picture(128, 528),
         {},
         "The picture is 128 x 528 pixels; tile pictures are 128 or 64 pixels wide and a whole "
         "number of tile rows high."},
        {picture(64, 0 + 4),
         {},
         "The picture is 64 x 4 pixels; tile pictures are 128 or 64 pixels wide and a whole "
         "number of tile rows high."},
        // Told by the header alone: the pixels aren't there to decode.
        {bmpHeaderOnly(5000, 5000),
         {},
         "The picture is 5000 x 5000 pixels; tile pictures are 128 or 64 pixels wide and a whole "
         "number of tile rows high."},
        {numbers(200000),
         {},
         "The file is larger than 1 MB; tile pictures take at most 1,048,576 bytes."},
        {"hello\n",
         {},
         "The file is neither a picture nor sprite data in .db, .byte, db or defb lines."},
        {"db 1,2,3\n",
         {},
         "The sprite data has 3 numbers; tile pictures take 8 to 2,048 of them, 8 for each "
         "tile."},
        {numbers(2049),
         {},
         "The sprite data has 2049 numbers; tile pictures take 8 to 2,048 of them, 8 for each "
         "tile."},
        {"db 0,0,0,0\ndb 0,0,0,256\n",
         {},
         "The number 256 on line 2 is larger than 255; each sprite data number is one byte, 0 to "
         "255."},
        {"db $100",
         {},
         "The number $100 on line 1 is larger than 255; each sprite data number is one byte, 0 to "
         "255."},
        {"\n\ndb 1,,2",
         {},
         "\"\" on line 3 is not a number; sprite data numbers are written as %01100110, $3C, "
         "0x3C, 3Ch or 60."},
        {"db 1, %2, 3",
         {},
         "\"%2\" on line 1 is not a number; sprite data numbers are written as %01100110, $3C, "
         "0x3C, 3Ch or 60."},
        {"db FFh",
         {},
         "\"FFh\" on line 1 is not a number; sprite data numbers are written as %01100110, $3C, "
         "0x3C, 3Ch or 60."},
        {picture(128, 16), "# mine\n120 barrel\n\n121barrel\n",
         "Line 4 of /d/tiles.names does not name a tile; each line is a code from 0 to 255 and "
         "its name, as in \"120 barrel\"."},
        {picture(128, 16), "256 nothing\n",
         "Line 1 of /d/tiles.names does not name a tile; each line is a code from 0 to 255 and "
         "its name, as in \"120 barrel\"."},
        {picture(128, 16), "120\n",
         "Line 1 of /d/tiles.names does not name a tile; each line is a code from 0 to 255 and "
         "its name, as in \"120 barrel\"."},
    };
    for (const Case& c : cases) {
        const TilePicturesRead read =
            readTilePicturesData("/d/tiles.png", c.data, c.names.isEmpty() ? nullptr : &c.names);
        EXPECT_FALSE(read.pictures) << c.reason;
        // Paths in messages are the system's own: backslashes on Windows.
        EXPECT_EQ(read.refusal, QDir::toNativeSeparators(
                                    QStringLiteral("Can't use /d/tiles.png as tile pictures.\r") +
                                    QString::fromUtf8(c.reason)));
    }
}

TEST(TilePictures, TakeTheNamesFileBesideThem) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("art.v2.png"));
    EXPECT_EQ(tileNamesPath(path), folder.filePath(QStringLiteral("art.v2.names")));
    EXPECT_EQ(tileNamesPath(QStringLiteral("/d.x/tiles")), QStringLiteral("/d.x/tiles.names"));
    QFile picturesFile(path);
    ASSERT_TRUE(picturesFile.open(QIODevice::WriteOnly));
    picturesFile.write(picture(128, 16));
    picturesFile.close();
    QFile namesFile(tileNamesPath(path));
    ASSERT_TRUE(namesFile.open(QIODevice::WriteOnly));
    namesFile.write("# the game's own\n120   barrel  \n\n7 st\xc3\xa4ir\n");
    namesFile.close();

    const TilePicturesRead read = readTilePictures(path);
    ASSERT_TRUE(read.pictures) << read.refusal.toStdString();
    EXPECT_EQ(read.pictures->names[120], QStringLiteral("barrel"));
    EXPECT_EQ(read.pictures->names[7], QString::fromUtf8("st\xc3\xa4ir"));
    EXPECT_EQ(read.pictures->names[58], QStringLiteral("ammo"));
    EXPECT_EQ(read.pictures->names[20], QString());
    EXPECT_EQ(read.pictures->sheet.pixel(0, 0), kRed);
}

} // namespace
} // namespace vrh
