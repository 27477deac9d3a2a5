// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vrh {

QString dialogStartFolder(const QString& lastFolder, const QString& programFolder,
                          const QString& userFolder,
                          const std::function<bool(const QString&)>& canWrite) {
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) {
        return lastFolder;
    }
    return canWrite(programFolder) ? programFolder : userFolder;
}

QString userDocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool isWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace vrh
