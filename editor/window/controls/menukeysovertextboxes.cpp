// SPDX-License-Identifier: GPL-3.0-or-later
#include "menukeysovertextboxes.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace vrh {

MenuKeysOverTextBoxes::MenuKeysOverTextBoxes(QWidget* window, QList<QKeySequence> boxKeys)
    : QObject(window), window_(window), boxKeys_(std::move(boxKeys)) {}

void MenuKeysOverTextBoxes::watch(QWidget* box) {
    box->installEventFilter(this);
}

bool MenuKeysOverTextBoxes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isMenuKey(key->keyCombination())) {
            // An override left unaccepted lets the window's shortcut run; a key press that
            // still arrives belongs to a greyed entry and goes nowhere.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool MenuKeysOverTextBoxes::isMenuKey(QKeyCombination key) const {
    const QKeySequence pressed(
        QKeyCombination(key.keyboardModifiers() & ~Qt::KeypadModifier, key.key()));
    // A key that types a character without Ctrl, Alt or Meta is the box's, even where a
    // menu entry has it as its key.
    const Qt::KeyboardModifiers commandKeys =
        key.keyboardModifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (boxKeys_.contains(pressed) ||
        (commandKeys == Qt::NoModifier && key.key() < Qt::Key_Escape)) {
        return false;
    }
    const QList<QAction*> actions = window_->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
        return action->shortcuts().contains(pressed);
    });
}

} // namespace vrh
