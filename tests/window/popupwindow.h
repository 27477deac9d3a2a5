// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/main/frmmain.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include <vector>

namespace vrh::testing {

// The main window with its popup menus answered by the test: the entry named in choice is
// triggered as the menu would, an empty choice dismisses the menu.
class PopupWindow : public frmMain {
  public:
    using frmMain::frmMain;

    QString choice;
    std::vector<QString> opened;
    std::vector<QPoint> openedAt;

  protected:
    QAction* popupMenu(QMenu* menu, QPoint at) override {
        opened.push_back(menu->objectName());
        openedAt.push_back(at);
        QAction* action = nullptr;
        for (QAction* entry : menu->actions()) {
            if (!choice.isEmpty() && entry->objectName() == choice) {
                action = entry;
            }
        }
        if (action != nullptr) {
            action->trigger();
        } else if (!choice.isEmpty()) {
            ADD_FAILURE() << menu->objectName().toStdString() << " has no " << choice.toStdString();
        }
        return action;
    }
};

} // namespace vrh::testing
