#include "levelsizedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace vrh {

namespace {

QSpinBox* numberBox(const QString& name, SizeRange range, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(range.smallest, range.largest);
    box->setValue(value);
    return box;
}

} // namespace

LevelSizeDialog::LevelSizeDialog(const LevelRecord& level, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLevelSize"));
    setWindowTitle(QStringLiteral("Level Size"));
    setModal(true);
    spnWidth = numberBox(QStringLiteral("spnWidth"), widthRange(level), level.width, this);
    spnHeight = numberBox(QStringLiteral("spnHeight"), heightRange(level), level.height, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Width:"), spnWidth);
    layout->addRow(QStringLiteral("Height:"), spnHeight);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    spnWidth->selectAll();
}

int LevelSizeDialog::levelWidth() const {
    return spnWidth->value();
}

int LevelSizeDialog::levelHeight() const {
    return spnHeight->value();
}

} // namespace vrh
