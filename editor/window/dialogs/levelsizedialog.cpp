// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelsizedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace vrh {

namespace {

// A number box that holds any number typed, so that one out of range can be shown as refused
// rather than silently put back or cut to the limit; its arrows stay within the range.
class SizeBox : public QSpinBox {
  public:
    SizeBox(SizeRange range, QWidget* parent) : QSpinBox(parent), range_(range) {
        setRange(0, 9999);
    }

    void stepBy(int steps) override {
        setValue(std::clamp(value() + steps, range_.smallest, range_.largest));
        selectAll();
    }

  protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() < range_.largest) {
            enabled |= StepUpEnabled;
        }
        if (value() > range_.smallest) {
            enabled |= StepDownEnabled;
        }
        return enabled;
    }

  private:
    SizeRange range_;
};

bool inRange(const QSpinBox* box, SizeRange range) {
    const QString text = box->cleanText();
    return !text.isEmpty() && box->value() >= range.smallest && box->value() <= range.largest;
}

QString rangeText(SizeRange range) {
    return QStringLiteral("%1 to %2").arg(range.smallest).arg(range.largest);
}

// The box and its range beside it.
QLayout* withRange(QSpinBox* box, QLabel* range) {
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(range);
    return row;
}

} // namespace

LevelSizeDialog::LevelSizeDialog(const LevelRecord& level, QWidget* parent)
    : QDialog(parent), widthRange_(widthRange(level)), heightRange_(heightRange(level)) {
    setObjectName(QStringLiteral("frmLevelSize"));
    setWindowTitle(QStringLiteral("Level Size"));
    setModal(true);
    spnWidth = new SizeBox(widthRange_, this);
    spnWidth->setObjectName(QStringLiteral("spnWidth"));
    spnWidth->setValue(level.width);
    spnHeight = new SizeBox(heightRange_, this);
    spnHeight->setObjectName(QStringLiteral("spnHeight"));
    spnHeight->setValue(level.height);
    lblWidthRange = new QLabel(this);
    lblWidthRange->setObjectName(QStringLiteral("lblWidthRange"));
    lblHeightRange = new QLabel(this);
    lblHeightRange->setObjectName(QStringLiteral("lblHeightRange"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &LevelSizeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Width:"), withRange(spnWidth, lblWidthRange));
    layout->addRow(QStringLiteral("Height:"), withRange(spnHeight, lblHeightRange));
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Each keystroke, not only the end of the typing; a value set by the arrows changes the
    // text without telling.
    for (QSpinBox* box : {spnWidth, spnHeight}) {
        connect(box->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
                &LevelSizeDialog::showRanges);
        connect(box, &QSpinBox::valueChanged, this, &LevelSizeDialog::showRanges);
    }
    showRanges();
    spnWidth->selectAll();
}

int LevelSizeDialog::levelWidth() const {
    return spnWidth->value();
}

int LevelSizeDialog::levelHeight() const {
    return spnHeight->value();
}

bool LevelSizeDialog::sizeInRange() const {
    return inRange(spnWidth, widthRange_) && inRange(spnHeight, heightRange_);
}

void LevelSizeDialog::accept() {
    if (sizeInRange()) {
        QDialog::accept();
    }
}

void LevelSizeDialog::showRanges() {
    const auto show = [](QSpinBox* box, QLabel* label, SizeRange range) {
        const bool refused = !inRange(box, range);
        label->setText(refused ? QStringLiteral("Refused: ") + rangeText(range) +
                                     QStringLiteral(" only")
                               : rangeText(range));
        label->setStyleSheet(refused ? QStringLiteral("color: #c00000; font-weight: bold")
                                     : QString());
        box->setAccessibleDescription(label->text());
    };
    show(spnWidth, lblWidthRange, widthRange_);
    show(spnHeight, lblHeightRange, heightRange_);
    ok_->setEnabled(sizeInRange());
}

} // namespace vrh
