// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoveryfile.h"

#include "commands/recovery/recoveryfolder.h"
#include "levelset/filepath.h"
#include "levelset/levelsetfile.h"

#include <QDir>
#include <QFile>

namespace vrh {

namespace {

const QByteArray kTrailerMark = QByteArrayLiteral("\nVrhEdit recovery\n");

// A recovered name becomes the file Save writes without asking, so it must be one that Open or
// Save As could have given: an absolute path to a levelset's file name. Qt's resource paths
// (":/...") count as absolute to QDir but are no place to save.
bool isRecoverableName(const QString& name) {
    return name == kUntitled || (QDir::isAbsolutePath(name) && !name.startsWith(QLatin1Char(':')) &&
                                 isLevelsetFileName(lowerCaseFileName(name)));
}

} // namespace

QByteArray encodeRecovery(const Levelset& levelset, const QDateTime& writtenAt) {
    QByteArray bytes = serializeLevelset(levelset, levelsetNameFromPath(levelset.fileName));
    bytes += kTrailerMark;
    bytes += fileSystemBytes(levelset.fileName).toPercentEncoding("/");
    bytes += '\n';
    bytes += writtenAt.toUTC().toString(Qt::ISODateWithMs).toLatin1();
    bytes += '\n';
    return bytes;
}

RecoveryRead decodeRecovery(QByteArrayView bytes) {
    const auto refuse = [](const QString& reason) { return RecoveryRead{std::nullopt, reason}; };
    ReadResult read = parseLevelset(bytes);
    if (!read.levelset) {
        return refuse(read.error);
    }
    // The levelset takes as many bytes as writing it again gives.
    const qsizetype levelsetBytes = serializeLevelset(*read.levelset, "   ").size();
    const QByteArrayView trailer = bytes.sliced(levelsetBytes);
    if (!trailer.startsWith(kTrailerMark)) {
        return refuse(QStringLiteral("The file name and time after the levelset are missing."));
    }
    const QList<QByteArray> lines = trailer.sliced(kTrailerMark.size()).toByteArray().split('\n');
    // The name, the time and the empty rest after the last line end.
    if (lines.size() != 3 || !lines[2].isEmpty()) {
        return refuse(QStringLiteral("The file name and time after the levelset are cut short."));
    }
    const QDateTime writtenAt = QDateTime::fromString(QString::fromLatin1(lines[1]), Qt::ISODate);
    if (!writtenAt.isValid() || lines[0].isEmpty()) {
        return refuse(QStringLiteral("The file name or time after the levelset is not readable."));
    }
    const QString name = pathFromFileSystemBytes(QByteArray::fromPercentEncoding(lines[0]));
    read.levelset->fileName = isRecoverableName(name) ? name : kUntitled;
    return {RecoveredLevelset{std::move(*read.levelset), writtenAt}, QString()};
}

std::optional<QDateTime> fileChangedSince(const RecoveredLevelset& recovered) {
    const QString& path = recovered.levelset.fileName;
    if (path == kUntitled) {
        return std::nullopt;
    }
    const std::optional<QDateTime> modified = lastModified(path);
    if (!modified || *modified <= recovered.writtenAt) {
        return std::nullopt;
    }
    const BytesRead read = readLevelsetBytes(path);
    if (read.bytes &&
        *read.bytes == levelsetFileBytes(recovered.levelset, lowerCaseFileName(path))) {
        return std::nullopt;
    }
    return modified;
}

QByteArray readRecoveryBytes(const QString& path) {
    // A recovery file is one levelset and a line or two: anything far larger is not one.
    constexpr qint64 kMaxRecoveryBytes = 1 << 20;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(kMaxRecoveryBytes) : QByteArray();
}

QString recoveryQuestion(const QString& fileName, const QDateTime& writtenAt, const QString& folder,
                         const QLocale& locale, const std::optional<QDateTime>& fileChangedAt) {
    // The whole path: a name alone could stand for a file in any folder.
    const QString name =
        fileName == kUntitled ? QStringLiteral("[Untitled]") : QDir::toNativeSeparators(fileName);
    return QStringLiteral("The editor ended without saving ") + name +
           QStringLiteral(". Recover the changes made until ") +
           locale.toString(writtenAt.toLocalTime(), QLocale::ShortFormat) + QStringLiteral("?") +
           (fileChangedAt
                ? QStringLiteral("\r\rThe file was changed by another program at %1, "
                                 "after these changes: the first Save asks before "
                                 "writing over it.")
                      .arg(locale.toString(fileChangedAt->toLocalTime(), QLocale::ShortFormat))
                : QString()) +
           QStringLiteral("\r\rNo sets them aside in %1 for %2 days.")
               .arg(QDir::toNativeSeparators(folder))
               .arg(kDeclinedKeptDays);
}

QString unreadableRecoveryMessage(const QString& badPath, const QString& reason) {
    return QStringLiteral("A file kept to recover unsaved changes does not read as a levelset. "
                          "It is kept as ") +
           badPath + QStringLiteral(".\r") + reason;
}

} // namespace vrh
