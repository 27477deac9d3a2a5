// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace vrh {

class frmMain;

// What every menu of the main window, the popups included, is built with: each menu, entry and
// bar carries its object name, so that tests and tools find it by name.
QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption);
// A menu inside a menu; its entry in the outer menu has the same name.
QMenu* addMenu(QMenu* menu, const char* name, const char* caption);
QAction* addEntry(QMenu* menu, const char* name, const char* caption,
                  const QKeySequence& shortcut = {});
// An entry whose click runs the window's handler.
QAction* addEntry(frmMain* window, QMenu* menu, const char* name, const char* caption,
                  void (frmMain::*handler)(), const QKeySequence& shortcut = {});
QAction* addBar(QMenu* menu, const char* name);
// An entry with a check mark that its handler keeps. Qt turns a checkable entry's mark over
// before it reports the click, so the mark is turned back first and the handler decides.
QAction* addCheckEntry(frmMain* window, QMenu* menu, const char* name, const char* caption,
                       bool checked, std::function<void()> click,
                       const QKeySequence& shortcut = {});

} // namespace vrh
