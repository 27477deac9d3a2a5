// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandsdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vrh {

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    return named(new QPushButton(QString::fromLatin1(caption), parent), name);
}

const QString kPlaceholderHelp = QStringLiteral(
    "In the command line and the folder, %file is the levelset's path, %name its three-character "
    "name, %folder its folder, %level the current level's number and %% a percent sign. The "
    "words are split as a shell splits them, and the program is started directly. An empty "
    "folder is the levelset's.");

} // namespace

CommandsDialog::CommandsDialog(QList<UserCommand> commands, QWidget* parent)
    : QDialog(parent), commands_(std::move(commands)) {
    setObjectName(QStringLiteral("frmCommands"));
    setWindowTitle(kCommandsTitle);
    setModal(true);

    lstCommands = named(new QListWidget(this), "lstCommands");
    lstCommands->setAccessibleName(QStringLiteral("Commands"));
    lstCommands->setFixedWidth(180);
    txtName = named(new QLineEdit(this), "txtName");
    txtCommandLine = named(new QLineEdit(this), "txtCommandLine");
    txtCommandLine->setMinimumWidth(360);
    txtFolder = named(new QLineEdit(this), "txtFolder");
    chkSaveFirst = named(new QCheckBox(QStringLiteral("Save &first"), this), "chkSaveFirst");
    cmdAdd = button("cmdAdd", "&Add", this);
    cmdRemove = button("cmdRemove", "&Remove", this);
    cmdMoveUp = button("cmdMoveUp", "Move &Up", this);
    cmdMoveDown = button("cmdMoveDown", "Move &Down", this);
    buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this),
                    "buttons");
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), txtName);
    fields->addRow(QStringLiteral("Command &line:"), txtCommandLine);
    fields->addRow(QStringLiteral("&Working folder:"), txtFolder);
    fields->addRow(QString(), chkSaveFirst);
    auto* help = named(new QLabel(kPlaceholderHelp, this), "lblPlaceholders");
    help->setWordWrap(true);
    fields->addRow(help);

    auto* listButtons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdRemove, cmdMoveUp, cmdMoveDown}) {
        listButtons->addWidget(b);
    }
    listButtons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(lstCommands, 0, 0);
    layout->addLayout(listButtons, 0, 1);
    layout->addLayout(fields, 0, 2);
    layout->addWidget(buttons, 1, 0, 1, 3);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdAdd, &QPushButton::clicked, this, &CommandsDialog::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &CommandsDialog::cmdRemove_Click);
    connect(cmdMoveUp, &QPushButton::clicked, this, [this] { moveCommand(-1); });
    connect(cmdMoveDown, &QPushButton::clicked, this, [this] { moveCommand(1); });
    connect(lstCommands, &QListWidget::currentRowChanged, this,
            &CommandsDialog::lstCommands_Change);
    for (QLineEdit* box : {txtName, txtCommandLine, txtFolder}) {
        connect(box, &QLineEdit::textEdited, this, &CommandsDialog::fieldChanged);
    }
    connect(chkSaveFirst, &QCheckBox::toggled, this, &CommandsDialog::fieldChanged);

    showList(commands_.isEmpty() ? -1 : 0);
}

void CommandsDialog::cmdAdd_Click() {
    commands_.append({kNewCommandName, {}, {}, true});
    showList(static_cast<int>(commands_.size()) - 1);
    txtName->setFocus();
    txtName->selectAll();
}

void CommandsDialog::cmdRemove_Click() {
    const int row = lstCommands->currentRow();
    if (row < 0) {
        return;
    }
    commands_.removeAt(row);
    showList(std::min(row, static_cast<int>(commands_.size()) - 1));
}

void CommandsDialog::moveCommand(int by) {
    const int row = lstCommands->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= commands_.size()) {
        return;
    }
    commands_.swapItemsAt(row, to);
    showList(to);
}

void CommandsDialog::showList(int chosen) {
    showing_ = true;
    lstCommands->clear();
    for (const UserCommand& command : commands_) {
        lstCommands->addItem(command.name);
    }
    lstCommands->setCurrentRow(chosen);
    showing_ = false;
    lstCommands_Change();
}

void CommandsDialog::lstCommands_Change() {
    if (showing_) {
        return;
    }
    const int row = lstCommands->currentRow();
    const UserCommand shown = row >= 0 ? commands_[row] : UserCommand{{}, {}, {}, false};
    showing_ = true;
    txtName->setText(shown.name);
    txtCommandLine->setText(shown.commandLine);
    txtFolder->setText(shown.folder);
    chkSaveFirst->setChecked(shown.saveFirst);
    showing_ = false;
    updateButtons();
}

void CommandsDialog::fieldChanged() {
    const int row = lstCommands->currentRow();
    if (showing_ || row < 0) {
        return;
    }
    UserCommand& command = commands_[row];
    command = {txtName->text(), txtCommandLine->text(), txtFolder->text(),
               chkSaveFirst->isChecked()};
    lstCommands->item(row)->setText(command.name);
}

void CommandsDialog::updateButtons() {
    const int row = lstCommands->currentRow();
    const bool chosen = row >= 0;
    for (QWidget* field : std::initializer_list<QWidget*>{txtName, txtCommandLine, txtFolder,
                                                          chkSaveFirst, cmdRemove}) {
        field->setEnabled(chosen);
    }
    cmdMoveUp->setEnabled(chosen && row > 0);
    cmdMoveDown->setEnabled(chosen && row + 1 < commands_.size());
}

} // namespace vrh
