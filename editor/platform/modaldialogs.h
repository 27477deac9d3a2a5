// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;

namespace vrh {

// The window's own modal dialogs (the About box, Level Size, Go to Level, Commands), behind a small
// interface beside the message boxes and file dialogs, so that tests answer them without
// waiting.
class ModalDialogs {
  public:
    virtual ~ModalDialogs() = default;
    // Returns once the dialog is closed; its result() says how.
    virtual void runModal(QDialog& dialog) = 0;
};

} // namespace vrh
