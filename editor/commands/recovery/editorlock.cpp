// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorlock.h"

#include <QFile>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vrh {

#ifdef Q_OS_WIN

EditorLock::EditorLock(const QString& path) : lock_(path) {
    // Never take a live owner's lock for being old.
    lock_.setStaleLockTime(0);
}

std::unique_ptr<EditorLock> EditorLock::tryTake(const QString& path) {
    std::unique_ptr<EditorLock> lock(new EditorLock(path));
    if (lock->lock_.tryLock(0)) {
        return lock;
    }
    // A lock file that names no process (an editor killed as it made the file) is never stale
    // to Qt. It is a dead editor's all the same when it can be removed: a live QLockFile keeps
    // its file open and lets nobody delete it.
    qint64 process = 0;
    QString host;
    QString program;
    if (lock->lock_.error() == QLockFile::LockFailedError &&
        !lock->lock_.getLockInfo(&process, &host, &program) && QFile::remove(path) &&
        lock->lock_.tryLock(0)) {
        return lock;
    }
    return nullptr;
}

EditorLock::~EditorLock() = default; // unlocking removes the file

#else

EditorLock::EditorLock(QString path, int fd) : path_(std::move(path)), fd_(fd) {}

std::unique_ptr<EditorLock> EditorLock::tryTake(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    // A holder that lets go removes the file, possibly between this open and this lock: the
    // lock is then on a file nobody else finds, and the path is tried again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) {
            return nullptr;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return nullptr;
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            return std::unique_ptr<EditorLock>(new EditorLock(path, fd));
        }
        ::close(fd);
    }
    return nullptr;
}

EditorLock::~EditorLock() {
    // Removed while still held, so nobody takes the file just before it goes.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}

#endif

} // namespace vrh
