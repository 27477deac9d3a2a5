#include "dialogfolder.h"

#include <QFileInfo>

namespace vrh {

QString dialogStartFolder(const QString& lastFolder, const QString& programFolder,
                          const QString& homeFolder,
                          const std::function<bool(const QString&)>& canWrite) {
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) {
        return lastFolder;
    }
    return canWrite(programFolder) ? programFolder : homeFolder;
}

bool isWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace vrh
