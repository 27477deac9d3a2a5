// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard's cells: Cut and Copy put the selection on the system clipboard as cells, text
// and a picture; Paste floats the clipboard's cells under the pointer until a click places them.
#include "frmmain.h"

#include "commands/levels/levelrules.h"
#include "commands/levels/mapediting.h"
#include "commands/regions/cellclipboard.h"
#include "map/drawlevel.h"
#include "map/levelview.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMimeData>

namespace vrh {

void frmMain::copySelection() {
    const CellBlock block = copyCells(currentLevel(), *selection_);
    std::unique_ptr<QMimeData> data = cellsMimeData(block);
    data->setImageData(drawCells(block, tileSheet_));
    QGuiApplication::clipboard()->setMimeData(data.release());
    watchClipboard();
}

void frmMain::mnuEditCopy_Click() {
    if (selection_) {
        copySelection();
    }
}

void frmMain::mnuEditCut_Click() {
    if (selection_) {
        copySelection();
        fillSelection(stepname::Cut, floorCode(currentLevel()));
    }
}

// Malformed cells are refused with the reason; nothing changes.
void frmMain::mnuEditPaste_Click() {
    // The text is asked for once: from another program it may be megabytes, sent each time.
    ClipboardCells offered = cellsFromClipboard(QGuiApplication::clipboard()->mimeData());
    followClipboard();
    mnuEditPaste->setEnabled(offered.kind != ClipboardCells::Kind::Nothing);
    if (offered.kind == ClipboardCells::Kind::Refused) {
        messages_.showMessage(offered.refusal, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        return;
    }
    if (offered.kind != ClipboardCells::Kind::Cells) {
        return;
    }
    paste_.start(std::move(offered.cells));
    setStatusText(kPasteFloating);
    if (picLevel->underMouse()) {
        const QPointF at = picLevel->imagePosition(picLevel->mapFromGlobal(QCursor::pos()));
        paste_.follow(QPoint(pixelToCell(at.x()), pixelToCell(at.y())));
    }
}

void frmMain::followClipboard() {
    if (!clipboardWatched_) {
        clipboardWatched_ = true;
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                &frmMain::updatePasteEntry);
    }
}

void frmMain::watchClipboard() {
    followClipboard();
    updatePasteEntry();
}

void frmMain::updatePasteEntry() {
    mnuEditPaste->setEnabled(canPaste(QGuiApplication::clipboard()->mimeData()));
}

} // namespace vrh
