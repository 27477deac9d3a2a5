// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/assets.h"
#include "picturetext.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vrh::art {
namespace {

using vrh::toolbarIconKeys;

// A well-formed tile source: every code a picture with one black pixel per code's bit.
QString validTiles() {
    QString text = QStringLiteral("; test tiles\n\n");
    for (int code = 0; code < kPaletteCodes; ++code) {
        text += QStringLiteral("tile %1 tile number %1\n").arg(code);
        for (int y = 0; y < 8; ++y) {
            QString row(8, QLatin1Char('.'));
            if (code & (1 << y)) {
                row[y] = QLatin1Char('#');
            }
            text += row + QLatin1Char('\n');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

// Line 4 is the first row of tile 0, line 13 the header of tile 1.
QString withLine(const QString& text, int lineNumber, const QString& replacement) {
    QStringList lines = text.split(QLatin1Char('\n'));
    lines[lineNumber - 1] = replacement;
    return lines.join(QLatin1Char('\n'));
}

QString errorOf(const QString& text) {
    try {
        readTilePictures(text, QStringLiteral("tiles.txt"));
    } catch (const SourceError& error) {
        return QString::fromStdString(error.what());
    }
    return QStringLiteral("(accepted)");
}

TEST(TileSource, ReadsEveryCodeInOrder) {
    const std::vector<QImage> pictures = readTilePictures(validTiles(), QStringLiteral("t"));
    ASSERT_EQ(pictures.size(), 178u);
    for (const int code : {0, 1, 5, 177}) {
        for (int y = 0; y < 8; ++y) {
            const bool black = code & (1 << y);
            EXPECT_EQ(pictures[code].pixel(y, y), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << code;
        }
    }
}

TEST(TileSource, RefusesMalformedSourcesNamingTheLine) {
    const QString valid = validTiles();
    struct Case {
        QString source;
        const char* message;
    };
    const Case cases[] = {
        {withLine(valid, 4, "......."), "tiles.txt:4: a row of tile 0 is 7 pixels wide, not 8"},
        {withLine(valid, 5, "..x....."),
         "tiles.txt:5: a row of tile 0 has 'x', which is not in the palette \"#.\""},
        {withLine(valid, 11, ""), "tiles.txt:3: tile 0 has 7 rows, not 8"},
        {withLine(valid, 12, "........"), "tiles.txt:3: tile 0 has 9 rows, not 8"},
        {withLine(valid, 13, "tile 0 again"), "tiles.txt:13: tile 0 is already drawn at line 3"},
        {withLine(valid, 13, "tile 178 too far"),
         "tiles.txt:13: the tile code must be a number from 0 to 177"},
        {withLine(valid, 13, "tile one floor"),
         "tiles.txt:13: the tile code must be a number from 0 to 177"},
        {withLine(valid, 13, "tile 1"), "tiles.txt:13: tile 1 has no name"},
        {withLine(valid, 13, "icon New 16"),
         "tiles.txt:13: expected \"tile <code> <name>\", found \"icon New 16\""},
        {withLine(valid, 13, "tile1 floor"),
         "tiles.txt:13: \"tile1 floor\" is neither a header, a comment nor a row under a header"},
        {valid.section(QStringLiteral("tile 176"), 0, 0),
         "tiles.txt: no picture for tile code 176, 177"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.source), QString::fromUtf8(c.message));
    }
}

const char* const kIcons = "colour . 192 192 192\n"
                           "colour # 0 0 0\n"
                           "\n"
                           "icon New 2\n"
                           "#.\n"
                           ".#\n";

TEST(IconSource, ReadsThePaletteLetters) {
    const std::vector<Icon> icons = readIcons(QString::fromLatin1(kIcons), QStringLiteral("i"));
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].key, QStringLiteral("New"));
    ASSERT_EQ(icons[0].image.size(), QSize(2, 2));
    EXPECT_EQ(icons[0].image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(icons[0].image.pixel(1, 0), qRgb(192, 192, 192));
}

TEST(IconSource, RefusesMalformedSourcesNamingTheLine) {
    const QString valid = QString::fromLatin1(kIcons);
    struct Case {
        QString source;
        const char* message;
    };
    const Case cases[] = {
        {withLine(valid, 5, "#r"),
         "icons.txt:5: a row of icon New has 'r', which is not in the palette \".#\""},
        {withLine(valid, 6, "."), "icons.txt:6: a row of icon New is 1 pixels wide, not 2"},
        {withLine(valid, 2, "colour # 0 0 256"), "icons.txt:2: expected \"colour <letter> <red> "
                                                 "<green> <blue>\" with values from 0 to 255"},
        {withLine(valid, 2, "colour . 0 0 0"), "icons.txt:2: colour '.' is given twice"},
        {withLine(valid, 4, "icon New"),
         "icons.txt:4: expected \"icon <key> <size>\", found \"icon New\""},
        {withLine(valid, 4, "icon New big"),
         "icons.txt:4: the size of icon New must be a number from 1 to 256"},
        {valid + "\nicon New 1\n.\n", "icons.txt:8: icon New is already drawn at line 4"},
    };
    for (const Case& c : cases) {
        QString error = QStringLiteral("(accepted)");
        try {
            readIcons(c.source, QStringLiteral("icons.txt"));
        } catch (const SourceError& e) {
            error = QString::fromStdString(e.what());
        }
        EXPECT_EQ(error, QString::fromUtf8(c.message));
    }
}

// The generator's line end on the console: CR LF on Windows, as console programs write there.
#ifdef _WIN32
const QString kLineEnd = QStringLiteral("\r\n");
#else
const QString kLineEnd = QStringLiteral("\n");
#endif

// The build runs the generator; a malformed source must stop it with the file and line.
TEST(Generator, FailsWithTheSourceFaultAndWritesNoSheet) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile tiles(dir.filePath(QStringLiteral("tiles.txt")));
    ASSERT_TRUE(tiles.open(QIODevice::WriteOnly));
    tiles.write(withLine(validTiles(), 4, ".......").toUtf8());
    tiles.close();
    QFile icons(dir.filePath(QStringLiteral("icons.txt")));
    ASSERT_TRUE(icons.open(QIODevice::WriteOnly));
    icons.write(kIcons);
    icons.close();

    QProcess generator;
    generator.start(QStringLiteral(VRH_ARTGEN),
                    {tiles.fileName(), icons.fileName(), dir.filePath(QStringLiteral("out")),
                     QStringLiteral("New")});
    ASSERT_TRUE(generator.waitForFinished(60000));
    EXPECT_EQ(generator.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(generator.readAllStandardError()),
              QStringLiteral("vrh_artgen: tiles.txt:4: a row of tile 0 is 7 pixels wide, not 8") +
                  kLineEnd);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out/tiles.png"))));
}

TEST(Generator, FailsWhenAToolbarIconHasNoPicture) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList arguments =
        QStringList{QStringLiteral(VRH_ASSETS_SOURCE_DIR "/tiles.txt"),
                    QStringLiteral(VRH_ASSETS_SOURCE_DIR "/icons.txt"), dir.path()} +
        toolbarIconKeys() + QStringList{QStringLiteral("Undo")};
    QProcess generator;
    generator.start(QStringLiteral(VRH_ARTGEN), arguments);
    ASSERT_TRUE(generator.waitForFinished(60000));
    EXPECT_EQ(generator.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(generator.readAllStandardError()),
              QStringLiteral("vrh_artgen: icons.txt: no picture for icon Undo") + kLineEnd);
}

} // namespace
} // namespace vrh::art
