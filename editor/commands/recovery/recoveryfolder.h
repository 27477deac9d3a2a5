// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/recovery/editorlock.h"

#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace vrh {

// How long a declined recovery file is kept, in case No was the wrong answer.
inline constexpr int kDeclinedKeptDays = 7;

// The folder of recovery files: each running editor keeps one file, "<id>.vrh", and holds the
// lock "<id>.lock" for as long as it runs. A file whose lock nobody holds was left by an editor
// that ended without removing it: it crashed, was killed, or the machine went down. So was a
// lock nobody holds, which goes when the folder is next looked through.
class RecoveryFolder {
  public:
    // "recovery" in the user's data folder for this program.
    static QString standardPath();

    explicit RecoveryFolder(QString path);
    // Lets go of the locks and keeps the file: only an editor that ends normally removes it.
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder&) = delete;
    RecoveryFolder& operator=(const RecoveryFolder&) = delete;

    const QString& path() const { return path_; }
    // This editor's file; empty until the first write.
    QString ownFile() const;

    // Replaces this editor's file with bytes, whole or not at all: a temporary beside it,
    // renamed over it. No fsync: this guards against the program dying, not the machine.
    // The first write makes the folder and takes the lock. Returns the system's reason on
    // failure, as "Permission denied".
    std::optional<QString> write(QByteArrayView bytes);
    // Nothing to recover: the file goes, the lock is kept.
    void removeOwn();

    // A file left behind, locked for this editor while it decides.
    struct LeftFile {
        QString path;
        std::unique_ptr<EditorLock> lock;
    };
    // The files left by editors no longer running, newest first. A whole "<id>.vrh.new",
    // which a kill between writing and renaming leaves, is the newest of its editor and takes
    // the place of its "<id>.vrh"; one cut short goes, and so do the locks of editors that left
    // no file. Dropping one lets go of its lock, so it is offered again at the next start.
    std::vector<LeftFile> takeLeftBehind();
    // It becomes this editor's own file in place of any it had.
    void adopt(LeftFile file);
    // Declined: renamed with ".declined" after its name and dated now, never offered again,
    // and removed by the first look for left files kDeclinedKeptDays later. Gives the new path.
    QString decline(LeftFile file);
    // Renamed with ".bad" after its name, never deleted; gives the new path.
    QString setAside(LeftFile file);

  private:
    std::optional<QString> takeOwnLock();
    void removeOldDeclined();

    QString path_;
    QString ownId_;
    std::unique_ptr<EditorLock> ownLock_;
};

} // namespace vrh
