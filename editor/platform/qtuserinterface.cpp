// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtuserinterface.h"

#include "levelset/filepath.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace vrh {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

std::optional<QString> runDialog(QWidget* parent, const FileDialogSetup& setup,
                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, setup.title, setup.initialFolder, setup.filter);
    dialog.setAcceptMode(mode);
    // Open takes a typed name of a file that doesn't exist; Save replaces without asking
    // unless the setup wants the dialog to ask.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !setup.confirmReplace);
    if (!setup.lastName.isEmpty()) {
        dialog.selectFile(setup.lastName);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    // The path as the system writes it (backslashes on Windows), as the title shows it.
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}

class ExecDialogs : public ModalDialogs {
  public:
    void runModal(QDialog& dialog) override { dialog.exec(); }
};

} // namespace

ModalDialogs& windowSystemDialogs() {
    static ExecDialogs dialogs;
    return dialogs;
}

MessageAnswer QtUserInterface::showMessage(const QString& text, const QString& title,
                                           MessageButtons buttons, MessageIcon icon) {
    QString shown = shownText(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(boxIcon(icon), title, shown, QMessageBox::NoButton, parent_);
    switch (buttons) {
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

std::optional<QString> QtUserInterface::openFileName(const FileDialogSetup& setup) {
    return runDialog(parent_, setup, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserInterface::saveFileName(const FileDialogSetup& setup) {
    return runDialog(parent_, setup, QFileDialog::AcceptSave);
}

} // namespace vrh
