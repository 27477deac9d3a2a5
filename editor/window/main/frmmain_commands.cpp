// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own commands: kept in the settings, listed in the Tools menu with Ctrl+1 to Ctrl+9,
// run one at a time on the open levelset with their output in the Command Output window.
#include "frmmain.h"

#include "commands/desktop/commandrun.h"
#include "platform/modaldialogs.h"
#include "window/dialogs/commandsdialog.h"
#include "window/dialogs/frmcommandoutput.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>

namespace vrh {

void frmMain::createUserCommands() {
    commandRun_ = std::make_unique<CommandRun>();
    commandRun_->output = [this](const QString& text) { commandOutput_->write(text); };
    commandRun_->ended = [this](const QString& lastLines) { commandEnded(lastLines); };
    userCommands_ = readUserCommands(*settings_);
    showUserCommands();
}

bool frmMain::commandRunning() const {
    return commandRun_->isRunning();
}

// One entry a command, after Commands..., greyed while one runs.
void frmMain::showUserCommands() {
    QMenu* tools = findChild<QMenu*>(QStringLiteral("mnuTools"));
    for (QAction* entry : commandEntries_) {
        delete entry;
    }
    commandEntries_.clear();
    for (int index = 0; index < userCommands_.size(); ++index) {
        QAction* entry = tools->addAction(userCommandCaption(userCommands_[index]));
        entry->setObjectName(QStringLiteral("mnuToolsCommand%1").arg(index + 1));
        if (index < kCommandKeys) {
            entry->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + index)));
        }
        entry->setEnabled(!commandRunning());
        connect(entry, &QAction::triggered, this, [this, index] { mnuToolsCommand_Click(index); });
        commandEntries_.push_back(entry);
    }
}

void frmMain::mnuToolsCommands_Click() {
    CommandsDialog dialog(userCommands_, this);
    modalDialogs_->runModal(dialog);
    if (dialog.result() != QDialog::Accepted) {
        return;
    }
    userCommands_ = dialog.commands();
    writeUserCommands(*settings_, userCommands_);
    showUserCommands();
}

void frmMain::mnuToolsCommand_Click(int index) {
    if (commandRunning() || index < 0 || index >= userCommands_.size()) {
        return;
    }
    const UserCommand command = userCommands_[index];
    if (!fileCommands_.readyForCommand(command.saveFirst, command.namesLevelsetFile())) {
        return;
    }
    const CommandPlan plan = planUserCommand(
        command, placeholderValues(levelset_.fileName, state_.curLevel), QDir::currentPath());
    if (!plan.start) {
        messages_.showMessage(plan.error, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        return;
    }
    if (!commandOutput_) {
        commandOutput_ = new frmCommandOutput(this);
        commandOutput_->move(besideThisWindow(commandOutput_->frameGeometry().size()));
        connect(commandOutput_, &frmCommandOutput::stopClicked, this, &frmMain::commandOutput_Stop);
    }
    commandOutput_->begin(plan.start->shownLine);
    commandOutput_->show();
    for (QAction* entry : commandEntries_) {
        entry->setEnabled(false);
    }
    commandRun_->start(*plan.start);
}

void frmMain::commandOutput_Stop() {
    commandRun_->stop();
}

void frmMain::commandEnded(const QString& lastLines) {
    commandOutput_->end(lastLines);
    for (QAction* entry : commandEntries_) {
        entry->setEnabled(true);
    }
}

bool frmMain::queryStopCommand() {
    return !commandRunning() ||
           messages_.showMessage(kCommandRunningMessage, kApplicationTitle,
                                 MessageButtons::YesNoDefaultNo,
                                 MessageIcon::Exclamation) == MessageAnswer::Yes;
}

} // namespace vrh
