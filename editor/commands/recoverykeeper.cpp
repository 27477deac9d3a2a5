#include "recoverykeeper.h"

#include "commands/recoveryfile.h"
#include "levelset/levelsetfile.h"

#include <QUndoStack>

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
    // Recovery is a second line of defence: when it can't be written, editing goes on.
    if (!folder_.write(encodeRecovery(levelset_, QDateTime::currentDateTimeUtc()))) {
        written_ = levelset;
    }
}

} // namespace vrh
