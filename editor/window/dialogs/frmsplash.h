// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace vrh {

inline const QString kVersionText = QStringLiteral("Version %1.%2").arg(2).arg(0);

// The window shown while the main window is being built: no title bar, no events of its own.
class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(QWidget* parent = nullptr);
};

} // namespace vrh
