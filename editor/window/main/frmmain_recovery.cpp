// SPDX-License-Identifier: GPL-3.0-or-later
// Crash recovery: the levelset kept in a file of this editor's own while it differs from its
// file, and what editors that ended without saving left behind offered at start-up.
#include "frmmain.h"

#include "commands/recovery/recoveryfile.h"
#include "commands/recovery/recoveryfolder.h"
#include "commands/recovery/recoverykeeper.h"

#include <QLabel>
#include <QStatusBar>

namespace vrh {

void frmMain::createRecovery() {
    recoveryFolder_ = std::make_unique<RecoveryFolder>(RecoveryFolder::standardPath());
    recoveryKeeper_ =
        std::make_unique<RecoveryKeeper>(levelset_, history_.stack(), *recoveryFolder_);
    // The status text is replaced by the next gesture; the warning beside it stays while
    // nothing is kept, its tooltip saying where and why.
    lblRecoveryWarning = new QLabel(QStringLiteral("Not kept for recovery"), sbStatusBar);
    lblRecoveryWarning->setObjectName(QStringLiteral("lblRecoveryWarning"));
    lblRecoveryWarning->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    sbStatusBar->addPermanentWidget(lblRecoveryWarning);
    lblRecoveryWarning->hide();
    recoveryKeeper_->setFailureReport([this](const QString& failure) {
        lblRecoveryWarning->setToolTip(failure);
        lblRecoveryWarning->setAccessibleDescription(failure);
        lblRecoveryWarning->setVisible(!failure.isEmpty());
        if (!failure.isEmpty()) {
            setStatusText(failure);
        }
    });
}

void frmMain::offerRecovery() {
    for (RecoveryFolder::LeftFile& file : recoveryFolder_->takeLeftBehind()) {
        RecoveryRead read = decodeRecovery(readRecoveryBytes(file.path));
        if (!read.recovered) {
            const QString reason = read.error;
            const QString bad = recoveryFolder_->setAside(std::move(file));
            messages_.showMessage(unreadableRecoveryMessage(bad, reason), kApplicationTitle,
                                  MessageButtons::Ok, MessageIcon::Exclamation);
            continue;
        }
        const std::optional<QDateTime> changedAt = fileChangedSince(*read.recovered);
        const QString question =
            recoveryQuestion(read.recovered->levelset.fileName, read.recovered->writtenAt,
                             recoveryFolder_->path(), QLocale(), changedAt);
        if (messages_.showMessage(question, kRecoverTitle, MessageButtons::YesNo,
                                  MessageIcon::None) != MessageAnswer::Yes) {
            recoveryFolder_->decline(std::move(file));
            continue;
        }
        // The file already holds this levelset: it becomes this editor's own as it is, and
        // stays until the levelset is saved, replaced or the editor ends normally.
        recoveryKeeper_->setPaused(true);
        fileCommands_.takeRecovered(std::move(read.recovered->levelset), changedAt.has_value());
        history_.stack().resetClean();
        recoveryFolder_->adopt(std::move(file));
        recoveryKeeper_->setPaused(false);
        return; // the rest are offered again at the next start
    }
}

} // namespace vrh
