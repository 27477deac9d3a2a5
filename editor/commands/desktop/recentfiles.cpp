#include "recentfiles.h"

#include "levelset/filepath.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace vrh {

namespace {

const QString kFilesKey = QStringLiteral("recentFiles");
const QString kFolderKey = QStringLiteral("lastFolder");

// A path is kept as text, unless it has bytes that are no UTF-8: those are kept as they are,
// since the settings' text would turn them into U+FFFD.
QVariant settingOf(const QString& path) {
    return qtReachesPath(path) ? QVariant(path) : QVariant(fileSystemBytes(path));
}

// A path written into the settings file by hand may hold a "..": it names what the system
// takes it for.
QString pathOf(const QVariant& setting) {
    const QString path = setting.typeId() == QMetaType::QByteArray
                             ? pathFromFileSystemBytes(setting.toByteArray())
                             : setting.toString();
    return path.contains(QStringLiteral("..")) ? QDir::toNativeSeparators(resolvedPath(path, {}))
                                               : path;
}

} // namespace

RecentFiles::RecentFiles(QSettings& settings) : settings_(settings) {}

QStringList RecentFiles::files() const {
    QStringList files;
    const QVariant stored = settings_.value(kFilesKey);
    // One path alone comes back from the settings file as itself, not as a list of one.
    const QVariantList settings =
        stored.typeId() == QMetaType::QStringList || stored.typeId() == QMetaType::QVariantList
            ? stored.toList()
            : QVariantList{stored};
    for (const QVariant& setting : settings) {
        const QString path = pathOf(setting);
        if (!path.isEmpty() && !files.contains(path) && files.size() < kMaxFiles) {
            files.append(path);
        }
    }
    return files;
}

QString RecentFiles::lastFolder() const {
    return pathOf(settings_.value(kFolderKey));
}

void RecentFiles::remember(const QString& path) {
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    settings_.setValue(kFolderKey, settingOf(QFileInfo(path).absolutePath()));
    store(list.mid(0, kMaxFiles));
}

void RecentFiles::forget(const QString& path) {
    QStringList list = files();
    list.removeAll(path);
    store(list);
}

void RecentFiles::store(const QStringList& files) {
    // A list of text, as ever, unless a path's bytes must be kept.
    QVariantList settings;
    for (const QString& path : files) {
        settings.append(settingOf(path));
    }
    settings_.setValue(kFilesKey, std::all_of(files.cbegin(), files.cend(), qtReachesPath)
                                      ? QVariant(files)
                                      : QVariant(settings));
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
