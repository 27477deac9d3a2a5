// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverykeeper.h"

#include "commands/recovery/recoveryfile.h"
#include "levelset/levelsetfile.h"

#include <QDir>
#include <QUndoStack>

#include <utility>

namespace vrh {

RecoveryKeeper::RecoveryKeeper(const Levelset& levelset, QUndoStack& stack, RecoveryFolder& folder)
    : levelset_(levelset), stack_(stack), folder_(folder) {
    connect(&stack_, &QUndoStack::indexChanged, this, &RecoveryKeeper::update);
    connect(&stack_, &QUndoStack::cleanChanged, this, &RecoveryKeeper::update);
}

void RecoveryKeeper::update() {
    if (paused_) {
        return;
    }
    if (stack_.isClean()) {
        folder_.removeOwn();
        written_.clear();
        return;
    }
    // One move can report itself twice (index and clean state): write what is new only.
    const QByteArray levelset = encodeRecovery(levelset_, {});
    if (levelset == written_) {
        return;
    }
    // Recovery is a second line of defence: when it can't be written, editing goes on, but
    // the user must not believe the work is kept.
    const std::optional<QString> failure =
        folder_.write(encodeRecovery(levelset_, QDateTime::currentDateTimeUtc()));
    if (!failure) {
        written_ = levelset;
        if (std::exchange(failureTold_, false) && report_) {
            report_(QString());
        }
        return;
    }
    if (!failureTold_ && report_) {
        failureTold_ = true;
        report_(QStringLiteral("Unsaved changes can't be kept for recovery in %1: %2")
                    .arg(QDir::toNativeSeparators(folder_.path()), *failure));
    }
}

} // namespace vrh
