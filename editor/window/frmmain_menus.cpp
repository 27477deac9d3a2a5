// The menu bar and the toolbar.
#include "frmmain.h"

#include "assets/assets.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace vrh {

namespace {

QAction* addEntry(QMenu* menu, const QString& name, const QString& caption,
                  const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void frmMain::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addEntry(file, QStringLiteral("mnuFileNew"), QStringLiteral("&New"),
                     QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(addEntry(file, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open..."),
                     QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
    connect(addEntry(file, QStringLiteral("mnuFileSave"), QStringLiteral("&Save"),
                     QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(addEntry(file, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As...")),
            &QAction::triggered, this, &frmMain::mnuFileSaveAs_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
    connect(addEntry(file, QStringLiteral("mnuFileExit"), QStringLiteral("E&xit")),
            &QAction::triggered, this, &frmMain::mnuFileExit_Click);
}

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
    connect(tbToolBar, &QToolBar::actionTriggered, this, [this](QAction* action) {
        const QString key = action->data().toString();
        if (key == QLatin1String("New")) {
            mnuFileNew_Click();
        } else if (key == QLatin1String("Open")) {
            mnuFileOpen_Click();
        } else if (key == QLatin1String("Save")) {
            mnuFileSave_Click();
        }
    });
}

} // namespace vrh
