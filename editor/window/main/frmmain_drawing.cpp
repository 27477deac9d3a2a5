// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing tools' choice, the grid, the Level Size dialog and the greying of the commands
// that would do nothing at their limits.
#include "frmmain.h"

#include "commands/levels/drawingtools.h"
#include "commands/levels/levelrules.h"
#include "map/levelview.h"
#include "platform/modaldialogs.h"
#include "window/dialogs/levelsizedialog.h"

#include <QAction>
#include <QSettings>

namespace vrh {

namespace {

const QString kToolKey = QStringLiteral("drawingTool");
const QString kGridKey = QStringLiteral("showGrid");

} // namespace

void frmMain::createDrawingTools() {
    const QString tool = settings_->value(kToolKey).toString();
    for (const DrawingToolEntry& entry : drawingTools()) {
        if (tool == QLatin1String(entry.settingsKey)) {
            mnuToolsTool_Click(entry.tool);
        }
    }
    showToolField();
    if (settings_->value(kGridKey, false).toBool()) {
        mnuViewGrid_Click();
    }
    if (settings_->value(kMarkerLettersKey, false).toBool()) {
        mnuViewMarkerLetters_Click();
    }

    // Each command greyed at its limit, in the menu and on the toolbar.
    const std::pair<const char*, const char*> limited[] = {
        {"mnuLevelDecreaseWidth", "tbDWidth"},
        {"mnuLevelIncreaseWidth", "tbIWidth"},
        {"mnuLevelDecreaseHeight", "tbDHeight"},
        {"mnuLevelIncreaseHeight", "tbIHeight"},
        {"mnuLevelRemove", "tbRemoveLevel"},
        {"mnuLevelAdd", "tbAddLevel"},
        {"mnuLevelPrevious", "tbPreviousLevel"},
        {"mnuLevelNext", "tbNextLevel"},
        {"mnuLevelInsert", nullptr},
        {"mnuLevelDuplicate", nullptr},
        {"mnuLevelDelete", nullptr},
        {"mnuLevelMoveEarlier", nullptr},
        {"mnuLevelMoveLater", nullptr},
    };
    for (const auto& [menu, button] : limited) {
        limitEntries_.emplace_back(findChild<QAction*>(QLatin1String(menu)),
                                   button ? findChild<QAction*>(QLatin1String(button)) : nullptr);
    }
    updateLimitEntries();
}

void frmMain::updateLimitEntries() {
    if (limitEntries_.empty()) {
        return;
    }
    const ResizeLimits size = possibleResizes(currentLevel());
    const LevelListLimits list = possibleLevelListCommands(levelset_, state_);
    // In the order of the entries above.
    const bool possible[] = {size.decreaseWidth,  size.increaseWidth, size.decreaseHeight,
                             size.increaseHeight, list.remove,        list.add,
                             list.previous,       list.next,          list.add,
                             list.duplicate,      list.deleteLevel,   list.moveEarlier,
                             list.moveLater};
    for (std::size_t index = 0; index < limitEntries_.size(); ++index) {
        limitEntries_[index].first->setEnabled(possible[index]);
        if (QAction* button = limitEntries_[index].second) {
            button->setEnabled(possible[index]);
        }
    }
}

// Exactly one tool is checked; choosing the checked one keeps it.
void frmMain::mnuToolsTool_Click(DrawingTool tool) {
    mnuToolsTool[static_cast<int>(tool_)]->setChecked(false);
    tool_ = tool;
    mnuToolsTool[static_cast<int>(tool)]->setChecked(true);
    settings_->setValue(kToolKey, QLatin1String(vrh::drawingTool(tool).settingsKey));
    showToolField();
}

void frmMain::mnuViewGrid_Click() {
    mnuViewGrid->setChecked(!mnuViewGrid->isChecked());
    picLevel->setGridShown(mnuViewGrid->isChecked());
    picTiles->setGridShown(mnuViewGrid->isChecked());
    settings_->setValue(kGridKey, mnuViewGrid->isChecked());
}

// Both sizes as one step; Cancel or the same size makes none.
void frmMain::mnuLevelSize_Click() {
    LevelSizeDialog dialog(currentLevel(), this);
    modalDialogs_->runModal(dialog);
    if (dialog.result() != QDialog::Accepted) {
        return;
    }
    if (history_.record(stepname::LevelSize, [&] {
            setLevelSize(currentLevel(), dialog.levelWidth(), dialog.levelHeight());
        })) {
        redrawMap();
    }
}

} // namespace vrh
