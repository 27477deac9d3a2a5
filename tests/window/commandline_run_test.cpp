// VrhEdit's command line as a shell sees it: what it prints where, and its exit status.
#include <QCoreApplication>
#include <QProcess>
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

TEST(CommandLineRun, AnswersWithoutAWindow) {
    int argc = 1;
    char name[] = "commandline_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    struct Case {
        QStringList arguments;
        int exitCode;
        QByteArray standardOutput; // a prefix
        QByteArray standardError;
    };
    const QByteArray hint = "Try 'VrhEdit --help' for more information.\n";
    // One answer on each stream; every text is checked in CommandLine.FileHelpVersionAndUsage...
    const Case cases[] = {
        {{"--help"}, 0, "Usage: VrhEdit [options] [FILE]\n", ""},
        {{"--frobnicate", "zvrhlabc.vrh"}, 2, "", "VrhEdit: Unknown option 'frobnicate'.\n" + hint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProgramRun run = runVrhEdit(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.standardOutput.startsWith(c.standardOutput))
            << run.standardOutput.toStdString();
        EXPECT_EQ(run.standardOutput.isEmpty(), c.standardOutput.isEmpty());
        EXPECT_EQ(run.standardError, c.standardError);
    }
}

} // namespace
