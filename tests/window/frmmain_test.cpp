// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/frmmain.h"

#include "map/drawlevel.h"
#include "map/levelview.h"
#include "support/scripteduserinterface.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace vrh {
namespace {

using testing::ScriptedFileDialogs;
using testing::ScriptedMessageBoxes;

class FrmMainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Position in the client area, which starts below the menu bar.
    QRect clientGeometry(const QWidget* widget) const {
        const QPoint topLeft =
            widget->mapTo(&window, QPoint(0, 0)) - QPoint(0, window.menuBar()->height());
        return {topLeft, widget->size()};
    }

    void goToLevel(int index) {
        window.levelset().numLevels = 8;
        window.state().curLevel = static_cast<std::int16_t>(index);
        window.loadLevel(window.state().curLevel);
    }

    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    frmMain window{messages, dialogs};
};

TEST_F(FrmMainTest, EveryControlStandsWhereTheLayoutSays) {
    struct Case {
        const char* name;
        QRect geometry; // in the client area; option buttons in their frames
    };
    const Case cases[] = {
        {"picLevel", {136, 32, 516, 516}},    {"picTiles", {664, 32, 132, 516}},
        {"lblLevelNum", {8, 40, 113, 17}},    {"fraLevelType", {8, 104, 121, 81}},
        {"fraAlienType", {8, 232, 121, 81}},  {"lblPasscode", {8, 364, 57, 17}},
        {"txtPasscode", {64, 360, 65, 19}},   {"lblObjectives", {8, 388, 57, 17}},
        {"txtObjectives", {64, 384, 65, 19}}, {"lblTime", {8, 412, 57, 17}},
        {"txtTime", {64, 408, 65, 19}},       {"tbToolBar", {0, 0, 803, 28}},
        {"sbStatusBar", {0, 554, 803, 18}},
    };
    for (const Case& c : cases) {
        const auto* widget = window.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(clientGeometry(widget), c.geometry) << c.name;
        EXPECT_TRUE(widget->isVisible()) << c.name;
    }
    const Case options[] = {{"optNormal", {8, 24, 105, 17}},
                            {"optHatchery", {8, 48, 105, 17}},
                            {"optWeak", {8, 24, 105, 17}},
                            {"optStrong", {8, 48, 105, 17}}};
    for (const Case& c : options) {
        const auto* option = window.findChild<QRadioButton*>(QString::fromLatin1(c.name));
        ASSERT_NE(option, nullptr) << c.name;
        EXPECT_EQ(option->geometry(), c.geometry) << c.name;
    }
    EXPECT_EQ(window.optNormal->parentWidget(), window.fraLevelType);
    EXPECT_EQ(window.optStrong->parentWidget(), window.fraAlienType);

    EXPECT_EQ(window.size(), QSize(803, 572 + window.menuBar()->height()));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.picTileset->isVisible());
    EXPECT_EQ(window.picTileset->size(), QSize(132, 516));
    EXPECT_EQ(window.picLevel->contentsRect(), QRect(2, 2, 512, 512));
    EXPECT_EQ(window.picTiles->contentsRect(), QRect(2, 2, 128, 512));
}

TEST_F(FrmMainTest, TabOrderFollowsThePanel) {
    const QWidget* order[] = {window.optNormal, window.optHatchery, window.optWeak,
                              window.optStrong, window.txtPasscode, window.txtObjectives,
                              window.txtTime};
    // Walk the focus chain once round and keep the panel's controls in the order met.
    std::vector<const QWidget*> met;
    const QWidget* widget = order[0];
    do {
        if (std::find(std::begin(order), std::end(order), widget) != std::end(order)) {
            met.push_back(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget != order[0]);
    EXPECT_EQ(met, std::vector<const QWidget*>(std::begin(order), std::end(order)));
}

TEST_F(FrmMainTest, LoadShowsTheFreshLevelset) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("[Untitled] - Varnhold: Levelset Editor"));
    EXPECT_EQ(window.lblLevelNum->text(), QStringLiteral("Level: 1 / 1"));
    EXPECT_EQ(window.lblLevelNum->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(window.txtPasscode->text(), QStringLiteral("None"));
    EXPECT_FALSE(window.txtPasscode->isEnabled());
    EXPECT_EQ(window.txtObjectives->text(), QStringLiteral("0"));
    EXPECT_EQ(window.txtTime->text(), QStringLiteral("99"));
    EXPECT_TRUE(window.optNormal->isChecked());
    EXPECT_TRUE(window.optWeak->isChecked());
    EXPECT_EQ(window.sbStatusBar->currentMessage(), QString());
    EXPECT_TRUE(messages.asked.empty());

    struct Marker {
        const MarkerFrame* frame;
        QPoint position;
        bool visible;
    };
    const Marker markers[] = {
        {window.levelCursor, {0, 0}, true},    {window.shpStart, {0, 0}, true},
        {window.shpFinish, {176, 112}, true},  {window.shpPut, {16, 0}, false},
        {window.shpTake, {32, 0}, false},      {window.tileCursor, {0, 0}, true},
        {window.shpPutType, {16, 176}, false}, {window.shpTakeType, {0, 0}, false},
    };
    for (const Marker& m : markers) {
        EXPECT_EQ(m.frame->position(), m.position) << m.frame->name().toStdString();
        EXPECT_EQ(m.frame->isVisible(), m.visible) << m.frame->name().toStdString();
    }
}

TEST_F(FrmMainTest, MapShowsTheLevelWithMarkersOverIt) {
    const QImage sheet = prepareTileSheet(window.picTileset->image());
    const QImage shown = window.picLevel->composedImage();
    const QRgb orange = qRgb(255, 128, 0);
    const QRgb green = qRgb(0, 192, 0);
    const QRgb lightGreen = qRgb(128, 255, 128);
    // The cursor lies just inside the start marker in the top-left cell, so that both show; the
    // finish at (11, 7).
    EXPECT_EQ(shown.pixel(0, 0), lightGreen);
    EXPECT_EQ(shown.pixel(15, 15), lightGreen);
    EXPECT_EQ(shown.pixel(2, 2), orange);
    EXPECT_EQ(shown.pixel(13, 13), orange);
    EXPECT_EQ(shown.pixel(176, 112), green);
    EXPECT_EQ(shown.pixel(191, 127), green);
    // Inside the frames and elsewhere the tile pictures show unchanged.
    EXPECT_EQ(shown.pixel(8, 8), sheet.pixel(8, 8));
    EXPECT_EQ(shown.copy(16, 16, 16, 16), sheet.copy(0, 0, 16, 16));
    EXPECT_EQ(shown.pixel(200, 8), qRgb(192, 192, 192));
    EXPECT_EQ(shown.pixel(8, 300), qRgb(192, 192, 192));
    // Redrawing keeps the markers; the finish outside a shrunk level still shows on silver.
    window.levelset().levels[0].width = 12;
    window.levelset().levels[0].finishX = 20;
    window.loadLevel(0);
    window.redrawMap();
    const QImage again = window.picLevel->composedImage();
    EXPECT_EQ(again.pixel(320, 112), green);
    EXPECT_EQ(again.pixel(328, 120), qRgb(192, 192, 192));
    // Off the markers the cursor's frame is the cell's edge; under a hidden marker too.
    window.levelCursor->setCell(1, 0);
    EXPECT_EQ(window.picLevel->composedImage().pixel(16, 0), orange);
    EXPECT_EQ(window.picLevel->composedImage().pixel(18, 2), sheet.pixel(2, 2));
    // The palette shows the sheet with the tile cursor on code 0.
    const QImage palette = window.picTiles->composedImage();
    EXPECT_EQ(palette.pixel(0, 0), orange);
    EXPECT_EQ(palette.copy(16, 16, 112, 496), sheet.copy(16, 16, 112, 496));
}

TEST_F(FrmMainTest, BoxesStopTypingAtTheirLimit) {
    goToLevel(1);
    struct Case {
        QLineEdit* box;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {{window.txtTime, "1234", "123"},
                          {window.txtObjectives, "2001", "200"},
                          {window.txtPasscode, "abcdefg", "abcde"}};
    for (const Case& c : cases) {
        c.box->selectAll();
        QTest::keyClicks(c.box, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.kept)) << c.typed;
    }
    EXPECT_EQ(window.levelset().levels[1].time, 123);
    EXPECT_EQ(window.levelset().levels[1].objectives, 200);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(window.levelset().passcodes[0].text(), QByteArray("ABCDE "));
}

TEST_F(FrmMainTest, NumberBoxesRefuseWithTheirMessagesAndKeepTheValue) {
    struct Case {
        QLineEdit* box;
        const char* text;
        const char* message; // null: accepted
        int stored;
    };
    const Case cases[] = {
        {window.txtTime, "300", "Invalid value! Must be between 0-255.", 99},
        {window.txtTime, "-5", "Invalid value! Must be between 0-255.", 99},
        {window.txtTime, "x", "Invalid character!", 99},
        {window.txtTime, "2.5", nullptr, 2},
        {window.txtObjectives, "256", "Invalid value! Must be between 0-255.", 0},
        {window.txtObjectives, "1a", "Invalid character!", 0},
        {window.txtObjectives, "17", nullptr, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        window.loadLevel(0);
        window.levelset().levels[0] = LevelRecord{};
        window.loadLevel(0);
        messages.asked.clear();
        messages.answers = {MessageAnswer::Ok};
        c.box->setText(QString::fromLatin1(c.text));
        const LevelRecord& level = window.levelset().levels[0];
        EXPECT_EQ(c.box == window.txtTime ? level.time : level.objectives, c.stored);
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.text));
        if (c.message) {
            ASSERT_EQ(messages.asked.size(), 1u);
            EXPECT_EQ(messages.asked[0].text, QString::fromLatin1(c.message));
            EXPECT_EQ(messages.asked[0].title, QStringLiteral("Varnhold: Levelset Editor"));
            EXPECT_EQ(messages.asked[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(messages.asked[0].icon, MessageIcon::Exclamation);
        } else {
            EXPECT_TRUE(messages.asked.empty());
            messages.answers.clear();
        }
    }
}

TEST_F(FrmMainTest, ClearingANumberBoxRefillsItWithZero) {
    window.txtTime->setFocus();
    window.txtTime->selectAll();
    QTest::keyClick(window.txtTime, Qt::Key_Delete);
    EXPECT_EQ(window.txtTime->text(), QStringLiteral("0"));
    EXPECT_EQ(window.levelset().levels[0].time, 0);
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(FrmMainTest, PasscodeShowsFiveAndKeepsSixUntilEdited) {
    window.levelset().passcodes[0].assign("abcdef");
    goToLevel(1);
    EXPECT_TRUE(window.txtPasscode->isEnabled());
    EXPECT_EQ(window.txtPasscode->text(), QStringLiteral("abcde"));
    EXPECT_EQ(window.levelset().passcodes[0].text(), QByteArray("abcdef"));

    window.txtPasscode->end(false);
    QTest::keyClick(window.txtPasscode, Qt::Key_Backspace);
    EXPECT_EQ(window.txtPasscode->text(), QStringLiteral("abcd"));
    EXPECT_EQ(window.levelset().passcodes[0].text(), QByteArray("ABCD  "));

    goToLevel(2);
    EXPECT_EQ(window.txtPasscode->text(), QStringLiteral("     "));
    goToLevel(0);
    EXPECT_EQ(window.txtPasscode->text(), QStringLiteral("None"));
    EXPECT_FALSE(window.txtPasscode->isEnabled());
    EXPECT_EQ(window.levelset().passcodes[0].text(), QByteArray("ABCD  "));
}

// A fresh level's passcode is five blanks and a number is typed anew: a click or Tab into a box
// selects its text, so that typing replaces it; the focus given by the program itself selects
// nothing.
TEST_F(FrmMainTest, TextBoxesSelectAllWhenAClickOrTabBringsTheFocus) {
    goToLevel(1);
    struct Case {
        QLineEdit* box;
        QWidget* before; // Tab from here
        QWidget* after;  // Shift+Tab from here, if given
        const char* selected;
        const char* typed;
    };
    const Case cases[] = {
        {window.txtPasscode, window.optStrong, window.txtObjectives, "     ", "moon"},
        {window.txtObjectives, window.txtPasscode, window.txtTime, "0", "12"},
        {window.txtTime, window.txtObjectives, nullptr, "99", "7"},
    };
    for (const Case& c : cases) {
        std::vector<std::function<void()>> ways = {
            [&] { QTest::mouseClick(c.box, Qt::LeftButton, {}, QPoint(20, 8)); },
            [&] {
                c.before->setFocus();
                QTest::keyClick(c.before, Qt::Key_Tab);
            },
        };
        if (c.after) {
            ways.push_back([&] {
                c.after->setFocus();
                QTest::keyClick(c.after, Qt::Key_Backtab, Qt::ShiftModifier);
            });
        }
        for (const auto& focus : ways) {
            c.before->setFocus();
            c.box->deselect();
            focus();
            QCoreApplication::processEvents();
            ASSERT_EQ(QApplication::focusWidget(), c.box) << c.selected;
            EXPECT_EQ(c.box->selectedText(), QString::fromLatin1(c.selected));
        }
        QTest::keyClicks(c.box, QString::fromLatin1(c.typed));
        c.before->setFocus();
        c.box->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        EXPECT_EQ(c.box->selectedText(), QString());
    }
    EXPECT_EQ(window.levelset().passcodes[0].text(), QByteArray("MOON  "));
    EXPECT_EQ(window.levelset().levels[1].objectives, 12);
    EXPECT_EQ(window.levelset().levels[1].time, 7);
}

TEST_F(FrmMainTest, OptionsWriteTheCurrentLevelAndShowingNeverRewrites) {
    goToLevel(1);
    QTest::mouseClick(window.optHatchery, Qt::LeftButton);
    QTest::mouseClick(window.optStrong, Qt::LeftButton);
    EXPECT_EQ(window.levelset().levels[1].levelType, 1);
    EXPECT_EQ(window.levelset().levels[1].alienType, 4);

    goToLevel(0);
    EXPECT_TRUE(window.optNormal->isChecked());
    EXPECT_TRUE(window.optWeak->isChecked());
    EXPECT_EQ(window.levelset().levels[0].levelType, 0);
    goToLevel(1);
    EXPECT_TRUE(window.optHatchery->isChecked());
    EXPECT_TRUE(window.optStrong->isChecked());

    // Bytes from a file other than 0/1 and 3/4 show as Hatchery and Strong and stay as read.
    window.levelset().levels[2].levelType = 5;
    window.levelset().levels[2].alienType = 9;
    goToLevel(0);
    goToLevel(2);
    EXPECT_TRUE(window.optHatchery->isChecked());
    EXPECT_TRUE(window.optStrong->isChecked());
    EXPECT_EQ(window.levelset().levels[2].levelType, 5);
    EXPECT_EQ(window.levelset().levels[2].alienType, 9);
    QTest::mouseClick(window.optNormal, Qt::LeftButton);
    EXPECT_EQ(window.levelset().levels[2].levelType, 0);
}

TEST_F(FrmMainTest, CloseAsksAndCancelKeepsTheWindowOpen) {
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, QStringLiteral("Save current Levelset?"));

    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FrmMainTest, FileMenuRunsTheFileCommands) {
    auto* newEntry = window.findChild<QAction*>(QStringLiteral("mnuFileNew"));
    ASSERT_NE(newEntry, nullptr);
    EXPECT_EQ(newEntry->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    goToLevel(4);
    messages.answers = {MessageAnswer::No};
    newEntry->trigger();
    EXPECT_EQ(window.state().curLevel, 0);
    EXPECT_EQ(window.lblLevelNum->text(), QStringLiteral("Level: 1 / 1"));
    EXPECT_EQ(window.txtPasscode->text(), QStringLiteral("None"));

    for (const char* name : {"mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFileExit"}) {
        EXPECT_NE(window.findChild<QAction*>(QString::fromLatin1(name)), nullptr) << name;
    }
}

} // namespace
} // namespace vrh
