// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelswindowaccessible.h"

#include "frmlevels.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

namespace vrh {

namespace {

// One picture: painted by the window, so no widget of its own.
class LevelPictureAccessible : public QAccessibleInterface {
  public:
    LevelPictureAccessible(frmLevels* window, int position)
        : window_(window), position_(position) {}

    bool isValid() const override { return window_ && position_ < window_->shownLevels(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? QStringLiteral("Level %1").arg(position_ + 1)
                                         : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!window_) {
            return {};
        }
        const QRect picture = frmLevels::pictureRect(position_);
        return {window_->mapToGlobal(picture.topLeft()), picture.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = window_ && window_->framedLevel() == position_;
        state.invisible = !window_ || !window_->isVisible();
        return state;
    }

  private:
    QPointer<frmLevels> window_;
    int position_;
};

class LevelsWindowAccessible : public QAccessibleWidget {
  public:
    explicit LevelsWindowAccessible(frmLevels* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    // The cache owns what is registered with it; these live as long as the window's own.
    ~LevelsWindowAccessible() override {
        for (const QAccessible::Id id : ids_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return levels()->shownLevels(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = ids_[index];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new LevelPictureAccessible(levels(), index));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (ids_[index] != 0 && QAccessible::accessibleInterface(ids_[index]) == child) {
                return index;
            }
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = levels()->mapFromGlobal(QPoint(x, y));
        for (int index = 0; index < childCount(); ++index) {
            if (frmLevels::pictureRect(index).contains(at)) {
                return child(index);
            }
        }
        return nullptr;
    }

  private:
    frmLevels* levels() const { return static_cast<frmLevels*>(widget()); }

    mutable std::array<QAccessible::Id, kMaxLevels> ids_{};
};

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    if (auto* window = qobject_cast<frmLevels*>(object)) {
        return new LevelsWindowAccessible(window);
    }
    return nullptr;
}

} // namespace

void installLevelsWindowAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    (void)installed;
}

} // namespace vrh
