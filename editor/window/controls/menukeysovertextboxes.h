// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

namespace vrh {

// A text box claims some keys for its own editing: Ctrl+Z always, and on some desktops Ctrl+E
// (end of line), Ctrl+D (delete) and more. Over the boxes it watches, every shortcut key of the
// window's menus runs its entry instead, except the keys the boxes keep for their text and the
// keys that type a character. A menu key whose entry is greyed then does nothing, rather than
// editing the box behind its back.
class MenuKeysOverTextBoxes : public QObject {
    Q_OBJECT
  public:
    MenuKeysOverTextBoxes(QWidget* window, QList<QKeySequence> boxKeys);

    void watch(QWidget* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool isMenuKey(QKeyCombination key) const;

    QWidget* window_;
    QList<QKeySequence> boxKeys_;
};

} // namespace vrh
