// SPDX-License-Identifier: GPL-3.0-or-later
// The Level menu: resizing the current level and stepping through the list of levels.
#include "frmmain.h"

#include "commands/levels/levellist.h"
#include "commands/levels/levelrules.h"
#include "map/markerframe.h"
#include "platform/modaldialogs.h"
#include "window/dialogs/gotoleveldialog.h"

namespace vrh {

void frmMain::showLevelListChange(LevelListChange change) {
    switch (change) {
    case LevelListChange::Nothing:
        break;
    case LevelListChange::Label:
        updateLevelLabel();
        setStatusText(levelStatus(state_.curLevel, levelset_.numLevels));
        break;
    case LevelListChange::CurrentLevel:
        history_.endTypingRun();
        cancelShape();
        setSelection(std::nullopt);
        redrawMap();
        updateLevelLabel();
        moveLevelCursor({0, 0});
        loadLevel(state_.curLevel);
        setStatusText(levelStatus(state_.curLevel, levelset_.numLevels));
        break;
    }
}

// A resize redraws even at its limit, where it makes no step.
void frmMain::mnuLevelDecreaseWidth_Click() {
    history_.record(stepname::DecreaseWidth, [this] { decreaseWidth(currentLevel()); });
    redrawMap();
}

void frmMain::mnuLevelIncreaseWidth_Click() {
    history_.record(stepname::IncreaseWidth, [this] { increaseWidth(currentLevel()); });
    redrawMap();
}

void frmMain::mnuLevelDecreaseHeight_Click() {
    history_.record(stepname::DecreaseHeight, [this] { decreaseHeight(currentLevel()); });
    redrawMap();
}

void frmMain::mnuLevelIncreaseHeight_Click() {
    history_.record(stepname::IncreaseHeight, [this] { increaseHeight(currentLevel()); });
    redrawMap();
}

void frmMain::mnuLevelRemove_Click() {
    LevelListChange change = LevelListChange::Nothing;
    history_.record(stepname::RemoveLevel, [&] { change = removeLevel(levelset_, state_); });
    showLevelListChange(change);
}

void frmMain::mnuLevelAdd_Click() {
    LevelListChange change = LevelListChange::Nothing;
    history_.record(stepname::AddLevel, [&] { change = addLevel(levelset_, state_); });
    showLevelListChange(change);
}

void frmMain::mnuLevelPrevious_Click() {
    showLevelListChange(previousLevel(levelset_, state_));
}

void frmMain::mnuLevelNext_Click() {
    showLevelListChange(nextLevel(levelset_, state_));
}

void frmMain::reorderLevels(const QString& stepName,
                            LevelListChange (*command)(Levelset&, EditingState&)) {
    LevelListChange change = LevelListChange::Nothing;
    history_.record(stepName, [&] { change = command(levelset_, state_); });
    showLevelListChange(change);
}

void frmMain::mnuLevelInsert_Click() {
    reorderLevels(stepname::InsertLevel, insertLevel);
}

void frmMain::mnuLevelDuplicate_Click() {
    reorderLevels(stepname::DuplicateLevel, duplicateLevel);
}

void frmMain::mnuLevelDelete_Click() {
    reorderLevels(stepname::DeleteLevel, deleteLevel);
}

void frmMain::mnuLevelMoveEarlier_Click() {
    reorderLevels(stepname::MoveLevelEarlier, moveLevelEarlier);
}

void frmMain::mnuLevelMoveLater_Click() {
    reorderLevels(stepname::MoveLevelLater, moveLevelLater);
}

// Not a step: which level is shown is no part of the levelset.
void frmMain::mnuLevelGoTo_Click() {
    GoToLevelDialog dialog(state_.curLevel + 1, levelset_.numLevels, this);
    modalDialogs_->runModal(dialog);
    if (dialog.result() == QDialog::Accepted) {
        showLevelListChange(goToLevel(levelset_, state_, dialog.level() - 1));
    }
}

} // namespace vrh
