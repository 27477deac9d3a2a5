// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace vrh {

// The levelset file: a 52-byte header ("VRH0", the 3-character levelset name, numLevels,
// reserved1, reserved2, 7 passcodes of 6 bytes), then numLevels level blocks of 16 header
// bytes and height x width tiles, rows packed to the level's width.
inline constexpr int kFileHeaderBytes = 52;

// Lower-cases the file's own name only: folders keep their case, since this file system
// tells case apart.
QString lowerCaseFileName(const QString& path);

// Whether a path (already through lowerCaseFileName) ends in a separator ('/' or '\') and a
// file name of the form zvrhl???.vrh.
bool isLevelsetFileName(const QString& path);

// The 3-character levelset name written at offset 4, taken from the file's own name (never a
// folder's): the three characters after a leading "zvrhl" (in any case), otherwise its first
// three; upper-cased, one byte per character, padded with blanks to 3.
QByteArray levelsetNameFromPath(const QString& path);

// The file's bytes for a levelset saved under the given 3-character name.
QByteArray serializeLevelset(const Levelset& levelset, QByteArrayView name);

// The bytes writeLevelsetFile writes to path: the header's name comes from path.
QByteArray levelsetFileBytes(const Levelset& levelset, const QString& path);

// Writes the levelset to path atomically: the file appears whole with exactly the new length,
// or an existing file stays untouched; where the folder takes no new file or the replacement
// can't keep the old one's group, mode or attributes, in place (see replaceFileSafely). Returns a
// message naming the reason on failure. Does not run the holes and guards check and does not change
// fileName. Through a symbolic link it writes the file the link points to; the header's name still
// comes from path, the name the user chose.
std::optional<QString> writeLevelsetFile(const Levelset& levelset, const QString& path);

// "Can't save <path>." and the reason on a second line, as a failed save says it.
QString cantSaveMessage(const QString& path, const QString& reason);

// A read either gives a whole levelset or says why it refused; it never gives half a file.
struct ReadResult {
    std::optional<Levelset> levelset;
    QString error;    // set when levelset is empty
    QByteArray bytes; // what was read of the file, when levelset is set
    // What the reader passed over, which the next save leaves out, when levelset is set: the
    // bytes after the last level read (to the file's end), and the level count byte as the
    // file has it, above 8 where only 8 were read.
    qint64 bytesAfterLastLevel = 0;
    int storedLevelCount = 0;
};

// Parses file bytes. The magic and the stored name are not checked; a count above 8 loads
// the first 8 levels and keeps numLevels at 8; a count of 0 is valid. Refuses a file that
// ends early (naming where) or a level wider or higher than 32. fileName stays "Untitled".
ReadResult parseLevelset(QByteArrayView bytes);

// What the reader reads of the file at path: all of it, or as much as the longest levelset
// takes. Refuses at once, without waiting, anything that is no regular file (a FIFO, a
// device, a socket); error then gives the system's reason.
struct BytesRead {
    std::optional<QByteArray> bytes;
    QString error;       // set when bytes is empty
    qint64 fileSize = 0; // the whole file's, which may be more than was read
};
BytesRead readLevelsetBytes(const QString& path);

// Reads the file at path through readLevelsetBytes and parseLevelset; on success fileName is
// path as given, and bytesAfterLastLevel counts to the end of the file.
ReadResult readLevelsetFile(const QString& path);

} // namespace vrh
