// SPDX-License-Identifier: GPL-3.0-or-later
#include "gotoleveldialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace vrh {

GoToLevelDialog::GoToLevelDialog(int current, int numLevels, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmGoToLevel"));
    setWindowTitle(QStringLiteral("Go to Level"));
    setModal(true);
    spnLevel = new QSpinBox(this);
    spnLevel->setObjectName(QStringLiteral("spnLevel"));
    // A file may bring more than eight levels; only eight can be shown.
    spnLevel->setRange(1, std::clamp(numLevels, 1, 8));
    spnLevel->setValue(current);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Level:"), spnLevel);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    spnLevel->selectAll();
}

int GoToLevelDialog::level() const {
    return spnLevel->value();
}

} // namespace vrh
