// SPDX-License-Identifier: GPL-3.0-or-later
#include "filechange.h"

#include "commands/filecommands.h"
#include "levelset/filepath.h"
#include "levelset/levelsetfile.h"
#include "levelset/levelsettext.h"

#include <QFileInfo>

namespace vrh {

QString fileChangedMessage(const QString& path) {
    return QFileInfo(path).fileName() +
           QStringLiteral(" was changed by another program. Reload it and lose the changes made "
                          "here?");
}

QString fileGoneMessage(const QString& path) {
    return QFileInfo(path).fileName() +
           QStringLiteral(" was deleted or moved by another program. The levelset stays open; "
                          "Save writes it again.");
}

QStringList changesOnDisk(const Levelset& levelset, QByteArrayView onDisk) {
    // Under the name the file holds: the editor writes another only when it saves.
    constexpr int kNameOffset = 4;
    constexpr int kNameLength = 3;
    const QByteArrayView name = onDisk.size() >= kNameOffset + kNameLength
                                    ? onDisk.sliced(kNameOffset, kNameLength)
                                    : QByteArrayView("   ");
    QStringList changes =
        levelsetDifferences(serializeLevelset(levelset, name), onDisk, kShownCellsPerChange);
    if (changes.size() > kShownChanges) {
        const qsizetype more = changes.size() - kShownChanges;
        changes.resize(kShownChanges);
        changes << QStringLiteral("and %1 more").arg(more);
    }
    return changes;
}

QString fileChangedMessage(const QString& path, const QStringList& changes) {
    if (changes.isEmpty()) {
        return fileChangedMessage(path);
    }
    return fileChangedMessage(path) + QStringLiteral("\r\r") + changes.join(QLatin1Char('\r'));
}

void KnownFile::remember(const QString& path, const QByteArray& bytes) {
    path_ = path;
    written_ = {State::Kind::Bytes, bytes};
    reported_ = written_;
    if (changed) {
        changed();
    }
}

void KnownFile::rememberAsFound(const QString& path) {
    path_ = path;
    written_ = stateAt(path);
    reported_ = written_;
    if (changed) {
        changed();
    }
}

void KnownFile::forget() {
    path_.clear();
    written_ = reported_ = State();
    if (changed) {
        changed();
    }
}

KnownFile::State KnownFile::stateAt(const QString& path) {
    BytesRead read = readLevelsetBytes(path);
    if (read.bytes) {
        return {State::Kind::Bytes, std::move(*read.bytes)};
    }
    // A symbolic link whose file is gone counts as gone.
    return {pathExists(path) ? State::Kind::Unreadable : State::Kind::Missing, {}};
}

FileChange KnownFile::lookAgain() {
    if (path_.isEmpty()) {
        return FileChange::None;
    }
    State now = stateAt(path_);
    // Back to what the editor has (moved back, say) is no news either.
    const bool news = now != reported_ && now != written_;
    reported_ = std::move(now);
    if (!news) {
        return FileChange::None;
    }
    return reported_.kind == State::Kind::Missing ? FileChange::Gone : FileChange::Changed;
}

void reportFileChange(KnownFile& file, MessageBoxes& messages, FileCommands& commands) {
    // Copied: reading the file again remembers it anew.
    const QString path = file.path();
    switch (file.lookAgain()) {
    case FileChange::Changed:
        if (messages.showMessage(
                fileChangedMessage(path, changesOnDisk(commands.levelset(), file.bytesFound())),
                kFileChangedTitle, MessageButtons::YesNoDefaultNo,
                MessageIcon::Exclamation) == MessageAnswer::Yes) {
            commands.openFile(path, false);
        }
        break;
    case FileChange::Gone:
        messages.showMessage(fileGoneMessage(path), kFileChangedTitle, MessageButtons::Ok,
                             MessageIcon::Exclamation);
        break;
    case FileChange::None:
        break;
    }
}

} // namespace vrh
