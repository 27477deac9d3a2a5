// SPDX-License-Identifier: GPL-3.0-or-later
// View > Tile Pictures... and Built-in Tile Pictures, File > Export Tile Pictures and View >
// Show Uses of Selected Tile: the pictures the window draws tiles with, and where a tile is used.
#include "frmmain.h"

#include "commands/levels/counters.h"
#include "commands/levels/tilenames.h"
#include "map/drawlevel.h"
#include "map/levelpicture.h"
#include "map/levelview.h"
#include "platform/openfilewatcher.h"
#include "window/dialogs/frmlevels.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vrh {

namespace {

const QString kTilePicturesKey = QStringLiteral("tilePictures");
const QString kLoadTilePicturesTitle = QStringLiteral("Load Tile Pictures");
const QString kTilePicturesFilter =
    QStringLiteral("Tile pictures (*.png *.bmp *.gif *.asm *.inc *.z80 *.txt);;All files (*)");
const QString kExportTilePicturesTitle = QStringLiteral("Export Tile Pictures");

// A refusal's lines on one line of the status bar.
QString statusLine(const QString& refusal) {
    return QString(refusal).replace(u'\r', u' ');
}

} // namespace

QString frmMain::createTilePictures() {
    tilePicturesWatcher_ =
        OpenFileWatcher::reportingAtOnce(*this, [this] { tilePicturesFile_Change(); });
    // The names are the program's: another window may have used others.
    useTileNames(builtInTilePictures().names);
    mnuViewBuiltInTiles->setEnabled(false);
    const QString remembered = settings_->value(kTilePicturesKey).toString();
    if (remembered.isEmpty()) {
        return {};
    }
    TilePicturesRead read = readTilePictures(remembered);
    // The setting stays: the file is used again once it is back.
    if (!read.pictures) {
        return statusLine(read.refusal) + QStringLiteral(" The built-in tile pictures are shown.");
    }
    useTilePictures(*read.pictures, remembered);
    return {};
}

void frmMain::useTilePictures(const TilePictures& pictures, const QString& path) {
    tilePicturesPath_ = path;
    // Also after going back to the built-in pictures, the dialog starts where they came from.
    if (!path.isEmpty()) {
        lastTilePicturesFolder_ = QFileInfo(path).absolutePath();
    }
    tileSheet_ = prepareTileSheet(pictures.sheet);
    useTileNames(pictures.names);
    picTiles->setImage(tileSheet_);
    picTileset->setImage(tileSheet_);
    if (levelsWindow_) {
        levelsWindow_->setTileSheet(tileSheet_);
    }
    paste_.redrawPicture();
    drawLevel(state_.curLevel);
    mnuViewBuiltInTiles->setEnabled(!path.isEmpty());
    tilePicturesWatcher_->watch(path);
}

void frmMain::mnuViewTilePictures_Click() {
    const QString folder =
        lastTilePicturesFolder_.isEmpty() ? fileCommands_.dialogFolder() : lastTilePicturesFolder_;
    FileDialogSetup setup{kLoadTilePicturesTitle, kTilePicturesFilter, folder, {}};
    const std::optional<QString> path = fileDialogs_.openFileName(setup);
    if (!path || path->isEmpty()) {
        return;
    }
    TilePicturesRead read = readTilePictures(*path);
    if (!read.pictures) {
        messages_.showMessage(read.refusal, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        return;
    }
    useTilePictures(*read.pictures, *path);
    settings_->setValue(kTilePicturesKey, *path);
}

void frmMain::mnuViewBuiltInTiles_Click() {
    useTilePictures(builtInTilePictures(), QString());
    settings_->remove(kTilePicturesKey);
}

// A refused change (a paint program half way through writing, say) keeps the pictures shown.
void frmMain::tilePicturesFile_Change() {
    if (tilePicturesPath_.isEmpty()) {
        return;
    }
    TilePicturesRead read = readTilePictures(tilePicturesPath_);
    if (!read.pictures) {
        setStatusText(statusLine(read.refusal));
        return;
    }
    useTilePictures(*read.pictures, tilePicturesPath_);
}

void frmMain::mnuFileExportTilePictures_Click() {
    fileCommands_.exportFile(kExportTilePicturesTitle, kPictureFilter, kPictureSuffix,
                             [this](const QString& path) {
                                 return writePictureFile(tileSheet_, path, levelset_.fileName);
                             });
}

void frmMain::mnuViewTileUses_Click() {
    mnuViewTileUses->setChecked(!mnuViewTileUses->isChecked());
    followChosenTile();
    if (mnuViewTileUses->isChecked()) {
        setStatusText(tileUsesStatus(levelset_, state_.curLevel, state_.curTile));
    }
}

void frmMain::followChosenTile() {
    picLevel->setTileUses(mnuViewTileUses->isChecked() ? std::optional(state_.curTile)
                                                       : std::nullopt);
}

void frmMain::showChosenTile(const QString& statusText) {
    followChosenTile();
    setStatusText(mnuViewTileUses->isChecked()
                      ? tileUsesStatus(levelset_, state_.curLevel, state_.curTile)
                      : statusText);
}

} // namespace vrh
