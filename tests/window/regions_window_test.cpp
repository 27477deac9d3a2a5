// SPDX-License-Identifier: GPL-3.0-or-later
// Regions on the map with real mouse and key events: selecting, the Edit menu's region
// entries and their greying, the clipboard's three forms, a floating paste, fill and replace.
// The rules' cases themselves are tested in tests/commands.
#include "windowharness.h"

#include "assets/assets.h"
#include "commands/regions/cellclipboard.h"
#include "levelset/levelsetfile.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include <functional>

// Failures name texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vrh {
namespace {

using testing::ActiveWindow;
using testing::drag;
using testing::hover;
using H = ActiveWindow;

const QRgb kMagenta = qRgb(255, 0, 255);

// The map shows a 2-pixel magenta outline exactly inside the edge of these cells and no other
// magenta; with no cells, none at all.
bool showsOutline(H& h, const std::optional<QRect>& cells) {
    const QImage shown = h.window.picLevel->composedImage();
    const QRect px = cells ? QRect(cells->topLeft() * 16, cells->size() * 16) : QRect();
    const QRect inner = px.adjusted(2, 2, -2, -2);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const bool ring = px.contains(x, y) && !inner.contains(x, y);
            if ((shown.pixel(x, y) == kMagenta) != ring) {
                return false;
            }
        }
    }
    return true;
}

// Each pixel lies halfway between what floats over the map and what lies beneath, and they
// differ somewhere.
bool showsHalfway(const QImage& shown, const QImage& over, const QImage& under) {
    bool differ = false;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor s = shown.pixelColor(x, y), a = over.pixelColor(x, y),
                         b = under.pixelColor(x, y);
            differ = differ || a != b;
            for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue}) {
                if (std::abs((s.*channel)() * 2 - (a.*channel)() - (b.*channel)()) > 2) {
                    return false;
                }
            }
        }
    }
    return differ;
}

TEST(Selecting, AShiftDragSelectsTheRectangleInsideTheLevelAndOutlinesIt) {
    struct Case {
        const char* what;
        std::vector<QPoint> cells;
        std::optional<QRect> selected;
        const char* status;
    };
    const Case cases[] = {
        {"up and left, from outside the level",
         {{20, 3}, {14, 2}, {10, 1}},
         QRect(10, 1, 2, 3),
         "Selection: 2 x 3 at 10, 1"},
        {"wholly outside the level", {{14, 1}, {20, 9}}, std::nullopt, "Out of level"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActiveWindow h;
        h.window.state().curTile = 89;
        h.window.levelCursor->setVisible(false); // it lies over the outline where they meet
        const LevelsetImage before = h.bytes();
        drag(h.window.picLevel, c.cells, Qt::ShiftModifier);
        EXPECT_EQ(h.window.selection(), c.selected);
        EXPECT_EQ(h.status(), QString::fromLatin1(c.status));
        EXPECT_TRUE(showsOutline(h, c.selected));
        // Selecting paints nothing, makes no step and leaves the back image alone.
        EXPECT_EQ(h.bytes(), before);
        EXPECT_EQ(h.window.history().stack().count(), 0);
        EXPECT_TRUE(h.mapShows(h.level(0)));
    }
}

TEST(Selecting, TheOutlineLiesOverTilesAndMarkersAndUnderTheCursor) {
    ActiveWindow h;
    h.level(0).tiles[1][2] = 89;
    h.level(0).startX = 2;
    h.level(0).startY = 3;
    h.window.redrawMap();
    h.window.loadLevel(0);
    drag(h.window.picLevel, {{2, 1}, {4, 3}}, Qt::ShiftModifier);
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(64, 48));
    const QImage shown = h.window.picLevel->composedImage();
    EXPECT_EQ(shown.pixel(32, 16), kMagenta);            // over the wall tile
    EXPECT_EQ(shown.pixel(32, 48), kMagenta);            // over the start marker
    EXPECT_EQ(shown.pixel(46, 48), qRgb(128, 255, 128)); // the marker's inner side
    EXPECT_EQ(shown.pixel(79, 63), qRgb(255, 128, 0));   // the cursor on the corner
    EXPECT_EQ(shown.pixel(60, 63), kMagenta);
}

TEST(Selecting, WhatClearsTheSelectionAndWhatKeepsIt) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("zvrhlabc.vrh"));
    ASSERT_FALSE(writeLevelsetFile(Levelset{}, file).has_value());
    const auto open = [](std::optional<QString> chosen) {
        return [chosen](H& h) {
            h.messages.answers = {MessageAnswer::No};
            h.dialogs.answers = {chosen};
            h.key(Qt::CTRL | Qt::Key_O);
        };
    };
    struct Case {
        const char* what;
        std::function<void(H&)> act;
        std::optional<QRect> after;
    };
    const QRect selected(2, 1, 4, 3);
    const Case cases[] = {
        {"Escape", [](H& h) { h.key(Qt::Key_Escape); }, std::nullopt},
        {"a plain left click, which paints as ever",
         [](H& h) {
             drag(h.window.picLevel, {{9, 6}});
             EXPECT_EQ(h.level(0).tiles[6][9], 89);
         },
         std::nullopt},
        {"another level",
         [](H& h) {
             h.window.levelset().numLevels = 2;
             h.window.updateLevelLabel();
             h.key(Qt::Key_F8);
         },
         std::nullopt},
        {"Open", open(file), std::nullopt},
        {"a cancelled Open", open(std::nullopt), selected},
        {"choosing a tile",
         [](H& h) {
             drag(h.window.picTiles, {{1, 2}});
         },
         selected},
        {"Cut", [](H& h) { h.key(Qt::CTRL | Qt::Key_X); }, selected},
        {"undo on the same level",
         [](H& h) {
             h.key(Qt::CTRL | Qt::Key_B);
             h.key(Qt::CTRL | Qt::Key_Z);
         },
         selected},
        {"a narrower level keeps what is left inside it",
         [](H& h) {
             h.level(0).width = 16;
             h.window.redrawMap();
             h.window.mnuEditSelectAll_Click();
             h.key(Qt::Key_F1);
             h.key(Qt::Key_F1);
         },
         QRect(0, 0, 14, 8)},
        {"Select All", [](H& h) { h.key(Qt::CTRL | Qt::Key_A); }, QRect(0, 0, 12, 8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActiveWindow h;
        h.window.state().curTile = 89;
        drag(h.window.picLevel, {{2, 1}, {5, 3}}, Qt::ShiftModifier);
        ASSERT_EQ(h.window.selection(), selected);
        c.act(h);
        h.window.levelCursor->setVisible(false);
        EXPECT_EQ(h.window.selection(), c.after);
        EXPECT_TRUE(showsOutline(h, c.after));
        EXPECT_TRUE(h.messages.answers.empty());
    }
}

TEST(EditEntries, RegionEntriesAreGreyedUntilThereIsASelectionAndShowTheirPictures) {
    ActiveWindow h;
    const auto expectEntries = [&h](bool enabled) {
        for (QAction* entry : {h.window.mnuEditCut, h.window.mnuEditCopy, h.window.mnuEditDelete,
                               h.window.mnuEditFill}) {
            EXPECT_EQ(entry->isEnabled(), enabled) << entry->objectName().toStdString();
        }
        EXPECT_TRUE(h.window.mnuEditSelectAll->isEnabled());
    };
    expectEntries(false);
    h.level(0).tiles[0][0] = 89;
    h.key(Qt::Key_Delete); // greyed: the key does nothing
    EXPECT_EQ(h.level(0).tiles[0][0], 89);
    h.key(Qt::CTRL | Qt::Key_A);
    expectEntries(true);
    h.key(Qt::Key_Escape);
    expectEntries(false);

    for (QAction* entry : {h.window.mnuEditCut, h.window.mnuEditCopy, h.window.mnuEditPaste}) {
        const QString picture = entry->objectName().mid(7); // after "mnuEdit"
        EXPECT_EQ(entry->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
                  toolbarIcon(picture).toImage().convertToFormat(QImage::Format_ARGB32))
            << picture.toStdString();
    }
}

TEST(EditEntries, PasteIsGreyedUnlessTheClipboardHoldsCellsOrCellText) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("7, 8\n"));
    ActiveWindow h;
    QMenu* edit = h.window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    ASSERT_NE(edit, nullptr);
    // Cells another program left on the clipboard paste before the Edit menu ever opened: the
    // window looks at the clipboard the first time it needs it, not at start-up.
    h.key(Qt::CTRL | Qt::Key_V);
    EXPECT_TRUE(h.window.pasteFloating());
    h.key(Qt::Key_Escape);

    // What the clipboard holds is judged as in CellClipboard.PasteTakes...; here, that each
    // change reaches the entry.
    clipboard->setText(QStringLiteral("Level 2"));
    EXPECT_FALSE(h.window.mnuEditPaste->isEnabled());
    auto* cells = new QMimeData;
    cells->setData(kCellsMimeType, "\x01\x01\x07");
    clipboard->setMimeData(cells);
    EXPECT_TRUE(h.window.mnuEditPaste->isEnabled());
    // A change the window was not told of shows when the menu opens.
    {
        const QSignalBlocker quiet(clipboard);
        clipboard->setText(QStringLiteral("Level 2"));
    }
    edit->popup(QPoint(0, 0));
    EXPECT_FALSE(h.window.mnuEditPaste->isEnabled());
    edit->close();
}

// Level 1 with a 2 x 2 block at (1, 1), 89, 14 over 54, 1, selected with a Shift drag.
void selectBlock(H& h) {
    h.level(0).tiles[1][1] = 89;
    h.level(0).tiles[1][2] = 14;
    h.level(0).tiles[2][1] = 54;
    h.level(0).tiles[2][2] = 1;
    h.window.redrawMap();
    drag(h.window.picLevel, {{1, 1}, {2, 2}}, Qt::ShiftModifier);
}

TEST(Clipboard, CopyPutsTheCellsTextAndPictureOnTheClipboardAndCutLeavesTheFloor) {
    ActiveWindow h;
    h.level(0).levelType = 1; // a hatchery, whose floor is 1
    selectBlock(h);
    const LevelsetImage before = h.bytes();
    h.key(Qt::CTRL | Qt::Key_C);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    // Its forms are CellClipboard's; here, that they hold the selected cells.
    EXPECT_EQ(cellsFromClipboard(data).cells, (CellBlock{2, 2, {89, 14, 54, 1}}));
    // The tiles alone, as the map's back image holds them under outline, markers and cursor.
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32),
              h.window.picLevel->image().copy(16, 16, 32, 32));
    EXPECT_EQ(h.bytes(), before);
    EXPECT_EQ(h.window.history().stack().count(), 0);

    // Cut copies the same, then leaves the floor of the level's type (0 on others: the menus'
    // test of Ctrl+X; its undo: the Edit menu's gestures).
    QGuiApplication::clipboard()->clear();
    h.key(Qt::CTRL | Qt::Key_X);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("89, 14\n54, 1\n"));
    EXPECT_EQ(h.level(0).tiles[1][1], 1);
    EXPECT_EQ(h.level(0).tiles[2][1], 1);
    EXPECT_TRUE(h.mapShows(h.level(0)));
}

TEST(Paste, TheCellsFloatUnderThePointerAndAClickPlacesThemOnceOnAnotherLevel) {
    ActiveWindow h;
    h.window.state().curTile = 7;
    selectBlock(h);
    h.key(Qt::CTRL | Qt::Key_C);
    h.window.levelset().numLevels = 2;
    h.window.updateLevelLabel();
    h.key(Qt::Key_F8);
    const LevelRecord second = h.level(1);
    h.key(Qt::CTRL | Qt::Key_V);
    ASSERT_TRUE(h.window.pasteFloating());
    EXPECT_EQ(h.window.sbStatusBar->currentMessage(),
              QStringLiteral("Click to place, Escape to cancel"));
    h.window.levelCursor->setVisible(false);    // it follows the pointer onto the outline
    EXPECT_TRUE(showsOutline(h, std::nullopt)); // not before the pointer is over the map

    hover(h.window.picLevel, {6, 3});
    hover(h.window.picLevel, {5, 4});
    EXPECT_TRUE(showsOutline(h, QRect(5, 4, 2, 2)));
    // Drawn as it will land, half transparent: the inside of (6, 5) shows tile 1, a floor the
    // level lacks, halfway to the floor beneath.
    const QImage sheet = prepareTileSheet(h.window.picTileset->image());
    EXPECT_TRUE(showsHalfway(h.window.picLevel->composedImage().copy(98, 82, 12, 12),
                             sheet.copy(18, 2, 12, 12), sheet.copy(2, 2, 12, 12)));
    EXPECT_TRUE(h.mapShows(second));

    drag(h.window.picLevel, {{5, 4}});
    EXPECT_FALSE(h.window.pasteFloating());
    EXPECT_EQ(copyCells(h.level(1), QRect(5, 4, 2, 2)), (CellBlock{2, 2, {89, 14, 54, 1}}));
    EXPECT_EQ(h.level(1).headerBytes(), second.headerBytes()); // markers stay
    EXPECT_TRUE(h.mapShows(h.level(1)));
    EXPECT_EQ(h.window.selection(), QRect(5, 4, 2, 2));

    // Placed once: the next click paints as ever.
    drag(h.window.picLevel, {{8, 1}});
    EXPECT_EQ(h.level(1).tiles[1][8], 7);
    EXPECT_EQ(h.level(1).tiles[4][5], 89);
}

TEST(Paste, CellsThatFallOutsideTheLevelAreLeftOutAndTheClickPaintsNothing) {
    ActiveWindow h;
    QGuiApplication::clipboard()->setText(QStringLiteral("7, 8, 9\n10, 11, 12\n"));
    h.key(Qt::CTRL | Qt::Key_V);
    h.window.levelCursor->setVisible(false);
    // The top-left follows any cell of the level; outside it stays on the last one inside.
    hover(h.window.picLevel, {11, 6});
    hover(h.window.picLevel, {14, 9});
    EXPECT_TRUE(showsOutline(h, QRect(11, 6, 1, 2)));
    drag(h.window.picLevel, {{14, 9}}); // outside the level: nothing placed
    EXPECT_TRUE(h.window.pasteFloating());
    EXPECT_EQ(h.status(), QStringLiteral("Out of level"));
    h.window.state().curTile = 89;
    drag(h.window.picLevel, {{11, 6}, {10, 6}, {9, 6}});
    EXPECT_EQ(h.level(0).tiles[6][11], 7);
    EXPECT_EQ(h.level(0).tiles[7][11], 10);
    EXPECT_EQ(h.level(0).tiles[6][10], 0); // the drag after the placing press paints nothing
    EXPECT_EQ(h.level(0).tiles[6][12], 0); // beyond the width
    EXPECT_EQ(h.window.selection(), QRect(11, 6, 1, 2));
}

TEST(Paste, EscapeOrARightClickCancelsAndThatClickDoesNothingElse) {
    const std::pair<const char*, std::function<void(H&)>> cancels[] = {
        {"Escape", [](H& h) { h.key(Qt::Key_Escape); }},
        {"a right click in Set Positions",
         [](H& h) {
             drag(h.window.picLevel, {{3, 3}}, {}, Qt::RightButton);
         }},
        {"a right drag in Random Wall Tile",
         [](H& h) {
             h.window.mnuToolsMouseChoice_Click(RandomWall);
             drag(h.window.picLevel, {{3, 3}, {4, 3}, {5, 3}}, {}, Qt::RightButton);
         }},
    };
    for (const auto& [what, cancel] : cancels) {
        SCOPED_TRACE(what);
        ActiveWindow h;
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        drag(h.window.picLevel, {{0, 0}, {1, 1}}, Qt::ShiftModifier);
        const LevelsetImage before = h.bytes();
        h.key(Qt::CTRL | Qt::Key_V);
        hover(h.window.picLevel, {3, 3});
        cancel(h);
        EXPECT_FALSE(h.window.pasteFloating());
        EXPECT_TRUE(h.window.opened.empty());
        EXPECT_EQ(h.bytes(), before);
        EXPECT_EQ(h.window.history().stack().count(), 0);
        // The selection from before the paste stays.
        EXPECT_TRUE(showsOutline(h, QRect(0, 0, 2, 2)));
    }
}

TEST(Paste, WhatTheClipboardCannotGiveIsRefusedSayingWhyAndChangesNothing) {
    ActiveWindow h;
    QGuiApplication::clipboard()->setText(QStringLiteral("1, 2\n3, 300\n"));
    const LevelsetImage before = h.bytes();
    h.messages.answers = {MessageAnswer::Ok};
    h.key(Qt::CTRL | Qt::Key_V);
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].text, QStringLiteral("Line 2: 300 is above 255."));
    EXPECT_EQ(h.messages.asked[0].title, QStringLiteral("Varnhold: Levelset Editor"));
    EXPECT_EQ(h.messages.asked[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(h.messages.asked[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(h.window.pasteFloating());
    drag(h.window.picLevel, {{2, 2}}, Qt::ShiftModifier);
    EXPECT_EQ(h.bytes(), before);
}

// What a fill or a replace changes and says is FillAt's; their steps' names, undo and redo are
// the Edit menu's gestures.
TEST(FillAndReplace, CtrlClicksFillAndReplaceInsideTheSelectionOrTheLevel) {
    struct Case {
        const char* what;
        std::optional<QRect> selection;
        QPoint cell;
        Qt::KeyboardModifiers keys;
        const char* status;
        int sevens;
    };
    const auto ctrl = Qt::ControlModifier;
    const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    // Walls close a room of 3 x 3 cells at the top left; one more wall at (11, 7).
    const Case cases[] = {
        {"a flood fill of the room", std::nullopt, {2, 2}, ctrl, "Filled 9 cells", 9},
        {"a replace in the selection",
         QRect(2, 2, 10, 6),
         {11, 7},
         ctrlShift,
         "Replaced 4 cells",
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActiveWindow h;
        for (int i = 0; i < 4; ++i) {
            h.level(0).tiles[3][i] = h.level(0).tiles[i][3] = 89;
        }
        h.level(0).tiles[7][11] = 89;
        h.window.redrawMap();
        h.window.state().curTile = 7;
        if (c.selection) {
            drag(h.window.picLevel, {c.selection->topLeft(), c.selection->bottomRight()},
                 Qt::ShiftModifier);
        }
        // A drag after the press fills nothing more and paints nothing.
        drag(h.window.picLevel, {c.cell, c.cell - QPoint(1, 0)}, c.keys);
        EXPECT_EQ(h.status(), QString::fromLatin1(c.status));
        int sevens = 0;
        for (const auto& row : h.level(0).tiles) {
            sevens += static_cast<int>(std::count(row.begin(), row.end(), 7));
        }
        EXPECT_EQ(sevens, c.sevens);
        EXPECT_TRUE(h.mapShows(h.level(0)));
        EXPECT_EQ(h.window.selection(), c.selection);
        EXPECT_EQ(h.window.history().stack().count(), c.sevens > 0 ? 1 : 0);
    }
}

TEST(Focus, AClickOnTheMapOrThePaletteTakesTheKeysFromATextBox) {
    ActiveWindow h;
    for (QWidget* view : std::initializer_list<QWidget*>{h.window.picLevel, h.window.picTiles}) {
        h.window.txtTime->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), h.window.txtTime);
        QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
        EXPECT_EQ(QApplication::focusWidget(), view);
        h.key(Qt::CTRL | Qt::Key_A); // selects the map, not the box's text
        EXPECT_EQ(h.window.selection(), QRect(0, 0, 12, 8));
        EXPECT_TRUE(h.window.txtTime->selectedText().isEmpty());
        h.key(Qt::Key_Escape);
    }
}

} // namespace
} // namespace vrh
