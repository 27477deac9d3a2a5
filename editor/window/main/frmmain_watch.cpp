// SPDX-License-Identifier: GPL-3.0-or-later
// The open file watched for other programs' changes, which are reported in a box.
#include "frmmain.h"

#include "platform/openfilewatcher.h"

namespace vrh {

void frmMain::createFileWatch() {
    KnownFile& known = fileCommands_.knownFile();
    fileWatcher_ = new OpenFileWatcher(
        *this, [this, &known] { reportFileChange(known, messages_, fileCommands_); });
    known.changed = [this, &known] { fileWatcher_->watch(known.path()); };
}

} // namespace vrh
