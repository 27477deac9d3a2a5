#include "commandline.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace vrh {

namespace {

const QString kProgramName = QStringLiteral("VrhEdit");

// Read by QApplication from the same arguments; listed so that they are not refused here.
void addQtOptions(QCommandLineParser& parser) {
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
          "stylesheet", "qwindowgeometry", "qwindowtitle", "qwindowicon"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QCommandLineOption reverse(QStringLiteral("reverse"));
    reverse.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(reverse);
}

CommandLine usageError(const QString& reason) {
    return {
        kUsageErrorExitCode,
        {},
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(kProgramName, reason),
        {}};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& currentFolder) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words; -h and -v still work.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Draws and edits levelsets for the calculator game Varnhold."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The levelset file (zvrhl???.vrh) to open."),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(arguments)) {
        return usageError(parser.errorText());
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), kProgramName);
        return {0, text, {}, {}};
    }
    if (parser.isSet(version)) {
        return {
            0, QStringLiteral("%1 %2\n").arg(kProgramName, QStringLiteral(VRH_VERSION)), {}, {}};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return usageError(QStringLiteral("Only one file can be opened."));
    }
    if (!files.isEmpty() && files.first().isEmpty()) {
        return usageError(QStringLiteral("The file name is empty."));
    }
    CommandLine run;
    if (!files.isEmpty()) {
        // Shown in the title as the system writes paths (backslashes on Windows).
        run.file = QDir::toNativeSeparators(
            QDir::cleanPath(QDir(currentFolder).absoluteFilePath(files.first())));
    }
    return run;
}

} // namespace vrh
