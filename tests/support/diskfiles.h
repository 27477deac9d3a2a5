// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files on disk as the tests set them up and look at them.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace vrh::testing {

inline QByteArray contentOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The folder holds exactly the given names: no temporary file is left behind.
inline void expectFolderHolds(const QString& folder, const QStringList& names) {
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                     QDir::System),
              names);
}

// A fresh levelset saved under the name ABC: 164 bytes.
inline QByteArray freshLevelsetAbc() {
    QByteArray bytes("VRH0ABC\x01\x00\x00", 10);
    bytes.append(42, ' ');
    bytes.append(QByteArray::fromHex("080C00630100020059000003"
                                     "0B070000"));
    bytes.append(96, '\0');
    return bytes;
}

// The same with another first tile: each tile a version of the file that another program wrote.
inline QByteArray levelsetWithFirstTile(std::uint8_t tile) {
    QByteArray bytes = freshLevelsetAbc();
    bytes[52 + 16] = static_cast<char>(tile);
    return bytes;
}

// As another program saves: replaces what stands at to, whatever it is (Windows' own rename
// would refuse to).
inline void renameOver(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(QFileInfo(from).filesystemFilePath(),
                            QFileInfo(to).filesystemFilePath(), error);
    ASSERT_FALSE(error) << from.toStdString() << ": " << error.message();
}

// Windows has neither FIFOs nor socket files: the cases that need them are left out there.
#ifndef _WIN32
inline void makeFifo(const QString& path) {
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0644), 0) << path.toStdString();
}

// A listening socket's file; the socket itself is closed again at once, its file stays.
inline void makeSocketFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(name.size()), sizeof address.sun_path);
    std::copy(name.begin(), name.end(), address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(fd);
}
#endif

} // namespace vrh::testing
