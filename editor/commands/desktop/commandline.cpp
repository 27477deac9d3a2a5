// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "levelset/filepath.h"
#include "levelset/levelset.h"

#include <QCommandLineParser>
#include <QDir>

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
    CommandLine answer;
    answer.exitCode = kUsageErrorExitCode;
    answer.standardError =
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(kProgramName, reason);
    return answer;
}

CommandLine answerWith(const QString& standardOutput) {
    CommandLine answer;
    answer.exitCode = 0;
    answer.standardOutput = standardOutput;
    return answer;
}

// The file the system names, shown in the title and the messages as the system writes paths
// (backslashes on Windows).
QString absolutePath(const QString& currentFolder, const QString& path) {
    return QDir::toNativeSeparators(resolvedPath(path, currentFolder));
}

// --print FILE and --diff FILE SECOND, the levelset as text and the differences between two;
// nothing when neither is asked for. Each goes with no other task and no --level.
std::optional<CommandLine> textTask(const QCommandLineParser& parser,
                                    const QCommandLineOption& print, const QCommandLineOption& diff,
                                    const QList<const QCommandLineOption*>& others,
                                    const QString& currentFolder) {
    const bool printing = parser.isSet(print);
    const bool comparing = parser.isSet(diff);
    if (!printing && !comparing) {
        return std::nullopt;
    }
    if (printing && comparing) {
        return usageError(QStringLiteral("--print and --diff can't go together."));
    }
    const QString task = printing ? QStringLiteral("--print") : QStringLiteral("--diff");
    for (const QCommandLineOption* other : others) {
        if (parser.isSet(*other)) {
            return usageError(QStringLiteral("--%1 and %2 can't go together.")
                                  .arg(other->names().constLast(), task));
        }
    }
    const QStringList files = parser.positionalArguments();
    if (printing && files.isEmpty()) {
        return usageError(QStringLiteral("Which levelset? Name its FILE."));
    }
    if (printing && files.size() > 1) {
        return usageError(QStringLiteral("--print reads one levelset."));
    }
    if (comparing && files.size() != 2) {
        return usageError(QStringLiteral("--diff compares two levelsets: name both."));
    }
    if (files.contains(QString())) {
        return usageError(QStringLiteral("The file name is empty."));
    }
    CommandLine run;
    run.task = printing ? CommandLineTask::Print : CommandLineTask::Diff;
    run.file = absolutePath(currentFolder, files.first());
    if (comparing) {
        run.secondFile = absolutePath(currentFolder, files.last());
    }
    return run;
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
    const QCommandLineOption exportPicture(
        QStringLiteral("export-picture"),
        QStringLiteral("Writes the levels of FILE as a PNG picture to OUT.png, as Export All "
                       "Levels does, and exits. Never writes over FILE or another levelset."),
        QStringLiteral("OUT.png"));
    const QCommandLineOption level(
        QStringLiteral("level"),
        QStringLiteral("With --export-picture: only level N (1 to 8), as Export Picture does."),
        QStringLiteral("N"));
    const QCommandLineOption tiles(
        QStringLiteral("tiles"),
        QStringLiteral("With --export-picture: draws with the tile pictures in PICTURES (a "
                       "picture 128 or 64 pixels wide, or sprite data) and the names in the "
                       ".names file beside it; without it, with the built-in pictures."),
        QStringLiteral("PICTURES"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Reports on standard output what the next save would leave out of FILE, "
                       "every level with too many alien holes or security guards and every "
                       "position outside its level; exits with 3 when it finds one, else 0."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(exportPicture);
    parser.addOption(level);
    parser.addOption(tiles);
    parser.addOption(check);
    const QCommandLineOption print(
        QStringLiteral("print"),
        QStringLiteral("Writes everything FILE holds to standard output as text, one value or "
                       "row of cells a line, and exits."));
    const QCommandLineOption diff(
        QStringLiteral("diff"),
        QStringLiteral("Compares FILE with a second levelset named after it and writes what "
                       "differs, level by level; exits with 3 when they differ, 0 when they hold "
                       "the same bytes."));
    parser.addOption(print);
    parser.addOption(diff);
    addQtOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("The levelset file (zvrhl???.vrh) to open or read."),
        QStringLiteral("[FILE]"));

    if (!parser.parse(arguments)) {
        return usageError(parser.errorText());
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), kProgramName);
        return answerWith(text);
    }
    if (parser.isSet(version)) {
        return answerWith(QStringLiteral("%1 %2\n").arg(kProgramName, QStringLiteral(VRH_VERSION)));
    }
    // Twice is no choice: which one was meant?
    for (const QCommandLineOption& own : {exportPicture, level, tiles, check, print, diff}) {
        const QString name = own.names().first();
        if (parser.optionNames().count(name) > 1) {
            return usageError(QStringLiteral("--%1 is given more than once.").arg(name));
        }
    }
    if (std::optional<CommandLine> text = textTask(
            parser, print, diff, {&exportPicture, &check, &level, &tiles}, currentFolder)) {
        return *text;
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
        run.file = absolutePath(currentFolder, files.first());
    }
    if (parser.isSet(exportPicture) && parser.isSet(check)) {
        return usageError(QStringLiteral("--export-picture and --check can't go together."));
    }
    if (parser.isSet(level) && !parser.isSet(exportPicture)) {
        return usageError(QStringLiteral("--level goes with --export-picture."));
    }
    if (parser.isSet(tiles) && !parser.isSet(exportPicture)) {
        return usageError(QStringLiteral("--tiles goes with --export-picture."));
    }
    if (parser.isSet(exportPicture)) {
        run.task = CommandLineTask::ExportPicture;
        const QString picture = parser.value(exportPicture);
        if (picture.isEmpty()) {
            return usageError(QStringLiteral("The picture's file name is empty."));
        }
        run.pictureFile = absolutePath(currentFolder, picture);
        if (parser.isSet(level)) {
            bool isNumber = false;
            const int number = parser.value(level).toInt(&isNumber);
            if (!isNumber || number < 1 || number > kMaxLevels) {
                return usageError(
                    QStringLiteral("The level must be a number from 1 to %1.").arg(kMaxLevels));
            }
            run.level = number;
        }
        if (parser.isSet(tiles)) {
            const QString pictures = parser.value(tiles);
            if (pictures.isEmpty()) {
                return usageError(QStringLiteral("The tile pictures' file name is empty."));
            }
            run.tilesFile = absolutePath(currentFolder, pictures);
        }
    } else if (parser.isSet(check)) {
        run.task = CommandLineTask::Check;
    }
    if (run.task != CommandLineTask::OpenEditor && files.isEmpty()) {
        return usageError(QStringLiteral("Which levelset? Name its FILE."));
    }
    return run;
}

} // namespace vrh
