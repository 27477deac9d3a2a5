// SPDX-License-Identifier: GPL-3.0-or-later
// A levelset file dropped anywhere on the window opens as File > Open would.
#include "frmmain.h"

#include "commands/desktop/droppedfile.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

namespace vrh {

namespace {

// Copy, whatever the source proposed: a move would have the file manager delete the file.
bool acceptAsCopy(QDropEvent* event) {
    if (!(event->possibleActions() & Qt::CopyAction) || !droppedLevelset(*event->mimeData())) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

void frmMain::createDropTarget() {
    setAcceptDrops(true);
    // A drop on a text box goes to the window, so a file's name never lands in one as text.
    for (QLineEdit* box : {txtPasscode, txtObjectives, txtTime}) {
        box->setAcceptDrops(false);
    }
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    acceptAsCopy(event);
}

void frmMain::dropEvent(QDropEvent* event) {
    if (!acceptAsCopy(event)) {
        return;
    }
    // Opened once the drop is over, so the file manager is not kept waiting on the prompt.
    const QString path = *droppedLevelset(*event->mimeData());
    QMetaObject::invokeMethod(
        this, [this, path] { openFile(path, true); }, Qt::QueuedConnection);
}

} // namespace vrh
