#pragma once

#include "commands/systeminformation.h"
#include "map/drawlevel.h"
#include "map/levelview.h"
#include "popupwindow.h"
#include "support/scripteduserinterface.h"
#include "window/frmabout.h"
#include "window/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>

namespace vrh::testing {

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
// scripted: About boxes are counted and closed at once, popup menus answered by choice.
class ActiveWindow {
  public:
    FailingMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    NoSystemInformation system;
    PopupWindow window{messages, dialogs};
    int aboutBoxes = 0;

    ActiveWindow() {
        window.setSystemInformation(system);
        window.showAbout = [this](frmAbout& box) {
            ++aboutBoxes;
            EXPECT_EQ(box.parentWidget(), &window);
        };
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QAction* entry(const char* name) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    LevelRecord& level(int index) { return window.levelset().levels[index]; }

    // Makes the set numLevels long and shows the level at index current, as after stepping.
    void showLevel(int numLevels, int current) {
        window.levelset().numLevels = static_cast<std::uint8_t>(numLevels);
        window.state().curLevel = static_cast<std::int16_t>(current);
        window.redrawMap();
        window.updateLevelLabel();
        window.loadLevel(window.state().curLevel);
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
