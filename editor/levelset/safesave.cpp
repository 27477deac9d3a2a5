#include "safesave.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrh {

namespace {

QString systemReason(int error) {
    return qt_error_string(error);
}

// The portable way, for file systems without nameless files.
std::optional<QString> replaceWithSaveFile(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // commit() renames even when its own flush fails (a full disk then leaves a cut file),
    // so every byte is pushed out and onto the disk first, and the reason read from errno.
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush() ||
        ::fsync(file.handle()) != 0) {
        const QString reason = errno != 0 ? systemReason(errno) : file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

bool writeAll(int fd, QByteArrayView bytes) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Gives the nameless file a hidden name in the folder; returns that name or nothing.
std::optional<QByteArray> linkUnderHiddenName(int fd, const QFileInfo& target) {
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray hidden =
            QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                              QStringLiteral(".saving-") +
                              QString::number(QRandomGenerator::global()->generate(), 36));
        if (::linkat(AT_FDCWD, procPath.constData(), AT_FDCWD, hidden.constData(),
                     AT_SYMLINK_FOLLOW) == 0) {
            return hidden;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> replaceFileSafely(const QString& path, QByteArrayView bytes) {
    const QFileInfo target(path);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());

    struct stat existing {};
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return systemReason(EISDIR);
    }

    const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) {
            return replaceWithSaveFile(path, bytes);
        }
        return systemReason(errno);
    }
    const auto fail = [fd](int error) {
        ::close(fd);
        return std::optional<QString>(systemReason(error));
    };

    // A file saved over keeps its permissions, as it would if written in place.
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0) {
        return fail(errno);
    }
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        return fail(errno);
    }
    const std::optional<QByteArray> hidden = linkUnderHiddenName(fd, target);
    if (!hidden) {
        return fail(errno);
    }
    if (::rename(hidden->constData(), targetName.constData()) != 0) {
        const int error = errno;
        ::unlink(hidden->constData());
        return fail(error);
    }
    ::close(fd);
    return std::nullopt;
}

} // namespace vrh
