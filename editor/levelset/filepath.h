// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <filesystem>
#include <optional>

namespace vrh {

// A file name on Linux is bytes, most often UTF-8 but not always: a folder from an old disk or
// an archive may be named in Latin-1. Qt turns such bytes into U+FFFD, which names no file.
// Here every byte that is no part of valid UTF-8 becomes one of the lone surrogates
// U+DC80..U+DCFF, which no decoded text holds, and turns back into the same byte, so a path
// goes from the command line through QString to the file system unchanged. Valid UTF-8 reads
// as Qt reads it, except that a byte-order mark (U+FEFF) is kept wherever it stands. On Windows,
// where names are UTF-16, these are the name's UTF-8. Recovery files and settings keep paths as
// these bytes, so that a path comes back as it was.
QString pathFromFileSystemBytes(QByteArrayView bytes);
QByteArray fileSystemBytes(const QString& path);

// Paths as the file system sees them: the same bytes both ways.
std::filesystem::path toFileSystemPath(const QString& path);
QString fromFileSystemPath(const std::filesystem::path& path);

// The absolute path to what path names, as the system itself resolves it: a relative path is
// taken from currentFolder (the program's own when empty), and "." and doubled separators are
// dropped. Each ".." goes up from the folder before it as the file system has it, links
// resolved, so that "lnk/../x" with lnk a link to far/deep names far/x; cleaned as text it
// would name ./x. Where nothing (or no folder) stands before a "..", the rest is kept as given,
// for the system to refuse. Without a "..", no link is resolved: the path keeps its names, the
// file's own name above all. On Windows the system takes ".." away as text, and so does this.
QString resolvedPath(const QString& path, const QString& currentFolder);

// Whether Qt's own file classes (QFile, QFileInfo, QFileSystemWatcher, the dialogs) reach the
// file at path. They don't where it holds bytes that are no UTF-8.
bool qtReachesPath(const QString& path);

// Text as shown to people: each byte of a path that is no UTF-8 shown as U+FFFD, as file
// managers show it.
QString shownText(QString text);

// Whether anything stands at path (a dangling symbolic link counts as nothing), and when it was
// last written.
bool pathExists(const QString& path);
std::optional<QDateTime> lastModified(const QString& path);

} // namespace vrh
