// SPDX-License-Identifier: GPL-3.0-or-later
// Regions of cells on the map: the Edit menu's region entries, the selection and Select All,
// Delete and Fill Selection, and Escape. The gestures on regions are the map's tools.
#include "frmmain.h"

#include "assets/assets.h"
#include "commands/levels/levelrules.h"
#include "commands/levels/mapediting.h"
#include "map/levelview.h"
#include "map/markerframe.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace vrh {

// The region entries' pictures, the Escape key and the clipboard's watch.
void frmMain::createRegionEntries(QMenu* edit) {
    mnuEditCut->setIcon(QIcon(toolbarIcon(QStringLiteral("Cut"))));
    mnuEditCopy->setIcon(QIcon(toolbarIcon(QStringLiteral("Copy"))));
    mnuEditPaste->setIcon(QIcon(toolbarIcon(QStringLiteral("Paste"))));
    picLevel->putOutlinesUnder(*levelCursor);

    // Escape belongs to the map wherever the focus is; it is no menu entry.
    auto* escape = new QAction(this);
    escape->setObjectName(QStringLiteral("mapEscape"));
    escape->setShortcut(Qt::Key_Escape);
    addAction(escape);
    connect(escape, &QAction::triggered, this, &frmMain::mapEscape_Click);

    // Whether Paste can act depends on what any program put on the clipboard. Reaching the
    // window system's clipboard costs the start-up several milliseconds, so the window first
    // looks when the Edit menu opens or the clipboard is used; until then Paste stays ready and
    // finds out for itself.
    connect(edit, &QMenu::aboutToShow, this, &frmMain::watchClipboard);
    setSelection(std::nullopt);
}

void frmMain::setSelection(const std::optional<QRect>& cells) {
    selection_ = cells;
    picLevel->regions().setSelection(cells);
    for (QAction* entry : {mnuEditCut, mnuEditCopy, mnuEditDelete, mnuEditFill}) {
        entry->setEnabled(cells.has_value());
    }
}

// After a resize or an undo the selection keeps to the level, and a floating paste shows where
// it would land now.
void frmMain::keepRegionsInLevel() {
    if (selection_) {
        setSelection(clipToLevel(*selection_, currentLevel()));
    }
    paste_.show();
}

void frmMain::fillSelection(const QString& stepName, std::uint8_t code) {
    if (!selection_) {
        return;
    }
    if (history_.record(stepName, [&] { fillCells(currentLevel(), *selection_, code); })) {
        redrawMap();
    }
}

void frmMain::mnuEditDelete_Click() {
    fillSelection(stepname::Delete, floorCode(currentLevel()));
}

void frmMain::mnuEditFill_Click() {
    fillSelection(stepname::FillSelection, state_.curTile);
}

void frmMain::mnuEditSelectAll_Click() {
    setSelection(clipToLevel(levelCells(currentLevel()), currentLevel()));
    if (selection_) {
        setStatusText(selectionStatus(*selection_));
    }
}

void frmMain::mapEscape_Click() {
    if (gesture_ == &shapeTool_) {
        cancelShape();
        // A shape the keyboard anchored ends with its cancel: no button is held to let go.
        if (keyButton_ != 0) {
            keyRelease();
        }
    } else if (paste_.floating()) {
        paste_.end();
    } else {
        setSelection(std::nullopt);
    }
}

} // namespace vrh
