// The level property panel: loadLevel and the handlers of its boxes and option buttons.
#include "frmmain.h"

#include "commands/panelrules.h"
#include "map/markerframe.h"

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
    // the sixth passcode character stay as read until the user edits them.
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
    loadingLevel_ = false;

    txtObjectives->setText(QString::number(record.objectives));
    txtTime->setText(QString::number(record.time));
}

void frmMain::numberBoxChanged(QLineEdit* box, std::uint8_t LevelRecord::*field) {
    const ByteEntry entry = readByteEntry(box->text());
    switch (entry.kind) {
    case ByteEntry::Kind::Empty:
        box->setText(QStringLiteral("0")); // runs this handler again, which stores 0
        break;
    case ByteEntry::Kind::Accepted:
        currentLevel().*field = entry.value;
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
    numberBoxChanged(txtObjectives, &LevelRecord::objectives);
}

void frmMain::txtTime_Change() {
    numberBoxChanged(txtTime, &LevelRecord::time);
}

void frmMain::txtPasscode_Change() {
    if (!loadingLevel_) {
        storePasscode(levelset_, state_.curLevel, txtPasscode->text());
    }
}

void frmMain::optNormal_Click() {
    if (!loadingLevel_) {
        currentLevel().levelType = 0;
    }
}

void frmMain::optHatchery_Click() {
    if (!loadingLevel_) {
        currentLevel().levelType = 1;
    }
}

void frmMain::optWeak_Click() {
    if (!loadingLevel_) {
        currentLevel().alienType = 3;
    }
}

void frmMain::optStrong_Click() {
    if (!loadingLevel_) {
        currentLevel().alienType = 4;
    }
}

} // namespace vrh
