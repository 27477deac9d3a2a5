// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandlinerun.h"
#include "app/startup.h"
#include "assets/assets.h"
#include "commands/desktop/commandline.h"
#include "levelset/filepath.h"
#include "platform/qtuserinterface.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>

#ifdef Q_OS_WIN
#include "platform/consoleanswer.h"

#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace {

#ifdef Q_OS_WIN
// Windows hands argv over in the ANSI code page, where a file name double-clicked in Explorer
// may not fit; the wide command line keeps every character.
QStringList argumentList(int, char*[]) {
    QStringList arguments;
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) {
            arguments << QString::fromWCharArray(wide[i]);
        }
        LocalFree(wide);
    }
    return arguments;
}

QString currentFolder() {
    return QDir::currentPath();
}
#else
// A path's bytes kept as they are, UTF-8 or not, so that they reach the file system unchanged.
QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << vrh::pathFromFileSystemBytes(argv[i]);
    }
    return arguments;
}

QString currentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? QDir::currentPath() : vrh::fromFileSystemPath(folder);
}
#endif

// The answer of a command line that opens no window, on the console.
int answer(const vrh::ConsoleAnswer& reply) {
#ifdef Q_OS_WIN
    vrh::answerWithoutConsole(reply.standardOutput, reply.standardError, reply.exitCode != 0);
#else
    // A path in the answer is written with the bytes it was given with.
    std::fputs(vrh::fileSystemBytes(reply.standardOutput).constData(), stdout);
    std::fputs(vrh::fileSystemBytes(reply.standardError).constData(), stderr);
#endif
    return reply.exitCode;
}

// Qt's own notes (a missing runtime folder, say) are no part of a console answer; its errors
// still are.
void keepQtNotesOffTheConsole(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // --help, --version and usage errors answer before any window, and without a display.
    const vrh::CommandLine commandLine =
        vrh::parseCommandLine(argumentList(argc, argv), currentFolder());
    if (commandLine.exitCode) {
        return answer(
            {*commandLine.exitCode, commandLine.standardOutput, commandLine.standardError});
    }
    // The text of a levelset and the differences between two: no application object at all.
    if (vrh::isTextTask(commandLine.task)) {
        return answer(vrh::runTextTask(commandLine));
    }
    // Pictures and the check: no window, no display; the picture's text still needs fonts.
    if (commandLine.task != vrh::CommandLineTask::OpenEditor) {
        qputenv("QT_QPA_PLATFORM", vrh::platformWithoutDisplay());
        qInstallMessageHandler(keepQtNotesOffTheConsole);
        // The program's name alone: Qt's own options (-platform xcb, -display) would choose a
        // platform that needs a display after all.
        int programNameOnly = 1;
        const QGuiApplication app(programNameOnly, argv);
        return answer(vrh::runWithoutWindow(commandLine));
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(vrh::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnhold.VrhEdit"));
    vrh::QtUserInterface userInterface;
    const std::unique_ptr<vrh::frmMain> window = vrh::startEditor(userInterface, userInterface);
    userInterface.setParentWindow(window.get());
    if (!commandLine.file.isEmpty()) {
        // Nothing to save yet, no prompt, unless a recovered levelset came first.
        window->openFile(commandLine.file, !window->history().stack().isClean());
    }
    return app.exec();
}
