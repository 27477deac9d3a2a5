#include "commands/commandline.h"

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
    };
    // Where an absolute path starts: "/", or a drive on Windows.
    const QString root = QDir::rootPath();
    const QString here = root + "home/designer/levels";
    const Case cases[] = {
        {"nothing", {}, std::nullopt, {}, {}},
        {"absolute file", {root + "tmp/zvrhlabc.vrh"}, std::nullopt, {}, root + "tmp/zvrhlabc.vrh"},
        {"relative file", {"zvrhlabc.vrh"}, std::nullopt, {}, here + "/zvrhlabc.vrh"},
        {"relative with dots",
         {"../set/./zvrhlx.vrh"},
         std::nullopt,
         {},
         root + "home/designer/set/zvrhlx.vrh"},
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CommandLine line =
            parseCommandLine(QStringList{QStringLiteral("/usr/bin/VrhEdit")} + c.arguments, here);
        EXPECT_EQ(line.exitCode, c.exitCode);
        EXPECT_EQ(line.standardError, c.standardError);
        EXPECT_EQ(line.file, QDir::toNativeSeparators(c.file)); // as the title shows it
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
                             "  -h, --help     Shows this help and exits.\n"
                             "  -v, --version  Shows the version and exits.\n"
                             "\n"
                             "Arguments:\n"
                             "  FILE           The levelset file (zvrhl???.vrh) to open.\n"));
}

} // namespace
} // namespace vrh
