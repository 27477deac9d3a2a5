// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLineEdit;

namespace vrh {

// A text box whose whole text is selected when a click or Tab brings the focus to it, so that
// typing replaces what it holds.
class SelectAllOnFocus : public QObject {
    Q_OBJECT
  public:
    explicit SelectAllOnFocus(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* box_;
};

} // namespace vrh
