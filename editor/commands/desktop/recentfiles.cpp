#include "recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace vrh {

namespace {

const QString kFilesKey = QStringLiteral("recentFiles");
const QString kFolderKey = QStringLiteral("lastFolder");

} // namespace

RecentFiles::RecentFiles(QSettings& settings) : settings_(settings) {}

QStringList RecentFiles::files() const {
    QStringList files;
    for (const QString& path : settings_.value(kFilesKey).toStringList()) {
        if (!path.isEmpty() && !files.contains(path) && files.size() < kMaxFiles) {
            files.append(path);
        }
    }
    return files;
}

QString RecentFiles::lastFolder() const {
    return settings_.value(kFolderKey).toString();
}

void RecentFiles::remember(const QString& path) {
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    settings_.setValue(kFolderKey, QFileInfo(path).absolutePath());
    store(list.mid(0, kMaxFiles));
}

void RecentFiles::forget(const QString& path) {
    QStringList list = files();
    list.removeAll(path);
    store(list);
}

void RecentFiles::store(const QStringList& files) {
    settings_.setValue(kFilesKey, files);
    settings_.sync();
    if (changed) {
        changed();
    }
}

QString recentFileCaption(int index, const QString& path) {
    QString name = QFileInfo(path).fileName();
    // A '&' in the name is shown, not taken as the entry's access key.
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

} // namespace vrh
