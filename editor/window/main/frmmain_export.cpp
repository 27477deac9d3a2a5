// File > Export Picture and Export All Levels: pictures of the levels as the map shows them.
#include "frmmain.h"

#include "map/levelpicture.h"
#include "map/levelview.h"

namespace vrh {

namespace {

// The position markers the View menu shows now.
ShownMarkers shownMarkers(const frmMain& window) {
    return {window.shpStart->isVisible(), window.shpFinish->isVisible(), window.shpPut->isVisible(),
            window.shpTake->isVisible()};
}

} // namespace

void frmMain::mnuFileExportPicture_Click() {
    fileCommands_.exportFile(
        kExportPictureTitle, kPictureFilter, kPictureSuffix, [this](const QString& path) {
            return writePictureFile(levelPicture(currentLevel(), tileSheet_, shownMarkers(*this)),
                                    path, levelset_.fileName);
        });
}

void frmMain::mnuFileExportAll_Click() {
    fileCommands_.exportFile(
        kExportPictureTitle, kPictureFilter, kPictureSuffix, [this](const QString& path) {
            return writePictureFile(allLevelsPicture(levelset_, tileSheet_, shownMarkers(*this)),
                                    path, levelset_.fileName);
        });
}

} // namespace vrh
