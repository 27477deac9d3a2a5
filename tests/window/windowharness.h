// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/desktop/systeminformation.h"
#include "commands/history/levelsetdelta.h"
#include "map/drawlevel.h"
#include "map/levelview.h"
#include "popupwindow.h"
#include "support/scriptedmodaldialogs.h"
#include "support/scripteduserinterface.h"
#include "window/dialogs/frmabout.h"
#include "window/main/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace vrh::testing {

// A mouse event at the centre of a cell of a view, as the window system delivers it: the
// drawing area begins inside a 2-pixel border.
inline void mouseAt(QWidget* view, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                    QPoint cell, Qt::KeyboardModifiers keys = {}) {
    const QPointF local(cell.x() * 16 + 10, cell.y() * 16 + 10);
    QMouseEvent event(type, local, view->mapToGlobal(local), button, held, keys);
    QApplication::sendEvent(view, &event);
}

// Press on the first cell, move over every cell, let go on the last. One cell is a click.
inline void drag(QWidget* view, const std::vector<QPoint>& cells, Qt::KeyboardModifiers keys = {},
                 Qt::MouseButton button = Qt::LeftButton) {
    mouseAt(view, QEvent::MouseButtonPress, button, button, cells.front(), keys);
    for (QPoint cell : cells) {
        mouseAt(view, QEvent::MouseMove, Qt::NoButton, button, cell, keys);
    }
    mouseAt(view, QEvent::MouseButtonRelease, button, Qt::NoButton, cells.back(), keys);
}

// The pointer moved over a cell with no button held.
inline void hover(QWidget* view, QPoint cell) {
    mouseAt(view, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, cell);
}

// The pointer brought to a point of a widget through the window system, so that Qt knows where
// it is, as a popup menu asks when it opens. QTest::mouseMove on a widget only places a cursor,
// which the minimal platform of the Windows runs does not have.
inline void movePointer(QWidget* widget, QPoint at) {
    QWidget* window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, at));
}

// Message boxes that throw instead of answering once told to, as a failing command would.
class FailingMessageBoxes : public ScriptedMessageBoxes {
  public:
    bool fail = false;

    MessageAnswer showMessage(const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon) override {
        if (fail) {
            asked.push_back({text, title, buttons, icon});
            throw std::runtime_error("message box failed");
        }
        return ScriptedMessageBoxes::showMessage(text, title, buttons, icon);
    }
};

// Finds nothing and starts nothing, so no test ever launches a program.
class NoSystemInformation : public SystemInformation {
  public:
    std::optional<RegistryValue> queryValue(std::uint32_t, const QString&,
                                            const QString&) override {
        return std::nullopt;
    }
    bool fileExists(const QString&) override { return false; }
    bool startProgram(const QString&) override {
        ADD_FAILURE() << "a program was started";
        return false;
    }
};

// The main window shown and active, so that its shortcut keys work, with every modal part
// scripted: boxes and dialogs answered in order, popup menus by choice.
class ActiveWindow {
  public:
    FailingMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    ScriptedModalDialogs modal;
    NoSystemInformation system;
    PopupWindow window{messages, dialogs};

    ActiveWindow() {
        window.setSystemInformation(system);
        window.setModalDialogs(modal);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The About box shown over this window and closed at once.
    std::function<void(QDialog&)> closeAboutBox() {
        return answerDialog<frmAbout>(
            [this](frmAbout& box) { EXPECT_EQ(box.parentWidget(), &window); });
    }

    QAction* entry(const char* name) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    LevelRecord& level(int index) { return window.levelset().levels[index]; }

    // Every byte of the levelset, the cells beyond each level's edge included.
    LevelsetImage bytes() {
        LevelsetImage image;
        captureImage(window.levelset(), image);
        return image;
    }

    QString status() const { return window.sbStatusBar->currentMessage(); }

    // A key pressed as the user presses it: to the widget with the focus, else to the window.
    void key(QKeyCombination combination) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    }

    // Makes the set numLevels long and shows the level at index current, as after stepping.
    void showLevel(int numLevels, int current) {
        window.levelset().numLevels = static_cast<std::uint8_t>(numLevels);
        window.state().curLevel = static_cast<std::int16_t>(current);
        window.redrawMap();
        window.updateLevelLabel();
        window.loadLevel(window.state().curLevel);
    }

    // Gives the current level this size, as a file would have brought it.
    void setSize(int width, int height) {
        level(window.state().curLevel).width = static_cast<std::uint8_t>(width);
        level(window.state().curLevel).height = static_cast<std::uint8_t>(height);
        window.redrawMap();
    }

    // The map's back image as drawing this level makes it.
    QImage drawing(const LevelRecord& record) const {
        QImage back = makeMapImage();
        drawLevel(record, prepareTileSheet(window.picTileset->image()), back);
        return back;
    }
    bool mapShows(const LevelRecord& record) const {
        return window.picLevel->image() == drawing(record);
    }
};

} // namespace vrh::testing
