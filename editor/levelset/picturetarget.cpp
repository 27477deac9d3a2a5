// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturetarget.h"

#include "filekind.h"
#include "filepath.h"
#include "levelsetfile.h"

#include <QFile>
#include <cstdint>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <sys/stat.h>
#endif

namespace vrh {

namespace {

// Which file stands at a path once links are followed: its device and its number there.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const QString& path) {
#ifdef Q_OS_WIN
    const HANDLE handle = CreateFileW(toFileSystemPath(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(handle, &information);
    CloseHandle(handle);
    if (!known) {
        return std::nullopt;
    }
    return FileIdentity{information.dwVolumeSerialNumber,
                        (std::uint64_t(information.nFileIndexHigh) << 32) |
                            information.nFileIndexLow};
#else
    struct stat information {};
    if (::stat(toFileSystemPath(path).c_str(), &information) != 0) {
        return std::nullopt;
    }
    return FileIdentity{std::uint64_t(information.st_dev), std::uint64_t(information.st_ino)};
#endif
}

bool holdsLevelset(const QString& path) {
    QFile file;
    return !openRegularFileForReading(file, path) && file.read(4) == "VRH0";
}

} // namespace

std::optional<QString> pictureTargetRefusal(const QString& picturePath,
                                            const QString& levelsetFile) {
    const std::optional<FileIdentity> picture = identityOf(picturePath);
    if (!picture) {
        return std::nullopt; // a new file
    }
    if (levelsetFile != kUntitled && picture == identityOf(levelsetFile)) {
        return cantSaveMessage(picturePath,
                               QStringLiteral("That file is the levelset the picture is drawn "
                                              "from."));
    }
    if (holdsLevelset(picturePath)) {
        return cantSaveMessage(
            picturePath,
            QStringLiteral("That file holds a levelset; a picture is not written over one."));
    }
    return std::nullopt;
}

} // namespace vrh
