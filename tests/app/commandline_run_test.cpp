// VrhEdit's command line as a shell sees it: what it prints where, its exit status and the
// pictures it writes.
#include "levelset/levelsetfile.h"
#include "levelset/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
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
    for (const auto& [file, levels] : {std::pair{twoLevels, 2}, std::pair{fresh, 1}}) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(levelsetFile(levels, levels == 2));
    }
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
    };
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
         "VrhEdit: " + twoLevels.toLocal8Bit() + " has 2 levels; there is no level 3.\n"},
        {{"--export-picture", picture, missing}, 1, "", cantOpen},
        {{"--export-picture", nowhere, fresh}, 1, "", cantSave},
        {{"--check", fresh}, 0, "", ""},
        {{"--check", twoLevels},
         3,
         "Level 1: 11 alien holes, more than the 10 allowed\n"
         "Level 1: the start position, column 12 row 0, lies outside the level's 12 columns by 8 "
         "rows\n",
         ""},
        {{"--check", missing}, 1, "", cantOpen},
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
        EXPECT_EQ(QImage(picture).size(), c.picture);
    }
}

} // namespace
