#pragma once

// What the benchmarks of the main window share: message boxes and file dialogs that answer at
// once without showing anything. windowbench_main.cpp runs them under a QApplication on the
// offscreen platform.
#include "commands/userinterface.h"

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

} // namespace vrh::bench
