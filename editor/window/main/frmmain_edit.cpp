// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu, every entry of it built here; undo and redo of the edit history, and what the
// window shows after either.
#include "frmmain.h"

#include "map/markerframe.h"
#include "menuentries.h"

#include <QAction>
#include <QMenu>

namespace vrh {

// Every entry of the Edit menu; Undo and Redo name the step they would take back or bring back.
void frmMain::createEditMenu(QMenu* edit) {
    mnuEditUndo = addEntry(this, edit, "mnuEditUndo", "", &frmMain::mnuEditUndo_Click,
                           QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = addEntry(this, edit, "mnuEditRedo", "", &frmMain::mnuEditRedo_Click);
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addBar(edit, "mnuEditBar1");
    mnuEditCut = addEntry(this, edit, "mnuEditCut", "Cu&t", &frmMain::mnuEditCut_Click,
                          QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopy = addEntry(this, edit, "mnuEditCopy", "&Copy", &frmMain::mnuEditCopy_Click,
                           QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = addEntry(this, edit, "mnuEditPaste", "&Paste", &frmMain::mnuEditPaste_Click,
                            QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEditDelete = addEntry(this, edit, "mnuEditDelete", "&Delete", &frmMain::mnuEditDelete_Click,
                             QKeySequence(Qt::Key_Delete));
    addBar(edit, "mnuEditBar2");
    mnuEditSelectAll =
        addEntry(this, edit, "mnuEditSelectAll", "Select &All", &frmMain::mnuEditSelectAll_Click,
                 QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuEditFill = addEntry(this, edit, "mnuEditFill", "&Fill Selection",
                           &frmMain::mnuEditFill_Click, QKeySequence(Qt::CTRL | Qt::Key_B));

    QUndoStack& stack = history_.stack();
    connect(&stack, &QUndoStack::indexChanged, this, &frmMain::updateEditEntries);
    connect(&stack, &QUndoStack::undoTextChanged, this, &frmMain::updateEditEntries);
    connect(&stack, &QUndoStack::redoTextChanged, this, &frmMain::updateEditEntries);
    // A step may change the count: the first change to a set with no level makes it one long.
    connect(&stack, &QUndoStack::indexChanged, this, &frmMain::updateLevelLabel);
    updateEditEntries();

    createRegionEntries(edit);
}

namespace {

// "&Undo Paint", or "&Undo" greyed when there is nothing to take back.
void showEntry(QAction* entry, const QString& caption, bool can, const QString& stepName) {
    entry->setEnabled(can);
    entry->setText(can ? caption + QLatin1Char(' ') + stepName : caption);
}

} // namespace

void frmMain::updateEditEntries() {
    const QUndoStack& stack = history_.stack();
    showEntry(mnuEditUndo, QStringLiteral("&Undo"), stack.canUndo(), stack.undoText());
    showEntry(mnuEditRedo, QStringLiteral("&Redo"), stack.canRedo(), stack.redoText());
}

// The status text names the step taken back or brought back; a stroke still open is a step
// of its own first.
void frmMain::mnuEditUndo_Click() {
    history_.endStep();
    const int before = history_.stack().index();
    history_.undo();
    if (history_.stack().index() < before) {
        setStatusText(QStringLiteral("Undo: ") + history_.stack().redoText());
    }
}

void frmMain::mnuEditRedo_Click() {
    history_.endStep();
    const int before = history_.stack().index();
    history_.redo();
    if (history_.stack().index() > before) {
        setStatusText(QStringLiteral("Redo: ") + history_.stack().undoText());
    }
}

void frmMain::showHistoryMove(bool levelChanged) {
    if (levelChanged) {
        showLevelListChange(LevelListChange::CurrentLevel);
        return;
    }
    redrawMap();
    updateLevelLabel();
    loadLevel(state_.curLevel);
}

void frmMain::levelsetReplaced() {
    history_.clear();
    paste_.end();
    setSelection(std::nullopt);
}

void frmMain::levelsetOpened() {
    setStatusText(levelStatus(state_.curLevel, levelset_.numLevels));
}

void frmMain::levelsetSaved() {
    history_.markSaved();
}

} // namespace vrh
