// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "window/dialogs/frmsplash.h"

#include <QApplication>

namespace vrh {

std::unique_ptr<frmMain> startEditor(MessageBoxes& messages, FileDialogs& dialogs) {
    auto splash = std::make_unique<frmSplash>();
    splash->show();
    // Drawn in full before the slow work begins.
    splash->repaint();
    QApplication::processEvents();

    auto window = std::make_unique<frmMain>(messages, dialogs);

    splash->close();
    splash.reset();
    window->show();
    window->offerRecovery();
    return window;
}

} // namespace vrh
