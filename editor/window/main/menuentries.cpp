// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuentries.h"

#include "frmmain.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

namespace vrh {

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* addMenu(QMenu* outer, const char* name, const char* caption) {
    QMenu* menu = outer->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addEntry(QMenu* menu, const char* name, const char* caption,
                  const QKeySequence& shortcut) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* addEntry(frmMain* window, QMenu* menu, const char* name, const char* caption,
                  void (frmMain::*handler)(), const QKeySequence& shortcut) {
    QAction* action = addEntry(menu, name, caption, shortcut);
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}

QAction* addBar(QMenu* menu, const char* name) {
    QAction* bar = menu->addSeparator();
    bar->setObjectName(QString::fromLatin1(name));
    return bar;
}

QAction* addCheckEntry(frmMain* window, QMenu* menu, const char* name, const char* caption,
                       bool checked, std::function<void()> click, const QKeySequence& shortcut) {
    QAction* action = addEntry(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(checked);
    QObject::connect(action, &QAction::triggered, window, [action, click = std::move(click)] {
        {
            const QSignalBlocker blocker(action);
            action->setChecked(!action->isChecked());
        }
        click();
    });
    return action;
}

} // namespace vrh
