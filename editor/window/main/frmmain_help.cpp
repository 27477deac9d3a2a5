// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the About box, modal over the main window.
#include "frmmain.h"

#include "platform/desktopsysteminformation.h"
#include "platform/modaldialogs.h"
#include "window/dialogs/frmabout.h"

namespace vrh {

void frmMain::mnuHelpAbout_Click() {
    frmAbout box(systemInformation_ ? *systemInformation_ : desktopSystemInformation(), messages_,
                 this);
    modalDialogs_->runModal(box);
}

} // namespace vrh
