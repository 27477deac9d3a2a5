// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QSpinBox;

namespace vrh {

// The Go to Level dialog: one number box from 1 to the number of levels, OK and Cancel.
class GoToLevelDialog : public QDialog {
    Q_OBJECT
  public:
    GoToLevelDialog(int current, int numLevels, QWidget* parent);

    // The level chosen, counted from 1.
    int level() const;

    QSpinBox* spnLevel = nullptr;
};

} // namespace vrh
