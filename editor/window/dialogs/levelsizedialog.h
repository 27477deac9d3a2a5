// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/levels/levelrules.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

namespace vrh {

// The Level Size dialog: the level's width and height in two number boxes, each with its range
// beside it, OK and Cancel. A number outside its range stays as typed, shown as refused, and
// OK is greyed until both are in range.
class LevelSizeDialog : public QDialog {
    Q_OBJECT
  public:
    LevelSizeDialog(const LevelRecord& level, QWidget* parent);

    int levelWidth() const;
    int levelHeight() const;
    bool sizeInRange() const;

    // Only with both sizes in their ranges.
    void accept() override;

    QSpinBox* spnWidth = nullptr;
    QSpinBox* spnHeight = nullptr;
    QLabel* lblWidthRange = nullptr;
    QLabel* lblHeightRange = nullptr;

  private:
    void showRanges();

    SizeRange widthRange_;
    SizeRange heightRange_;
    QPushButton* ok_ = nullptr;
};

} // namespace vrh
