// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu's zoom: the map shown 1 to 4 times its size in its own place, scrolled above
// 1; Ctrl + wheel zooms at the pointer. The zoom belongs to the window, remembered between runs.
#include "frmmain.h"

#include "map/levelview.h"
#include "map/markerframe.h"

#include <QAction>
#include <QSettings>

namespace vrh {

namespace {

const QString kZoomKey = QStringLiteral("mapZoom");

} // namespace

void frmMain::createZoom() {
    connect(picLevel, &LevelView::zoomWheel, this, &frmMain::picLevel_ZoomWheel);
    showZoom(settings_->value(kZoomKey, MapZoom::kMinZoom).toInt());
}

void frmMain::mnuViewZoomIn_Click() {
    showZoom(picLevel->zoom().zoom() + 1);
}

void frmMain::mnuViewZoomOut_Click() {
    showZoom(picLevel->zoom().zoom() - 1);
}

void frmMain::mnuViewActualSize_Click() {
    showZoom(MapZoom::kMinZoom);
}

void frmMain::picLevel_ZoomWheel(int steps, QPointF at) {
    showZoom(picLevel->zoom().zoom() + steps, at);
}

void frmMain::showZoom(int zoom, std::optional<QPointF> at) {
    MapZoom& shown = picLevel->zoom();
    const int before = shown.zoom();
    if (at) {
        shown.setZoom(zoom, *at);
    } else {
        shown.setZoomKeeping(zoom, levelCursor->rect());
    }
    mnuViewZoomIn->setEnabled(shown.zoom() < MapZoom::kMaxZoom);
    mnuViewZoomOut->setEnabled(shown.zoom() > MapZoom::kMinZoom);
    if (shown.zoom() != before) {
        settings_->setValue(kZoomKey, shown.zoom());
    }
}

void frmMain::moveLevelCursor(QPoint cell) {
    levelCursor->setCell(cell.x(), cell.y());
    picLevel->ensureCellVisible(cell);
}

} // namespace vrh
