// SPDX-License-Identifier: GPL-3.0-or-later
#include "selectallonfocus.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace vrh {

SelectAllOnFocus::SelectAllOnFocus(QLineEdit* box) : QObject(box), box_(box) {
    box->installEventFilter(this);
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason) {
            // After the click that brought the focus, which puts the cursor where it lands.
            QTimer::singleShot(0, box_, &QLineEdit::selectAll);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vrh
