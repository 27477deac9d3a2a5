// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowharness.h"

#include "map/levelpicture.h"
#include "map/levelview.h"
#include "map/markerframe.h"
#include "window/dialogs/levelsizedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

#include <map>
#include <memory>
#include <string>

namespace vrh {
namespace {

using testing::ActiveWindow;

TEST(LevelMenu, PreviousAndNextShowTheOtherLevelWithTheCursorAtTheTopLeft) {
    ActiveWindow h;
    h.showLevel(2, 0);
    h.level(1).time = 42;
    h.level(1).tiles[2][2] = 100;
    h.level(1).startX = 3;
    h.window.levelCursor->setCell(5, 5);
    h.window.state().cursorX = 7;
    h.window.state().cursorY = 6;

    h.entry("mnuLevelNext")->trigger();
    EXPECT_EQ(h.window.state().curLevel, 1);
    EXPECT_TRUE(h.mapShows(h.level(1)));
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 2"));
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(0, 0));
    EXPECT_EQ(h.window.state().cursorX, 7);
    EXPECT_EQ(h.window.state().cursorY, 6);
    EXPECT_EQ(h.window.txtTime->text(), QStringLiteral("42"));
    EXPECT_EQ(h.window.shpStart->position(), QPoint(48, 0));

    h.window.levelCursor->setCell(4, 4);
    h.entry("mnuLevelPrevious")->trigger();
    EXPECT_EQ(h.window.state().curLevel, 0);
    EXPECT_TRUE(h.mapShows(h.level(0)));
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 2"));
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(0, 0));
    EXPECT_EQ(h.window.txtTime->text(), QStringLiteral("99"));
    EXPECT_EQ(h.window.shpStart->position(), QPoint(0, 0));
}

TEST(LevelMenu, AddAndRemoveRewriteOnlyTheLabel) {
    ActiveWindow h;
    h.showLevel(2, 0);
    h.window.levelCursor->setCell(3, 2);
    h.level(0).tiles[0][0] = 100; // not drawn yet: a redraw would show it
    const QImage map = h.window.picLevel->image();

    h.entry("mnuLevelAdd")->trigger();
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 3"));
    EXPECT_EQ(h.window.picLevel->image(), map);
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(48, 32));

    h.entry("mnuLevelRemove")->trigger();
    h.entry("mnuLevelRemove")->trigger();
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 1"));
    EXPECT_EQ(h.window.picLevel->image(), map);
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(48, 32));
    EXPECT_EQ(h.window.state().curLevel, 0);
}

TEST(LevelMenu, RefusalsAtTheLimitsAreGreyedSilentAndDrawNothing) {
    struct Case {
        int numLevels;
        int current;
        const char* entry;
        const char* label;
    };
    const Case cases[] = {
        {8, 0, "mnuLevelAdd", "Level: 1 / 8"},
        {1, 0, "mnuLevelRemove", "Level: 1 / 1"},
        {1, 0, "mnuLevelPrevious", "Level: 1 / 1"},
        {1, 0, "mnuLevelNext", "Level: 1 / 1"},
        {3, 2, "mnuLevelRemove", "Level: 3 / 3"},
        {3, 2, "mnuLevelNext", "Level: 3 / 3"},
        {0, 0, "mnuLevelRemove", "Level: 1 / 0"},
        {0, 0, "mnuLevelNext", "Level: 1 / 0"},
        {8, 7, "mnuLevelNext", "Level: 8 / 8"},
        // Only a level of the set is duplicated, deleted or moved.
        {0, 0, "mnuLevelDuplicate", "Level: 1 / 0"},
        {0, 0, "mnuLevelDelete", "Level: 1 / 0"},
        {0, 0, "mnuLevelMoveEarlier", "Level: 1 / 0"},
        {0, 0, "mnuLevelMoveLater", "Level: 1 / 0"},
    };
    const std::map<std::string, const char*> buttons = {{"mnuLevelAdd", "tbAddLevel"},
                                                        {"mnuLevelRemove", "tbRemoveLevel"},
                                                        {"mnuLevelPrevious", "tbPreviousLevel"},
                                                        {"mnuLevelNext", "tbNextLevel"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " at " + c.label);
        ActiveWindow h;
        h.showLevel(c.numLevels, c.current);
        h.window.levelCursor->setCell(3, 2);
        h.level(c.current).tiles[0][0] = 100;
        const QImage map = h.window.picLevel->image();
        EXPECT_FALSE(h.entry(c.entry)->isEnabled());
        if (const auto button = buttons.find(c.entry); button != buttons.end()) {
            EXPECT_FALSE(h.window.findChild<QAction*>(QLatin1String(button->second))->isEnabled());
        }

        h.entry(c.entry)->setEnabled(true); // run all the same, as the command would
        h.entry(c.entry)->trigger();
        EXPECT_EQ(h.window.levelset().numLevels, c.numLevels);
        EXPECT_EQ(h.window.state().curLevel, c.current);
        EXPECT_EQ(h.window.lblLevelNum->text(), QString::fromLatin1(c.label));
        EXPECT_EQ(h.window.picLevel->image(), map);
        EXPECT_EQ(h.window.levelCursor->position(), QPoint(48, 32));
        EXPECT_TRUE(h.messages.asked.empty());
    }
    // From an empty set, Add makes it one level long, and so does the first cell painted on
    // the level shown; undo takes both back.
    ActiveWindow h;
    h.showLevel(0, 0);
    h.entry("mnuLevelAdd")->trigger();
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 1"));
    h.showLevel(0, 0);
    h.window.state().curTile = 54;
    testing::drag(h.window.picLevel, {{2, 1}});
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 1"));
    EXPECT_TRUE(h.entry("mnuLevelDuplicate")->isEnabled());
    h.key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 1 / 0"));
    EXPECT_NE(h.level(0).tiles[1][2], 54);
}

// Each reordering is one step, named by its entry, that shows the level now current; Undo puts
// back every byte and the level that was current. At its limit the entry is greyed.
TEST(LevelMenu, ReorderingLevelsIsOneStepThatUndoTakesBackExactly) {
    struct Case {
        const char* entry;
        QKeyCombination key;
        int numLevels, current;
        const char* label;   // after
        int shownTime;       // the time of the level shown after, its tag
        const char* atLimit; // a set where it is greyed: numLevels, current
        int limitLevels, limitCurrent;
    };
    const Case cases[] = {
        {"Insert a Level", Qt::CTRL | Qt::Key_I, 3, 1, "Level: 2 / 4", 99, "eight", 8, 0},
        {"Duplicate Level", Qt::CTRL | Qt::Key_J, 3, 1, "Level: 3 / 4", 11, "eight", 8, 3},
        {"Delete This Level", Qt::CTRL | Qt::SHIFT | Qt::Key_Delete, 3, 2, "Level: 2 / 2", 11,
         "one", 1, 0},
        {"Move Level Earlier", Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp, 3, 2, "Level: 2 / 3", 12,
         "first", 3, 0},
        {"Move Level Later", Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown, 3, 0, "Level: 2 / 3", 10,
         "last", 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        ActiveWindow h;
        for (int i = 0; i < kMaxLevels; ++i) {
            h.level(i).time = static_cast<std::uint8_t>(10 + i);
        }
        h.showLevel(c.numLevels, c.current);
        const LevelsetImage before = h.bytes();
        h.key(c.key);
        EXPECT_EQ(h.window.lblLevelNum->text(), QString::fromLatin1(c.label));
        EXPECT_EQ(h.window.txtTime->text(), QString::number(c.shownTime));
        EXPECT_TRUE(h.mapShows(h.level(h.window.state().curLevel)));
        EXPECT_EQ(h.window.mnuEditUndo->text(), QStringLiteral("&Undo ") + c.entry);
        // The status text says what was done, not what the last gesture said.
        const QString status = h.window.sbStatusBar->currentMessage();
        EXPECT_EQ(status, QString::fromLatin1(c.label).replace(": ", " ").replace(" / ", " of "));
        h.key(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(h.window.sbStatusBar->currentMessage(), QStringLiteral("Undo: ") + c.entry);
        h.key(Qt::CTRL | Qt::Key_Y);
        EXPECT_EQ(h.window.sbStatusBar->currentMessage(), QStringLiteral("Redo: ") + c.entry);
        h.key(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(h.bytes(), before);
        EXPECT_EQ(h.window.state().curLevel, c.current);
        EXPECT_TRUE(h.mapShows(h.level(c.current)));

        SCOPED_TRACE(c.atLimit);
        h.showLevel(c.limitLevels, c.limitCurrent);
        int entries = 0;
        for (QAction* entry : h.window.findChild<QMenu*>(QStringLiteral("mnuLevel"))->actions()) {
            if (entry->shortcut() == QKeySequence(c.key)) {
                EXPECT_FALSE(entry->isEnabled());
                ++entries;
            }
        }
        EXPECT_EQ(entries, 1);
    }
}

// At a limit the entry and its button are greyed, so the key does nothing; the command itself,
// run all the same, redraws the map.
TEST(LevelMenu, ResizingIsGreyedAtItsLimitAndRedrawsTheMapEvenThere) {
    struct Case {
        const char* entry;
        const char* button;
        void (frmMain::*command)();
        int width, height; // before
        int widthAfter, heightAfter;
    };
    const Case cases[] = {
        {"mnuLevelDecreaseWidth", "tbDWidth", &frmMain::mnuLevelDecreaseWidth_Click, 12, 8, 12, 8},
        {"mnuLevelIncreaseWidth", "tbIWidth", &frmMain::mnuLevelIncreaseWidth_Click, 32, 8, 32, 8},
        {"mnuLevelDecreaseHeight", "tbDHeight", &frmMain::mnuLevelDecreaseHeight_Click, 12, 8, 12,
         8},
        {"mnuLevelIncreaseHeight", "tbIHeight", &frmMain::mnuLevelIncreaseHeight_Click, 12, 32, 12,
         32},
        {"mnuLevelIncreaseWidth", "tbIWidth", &frmMain::mnuLevelIncreaseWidth_Click, 12, 8, 13, 8},
        {"mnuLevelDecreaseHeight", "tbDHeight", &frmMain::mnuLevelDecreaseHeight_Click, 5, 3, 5, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        ActiveWindow h;
        h.showLevel(2, 1);
        h.setSize(c.width, c.height);
        h.level(1).tiles[0][0] = 100;
        h.window.levelCursor->setCell(3, 2);
        const bool changes = c.width != c.widthAfter || c.height != c.heightAfter;
        EXPECT_EQ(h.entry(c.entry)->isEnabled(), changes);
        EXPECT_EQ(h.window.findChild<QAction*>(QLatin1String(c.button))->isEnabled(), changes);

        (h.window.*c.command)();
        EXPECT_EQ(h.level(1).width, c.widthAfter);
        EXPECT_EQ(h.level(1).height, c.heightAfter);
        EXPECT_EQ(h.level(0).width, 12);
        EXPECT_TRUE(h.mapShows(h.level(1)));
        EXPECT_EQ(h.window.lblLevelNum->text(), QStringLiteral("Level: 2 / 2"));
        EXPECT_EQ(h.window.levelCursor->position(), QPoint(48, 32));
    }
}

// OK sets both sizes as one step; Cancel and an unchanged size make none. A size below the
// limits that a file brought is shown and kept.
TEST(LevelMenu, LevelSizeSetsWidthAndHeightInOneStep) {
    struct Case {
        const char* what;
        int width, height;
        int newWidth, newHeight;
        bool ok;
        int widthAfter, heightAfter;
    };
    const Case cases[] = {
        {"both", 12, 8, 20, 14, true, 20, 14},
        {"from a file's small size", 5, 3, 16, 3, true, 16, 3},
        {"Cancel", 12, 8, 20, 14, false, 12, 8},
        {"unchanged", 5, 3, 5, 3, true, 5, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActiveWindow h;
        h.setSize(c.width, c.height);
        h.modal.answers = {testing::answerDialog<LevelSizeDialog>([&c](LevelSizeDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Level Size"));
            EXPECT_TRUE(dialog.isModal());
            EXPECT_EQ(dialog.spnWidth->value(), c.width);
            EXPECT_EQ(dialog.spnHeight->value(), c.height);
            EXPECT_EQ(dialog.lblWidthRange->text(),
                      QString::number(std::min(c.width, 12)) + " to 32");
            EXPECT_EQ(dialog.lblHeightRange->text(),
                      QString::number(std::min(c.height, 8)) + " to 32");
            dialog.spnWidth->setValue(c.newWidth);
            dialog.spnHeight->setValue(c.newHeight);
            c.ok ? dialog.accept() : dialog.reject();
        })};
        h.key(Qt::CTRL | Qt::Key_R);
        EXPECT_EQ(h.level(0).width, c.widthAfter);
        EXPECT_EQ(h.level(0).height, c.heightAfter);
        EXPECT_TRUE(h.mapShows(h.level(0)));
        const bool changed = c.widthAfter != c.width || c.heightAfter != c.height;
        EXPECT_EQ(h.window.history().stack().count(), changed ? 1 : 0);
        if (changed) {
            EXPECT_EQ(h.window.mnuEditUndo->text(), QStringLiteral("&Undo Level Size"));
            h.key(Qt::CTRL | Qt::Key_Z);
            EXPECT_EQ(h.level(0).width, c.width);
            EXPECT_EQ(h.level(0).height, c.height);
        }
    }
    // A number typed out of range stays as typed and is shown as refused; OK does nothing
    // until it is in range, and the arrows stop at the limits.
    const LevelRecord level; // 12 x 8
    for (const char* typed : {"5", "1000"}) {
        SCOPED_TRACE(typed);
        LevelSizeDialog dialog(level, nullptr);
        QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        dialog.spnWidth->selectAll();
        QTest::keyClicks(dialog.spnWidth, QString::fromLatin1(typed));
        EXPECT_EQ(dialog.spnWidth->text(), QString::fromLatin1(typed));
        EXPECT_EQ(dialog.lblWidthRange->text(), QStringLiteral("Refused: 12 to 32 only"));
        EXPECT_EQ(dialog.lblHeightRange->text(), QStringLiteral("8 to 32"));
        EXPECT_FALSE(ok->isEnabled());
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        dialog.spnWidth->setValue(32);
        dialog.spnWidth->stepUp();
        EXPECT_EQ(dialog.spnWidth->value(), 32);
        EXPECT_TRUE(ok->isEnabled());
    }
}

TEST(ToolsMenu, SetFloorRewritesTheCurrentLevelAndRedraws) {
    ActiveWindow h;
    h.showLevel(2, 1);
    h.level(1).levelType = 1;
    h.level(1).tiles[31][31] = 0;
    h.level(1).tiles[0][0] = 100;
    h.level(0).tiles[1][1] = 0;
    h.entry("mnuToolsSetFloor")->trigger();
    EXPECT_EQ(h.level(1).tiles[31][31], 1);
    EXPECT_EQ(h.level(1).tiles[0][0], 100);
    EXPECT_EQ(h.level(0).tiles[1][1], 0);
    EXPECT_TRUE(h.mapShows(h.level(1)));

    // Nothing left to change: still redrawn.
    h.level(1).tiles[0][0] = 101;
    h.entry("mnuToolsSetFloor")->trigger();
    EXPECT_TRUE(h.mapShows(h.level(1)));
    EXPECT_TRUE(h.messages.asked.empty());
}

TEST(ToolsMenu, CountersReportTheCurrentLevelInInformationBoxes) {
    ActiveWindow h;
    h.showLevel(2, 1);
    LevelRecord& shown = h.level(1);
    shown.tiles[0][0] = 69;
    shown.tiles[0][1] = 70;
    shown.tiles[7][11] = 75;
    shown.tiles[1][0] = 59;
    shown.tiles[1][1] = 59;
    shown.tiles[1][2] = 59;
    shown.tiles[1][3] = 60;
    shown.tiles[2][0] = 58;
    shown.tiles[2][1] = 58;
    shown.tiles[3][0] = 168;
    shown.tiles[3][1] = 169;
    shown.tiles[3][2] = 177;
    shown.tiles[8][0] = 71; // below the level: not counted
    h.level(0).tiles[0][0] = 72;
    const QImage map = h.window.picLevel->image();

    struct Case {
        const char* entry;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {"mnuToolsDoors", "Doors",
         "Normal Doors: 2\rSecurity Doors: 0\rWhite Doors: 0\rCheckered Doors: 0\r"
         "Black Doors: 1"},
        {"mnuToolsEnemies", "Enemies",
         "Holes: 2\rWorms: 0\rFace Huggers: 0\rNormal Aliens: 0\rStrong Aliens: 0\r"
         "Security Guards: 1"},
        {"mnuToolsPickups", "Pick-ups",
         "Credits: 130\rAmmo: 40\rKey Passes: 0\rWhite Keys: 0\rCheckered Keys: 0\r"
         "Black Keys: 0\rFirst Aids: 0\rInvincibilities: 0\rExtra Lives: 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        h.messages.asked.clear();
        h.messages.answers = {MessageAnswer::Ok};
        h.entry(c.entry)->trigger();
        ASSERT_EQ(h.messages.asked.size(), 1u);
        EXPECT_EQ(h.messages.asked[0].text, QString::fromLatin1(c.text));
        EXPECT_EQ(h.messages.asked[0].title, QString::fromLatin1(c.title));
        EXPECT_EQ(h.messages.asked[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(h.messages.asked[0].icon, MessageIcon::Information);
    }
    EXPECT_EQ(h.window.picLevel->image(), map);
    EXPECT_EQ(h.window.state().curLevel, 1);
}

TEST(ViewMenu, EachEntryShowsAndHidesItsMarkers) {
    ActiveWindow h;
    struct Case {
        const char* entry;
        std::vector<MarkerFrame*> markers;
        bool shownAtStart;
    };
    const Case cases[] = {
        {"mnuViewStart", {h.window.shpStart}, true},
        {"mnuViewFinish", {h.window.shpFinish}, true},
        {"mnuViewBlockPut", {h.window.shpPut, h.window.shpPutType}, false},
        {"mnuViewBlockTake", {h.window.shpTake, h.window.shpTakeType}, false},
    };
    MarkerFrame* const all[] = {h.window.shpStart,    h.window.shpFinish,  h.window.shpPut,
                                h.window.shpTake,     h.window.shpPutType, h.window.shpTakeType,
                                h.window.levelCursor, h.window.tileCursor};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        QAction* entry = h.entry(c.entry);
        std::vector<bool> others;
        for (const MarkerFrame* m : all) {
            others.push_back(m->isVisible());
        }
        for (bool shown : {!c.shownAtStart, c.shownAtStart}) {
            entry->trigger();
            EXPECT_EQ(entry->isChecked(), shown);
            for (const MarkerFrame* m : c.markers) {
                EXPECT_EQ(m->isVisible(), shown) << m->name().toStdString();
            }
        }
        // Other markers are left alone.
        for (std::size_t i = 0; i < std::size(all); ++i) {
            EXPECT_EQ(all[i]->isVisible(), others[i]) << all[i]->name().toStdString();
        }
    }
}

// Grey lines between the cells inside the level, over the tiles and under the markers; the
// back image stays as drawLevel made it.
TEST(ViewMenu, TheGridLiesBetweenTheCellsInsideTheLevel) {
    ActiveWindow h;
    h.setSize(13, 9);
    h.window.levelCursor->setCell(2, 1);
    const QImage before = h.window.picLevel->composedImage();
    h.key(Qt::CTRL | Qt::Key_G);
    ASSERT_TRUE(h.window.mnuViewGrid->isChecked());
    const QImage shown = h.window.picLevel->composedImage();
    const QRgb grey = qRgb(128, 128, 128);
    struct Pixel {
        int x, y;
        bool grid;
    };
    const Pixel pixels[] = {
        {16, 5, true},      {16 * 12, 140, true},     {100, 16, true},         {5, 16 * 8, true},
        {15, 5, false},     {17, 5, false},           {0, 5, false},           {16 * 13, 5, false},
        {5, 16 * 9, false}, {16 * 13 + 5, 16, false}, {16, 16 * 9 + 3, false},
    };
    for (const Pixel& p : pixels) {
        EXPECT_EQ(shown.pixel(p.x, p.y) == grey, p.grid) << p.x << ", " << p.y;
        if (!p.grid) {
            EXPECT_EQ(shown.pixel(p.x, p.y), before.pixel(p.x, p.y)) << p.x << ", " << p.y;
        }
    }
    EXPECT_NE(shown.pixel(32, 20), grey); // the cursor's frame lies over the line
    EXPECT_TRUE(h.mapShows(h.level(0)));
    h.key(Qt::CTRL | Qt::Key_G);
    EXPECT_EQ(h.window.picLevel->composedImage(), before);

    // The grid and the drawing tool are remembered for the next window.
    h.key(Qt::CTRL | Qt::Key_G);
    h.key(Qt::Key_L);
    auto next = std::make_unique<ActiveWindow>();
    EXPECT_TRUE(next->window.mnuViewGrid->isChecked());
    EXPECT_TRUE(next->window.picLevel->gridShown());
    EXPECT_EQ(next->window.drawingTool(), DrawingTool::Line);
    EXPECT_TRUE(next->window.mnuToolsTool[1]->isChecked());
}

// The letters lie in the markers' own painting on the map, as the exported picture draws them,
// and the choice is remembered.
TEST(ViewMenu, MarkerLettersShowInTheMarkersAndAreRemembered) {
    ActiveWindow h;
    h.window.levelCursor->setCell(5, 5);
    h.entry("mnuViewBlockPut")->trigger();
    const QImage before = h.window.picLevel->composedImage();
    QAction* letters = h.entry("mnuViewMarkerLetters");
    letters->trigger();
    ASSERT_TRUE(letters->isChecked());
    const QImage shown = h.window.picLevel->composedImage();
    const QImage picture = mapPicture(h.level(0), prepareTileSheet(h.window.picTileset->image()),
                                      h.window.shownMarkers());
    // Start, block to put and finish; the block to take is hidden.
    for (const QPoint cell : {QPoint(0, 0), QPoint(1, 0), QPoint(11, 7), QPoint(2, 0)}) {
        const QRect pixels(cell * 16, QSize(16, 16));
        EXPECT_EQ(shown.copy(pixels), picture.copy(pixels)) << cell.x() << ", " << cell.y();
        EXPECT_EQ(shown.copy(pixels) != before.copy(pixels), cell != QPoint(2, 0))
            << cell.x() << ", " << cell.y();
    }
    EXPECT_EQ(shown.pixel(6, 4), qRgb(128, 255, 128));

    auto next = std::make_unique<ActiveWindow>();
    EXPECT_TRUE(next->window.mnuViewMarkerLetters->isChecked());
    EXPECT_TRUE(next->window.shpTake->letterShown());
    next->entry("mnuViewMarkerLetters")->trigger();
    EXPECT_FALSE(next->window.shpStart->letterShown());
    EXPECT_FALSE(ActiveWindow().window.mnuViewMarkerLetters->isChecked());
}

TEST(ViewMenu, AHiddenMarkerFollowsTheLevelsAndShowsAtItsNewPlace) {
    ActiveWindow h;
    h.showLevel(2, 0);
    h.level(1).startX = 5;
    h.level(1).startY = 3;
    h.level(1).putType = 20;
    h.entry("mnuViewStart")->trigger();
    EXPECT_FALSE(h.window.shpStart->isVisible());

    h.entry("mnuLevelNext")->trigger();
    EXPECT_FALSE(h.window.shpStart->isVisible());
    EXPECT_EQ(h.window.shpStart->position(), QPoint(80, 48));
    const QRgb lightGreen = qRgb(128, 255, 128);
    EXPECT_NE(h.window.picLevel->composedImage().pixel(80, 48), lightGreen);

    h.entry("mnuViewStart")->trigger();
    EXPECT_TRUE(h.window.shpStart->isVisible());
    EXPECT_EQ(h.window.picLevel->composedImage().pixel(80, 48), lightGreen);

    // Showing belongs to the window: New keeps it.
    h.entry("mnuViewBlockPut")->trigger();
    h.messages.answers = {MessageAnswer::No};
    h.entry("mnuFileNew")->trigger();
    EXPECT_TRUE(h.window.shpStart->isVisible());
    EXPECT_TRUE(h.window.shpPut->isVisible());
    EXPECT_TRUE(h.window.shpPutType->isVisible());
    EXPECT_TRUE(h.entry("mnuViewBlockPut")->isChecked());
    EXPECT_EQ(h.window.shpPutType->position(), QPoint(16, 176));
}

TEST(ToolsMenu, ExactlyOneRightButtonModeIsChecked) {
    ActiveWindow h;
    const int steps[] = {2, 2, 0, 0, 3, 1, 1};
    for (int chosen : steps) {
        SCOPED_TRACE(chosen);
        const QByteArray name = "mnuToolsMouseChoice" + QByteArray::number(chosen);
        h.entry(name.constData())->trigger();
        EXPECT_EQ(h.window.state().mouseChoice, chosen);
        for (int index = 0; index < 4; ++index) {
            EXPECT_EQ(h.window.mnuToolsMouseChoice[index]->isChecked(), index == chosen) << index;
        }
    }
    // New does not change the mode.
    h.messages.answers = {MessageAnswer::No};
    h.entry("mnuFileNew")->trigger();
    EXPECT_EQ(h.window.state().mouseChoice, 1);
    EXPECT_TRUE(h.window.mnuToolsMouseChoice[1]->isChecked());
}

} // namespace
} // namespace vrh
