#include "recoveryfile.h"

#include "levelset/levelsetfile.h"

#include <QFileInfo>
#include <QUrl>

namespace vrh {

namespace {

const QByteArray kTrailerMark = QByteArrayLiteral("\nVrhEdit recovery\n");

} // namespace

QByteArray encodeRecovery(const Levelset& levelset, const QDateTime& writtenAt) {
    QByteArray bytes = serializeLevelset(levelset, levelsetNameFromPath(levelset.fileName));
    bytes += kTrailerMark;
    bytes += QUrl::toPercentEncoding(levelset.fileName, "/");
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
    read.levelset->fileName = QUrl::fromPercentEncoding(lines[0]);
    return {RecoveredLevelset{std::move(*read.levelset), writtenAt}, QString()};
}

QString recoveryQuestion(const QString& fileName, const QDateTime& writtenAt,
                         const QLocale& locale) {
    const QString name =
        fileName == kUntitled ? QStringLiteral("[Untitled]") : QFileInfo(fileName).fileName();
    return QStringLiteral("The editor ended without saving ") + name +
           QStringLiteral(". Recover the changes made until ") +
           locale.toString(writtenAt.toLocalTime(), QLocale::ShortFormat) + QStringLiteral("?");
}

QString unreadableRecoveryMessage(const QString& badPath, const QString& reason) {
    return QStringLiteral("A file kept to recover unsaved changes does not read as a levelset. "
                          "It is kept as ") +
           badPath + QStringLiteral(".\r") + reason;
}

} // namespace vrh
