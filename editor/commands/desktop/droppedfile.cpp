// SPDX-License-Identifier: GPL-3.0-or-later
#include "droppedfile.h"

#include "levelset/filepath.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace vrh {

namespace {

QString localPath(const QUrl& url) {
#ifdef Q_OS_UNIX
    // The URL carries the name's bytes, %-encoded; toLocalFile() would read them as UTF-8.
    if (url.host().isEmpty()) {
        return pathFromFileSystemBytes(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
#endif
    return url.toLocalFile();
}

} // namespace

std::optional<QString> droppedLevelset(const QMimeData& data) {
    if (!data.hasUrls()) {
        return std::nullopt;
    }
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = localPath(urls.first());
    if (!path.endsWith(QStringLiteral(".vrh"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    // A ".." goes up from where a link before it leads, as the system takes it.
    return QDir::toNativeSeparators(resolvedPath(path, {}));
}

} // namespace vrh
