// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/desktop/commandline.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vrh {
namespace {

const QString kUsageHint = QStringLiteral("Try 'VrhEdit --help' for more information.\n");

TEST(CommandLine, FileHelpVersionAndUsageErrors) {
    struct Case {
        const char* what;
        QStringList arguments; // after the program's own path
        std::optional<int> exitCode;
        QString standardError;
        QString file;
        CommandLineTask task = CommandLineTask::OpenEditor;
        QString pictureFile = {};
        std::optional<int> level = {};
        QString secondFile = {};
        QString tilesFile = {};
    };
    const auto usage = [](const char* reason) {
        return QStringLiteral("VrhEdit: %1\n").arg(QString::fromLatin1(reason)) + kUsageHint;
    };
    constexpr auto exportPicture = CommandLineTask::ExportPicture;
    // Where an absolute path starts: "/", or a drive on Windows.
    const QString root = QDir::rootPath();
    const QString here = root + "home/designer/levels";
    const Case cases[] = {
        {"nothing", {}, std::nullopt, {}, {}},
        {"absolute file", {root + "tmp/zvrhlabc.vrh"}, std::nullopt, {}, root + "tmp/zvrhlabc.vrh"},
        {"relative file", {"zvrhlabc.vrh"}, std::nullopt, {}, here + "/zvrhlabc.vrh"},
        // Windows itself takes ".." away as text; elsewhere a link may stand before it, and
        // this folder is not there to go up from.
        {"relative with dots",
         {"../set/./zvrhlx.vrh"},
         std::nullopt,
         {},
#ifdef Q_OS_WIN
         root + "home/designer/set/zvrhlx.vrh"},
#else
         here + "/../set/zvrhlx.vrh"},
#endif
        {"file after --", {"--", "-odd.vrh"}, std::nullopt, {}, here + "/-odd.vrh"},
        {"Qt's own option", {"-platform", "offscreen", "a.vrh"}, std::nullopt, {}, here + "/a.vrh"},
        {"unknown long option",
         {"--frobnicate"},
         2,
         "VrhEdit: Unknown option 'frobnicate'.\n" + kUsageHint,
         {}},
        {"unknown short option",
         {"-x", "a.vrh"},
         2,
         "VrhEdit: Unknown option 'x'.\n" + kUsageHint,
         {}},
        {"two files",
         {"a.vrh", "b.vrh"},
         2,
         "VrhEdit: Only one file can be opened.\n" + kUsageHint,
         {}},
        {"empty file name", {""}, 2, "VrhEdit: The file name is empty.\n" + kUsageHint, {}},
        {"version", {"--version"}, 0, {}, {}},
        {"version, short", {"-v"}, 0, {}, {}},
        {"help", {"--help"}, 0, {}, {}},
        {"help, short, beside a file", {"a.vrh", "-h"}, 0, {}, {}},
        {"export all levels",
         {"--export-picture", "out.png", "zvrhlabc.vrh"},
         std::nullopt,
         {},
         here + "/zvrhlabc.vrh",
         exportPicture,
         here + "/out.png"},
        {"export one level, options after the file",
         {"a.vrh", "--level", "8", "--export-picture", root + "tmp/p.png"},
         std::nullopt,
         {},
         here + "/a.vrh",
         exportPicture,
         root + "tmp/p.png",
         8},
        {"export with tile pictures",
         {"--tiles", "art/tiles.png", "--export-picture", "o.png", "a.vrh"},
         std::nullopt,
         {},
         here + "/a.vrh",
         exportPicture,
         here + "/o.png",
         {},
         {},
         here + "/art/tiles.png"},
        {"check", {"--check", "a.vrh"}, std::nullopt, {}, here + "/a.vrh", CommandLineTask::Check},
        {"level 0",
         {"--export-picture", "o.png", "--level", "0", "a.vrh"},
         2,
         usage("The level must be a number from 1 to 8."),
         {}},
        {"level 9",
         {"--export-picture", "o.png", "--level", "9", "a.vrh"},
         2,
         usage("The level must be a number from 1 to 8."),
         {}},
        {"level alone",
         {"--level", "2", "a.vrh"},
         2,
         usage("--level goes with --export-picture."),
         {}},
        {"tiles alone",
         {"--tiles", "t.png", "a.vrh"},
         2,
         usage("--tiles goes with --export-picture."),
         {}},
        {"empty tile pictures name",
         {"--export-picture", "o.png", "--tiles", "", "a.vrh"},
         2,
         usage("The tile pictures' file name is empty."),
         {}},
        {"two tile pictures",
         {"--export-picture", "o.png", "--tiles", "a.png", "--tiles", "b.png", "a.vrh"},
         2,
         usage("--tiles is given more than once."),
         {}},
        {"export without a file",
         {"--export-picture", "o.png"},
         2,
         usage("Which levelset? Name its FILE."),
         {}},
        {"empty picture name",
         {"--export-picture", "", "a.vrh"},
         2,
         usage("The picture's file name is empty."),
         {}},
        {"two pictures",
         {"--export-picture", "a.png", "--export-picture", "b.png", "a.vrh"},
         2,
         usage("--export-picture is given more than once."),
         {}},
        {"two levels",
         {"--export-picture", "o.png", "--level", "1", "--level", "2", "a.vrh"},
         2,
         usage("--level is given more than once."),
         {}},
        {"both at once",
         {"--check", "--export-picture", "o.png", "a.vrh"},
         2,
         usage("--export-picture and --check can't go together."),
         {}},
        {"print", {"--print", "a.vrh"}, std::nullopt, {}, here + "/a.vrh", CommandLineTask::Print},
        {"diff",
         {"--diff", "a.vrh", root + "tmp/b.vrh"},
         std::nullopt,
         {},
         here + "/a.vrh",
         CommandLineTask::Diff,
         {},
         {},
         root + "tmp/b.vrh"},
        {"print two", {"--print", "a.vrh", "b.vrh"}, 2, usage("--print reads one levelset."), {}},
        {"print none", {"--print"}, 2, usage("Which levelset? Name its FILE."), {}},
        {"diff one",
         {"--diff", "a.vrh"},
         2,
         usage("--diff compares two levelsets: name both."),
         {}},
        {"diff, an empty name", {"--diff", "a.vrh", ""}, 2, usage("The file name is empty."), {}},
        {"print and diff",
         {"--print", "--diff", "a.vrh", "b.vrh"},
         2,
         usage("--print and --diff can't go together."),
         {}},
        {"diff and a picture",
         {"--diff", "--export-picture", "o.png", "a.vrh", "b.vrh"},
         2,
         usage("--export-picture and --diff can't go together."),
         {}},
        {"print and a level",
         {"--print", "--level", "2", "a.vrh"},
         2,
         usage("--level and --print can't go together."),
         {}},
        {"print with tile pictures",
         {"--print", "--tiles", "t.png", "a.vrh"},
         2,
         usage("--tiles and --print can't go together."),
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CommandLine line =
            parseCommandLine(QStringList{QStringLiteral("/usr/bin/VrhEdit")} + c.arguments, here);
        EXPECT_EQ(line.exitCode, c.exitCode);
        EXPECT_EQ(line.standardError, c.standardError);
        EXPECT_EQ(line.file, QDir::toNativeSeparators(c.file)); // as the title shows it
        EXPECT_EQ(line.task, c.task);
        EXPECT_EQ(line.pictureFile, QDir::toNativeSeparators(c.pictureFile));
        EXPECT_EQ(line.level, c.level);
        EXPECT_EQ(line.secondFile, QDir::toNativeSeparators(c.secondFile));
        EXPECT_EQ(line.tilesFile, QDir::toNativeSeparators(c.tilesFile));
        if (!c.exitCode || *c.exitCode != 0) {
            EXPECT_EQ(line.standardOutput, QString());
        }
    }
}

TEST(CommandLine, VersionAndHelpTexts) {
    const QStringList program{QStringLiteral("VrhEdit")};
    EXPECT_EQ(parseCommandLine(program + QStringList{"--version"}, "/").standardOutput,
              QStringLiteral("VrhEdit 2.0\n"));
    EXPECT_EQ(parseCommandLine(program + QStringList{"--help"}, "/").standardOutput,
              QStringLiteral("Usage: VrhEdit [options] [FILE]\n"
                             "Draws and edits levelsets for the calculator game Varnhold.\n"
                             "\n"
                             "Options:\n"
                             "  -h, --help                  Shows this help and exits.\n"
                             "  -v, --version               Shows the version and exits.\n"
                             "  --export-picture <OUT.png>  Writes the levels of FILE as a PNG "
                             "picture to\n"
                             "                              OUT.png, as Export All Levels does, "
                             "and exits.\n"
                             "                              Never writes over FILE or another "
                             "levelset.\n"
                             "  --level <N>                 With --export-picture: only level N "
                             "(1 to 8), as\n"
                             "                              Export Picture does.\n"
                             "  --tiles <PICTURES>          With --export-picture: draws with "
                             "the tile\n"
                             "                              pictures in PICTURES (a picture 128 "
                             "or 64 pixels\n"
                             "                              wide, or sprite data) and the names "
                             "in the .names\n"
                             "                              file beside it; without it, with the "
                             "built-in\n"
                             "                              pictures.\n"
                             "  --check                     Reports on standard output what the "
                             "next save\n"
                             "                              would leave out of FILE, every level "
                             "with too many\n"
                             "                              alien holes or security guards and "
                             "every position\n"
                             "                              outside its level; exits with 3 when "
                             "it finds one,\n"
                             "                              else 0.\n"
                             "  --print                     Writes everything FILE holds to "
                             "standard output\n"
                             "                              as text, one value or row of cells a "
                             "line, and\n"
                             "                              exits.\n"
                             "  --diff                      Compares FILE with a second levelset "
                             "named after\n"
                             "                              it and writes what differs, level by "
                             "level; exits\n"
                             "                              with 3 when they differ, 0 when they "
                             "hold the same\n"
                             "                              bytes.\n"
                             "\n"
                             "Arguments:\n"
                             "  FILE                        The levelset file (zvrhl???.vrh) to "
                             "open or read.\n"));
}

} // namespace
} // namespace vrh
