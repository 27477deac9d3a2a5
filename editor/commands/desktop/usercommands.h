// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandwords.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QSettings;

namespace vrh {

inline const QString kCommandsTitle = QStringLiteral("Commands");
inline const QString kCommandOutputTitle = QStringLiteral("Command Output");
inline const QString kNewCommandName = QStringLiteral("New Command");
inline const QString kCommandRunningMessage =
    QStringLiteral("A command is still running. Stop it and exit?");
inline const QString kStoppedText = QStringLiteral("Stopped.");
inline const QString kCrashedText = QStringLiteral("Crashed.");

// The first nine commands have the keys Ctrl+1 to Ctrl+9.
inline constexpr int kCommandKeys = 9;

// A command of the user's own, run from the Tools menu on the open levelset.
struct UserCommand {
    QString name;
    QString commandLine;
    QString folder;        // empty: the levelset's folder
    bool saveFirst = true; // save as Save does, and run only if the levelset was written

    // Whether the command line or the folder asks for the levelset's file.
    bool namesLevelsetFile() const;

    friend bool operator==(const UserCommand&, const UserCommand&) = default;
};

// The commands kept in the settings, in their order. Every change is written at once.
QList<UserCommand> readUserCommands(QSettings& settings);
void writeUserCommands(QSettings& settings, const QList<UserCommand>& commands);

// The menu entry's caption: the name as it is (an & shows as one), or the command line while
// the name is empty.
QString userCommandCaption(const UserCommand& command);

// What running a command starts: the program with its arguments, started directly, in a
// working folder, and the line shown for it.
struct CommandStart {
    QString program;
    QStringList arguments;
    QString folder;
    QString shownLine;
};

// The command line split into words, each word's placeholders then filled, so that a path
// with blanks stays one word; the folder filled too. An empty folder is the levelset's (the
// current folder while it has none), a relative one is taken from there. Says why when the
// line can't be split or holds no word.
struct CommandPlan {
    std::optional<CommandStart> start;
    QString error;
};
CommandPlan planUserCommand(const UserCommand& command, const PlaceholderValues& values,
                            const QString& currentFolder);

// The last line in the output: "Finished with exit code 3."; "Could not start PROGRAM." and
// the system's reason on the next line.
QString finishedText(int exitCode);
QString couldNotStartText(const QString& program, const QString& reason);

} // namespace vrh
