// SPDX-License-Identifier: GPL-3.0-or-later
#include "savetarget.h"

#include "filekind.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace vrh {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows in one path before giving up.
constexpr int kMaxLinks = 40;

SaveTarget refuse(const QString& reason) {
    return SaveTarget{{}, reason};
}

QString reasonOf(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message());
}

// Whether the user may write the existing file, as a write in place would be allowed.
std::optional<QString> writeRefusal(const fs::path& file) {
#ifdef Q_OS_WIN
    // A read-only file, which Windows refuses to open for writing whoever asks. Looked at
    // itself, since wine run by root opens such a file all the same.
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return qt_error_string(ERROR_ACCESS_DENIED);
    }
    // Opened for writing and closed again, which changes nothing: the system itself says no to
    // a file the user's rights keep from them, or one that another program holds open without
    // sharing it, each in its own words (Qt's words are Windows' here).
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return qt_error_string(static_cast<int>(GetLastError()));
    }
    CloseHandle(handle);
#else
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
        return qt_error_string(errno);
    }
#endif
    return std::nullopt;
}

} // namespace

SaveTarget resolveSaveTarget(const QString& path) {
    std::error_code error;
    fs::path file = fs::absolute(toFileSystemPath(path), error);
    if (error) {
        return refuse(reasonOf(error));
    }

    // Follow the links by hand: the last one may dangle, and then names the file to create.
    fs::file_status status = fs::symlink_status(file, error);
    for (int links = 0; fs::is_symlink(status); ++links) {
        if (links == kMaxLinks) {
            return refuse(qt_error_string(ELOOP));
        }
        const fs::path target = fs::read_symlink(file, error);
        if (error) {
            return refuse(reasonOf(error));
        }
        // A relative target counts from the link's folder; '/' keeps an absolute one as it is.
        file = file.parent_path() / target;
        status = fs::symlink_status(file, error);
    }
    if (error && status.type() != fs::file_type::not_found) {
        return refuse(reasonOf(error));
    }

    // The folder with its links resolved, so ".." in a link's target means what it means to
    // the system; the temporary file and the rename then go to that same folder.
    const fs::path folder = fs::canonical(file.parent_path(), error);
    if (error) {
        return refuse(reasonOf(error));
    }
    file = folder / file.filename();

    if (status.type() == fs::file_type::not_found) {
        return SaveTarget{file, std::nullopt};
    }
    if (const std::optional<QString> reason = notARegularFileReason(status.type())) {
        return refuse(*reason);
    }
    if (const std::optional<QString> reason = writeRefusal(file)) {
        return refuse(*reason);
    }
    return SaveTarget{file, std::nullopt};
}

} // namespace vrh
