// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/userinterface.h"
#include "platform/modaldialogs.h"

class QWidget;

namespace vrh {

// The real message boxes and file dialogs, modal over the given window.
class QtUserInterface : public MessageBoxes, public FileDialogs {
  public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    MessageAnswer showMessage(const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon) override;
    std::optional<QString> openFileName(const FileDialogSetup& setup) override;
    std::optional<QString> saveFileName(const FileDialogSetup& setup) override;

  private:
    QWidget* parent_ = nullptr;
};

// Runs each of the window's dialogs with exec(), modal over its parent.
ModalDialogs& windowSystemDialogs();

} // namespace vrh
