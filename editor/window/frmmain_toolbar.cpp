// The toolbar: fifteen buttons, each running the command of its menu entry.
#include "frmmain.h"

#include "assets/assets.h"

#include <QAction>
#include <QToolBar>

namespace vrh {

void frmMain::createToolBar() {
    struct Button {
        const char* key; // empty for a separator
        const char* tooltip;
    };
    static const Button buttons[] = {
        {"New", "New Levelset"},
        {"Open", "Open"},
        {"Save", "Save"},
        {"", ""},
        {"DWidth", "Decrease Width"},
        {"IWidth", "Increase Width"},
        {"DHeight", "Decrease Height"},
        {"IHeight", "Increase Height"},
        {"", ""},
        {"AddLevel", "Add a Level"},
        {"RemoveLevel", "Remove a Level"},
        {"PreviousLevel", "Go to Previous Level"},
        {"NextLevel", "Go to Next Level"},
        {"", ""},
        {"About", "About"},
    };
    for (const Button& button : buttons) {
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
    static const struct {
        const char* key;
        void (frmMain::*command)();
    } commands[] = {
        {"New", &frmMain::mnuFileNew_Click},
        {"Open", &frmMain::mnuFileOpen_Click},
        {"Save", &frmMain::mnuFileSave_Click},
        {"DWidth", &frmMain::mnuLevelDecreaseWidth_Click},
        {"IWidth", &frmMain::mnuLevelIncreaseWidth_Click},
        {"DHeight", &frmMain::mnuLevelDecreaseHeight_Click},
        {"IHeight", &frmMain::mnuLevelIncreaseHeight_Click},
        {"AddLevel", &frmMain::mnuLevelAdd_Click},
        {"RemoveLevel", &frmMain::mnuLevelRemove_Click},
        {"PreviousLevel", &frmMain::mnuLevelPrevious_Click},
        {"NextLevel", &frmMain::mnuLevelNext_Click},
        {"About", &frmMain::mnuHelpAbout_Click},
    };
    for (const auto& entry : commands) {
        if (key == QLatin1String(entry.key)) {
            try {
                (this->*entry.command)();
            } catch (...) {
                // The command has said all the user sees; the window stays as it left it.
            }
            return;
        }
    }
}

} // namespace vrh
