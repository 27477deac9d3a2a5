// The Level menu: resizing the current level and stepping through the list of levels.
#include "frmmain.h"

#include "commands/levellist.h"
#include "commands/levelrules.h"
#include "map/markerframe.h"

namespace vrh {

namespace {

void showChange(frmMain& window, LevelListChange change) {
    switch (change) {
    case LevelListChange::Nothing:
        break;
    case LevelListChange::Label:
        window.updateLevelLabel();
        break;
    case LevelListChange::CurrentLevel:
        window.redrawMap();
        window.updateLevelLabel();
        window.levelCursor->setCell(0, 0);
        window.loadLevel(window.state().curLevel);
        break;
    }
}

} // namespace

// A resize redraws even at its limit.
void frmMain::mnuLevelDecreaseWidth_Click() {
    decreaseWidth(currentLevel());
    redrawMap();
}

void frmMain::mnuLevelIncreaseWidth_Click() {
    increaseWidth(currentLevel());
    redrawMap();
}

void frmMain::mnuLevelDecreaseHeight_Click() {
    decreaseHeight(currentLevel());
    redrawMap();
}

void frmMain::mnuLevelIncreaseHeight_Click() {
    increaseHeight(currentLevel());
    redrawMap();
}

void frmMain::mnuLevelRemove_Click() {
    showChange(*this, removeLevel(levelset_, state_));
}

void frmMain::mnuLevelAdd_Click() {
    showChange(*this, addLevel(levelset_, state_));
}

void frmMain::mnuLevelPrevious_Click() {
    showChange(*this, previousLevel(levelset_, state_));
}

void frmMain::mnuLevelNext_Click() {
    showChange(*this, nextLevel(levelset_, state_));
}

} // namespace vrh
