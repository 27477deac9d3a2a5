// SPDX-License-Identifier: GPL-3.0-or-later
#include "safesave.h"

#include "filekind.h"
#include "savetarget.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <string>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef __linux__
#include <QRandomGenerator>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#endif

namespace vrh {

namespace {

namespace fs = std::filesystem;

QString systemReason(int error) {
    return qt_error_string(error);
}

#ifdef Q_OS_UNIX

// Whether no new file can be made in the folder, so a replacement has nowhere to go.
bool folderRefusesNewFiles(const fs::path& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

// Writes the file over in place, for a writable file in a folder where no new file can be
// made: the old bytes are kept in memory and put back if the write fails half-way, which a
// kill or a power cut still can't undo.
std::optional<QString> writeInPlace(const fs::path& target, QByteArrayView bytes) {
    // Opened by its bytes: Qt can't name every file the system can.
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return systemReason(errno);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    const auto writeWhole = [&file](QByteArrayView whole) {
        errno = 0;
        return file.seek(0) && file.write(whole.data(), whole.size()) == whole.size() &&
               file.resize(whole.size()) && file.flush() && ::fsync(file.handle()) == 0;
    };
    if (writeWhole(bytes)) {
        return std::nullopt;
    }
    const QString reason = errno != 0 ? systemReason(errno) : file.errorString();
    writeWhole(old);
    return reason;
}

#endif

#ifdef __linux__

// Gives the new file what the one it replaces carries besides its bytes: the group (which
// only root may set to one the saver is no member of), the owner when the saver is root, the
// mode, and every extended attribute the saver can read, the access control list among them.
// Whether all of it was kept.
bool carryOver(const fs::path& existing, const struct stat& old, int fd) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return false;
    }
    const uid_t owner = ::geteuid() == 0 ? old.st_uid : uid_t(-1);
    if ((now.st_gid != old.st_gid || (owner != uid_t(-1) && now.st_uid != owner)) &&
        ::fchown(fd, owner, old.st_gid) != 0) {
        return false;
    }
    // After the owner: a change of owner clears the set-id bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        return false;
    }
    ssize_t size = ::listxattr(existing.c_str(), nullptr, 0);
    if (size < 0) {
        return errno == ENOTSUP; // a file system without them has none to keep
    }
    std::string names(static_cast<std::size_t>(size), '\0');
    size = ::listxattr(existing.c_str(), names.data(), names.size());
    if (size < 0) {
        return false;
    }
    names.resize(static_cast<std::size_t>(size));
    for (std::size_t at = 0; at < names.size(); at += std::strlen(names.c_str() + at) + 1) {
        const char* name = names.c_str() + at;
        ssize_t length = ::getxattr(existing.c_str(), name, nullptr, 0);
        if (length < 0) {
            return false;
        }
        std::string value(static_cast<std::size_t>(length), '\0');
        length = ::getxattr(existing.c_str(), name, value.data(), value.size());
        if (length < 0 ||
            ::fsetxattr(fd, name, value.data(), static_cast<std::size_t>(length), 0) != 0) {
            return false;
        }
    }
    return true;
}

#endif

#ifndef __linux__

std::optional<QString> replaceWithSaveFile(const fs::path& target, QByteArrayView bytes) {
    QSaveFile file(fromFileSystemPath(target));
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // commit() renames even when its own flush fails (a full disk then leaves a cut file),
    // so every byte is pushed out and onto the disk first, and the reason read from errno.
    errno = 0;
    bool written = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush();
#ifdef Q_OS_UNIX
    written = written && ::fsync(file.handle()) == 0;
#endif
    if (!written) {
        const QString reason = errno != 0 ? systemReason(errno) : file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

#endif

#ifdef __linux__

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

// The target's name, cut (at a character's start) so that the hidden name built from it
// fits the longest name a folder holds.
std::string shortenedForHiddenName(const std::string& name) {
    // "." before, ".saving-" and up to 7 random characters after
    constexpr std::size_t kAdded = 1 + 8 + 7;
    std::size_t length = std::min(name.size(), std::size_t{NAME_MAX} - kAdded);
    // Don't split a UTF-8 sequence: step back over continuation bytes.
    while (length > 0 && length < name.size() &&
           (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) {
        --length;
    }
    return name.substr(0, length);
}

// Makes a hidden name in the target's folder for the temporary, trying random endings until
// make(name) does not fail for a name already taken; returns that name or nothing (errno).
template <typename Make>
std::optional<fs::path> underHiddenName(const fs::path& target, Make make) {
    // Appended piece by piece: "." + name + ... trips GCC 12's -Wrestrict at -O3.
    std::string prefix(1, '.');
    prefix += shortenedForHiddenName(target.filename().native());
    prefix += ".saving-";
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path hidden =
            target.parent_path() /
            (prefix + QByteArray::number(QRandomGenerator::global()->generate(), 36).toStdString());
        if (make(hidden)) {
            return hidden;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The temporary the new bytes go into, in the target's folder: nameless until they are all on
// the disk where the file system has nameless files, else under its hidden name from the start.
struct Temporary {
    int fd = -1;
    std::optional<fs::path> hidden;
};

std::optional<Temporary> openTemporary(const fs::path& target, WriteMethod method) {
    if (method == WriteMethod::NamelessFile) {
        const int fd = ::open(target.parent_path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return Temporary{fd, std::nullopt};
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return std::nullopt;
        }
    }
    Temporary named;
    named.hidden = underHiddenName(target, [&named](const fs::path& hidden) {
        named.fd = ::open(hidden.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        return named.fd >= 0;
    });
    return named.hidden ? std::optional(named) : std::nullopt;
}

std::optional<QString> replaceThroughTemporary(const fs::path& target, QByteArrayView bytes,
                                               WriteMethod method) {
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;

    std::optional<Temporary> temporary = openTemporary(target, method);
    if (!temporary) {
        return systemReason(errno);
    }
    const auto drop = [&temporary] {
        ::close(temporary->fd);
        if (temporary->hidden) {
            ::unlink(temporary->hidden->c_str());
        }
    };
    const auto fail = [&drop](int error) {
        drop();
        return std::optional<QString>(systemReason(error));
    };

    // A file saved over keeps who may use it, as it would if written in place; where the
    // replacement can't, the file is written in place after all.
    if (exists && !carryOver(target, existing, temporary->fd)) {
        drop();
        return writeInPlace(target, bytes);
    }
    if (!writeAll(temporary->fd, bytes) || ::fsync(temporary->fd) != 0) {
        return fail(errno);
    }
    if (!temporary->hidden) {
        const std::string procPath = "/proc/self/fd/" + std::to_string(temporary->fd);
        temporary->hidden = underHiddenName(target, [&procPath](const fs::path& hidden) {
            return ::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, hidden.c_str(),
                            AT_SYMLINK_FOLLOW) == 0;
        });
        if (!temporary->hidden) {
            return fail(errno);
        }
    }
    if (::rename(temporary->hidden->c_str(), target.c_str()) != 0) {
        return fail(errno);
    }
    ::close(temporary->fd);
    return std::nullopt;
}

#endif

} // namespace

std::optional<QString> replaceFileSafely(const QString& path, QByteArrayView bytes,
                                         WriteMethod method) {
    const SaveTarget target = resolveSaveTarget(path);
    if (target.refusal) {
        return target.refusal;
    }
#ifdef Q_OS_UNIX
    // resolveSaveTarget let an existing file through only when the user may write it.
    std::error_code error;
    if (fs::exists(target.file, error) && folderRefusesNewFiles(target.file.parent_path())) {
        return writeInPlace(target.file, bytes);
    }
#endif
#ifdef __linux__
    return replaceThroughTemporary(target.file, bytes, method);
#else
    Q_UNUSED(method);
    return replaceWithSaveFile(target.file, bytes);
#endif
}

} // namespace vrh
