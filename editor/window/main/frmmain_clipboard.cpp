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
    floating_ = std::move(offered.cells);
    floatingPicture_ = drawCells(*floating_, tileSheet_);
    floatingAt_.reset();
    picLevel->regions().clearFloating();
    setStatusText(kPasteFloating);
    if (picLevel->underMouse()) {
        const QPointF at = picLevel->imagePosition(picLevel->mapFromGlobal(QCursor::pos()));
        floatPasteTo(QPoint(pixelToCell(at.x()), pixelToCell(at.y())));
    }
}

// The top-left of a floating paste follows the pointer over any cell of the level.
void frmMain::floatPasteTo(QPoint cell) {
    if (floating_ && floatingAt_ != cell && currentLevel().contains(cell.x(), cell.y())) {
        floatingAt_ = cell;
        showFloatingPaste();
    }
}

void frmMain::showFloatingPaste() {
    if (floating_ && floatingAt_) {
        picLevel->regions().setFloating(
            floatingPicture_, *floatingAt_,
            landingCells(currentLevel(), floating_->size(), *floatingAt_));
    }
}

// Placed once, as one step; what lands becomes the selection.
void frmMain::placePaste(QPoint cell) {
    std::optional<QRect> landed;
    const CellBlock block = *floating_;
    endPaste();
    if (history_.record(stepname::Paste,
                        [&] { landed = pasteCells(currentLevel(), block, cell); })) {
        redrawMap();
    }
    setSelection(landed);
}

void frmMain::endPaste() {
    floating_.reset();
    floatingAt_.reset();
    floatingPicture_ = QImage();
    picLevel->regions().clearFloating();
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
