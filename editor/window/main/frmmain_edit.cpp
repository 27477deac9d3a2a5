// The Edit menu: undo and redo of the edit history, and what the window shows after either.
#include "frmmain.h"

#include "map/markerframe.h"

#include <QAction>
#include <QMenu>

namespace vrh {

void frmMain::createEditMenu(QMenu* edit) {
    mnuEditUndo = edit->addAction(QString());
    mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = edit->addAction(QString());
    mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(mnuEditUndo, &QAction::triggered, this, &frmMain::mnuEditUndo_Click);
    connect(mnuEditRedo, &QAction::triggered, this, &frmMain::mnuEditRedo_Click);

    QUndoStack& stack = history_.stack();
    connect(&stack, &QUndoStack::indexChanged, this, &frmMain::updateEditEntries);
    connect(&stack, &QUndoStack::undoTextChanged, this, &frmMain::updateEditEntries);
    connect(&stack, &QUndoStack::redoTextChanged, this, &frmMain::updateEditEntries);
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

void frmMain::mnuEditUndo_Click() {
    history_.undo();
}

void frmMain::mnuEditRedo_Click() {
    history_.redo();
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
    endPaste();
    setSelection(std::nullopt);
}

void frmMain::levelsetSaved() {
    history_.markSaved();
}

} // namespace vrh
