// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmarks of the main window share: message boxes and file dialogs that answer at
// once without showing anything, and the shown window with a full level. windowbench_main.cpp
// runs them under a QApplication on the offscreen platform.
#include "window/main/frmmain.h"

#include <QApplication>

namespace vrh::bench {

class NoMessages : public MessageBoxes {
  public:
    MessageAnswer showMessage(const QString&, const QString&, MessageButtons,
                              MessageIcon) override {
        return MessageAnswer::No;
    }
};

class NoDialogs : public FileDialogs {
  public:
    std::optional<QString> openFileName(const FileDialogSetup&) override { return {}; }
    std::optional<QString> saveFileName(const FileDialogSetup&) override { return {}; }
};

// The main window shown, its first level 32 x 32 cells.
struct FullLevelWindow {
    NoMessages messages;
    NoDialogs dialogs;
    frmMain window{messages, dialogs};

    FullLevelWindow() {
        window.levelset().levels[0].width = kGridSize;
        window.levelset().levels[0].height = kGridSize;
        window.redrawMap();
        window.show();
        QApplication::processEvents();
    }
};

} // namespace vrh::bench
