// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

// The last count names of path's folder, or all of them.
QString folderTail(const QString& path, qsizetype count) {
    const QStringList parts = QDir::fromNativeSeparators(path).split(QLatin1Char('/'));
    const QStringList folder = parts.mid(0, parts.size() - 1);
    if (count >= folder.size()) {
        return QDir::toNativeSeparators(QFileInfo(path).path());
    }
    return QDir::toNativeSeparators(folder.mid(folder.size() - count).join(QLatin1Char('/')));
}

// How much of each file's folder is shown: none for a name no other file has, else the fewest
// last names that tell the files of that name apart.
QStringList shownFolders(const QStringList& files) {
    QStringList shown(files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString name = QFileInfo(files[i]).fileName();
        QStringList same; // the folders' paths of the files of this name
        for (const QString& other : files) {
            if (QFileInfo(other).fileName() == name) {
                same << other;
            }
        }
        if (same.size() < 2) {
            continue;
        }
        const qsizetype deepest = QDir::fromNativeSeparators(files[i]).count(QLatin1Char('/'));
        for (qsizetype count = 1; count <= deepest; ++count) {
            shown[i] = folderTail(files[i], count);
            const bool alone = std::none_of(same.begin(), same.end(), [&](const QString& other) {
                return other != files[i] && folderTail(other, count) == shown[i];
            });
            if (alone) {
                break;
            }
        }
    }
    return shown;
}

} // namespace

QStringList recentFileCaptions(const QStringList& files) {
    const QStringList folders = shownFolders(files);
    QStringList captions;
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString shown = QFileInfo(files[i]).fileName();
        if (!folders[i].isEmpty()) {
            shown += QStringLiteral(" (") + folders[i] + QLatin1Char(')');
        }
        // A '&' in the name is shown, not taken as the entry's access key.
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        captions << QStringLiteral("&%1 %2").arg(i + 1).arg(shown);
    }
    return captions;
}

} // namespace vrh
