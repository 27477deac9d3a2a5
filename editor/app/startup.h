// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/main/frmmain.h"

#include <memory>

namespace vrh {

// Shows the splash while the main window is built and loaded hidden, closes the splash for
// good, then shows the main window and offers what editors that ended without saving left.
std::unique_ptr<frmMain> startEditor(MessageBoxes& messages, FileDialogs& dialogs);

} // namespace vrh
