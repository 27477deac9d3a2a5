// SPDX-License-Identifier: GPL-3.0-or-later
#include "usercommands.h"

#include <QDir>
#include <QSettings>

namespace vrh {

namespace {

const QString kArrayKey = QStringLiteral("commands");
const QString kNameKey = QStringLiteral("name");
const QString kCommandLineKey = QStringLiteral("commandLine");
const QString kFolderKey = QStringLiteral("folder");
const QString kSaveFirstKey = QStringLiteral("saveFirst");

} // namespace

bool UserCommand::namesLevelsetFile() const {
    return vrh::namesLevelsetFile(commandLine) || vrh::namesLevelsetFile(folder);
}

QList<UserCommand> readUserCommands(QSettings& settings) {
    QList<UserCommand> commands;
    const int count = settings.beginReadArray(kArrayKey);
    for (int index = 0; index < count; ++index) {
        settings.setArrayIndex(index);
        commands.append(
            {settings.value(kNameKey).toString(), settings.value(kCommandLineKey).toString(),
             settings.value(kFolderKey).toString(), settings.value(kSaveFirstKey, true).toBool()});
    }
    settings.endArray();
    return commands;
}

void writeUserCommands(QSettings& settings, const QList<UserCommand>& commands) {
    // A shorter list leaves nothing of the longer one behind.
    settings.remove(kArrayKey);
    settings.beginWriteArray(kArrayKey, static_cast<int>(commands.size()));
    for (int index = 0; index < commands.size(); ++index) {
        settings.setArrayIndex(index);
        const UserCommand& command = commands[index];
        settings.setValue(kNameKey, command.name);
        settings.setValue(kCommandLineKey, command.commandLine);
        settings.setValue(kFolderKey, command.folder);
        settings.setValue(kSaveFirstKey, command.saveFirst);
    }
    settings.endArray();
    settings.sync();
}

QString userCommandCaption(const UserCommand& command) {
    QString caption = command.name.isEmpty() ? command.commandLine : command.name;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

CommandPlan planUserCommand(const UserCommand& command, const PlaceholderValues& values,
                            const QString& currentFolder) {
    const CommandWords split = splitCommandWords(command.commandLine);
    if (!split.error.isEmpty()) {
        return {std::nullopt, split.error};
    }
    if (split.words.isEmpty()) {
        return {std::nullopt, QStringLiteral("The command line is empty.")};
    }
    QStringList words;
    for (const QString& word : split.words) {
        words << fillPlaceholders(word, values);
    }
    const QString base = values.folder.isEmpty() ? currentFolder : values.folder;
    const QString folder = fillPlaceholders(command.folder, values);
    CommandStart start;
    start.program = words.takeFirst();
    start.arguments = words;
    start.folder = QDir::toNativeSeparators(
        folder.isEmpty() ? base : QDir::cleanPath(QDir(base).absoluteFilePath(folder)));
    start.shownLine = joinCommandWords(QStringList{start.program} + start.arguments);
    return {start, {}};
}

QString finishedText(int exitCode) {
    return QStringLiteral("Finished with exit code %1.").arg(exitCode);
}

QString couldNotStartText(const QString& program, const QString& reason) {
    return QStringLiteral("Could not start %1.\n%2").arg(program, reason);
}

} // namespace vrh
