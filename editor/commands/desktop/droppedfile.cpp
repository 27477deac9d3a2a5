#include "droppedfile.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace vrh {

std::optional<QString> droppedLevelset(const QMimeData& data) {
    if (!data.hasUrls()) {
        return std::nullopt;
    }
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = QDir::toNativeSeparators(urls.first().toLocalFile());
    if (!path.endsWith(QStringLiteral(".vrh"), Qt::CaseInsensitive) ||
        path.endsWith(QDir::separator())) {
        return std::nullopt;
    }
    return path;
}

} // namespace vrh
