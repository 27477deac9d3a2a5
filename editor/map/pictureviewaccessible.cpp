#include "pictureviewaccessible.h"

#include "pictureview.h"

#include <QAccessibleWidget>

namespace vrh {

namespace {

class PictureViewAccessible : public QAccessibleWidget {
  public:
    explicit PictureViewAccessible(PictureView* view)
        : QAccessibleWidget(view, QAccessible::Canvas) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) {
            return static_cast<const PictureView*>(widget())->cursorDescription();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    if (auto* view = qobject_cast<PictureView*>(object)) {
        return new PictureViewAccessible(view);
    }
    return nullptr;
}

} // namespace

void installPictureViewAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    (void)installed;
}

} // namespace vrh
