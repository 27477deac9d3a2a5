// SPDX-License-Identifier: GPL-3.0-or-later
// VrhEdit's command line as a shell sees it: what it prints where, its exit status and the
// pictures it writes.
#include "assets/assets.h"
#include "levelset/levelsetfile.h"
#include "levelset/safesave.h"
#include "map/drawlevel.h"
#include "map/levelpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode;
    QByteArray standardOutput;
    QByteArray standardError;
};

// Runs VrhEdit where no window can open: with no display to reach, making one would end the
// program with a fatal error from the platform plugin.
ProgramRun runVrhEdit(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VRHEDIT_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// A levelset file of fresh 12 x 8 levels; when broken, the first holds eleven alien holes and
// its start lies one column past its edge.
QByteArray levelsetFile(int levels, bool broken) {
    QByteArray bytes("VRH0ABC", 7);
    bytes.append(char(levels)).append(2, '\0').append(42, ' ');
    for (int level = 0; level < levels; ++level) {
        QByteArray tiles(96, '\0');
        QByteArray header = QByteArray::fromHex("080C00630100020059000003"
                                                "0B070000");
        if (broken && level == 0) {
            tiles.replace(0, 11, QByteArray(11, '\x45'));
            header[14] = 12;
        }
        bytes.append(header).append(tiles);
    }
    return bytes;
}

TEST(CommandLineRun, AnswersWithoutAWindow) {
    int argc = 1;
    char name[] = "commandline_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto path = [&dir](const char* name) {
        return QDir::toNativeSeparators(dir.filePath(QString::fromLatin1(name)));
    };
    const QString twoLevels = path("zvrhltwo.vrh");
    const QString fresh = path("zvrhlnew.vrh");
    // nine levels, the ninth past the eight read; none at all
    const QString nine = path("zvrhlnin.vrh");
    const QString none = path("zvrhlnon.vrh");
    for (const auto& [file, levels] :
         {std::pair{twoLevels, 2}, std::pair{fresh, 1}, std::pair{nine, 9}, std::pair{none, 0}}) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(levelsetFile(levels, levels == 2));
    }
    // Other names of the two-level set: a second name of the same file, and a link to it.
    const QString sameFile = path("same.png");
    const QString link = path("link.png");
    std::filesystem::create_hard_link(twoLevels.toStdU16String(), sameFile.toStdU16String());
#ifndef _WIN32
    std::filesystem::create_symlink(twoLevels.toStdU16String(), link.toStdU16String());
#endif
    // Tile pictures: 8 x 8 tiles of one colour for codes 0 to 7, the same with a names file
    // that names nothing, and a picture of no tile size.
    const QString tiles = path("tiles.png");
    const QString named = path("named.png");
    const QString odd = path("odd.png");
    QImage sheet(64, 8, QImage::Format_RGB32);
    sheet.fill(qRgb(0x12, 0x34, 0x56));
    ASSERT_TRUE(sheet.save(tiles) && sheet.save(named));
    ASSERT_TRUE(QImage(100, 40, QImage::Format_RGB32).save(odd));
    {
        QFile names(path("named.names"));
        ASSERT_TRUE(names.open(QIODevice::WriteOnly));
        names.write("# ours\nbarrel 120\n");
    }
    const QByteArray cantUse = " as tile pictures.\n";
    const QString missing = path("zvrhlnot.vrh");
    const QString picture = path("out.png");
    const QString nowhere = path("missing/out.png");
    // The editor's "Error!" box, worded the same, one line a line of the box.
    const auto box = [](QString text) { return text.replace('\r', '\n').toLocal8Bit() + '\n'; };
    const QByteArray cantOpen = box(vrh::readLevelsetFile(missing).error);
    const QByteArray cantSave = box(vrh::cantSaveMessage(
        nowhere, *vrh::replaceFileSafely(nowhere, "x", vrh::WriteMethod::SaveFile)));
    struct Case {
        QStringList arguments;
        int exitCode;
        QByteArray standardOutput; // the start of it, for --help
        QByteArray standardError;
        QSize picture = QSize(0, 0); // the size of the picture written, when one is
        // the colour in the middle of column 5 row 3, a cell that has no marker, when given
        std::optional<QRgb> plainCell = {};
    };
    const QString itself = QStringLiteral("That file is the levelset the picture is drawn from.");
    const QByteArray hint = "Try 'VrhEdit --help' for more information.\n";
    // One answer on each stream; every text is checked in CommandLine.FileHelpVersionAndUsage...
    const Case cases[] = {
        {{"--help"}, 0, "Usage: VrhEdit [options] [FILE]\n", ""},
        {{"--frobnicate", "zvrhlabc.vrh"}, 2, "", "VrhEdit: Unknown option 'frobnicate'.\n" + hint},
        {{"--export-picture", picture, twoLevels}, 0, "", "", {1024, 528}},
        {{"--export-picture", picture, "--level", "1", fresh}, 0, "", "", {192, 128}},
        {{"--export-picture", picture, "--level", "3", twoLevels},
         2,
         "",
         "VrhEdit: There is no level 3 in " + twoLevels.toLocal8Bit() +
             ". The levelset has 2 levels.\n"},
        {{"--export-picture", picture, none},
         1,
         "",
         box(vrh::cantSaveMessage(picture, "The levelset has no level."))},
        // Qt's own options choose no platform that needs a display.
        {{"-platform", "xcb", "--export-picture", picture, fresh}, 0, "", "", {512, 528}},
        {{"--export-picture", picture, missing}, 1, "", cantOpen},
        {{"--export-picture", picture, "--level", "1", "--tiles", tiles, fresh},
         0,
         "",
         "",
         {192, 128},
         qRgb(0x12, 0x34, 0x56)},
        {{"--export-picture", picture, "--tiles", odd, fresh},
         1,
         "",
         "Can't use " + odd.toLocal8Bit() + cantUse +
             "The picture is 100 x 40 pixels; tile pictures are 128 or 64 pixels wide and a "
             "whole number of tile rows high.\n"},
        {{"--export-picture", picture, "--tiles", named, fresh},
         1,
         "",
         "Can't use " + named.toLocal8Bit() + cantUse + "Line 2 of " +
             path("named.names").toLocal8Bit() +
             " does not name a tile; each line is a code from 0 to 255 and its name, as in "
             "\"120 barrel\".\n"},
        // Never over the levelset drawn from, however named, nor over another levelset.
        {{"--export-picture", twoLevels, twoLevels},
         1,
         "",
         box(vrh::cantSaveMessage(twoLevels, itself))},
        {{"--export-picture", sameFile, twoLevels},
         1,
         "",
         box(vrh::cantSaveMessage(sameFile, itself))},
#ifndef _WIN32
        {{"--export-picture", link, twoLevels}, 1, "", box(vrh::cantSaveMessage(link, itself))},
#endif
        {{"--export-picture", fresh, twoLevels},
         1,
         "",
         box(vrh::cantSaveMessage(
             fresh, "That file holds a levelset; a picture is not written over one."))},
        {{"--export-picture", nowhere, fresh}, 1, "", cantSave},
        {{"--check", fresh}, 0, "", ""},
        {{"--check", twoLevels},
         3,
         "Level 1: 11 alien holes, more than the 10 allowed\n"
         "Level 1: the start position, column 12 row 0, lies outside the level's 12 columns by 8 "
         "rows\n",
         ""},
        {{"--check", missing}, 1, "", cantOpen},
        {{"--check", nine},
         3,
         "The file's level count is 9; 8 levels are read\n"
         "112 bytes after the last level are not part of the levelset\n",
         ""},
        {{"--print", fresh}, 0, "Magic: \"VRH0\"\nName: \"ABC\"\nLevels: 1\n", ""},
        {{"--print", missing}, 1, "", cantOpen},
        {{"--diff", fresh, fresh}, 0, "", ""},
        {{"--diff", twoLevels, fresh},
         3,
         "Levels: 2 -> 1\n"
         "Level 1: startX 12 -> 0\n"
         "Level 1: 11 cells changed: column 0 row 0 45 -> 00, column 1 row 0 45 -> 00, ",
         ""},
        {{"--diff", fresh, missing}, 1, "", cantOpen},
        {{"--diff", fresh}, 2, "", "VrhEdit: --diff compares two levelsets: name both.\n" + hint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QFile::remove(picture);
        const ProgramRun run = runVrhEdit(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.standardOutput.left(c.standardOutput.size()), c.standardOutput);
        EXPECT_EQ(run.standardOutput.isEmpty(), c.standardOutput.isEmpty());
        EXPECT_EQ(run.standardError, c.standardError);
        const QImage written(picture);
        EXPECT_EQ(written.size(), c.picture);
        if (c.plainCell) {
            EXPECT_EQ(written.pixel(88, 56), *c.plainCell);
        }
    }
    EXPECT_EQ(vrh::readLevelsetBytes(twoLevels).bytes, levelsetFile(2, true));
    EXPECT_EQ(vrh::readLevelsetBytes(fresh).bytes, levelsetFile(1, false));

    // A level is drawn as Export Picture draws it from a fresh window: start and finish shown.
    ASSERT_EQ(runVrhEdit({"--export-picture", picture, "--level", "2", twoLevels}).exitCode, 0);
    const vrh::LevelRecord second = vrh::readLevelsetFile(twoLevels).levelset->levels[1];
    EXPECT_EQ(QImage(picture).convertToFormat(QImage::Format_RGB32),
              vrh::levelPicture(second, vrh::prepareTileSheet(vrh::tileSheet()), {})
                  .convertToFormat(QImage::Format_RGB32));
}

} // namespace
