// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu and the window's load, close query and unload.
#include "frmmain.h"

#include "commands/desktop/commandrun.h"
#include "commands/recovery/recoveryfolder.h"

#include <QApplication>
#include <QCloseEvent>

namespace vrh {

void frmMain::Form_Load() {
    fileCommands_.formLoad();
}

bool frmMain::Form_QueryUnload() {
    return queryStopCommand() && fileCommands_.queryUnload();
}

void frmMain::Form_Unload() {
    if (commandRun_) {
        commandRun_->stopAndWait();
    }
    // An editor that ends normally leaves nothing to recover: "No" at the save prompt was the
    // user's choice to discard.
    recoveryFolder_->removeOwn();
    // Other windows of the program close with the main window, the latest first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible()) {
            (*it)->close();
        }
    }
}

void frmMain::mnuFileNew_Click() {
    fileCommands_.fileNew();
}

void frmMain::mnuFileOpen_Click() {
    fileCommands_.fileOpen();
}

void frmMain::mnuFileSave_Click() {
    fileCommands_.fileSave();
}

void frmMain::mnuFileSaveAs_Click() {
    fileCommands_.fileSaveAs();
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

} // namespace vrh
