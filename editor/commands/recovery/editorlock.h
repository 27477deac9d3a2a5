// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#ifdef Q_OS_WIN
#include <QLockFile>
#endif

namespace vrh {

// A lock file held for as long as this editor runs. On Linux and other Unix systems it is an
// flock() on the file, which the kernel drops when the process ends however it ends: a lock
// nobody holds is then a dead editor's, even where process ids repeat (in a container every
// editor may be process 1). On Windows it is a QLockFile, whose file the system keeps open
// and undeletable for as long as its owner lives.
class EditorLock {
  public:
    // The lock at path, the file made when missing, when no running editor holds it;
    // nothing when one does or the file can't be made.
    static std::unique_ptr<EditorLock> tryTake(const QString& path);
    // Lets go and removes the lock file.
    ~EditorLock();
    EditorLock(const EditorLock&) = delete;
    EditorLock& operator=(const EditorLock&) = delete;

  private:
#ifdef Q_OS_WIN
    explicit EditorLock(const QString& path);
    QLockFile lock_;
#else
    EditorLock(QString path, int fd);
    QString path_;
    int fd_;
#endif
};

} // namespace vrh
