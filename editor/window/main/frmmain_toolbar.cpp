// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar: fifteen buttons, each running the command of its menu entry.
#include "frmmain.h"

#include "assets/assets.h"

#include <QAction>
#include <QToolBar>

namespace vrh {

namespace {

// The buttons from left to right; a button without a key is a separator. The dispatch looks
// keys up in this same order.
struct Button {
    const char* key;
    const char* tooltip;
    void (frmMain::*command)();
};

const Button kButtons[] = {
    {"New", "New Levelset", &frmMain::mnuFileNew_Click},
    {"Open", "Open", &frmMain::mnuFileOpen_Click},
    {"Save", "Save", &frmMain::mnuFileSave_Click},
    {"", "", nullptr},
    {"DWidth", "Decrease Width", &frmMain::mnuLevelDecreaseWidth_Click},
    {"IWidth", "Increase Width", &frmMain::mnuLevelIncreaseWidth_Click},
    {"DHeight", "Decrease Height", &frmMain::mnuLevelDecreaseHeight_Click},
    {"IHeight", "Increase Height", &frmMain::mnuLevelIncreaseHeight_Click},
    {"", "", nullptr},
    {"AddLevel", "Add a Level", &frmMain::mnuLevelAdd_Click},
    {"RemoveLevel", "Remove a Level", &frmMain::mnuLevelRemove_Click},
    {"PreviousLevel", "Go to Previous Level", &frmMain::mnuLevelPrevious_Click},
    {"NextLevel", "Go to Next Level", &frmMain::mnuLevelNext_Click},
    {"", "", nullptr},
    {"About", "About", &frmMain::mnuHelpAbout_Click},
};

} // namespace

void frmMain::createToolBar() {
    for (const Button& button : kButtons) {
        const QString key = QString::fromLatin1(button.key);
        if (key.isEmpty()) {
            tbToolBar->addSeparator();
            continue;
        }
        QAction* action =
            tbToolBar->addAction(QIcon(toolbarIcon(key)), QString::fromLatin1(button.tooltip));
        action->setObjectName(QStringLiteral("tb") + key);
        action->setData(key);
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction* action) { tbToolBar_ButtonClick(action->data().toString()); });
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    for (const Button& button : kButtons) {
        if (button.command != nullptr && key == QLatin1String(button.key)) {
            try {
                (this->*button.command)();
            } catch (...) {
                // The command has said all the user sees; the window stays as it left it.
            }
            return;
        }
    }
}

} // namespace vrh
