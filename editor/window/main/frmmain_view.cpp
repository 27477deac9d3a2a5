// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu: each entry shows or hides its markers. Which markers show belongs to the
// window, so it stays the same across levels and files.
#include "frmmain.h"

#include "map/markerframe.h"

#include <QAction>
#include <QSettings>

namespace vrh {

namespace {

void reverseAndShow(QAction* entry, std::initializer_list<MarkerFrame*> markers) {
    entry->setChecked(!entry->isChecked());
    for (MarkerFrame* marker : markers) {
        marker->setVisible(entry->isChecked());
    }
}

} // namespace

void frmMain::mnuViewStart_Click() {
    reverseAndShow(mnuViewStart, {shpStart});
}

void frmMain::mnuViewFinish_Click() {
    reverseAndShow(mnuViewFinish, {shpFinish});
}

void frmMain::mnuViewBlockPut_Click() {
    reverseAndShow(mnuViewBlockPut, {shpPut, shpPutType});
}

void frmMain::mnuViewBlockTake_Click() {
    reverseAndShow(mnuViewBlockTake, {shpTake, shpTakeType});
}

void frmMain::mnuViewMarkerLetters_Click() {
    mnuViewMarkerLetters->setChecked(!mnuViewMarkerLetters->isChecked());
    for (MarkerFrame* marker : {shpStart, shpFinish, shpPut, shpTake}) {
        marker->setLetterShown(mnuViewMarkerLetters->isChecked());
    }
    settings_->setValue(kMarkerLettersKey, mnuViewMarkerLetters->isChecked());
}

ShownMarkers frmMain::shownMarkers() const {
    return {shpStart->isVisible(), shpFinish->isVisible(), shpPut->isVisible(),
            shpTake->isVisible(), mnuViewMarkerLetters->isChecked()};
}

} // namespace vrh
