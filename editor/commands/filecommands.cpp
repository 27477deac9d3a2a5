// SPDX-License-Identifier: GPL-3.0-or-later
#include "filecommands.h"

#include "commands/desktop/dialogfolder.h"
#include "commands/desktop/recentfiles.h"
#include "commands/levels/levelrules.h"
#include "levelset/filepath.h"
#include "levelset/levelsetfile.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace vrh {

FileCommands::FileCommands(Levelset& levelset, EditingState& state, MessageBoxes& messages,
                           FileDialogs& dialogs, LevelsetView& view, QString initialFolder)
    : levelset_(levelset), state_(state), messages_(messages), dialogs_(dialogs), view_(view),
      initialFolder_(std::move(initialFolder)) {}

void FileCommands::formLoad() {
    newLevelset();
    state_.curTile = 0;
    state_.curLevel = 0;
    state_.mouseChoice = SetPositions;
    view_.showLevelLabel();
}

void FileCommands::newLevelset() {
    resetLevelset(levelset_);
    askBeforeSavingOver_ = false;
    knownFile_.forget();
    showReplacedLevelset();
}

void FileCommands::fileNew() {
    if (savePrompt()) {
        newLevelset();
    }
}

void FileCommands::fileOpen() {
    if (!savePrompt()) {
        return;
    }
    const std::optional<QString> chosen =
        dialogs_.openFileName(dialogSetup(QStringLiteral("Open")));
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    lastName_ = *chosen;
    readChosenFile(*chosen);
}

void FileCommands::readChosenFile(const QString& path) {
    // Read into a fresh levelset first, so a bad file leaves the current one untouched.
    ReadResult read = readLevelsetFile(path);
    if (!read.levelset) {
        // The reason already names the file.
        messages_.showMessage(read.error, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        return;
    }
    levelset_ = std::move(*read.levelset);
    levelset_.fileName = path;
    askBeforeSavingOver_ = false;
    knownFile_.remember(path, read.bytes);
    showReplacedLevelset();
    view_.levelsetOpened();
    if (recent_) {
        recent_->remember(path);
    }
}

void FileCommands::takeRecovered(Levelset levelset, bool fileChangedSince) {
    levelset_ = std::move(levelset);
    askBeforeSavingOver_ = fileChangedSince;
    // Whatever stands in its file now is what the recovered changes were made against as far
    // as the watch goes: only a later change by another program is news.
    if (levelset_.fileName == kUntitled) {
        knownFile_.forget();
    } else {
        knownFile_.rememberAsFound(levelset_.fileName);
    }
    showReplacedLevelset();
}

void FileCommands::showReplacedLevelset() {
    showFileName();
    state_.curLevel = 0;
    view_.levelsetReplaced();
    view_.showCurrentLevel();
}

bool FileCommands::fileSave() {
    if (levelset_.fileName == kUntitled) {
        return fileSaveAs();
    }
    if (std::exchange(askBeforeSavingOver_, false)) {
        const QString path = levelset_.fileName;
        const QStringList changes =
            changesOnDisk(levelset_, readLevelsetBytes(path).bytes.value_or(QByteArray()));
        if (messages_.showMessage(fileChangedMessage(path, changes), kFileChangedTitle,
                                  MessageButtons::YesNoDefaultNo,
                                  MessageIcon::Exclamation) == MessageAnswer::Yes) {
            openFile(path, false);
            return false;
        }
    }
    return saveLevelset(lowerCaseFileName(levelset_.fileName));
}

bool FileCommands::fileSaveAs() {
    for (;;) {
        const std::optional<QString> chosen =
            dialogs_.saveFileName(dialogSetup(QStringLiteral("Save As")));
        if (!chosen || chosen->isEmpty()) {
            return false;
        }
        lastName_ = *chosen;
        const QString path = lowerCaseFileName(*chosen);
        if (isLevelsetFileName(path)) {
            return saveLevelset(path);
        }
        messages_.showMessage(kInvalidFileNameMessage, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
    }
}

bool FileCommands::queryUnload() {
    return savePrompt();
}

bool FileCommands::readyForCommand(bool saveFirst, bool namesLevelsetFile) {
    if (saveFirst) {
        return fileSave();
    }
    if (namesLevelsetFile && levelset_.fileName == kUntitled) {
        messages_.showMessage(kSaveFirstMessage, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool FileCommands::saveLevelset(const QString& file) {
    if (const std::int16_t level = checkHolesAndGuards(levelset_); level != 0) {
        messages_.showMessage(kHolesAndGuardsMessage + QString::number(level), kErrorTitle,
                              MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }
    if (const std::optional<QString> error = writeLevelsetFile(levelset_, file)) {
        messages_.showMessage(*error, kErrorTitle, MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }
    levelset_.fileName = file;
    askBeforeSavingOver_ = false;
    showFileName();
    knownFile_.remember(file, levelsetFileBytes(levelset_, file));
    view_.levelsetSaved();
    if (recent_) {
        recent_->remember(file);
    }
    return true;
}

void FileCommands::exportFile(
    const QString& title, const QString& filter, const QString& suffix,
    const std::function<std::optional<QString>(const QString& path)>& write,
    const QString& proposedName) {
    const QString folder =
        lastExportName_.isEmpty() ? dialogFolder() : QFileInfo(lastExportName_).path();
    const QString offered = proposedName.isEmpty()
                                ? lastExportName_
                                : QDir::toNativeSeparators(QDir(folder).filePath(proposedName));
    const std::optional<QString> chosen =
        dialogs_.saveFileName({title, filter, folder, offered, /*confirmReplace=*/true});
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + suffix;
    }
    lastExportName_ = path;
    if (const std::optional<QString> error = write(path)) {
        messages_.showMessage(*error, kErrorTitle, MessageButtons::Ok, MessageIcon::Critical);
    }
}

bool FileCommands::savePrompt() {
    switch (messages_.showMessage(kSavePrompt, kApplicationTitle, MessageButtons::YesNoCancel,
                                  MessageIcon::None)) {
    case MessageAnswer::Yes:
        return fileSave();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

FileDialogSetup FileCommands::dialogSetup(const QString& title) const {
    return {title, kLevelsetFilter, dialogFolder(), lastName_};
}

void FileCommands::showFileName() {
    view_.setTitle(windowTitle(levelset_.fileName));
}

void FileCommands::openFile(const QString& path, bool askToSave) {
    if (askToSave && !savePrompt()) {
        return;
    }
    // The dialog offers it next, so that it starts where this file lies.
    lastName_ = path;
    readChosenFile(path);
}

void FileCommands::openRecentFile(const QString& path) {
    if (!pathExists(path)) {
        messages_.showMessage(readLevelsetFile(path).error, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        if (recent_) {
            recent_->forget(path);
        }
        return;
    }
    openFile(path, true);
}

QString exportPictureName(const QString& levelsetFile, int levelNumber) {
    const QString base = QFileInfo(levelsetFile).completeBaseName();
    return base +
           (levelNumber > 0 ? QStringLiteral("-level") + QString::number(levelNumber)
                            : QStringLiteral("-levels")) +
           QStringLiteral(".png");
}

QString FileCommands::dialogFolder() const {
    if (!recent_) {
        return initialFolder_;
    }
    return dialogStartFolder(recent_->lastFolder(), initialFolder_, userDocumentsFolder(),
                             isWritableFolder);
}

} // namespace vrh
