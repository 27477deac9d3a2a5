#include "filecommands.h"

#include "commands/levelrules.h"
#include "levelset/levelsetfile.h"

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
    showFileName();
    state_.curLevel = 0;
    view_.levelsetReplaced();
    view_.showCurrentLevel();
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
    // Read into a fresh levelset first, so a bad file leaves the current one untouched.
    ReadResult read = readLevelsetFile(*chosen);
    if (!read.levelset) {
        // The reason already names the file.
        messages_.showMessage(read.error, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        return;
    }
    levelset_ = std::move(*read.levelset);
    levelset_.fileName = *chosen;
    showFileName();
    state_.curLevel = 0;
    view_.levelsetReplaced();
    view_.showCurrentLevel();
}

bool FileCommands::fileSave() {
    if (levelset_.fileName != kUntitled) {
        return saveLevelset(lowerCaseFileName(levelset_.fileName));
    }
    return fileSaveAs();
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
    showFileName();
    view_.levelsetSaved();
    return true;
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
    return {title, kLevelsetFilter, initialFolder_, lastName_};
}

void FileCommands::showFileName() {
    view_.setTitle(windowTitle(levelset_.fileName));
}

} // namespace vrh
