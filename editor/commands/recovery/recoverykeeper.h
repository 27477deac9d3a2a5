// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/recovery/recoveryfolder.h"
#include "levelset/levelset.h"

#include <QByteArray>
#include <QObject>
#include <functional>

class QUndoStack;

namespace vrh {

// Keeps the recovery file in step with the history: whenever the history moves (a step, an
// undo, a redo) and the levelset differs from what was last opened or saved, the whole
// levelset is written; when it no longer differs, the file goes. A stroke of the mouse becomes
// a step when the button is let go, so nothing is written while it is drawn.
class RecoveryKeeper : public QObject {
  public:
    RecoveryKeeper(const Levelset& levelset, QUndoStack& stack, RecoveryFolder& folder);

    // While paused the history may move without the file following it: a recovered levelset
    // is being put in place, whose file already holds it.
    void setPaused(bool paused) { paused_ = paused; }

    // Writes or removes the file as the history now stands.
    void update();

    // Told, once until a write succeeds again, when the file can't be written: "Unsaved
    // changes can't be kept for recovery in <folder>: <reason>". Editing goes on. Told an
    // empty text when a write succeeds again.
    void setFailureReport(std::function<void(const QString&)> report) {
        report_ = std::move(report);
    }

  private:
    const Levelset& levelset_;
    QUndoStack& stack_;
    RecoveryFolder& folder_;
    QByteArray written_; // the levelset as last written, without the time
    bool paused_ = false;
    std::function<void(const QString&)> report_;
    bool failureTold_ = false;
};

} // namespace vrh
