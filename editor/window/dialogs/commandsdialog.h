// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/desktop/usercommands.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vrh {

// The Commands dialog: the user's commands in their order, each with a name, a command line,
// a working folder and "Save first"; Add, Remove, Move Up and Move Down change the list, OK
// keeps it and Cancel forgets every change made here.
class CommandsDialog : public QDialog {
    Q_OBJECT
  public:
    CommandsDialog(QList<UserCommand> commands, QWidget* parent);

    // The list as the dialog holds it now.
    const QList<UserCommand>& commands() const { return commands_; }

    QListWidget* lstCommands = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtCommandLine = nullptr;
    QLineEdit* txtFolder = nullptr;
    QCheckBox* chkSaveFirst = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdMoveUp = nullptr;
    QPushButton* cmdMoveDown = nullptr;
    QDialogButtonBox* buttons = nullptr;

  private:
    void cmdAdd_Click();
    void cmdRemove_Click();
    void moveCommand(int by);
    void lstCommands_Change();
    // The fields of the chosen command, written back as they are edited.
    void fieldChanged();
    void showList(int chosen);
    void updateButtons();

    QList<UserCommand> commands_;
    bool showing_ = false;
};

} // namespace vrh
