// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelset.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

namespace vrh {

inline const QString kRecoverTitle = QStringLiteral("Recover Levelset");

// A recovery file is the levelset in the file format, so that File > Open reads it as any
// levelset (it ignores what follows the last level), followed by the levelset's file name
// and the time it was written:
//   <levelset file bytes> "\nVrhEdit recovery\n" <file name, percent-encoded but for "/"> "\n"
//   <time, ISO 8601 UTC with milliseconds> "\n"
QByteArray encodeRecovery(const Levelset& levelset, const QDateTime& writtenAt);

struct RecoveredLevelset {
    // fileName is the name it had when that is an absolute path to a levelset's file name,
    // otherwise "Untitled": the trailer is text from outside like any file's bytes.
    Levelset levelset;
    QDateTime writtenAt;
};

// The levelset and its name and time, or the reason the bytes are no recovery file.
struct RecoveryRead {
    std::optional<RecoveredLevelset> recovered;
    QString error;
};
RecoveryRead decodeRecovery(QByteArrayView bytes);
// The bytes of the recovery file at path, as far as one can reach; empty when it can't be read.
QByteArray readRecoveryBytes(const QString& path);

// When the recovered levelset's file was written after the recovery file, by another program
// after the editor ended, and holds something else than the recovered levelset: the time it
// was written. Nothing for "Untitled", a file that is gone, or one as old as the changes.
std::optional<QDateTime> fileChangedSince(const RecoveredLevelset& recovered);

// "The editor ended without saving /home/d/zvrhlabc.vrh. Recover the changes made until 12/8/26
// 3:05 PM?" with the file's whole path, or "[Untitled]", and the time in the locale's short
// form; then, when the file changed after that, "\r\rThe file was changed by another program
// at <time>, after these changes: the first Save asks before writing over it."; then what No
// does with them: "\r\rNo sets them aside in <folder> for 7 days."
QString recoveryQuestion(const QString& fileName, const QDateTime& writtenAt, const QString& folder,
                         const QLocale& locale = QLocale(),
                         const std::optional<QDateTime>& fileChangedAt = std::nullopt);

// The box for a recovery file that doesn't read, kept under badPath.
QString unreadableRecoveryMessage(const QString& badPath, const QString& reason);

} // namespace vrh
