// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandlinerun.h"

#include "assets/assets.h"
#include "commands/levels/levelsetcheck.h"
#include "commands/tiles/tilepictures.h"
#include "levelset/levelsetfile.h"
#include "levelset/levelsettext.h"
#include "map/drawlevel.h"
#include "map/levelpicture.h"

namespace vrh {

namespace {

// A box's message on a console: its lines, each ended.
ConsoleAnswer fileError(const QString& message) {
    QString text = message;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return {kFileErrorExitCode, {}, text + QLatin1Char('\n')};
}

// "The levelset has 3 levels.", "The levelset has 1 level.", "The levelset has no level."
QString levelCountText(int count) {
    if (count == 0) {
        return QStringLiteral("The levelset has no level.");
    }
    return count == 1 ? QStringLiteral("The levelset has 1 level.")
                      : QStringLiteral("The levelset has %1 levels.").arg(count);
}

// The sheet to draw with: the built-in one, or the one read from --tiles (never the one the
// editor's settings remember, so that a script draws the same picture on every machine).
std::optional<QImage> tileSheetFor(const CommandLine& commandLine, QString& refusal) {
    if (commandLine.tilesFile.isEmpty()) {
        return prepareTileSheet(tileSheet());
    }
    TilePicturesRead read = readTilePictures(commandLine.tilesFile);
    if (!read.pictures) {
        refusal = read.refusal;
        return std::nullopt;
    }
    return prepareTileSheet(read.pictures->sheet);
}

ConsoleAnswer exportPicture(const CommandLine& commandLine, const Levelset& levelset) {
    if (commandLine.level && *commandLine.level > levelset.numLevels) {
        return {kUsageErrorExitCode,
                {},
                QStringLiteral("VrhEdit: There is no level %1 in %2. %3\n")
                    .arg(*commandLine.level)
                    .arg(commandLine.file, levelCountText(levelset.numLevels))};
    }
    QString refusal;
    const std::optional<QImage> sheet = tileSheetFor(commandLine, refusal);
    if (!sheet) {
        return fileError(refusal);
    }
    QImage picture;
    if (commandLine.level) {
        picture = levelPicture(levelset.levels[*commandLine.level - 1], *sheet, ShownMarkers{});
    } else if (levelset.numLevels == 0) {
        return fileError(cantSaveMessage(commandLine.pictureFile, levelCountText(0)));
    } else {
        picture = allLevelsPicture(levelset, *sheet, ShownMarkers{});
    }
    if (const std::optional<QString> error =
            writePictureFile(picture, commandLine.pictureFile, commandLine.file)) {
        return fileError(*error);
    }
    return {};
}

ConsoleAnswer check(const ReadResult& read) {
    const QStringList found = checkLevelsetFile(read);
    if (found.isEmpty()) {
        return {};
    }
    return {kCheckFoundExitCode, found.join(QLatin1Char('\n')) + QLatin1Char('\n'), {}};
}

ConsoleAnswer print(const ReadResult& read) {
    return {0, levelsetText(read.bytes), {}};
}

ConsoleAnswer diff(const ReadResult& first, const ReadResult& second) {
    const QStringList lines = levelsetDifferences(first.bytes, second.bytes);
    if (lines.isEmpty()) {
        return {};
    }
    return {kCheckFoundExitCode, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), {}};
}

} // namespace

bool isTextTask(CommandLineTask task) {
    return task == CommandLineTask::Print || task == CommandLineTask::Diff;
}

ConsoleAnswer runTextTask(const CommandLine& commandLine) {
    const ReadResult first = readWholeLevelsetFile(commandLine.file);
    if (!first.levelset) {
        return fileError(first.error);
    }
    if (commandLine.task == CommandLineTask::Print) {
        return print(first);
    }
    const ReadResult second = readWholeLevelsetFile(commandLine.secondFile);
    if (!second.levelset) {
        return fileError(second.error);
    }
    return diff(first, second);
}

ConsoleAnswer runWithoutWindow(const CommandLine& commandLine) {
    const ReadResult read = readLevelsetFile(commandLine.file);
    if (!read.levelset) {
        return fileError(read.error);
    }
    if (commandLine.task == CommandLineTask::Check) {
        return check(read);
    }
    return exportPicture(commandLine, *read.levelset);
}

const char* platformWithoutDisplay() {
#ifdef Q_OS_WIN
    // The one platform the program links; it draws text without any window.
    return "windows";
#else
    return "offscreen";
#endif
}

} // namespace vrh
