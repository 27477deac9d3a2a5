// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowharness.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QGroupBox>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <iterator>
#include <map>

namespace vrh {
namespace {

using testing::ActiveWindow;

// What a screen reader calls a control: what can be pressed, typed into, chosen or drawn on, and
// the frames that name the options inside them. A spin box's text box is part of the spin box.
bool isControl(QWidget* widget, QAccessibleInterface* control) {
    static const QAccessible::Role roles[] = {
        QAccessible::PushButton,   QAccessible::RadioButton, QAccessible::CheckBox,
        QAccessible::EditableText, QAccessible::SpinBox,     QAccessible::Canvas,
        QAccessible::ComboBox,     QAccessible::Slider,      QAccessible::ButtonMenu};
    return (std::find(std::begin(roles), std::end(roles), control->role()) != std::end(roles) &&
            !qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) ||
           qobject_cast<QGroupBox*>(widget);
}

// Every shown control in the window, by its object name (a toolbar button by its action's), with
// its accessible name.
std::map<QString, QString> controlNames(QWidget* window) {
    std::map<QString, QString> names;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        if (!widget->isVisible() || control == nullptr || !isControl(widget, control)) {
            continue;
        }
        QString key = widget->objectName();
        if (const auto* tool = qobject_cast<QToolButton*>(widget); tool && tool->defaultAction()) {
            key = tool->defaultAction()->objectName();
        }
        names[widget->window()->objectName() + QLatin1Char('/') + key] =
            control->text(QAccessible::Name);
    }
    return names;
}

TEST(Accessibility, EveryControlHasAName) {
    ActiveWindow h;
    const std::map<QString, QString> names = controlNames(&h.window);
    for (const auto& [control, name] : names) {
        EXPECT_FALSE(name.isEmpty()) << control.toStdString();
    }
    std::map<QString, QString> expected = {
        {"picLevel", "Map"},
        {"picTiles", "Tile palette"},
        {"fraLevelType", "Level Type"},
        {"optNormal", "Normal"},
        {"optHatchery", "Hatchery"},
        {"fraAlienType", "Alien Type"},
        {"optWeak", "Normal"},
        {"optStrong", "Strong"},
        {"txtPasscode", "Passcode"},
        {"txtObjectives", "Objectives"},
        {"txtTime", "Time"},
    };
    // The toolbar's buttons, greyed ones too, by their tooltips.
    for (QAction* button : h.window.tbToolBar->actions()) {
        if (!button->isSeparator()) {
            expected[button->objectName()] = button->toolTip();
        }
    }
    ASSERT_EQ(expected.size(), 11u + 12u);
    for (const auto& [control, name] : expected) {
        const auto found = names.find(QStringLiteral("frmMain/") + control);
        ASSERT_NE(found, names.end()) << control.toStdString();
        EXPECT_EQ(found->second, name) << control.toStdString();
    }
}

} // namespace
} // namespace vrh
