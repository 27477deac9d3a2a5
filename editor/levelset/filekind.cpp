// SPDX-License-Identifier: GPL-3.0-or-later
#include "filekind.h"

#include <cerrno>
#include <cstring>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vrh {

namespace fs = std::filesystem;

std::optional<QString> notARegularFileReason(std::filesystem::file_type type) {
    switch (type) {
    case fs::file_type::regular:
        return std::nullopt;
    case fs::file_type::directory:
#ifdef Q_OS_WIN
        // The C library's words, as on Linux: Qt's error text on Windows is that of a Windows
        // error code, and the system's own for a folder opened as a file is "Access is denied."
        return QString::fromLocal8Bit(std::strerror(EISDIR));
#else
        return qt_error_string(EISDIR);
#endif
    case fs::file_type::fifo:
        return QStringLiteral("Is a FIFO, not a regular file");
    case fs::file_type::block:
    case fs::file_type::character:
        return QStringLiteral("Is a device, not a regular file");
    case fs::file_type::socket:
        return QStringLiteral("Is a socket, not a regular file");
    default:
        return QStringLiteral("Not a regular file");
    }
}

namespace {

#ifdef Q_OS_UNIX
fs::file_type typeOfMode(mode_t mode) {
    static constexpr std::pair<mode_t, fs::file_type> kTypes[] = {
        {S_IFREG, fs::file_type::regular}, {S_IFDIR, fs::file_type::directory},
        {S_IFIFO, fs::file_type::fifo},    {S_IFCHR, fs::file_type::character},
        {S_IFBLK, fs::file_type::block},   {S_IFSOCK, fs::file_type::socket},
    };
    for (const auto& [bits, type] : kTypes) {
        if ((mode & S_IFMT) == bits) {
            return type;
        }
    }
    return fs::file_type::unknown;
}

std::optional<QString> openWithoutWaiting(QFile& file, const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return qt_error_string(errno);
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        const int error = errno;
        ::close(fd);
        return qt_error_string(error);
    }
    if (const std::optional<QString> reason = notARegularFileReason(typeOfMode(opened.st_mode))) {
        ::close(fd);
        return reason;
    }
    // Reading a regular file never waits, whether the descriptor blocks or not.
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return std::nullopt;
}
#endif

} // namespace

std::optional<QString> openRegularFileForReading(QFile& file, const QString& path) {
    const fs::path native = toFileSystemPath(path);
    std::error_code error;
    const fs::file_status status = fs::status(native, error);
    if (error) {
        return QString::fromLocal8Bit(error.message());
    }
    if (const std::optional<QString> reason = notARegularFileReason(status.type())) {
        return reason;
    }
#ifdef Q_OS_UNIX
    return openWithoutWaiting(file, native);
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    return std::nullopt;
#endif
}

} // namespace vrh
