// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools menu: the right mouse button's mode, Set Floor and the three counters.
#include "frmmain.h"

#include "commands/levels/counters.h"
#include "commands/levels/levelrules.h"

#include <QAction>

namespace vrh {

namespace {

void showReport(MessageBoxes& messages, const CounterReport& report) {
    messages.showMessage(report.text, report.title, MessageButtons::Ok, MessageIcon::Information);
}

} // namespace

// Exactly one mode is checked; choosing the checked one keeps it.
void frmMain::mnuToolsMouseChoice_Click(int index) {
    mnuToolsMouseChoice[state_.mouseChoice]->setChecked(false);
    state_.mouseChoice = static_cast<std::int16_t>(index);
    mnuToolsMouseChoice[index]->setChecked(true);
}

void frmMain::mnuToolsSetFloor_Click() {
    history_.record(stepname::SetFloor, [this] { setFloor(currentLevel()); });
    redrawMap();
}

void frmMain::mnuToolsEnemies_Click() {
    showReport(messages_, countEnemies(currentLevel()));
}

void frmMain::mnuToolsPickups_Click() {
    showReport(messages_, countPickups(currentLevel()));
}

void frmMain::mnuToolsDoors_Click() {
    showReport(messages_, countDoors(currentLevel()));
}

} // namespace vrh
