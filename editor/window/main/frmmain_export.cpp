// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export Picture and Export All Levels: pictures of the levels as the map shows them.
#include "frmmain.h"

#include "map/levelpicture.h"
#include "map/levelview.h"

namespace vrh {

void frmMain::mnuFileExportPicture_Click() {
    fileCommands_.exportFile(
        kExportPictureTitle, kPictureFilter, kPictureSuffix,
        [this](const QString& path) {
            return writePictureFile(levelPicture(currentLevel(), tileSheet_, shownMarkers()), path,
                                    levelset_.fileName);
        },
        exportPictureName(levelset_.fileName, state_.curLevel + 1));
}

void frmMain::mnuFileExportAll_Click() {
    fileCommands_.exportFile(
        kExportPictureTitle, kPictureFilter, kPictureSuffix,
        [this](const QString& path) {
            return writePictureFile(allLevelsPicture(levelset_, tileSheet_, shownMarkers()), path,
                                    levelset_.fileName);
        },
        exportPictureName(levelset_.fileName, 0));
}

} // namespace vrh
