// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureviewaccessible.h"

#include "pictureview.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace vrh {

namespace {

// The cursor's cell as one announcement named it: the view's only child. Each announcement
// makes a new one, so that a screen reader takes each for a new item and speaks it.
class CursorCellAccessible : public QAccessibleInterface {
  public:
    CursorCellAccessible(PictureView* view, QString name) : view_(view), name_(std::move(name)) {}

    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? name_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!view_) {
            return {};
        }
        const QRect cell = view_->cursorRect();
        return {view_->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = view_ && view_->hasFocus();
        return state;
    }

  private:
    QPointer<PictureView> view_;
    QString name_;
};

class PictureViewAccessible : public QAccessibleWidget {
  public:
    explicit PictureViewAccessible(PictureView* view)
        : QAccessibleWidget(view, QAccessible::Canvas) {}

    // The cache owns what is registered with it; the cells last handed out live as long as this.
    ~PictureViewAccessible() override {
        for (const QAccessible::Id id : {cell_, previousCell_}) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) {
            return view()->cursorDescription();
        }
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return view()->announcements() > 0 ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return cell_ != 0 && QAccessible::accessibleInterface(cell_) == child ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* cell = child(0);
        return cell && cell->rect().contains(x, y) ? cell : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return view()->hasFocus() ? child(0) : nullptr;
    }

    // The one for the last announcement; the one before stays until the next, for a reader
    // that still asks about it.
    QAccessibleInterface* child(int index) const override {
        if (index != 0 || childCount() == 0) {
            return nullptr;
        }
        if (cellAnnouncement_ != view()->announcements()) {
            if (previousCell_ != 0) {
                QAccessible::deleteAccessibleInterface(previousCell_);
            }
            previousCell_ = cell_;
            cell_ = QAccessible::registerAccessibleInterface(new CursorCellAccessible(
                const_cast<PictureView*>(view()), view()->announcedDescription()));
            cellAnnouncement_ = view()->announcements();
        }
        return QAccessible::accessibleInterface(cell_);
    }

  private:
    const PictureView* view() const { return static_cast<const PictureView*>(widget()); }

    mutable QAccessible::Id cell_ = 0;
    mutable QAccessible::Id previousCell_ = 0;
    mutable int cellAnnouncement_ = 0;
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
