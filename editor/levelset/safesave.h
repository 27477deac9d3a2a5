// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace vrh {

// How the new bytes reach the disk. Both keep the same rules; only what a kill can leave
// behind differs.
enum class WriteMethod {
    // Linux: the bytes go into a nameless file in the target's folder, reach the disk, and only
    // then get a name: a hidden ".<name>.saving-XXXXXX" (the name part shortened so it fits
    // any file name's length) that is renamed over the target at once. A process killed
    // between those two steps leaves that hidden, whole file behind; it is harmless and any
    // later save of the same name does not depend on it. Falls back to SaveFile where the file
    // system has no nameless files.
    NamelessFile,
    // A temporary file beside the target, renamed over it. On Linux that is the same hidden
    // name, made by the editor itself so that any path's bytes reach the system; elsewhere
    // QSaveFile's, and the only way.
    SaveFile,
};

// Replaces the file at path with bytes so that, whatever happens (a full disk, a kill, a power
// cut after the call returned), the file is either the old one or the new one, whole.
// Through a symbolic link, or a chain of them, the file written is the one the last link
// points to, created if it doesn't exist; every link stays a link. A file with more names
// (hard links) gets a new file under this name, and its other names keep the old bytes.
// Refuses, touching nothing, an existing file the user may not write, and anything at path
// that is no regular file. Returns the reason on failure; the old file is then untouched.
// On Linux the replacement keeps the group, the mode and the extended attributes (the access
// control list among them) of the file it replaces, and its owner when the saver is root.
// Where it can't keep one of them, and on Linux and other Unix systems where no new file may
// be made in the folder, a writable file is written over in place instead, its old bytes put
// back if that fails half-way.
std::optional<QString> replaceFileSafely(const QString& path, QByteArrayView bytes,
                                         WriteMethod method = WriteMethod::NamelessFile);

} // namespace vrh
