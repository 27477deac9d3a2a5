// SPDX-License-Identifier: GPL-3.0-or-later
// The level property panel: loadLevel and the handlers of its boxes and option buttons.
#include "frmmain.h"

#include "commands/levels/panelrules.h"
#include "map/markerframe.h"
#include "window/controls/menukeysovertextboxes.h"
#include "window/controls/selectallonfocus.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace vrh {

void frmMain::connectPanel() {
    connect(txtObjectives, &QLineEdit::textChanged, this, &frmMain::txtObjectives_Change);
    connect(txtTime, &QLineEdit::textChanged, this, &frmMain::txtTime_Change);
    connect(txtPasscode, &QLineEdit::textChanged, this, &frmMain::txtPasscode_Change);
    const auto onSelected = [this](QRadioButton* option, void (frmMain::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) {
                (this->*handler)();
            }
        });
    };
    onSelected(optNormal, &frmMain::optNormal_Click);
    onSelected(optHatchery, &frmMain::optHatchery_Click);
    onSelected(optWeak, &frmMain::optWeak_Click);
    onSelected(optStrong, &frmMain::optStrong_Click);
    // A fresh level's passcode is blanks, and a number is typed anew: typing replaces them.
    for (QLineEdit* box : {txtPasscode, txtObjectives, txtTime}) {
        new SelectAllOnFocus(box);
    }
    // The menus' shortcut keys work from the boxes too, but for the keys that edit a box's text
    // anywhere on the desktop: in a box they cut, copy, paste, select and delete its text.
    auto* menuKeys = new MenuKeysOverTextBoxes(
        this, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_C),
               QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::CTRL | Qt::Key_A),
               QKeySequence(Qt::Key_Delete)});
    for (QLineEdit* box : {txtPasscode, txtObjectives, txtTime}) {
        menuKeys->watch(box);
    }
    // Typing in a box ends when the focus leaves it: the next keystrokes there make a new step.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old == txtPasscode || old == txtObjectives || old == txtTime) {
            history_.endTypingRun();
        }
    });
}

void frmMain::loadLevel(std::int16_t level) {
    const LevelRecord& record = levelset_.levels[level];
    shpStart->setCell(record.startX, record.startY);
    shpFinish->setCell(record.finishX, record.finishY);
    shpPut->setCell(record.putX, record.putY);
    shpTake->setCell(record.takeX, record.takeY);
    shpPutType->setTile(record.putType);
    shpTakeType->setTile(record.takeType);

    // Showing a level never rewrites it: a type byte other than 0/1 or 3/4 from a file and
    // the sixth passcode character stay as read until the user edits them. The handlers that
    // the new texts and options set off store nothing, so showing a level is no step either.
    loadingLevel_ = true;
    (record.levelType == 0 ? optNormal : optHatchery)->setChecked(true);
    (record.alienType == 3 ? optWeak : optStrong)->setChecked(true);
    if (level == 0) {
        txtPasscode->setEnabled(false);
        txtPasscode->setText(QStringLiteral("None"));
    } else {
        txtPasscode->setEnabled(true);
        txtPasscode->setText(QString::fromLatin1(levelset_.passcodes[level - 1].text()));
    }
    txtObjectives->setText(QString::number(record.objectives));
    txtTime->setText(QString::number(record.time));
    loadingLevel_ = false;
}

// Keystrokes in one box follow each other as one step; a refused text stores nothing.
void frmMain::numberBoxChanged(QLineEdit* box, std::uint8_t LevelRecord::*field,
                               const QString& stepName, TypingBox typingBox) {
    if (loadingLevel_) {
        return;
    }
    const ByteEntry entry = readByteEntry(box->text());
    switch (entry.kind) {
    case ByteEntry::Kind::Empty:
        box->setText(QStringLiteral("0")); // runs this handler again, which stores 0
        break;
    case ByteEntry::Kind::Accepted:
        history_.record(
            stepName, [&] { currentLevel().*field = entry.value; }, typingBox);
        break;
    case ByteEntry::Kind::OutOfRange:
        messages_.showMessage(kInvalidValueMessage, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        break;
    case ByteEntry::Kind::NotANumber:
        messages_.showMessage(kInvalidCharacterMessage, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
        break;
    }
}

void frmMain::txtObjectives_Change() {
    numberBoxChanged(txtObjectives, &LevelRecord::objectives, stepname::Objectives,
                     TypingBox::Objectives);
}

void frmMain::txtTime_Change() {
    numberBoxChanged(txtTime, &LevelRecord::time, stepname::Time, TypingBox::Time);
}

void frmMain::txtPasscode_Change() {
    if (!loadingLevel_) {
        history_.record(
            stepname::Passcode,
            [this] { storePasscode(levelset_, state_.curLevel, txtPasscode->text()); },
            TypingBox::Passcode);
    }
}

void frmMain::chooseOption(const QString& stepName, std::uint8_t LevelRecord::*field,
                           std::uint8_t value) {
    if (!loadingLevel_) {
        history_.record(stepName, [&] { currentLevel().*field = value; });
    }
}

void frmMain::optNormal_Click() {
    chooseOption(stepname::LevelType, &LevelRecord::levelType, 0);
}

void frmMain::optHatchery_Click() {
    chooseOption(stepname::LevelType, &LevelRecord::levelType, 1);
}

void frmMain::optWeak_Click() {
    chooseOption(stepname::AlienType, &LevelRecord::alienType, 3);
}

void frmMain::optStrong_Click() {
    chooseOption(stepname::AlienType, &LevelRecord::alienType, 4);
}

} // namespace vrh
