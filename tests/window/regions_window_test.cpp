// Regions on the map with real mouse and key events: selecting, the Edit menu's region
// entries and their greying, the clipboard's three forms, a floating paste, fill and replace.
#include "windowharness.h"

#include "assets/assets.h"
#include "commands/levelsetdelta.h"
#include "levelset/levelsetfile.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Failures name texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vrh {
namespace {

using testing::ActiveWindow;

const QRgb kMagenta = qRgb(255, 0, 255);

// A mouse event at a pixel of the view's drawing area.
void mouseAt(QWidget* view, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
             QPointF pixel, Qt::KeyboardModifiers keys) {
    const QPointF local = pixel + QPointF(2, 2);
    QMouseEvent event(type, local, view->mapToGlobal(local), button, held, keys);
    QApplication::sendEvent(view, &event);
}

QPointF centre(QPoint cell) {
    return {cell.x() * 16 + 8.0, cell.y() * 16 + 8.0};
}

// Press on the first point, move over the others, let go on the last, keys held throughout.
void dragPixels(QWidget* view, Qt::MouseButton button, const std::vector<QPointF>& pixels,
                Qt::KeyboardModifiers keys = {}) {
    mouseAt(view, QEvent::MouseButtonPress, button, button, pixels.front(), keys);
    for (const QPointF& pixel : pixels) {
        mouseAt(view, QEvent::MouseMove, Qt::NoButton, button, pixel, keys);
    }
    mouseAt(view, QEvent::MouseButtonRelease, button, Qt::NoButton, pixels.back(), keys);
}

void drag(QWidget* view, Qt::MouseButton button, std::initializer_list<QPoint> cells,
          Qt::KeyboardModifiers keys = {}) {
    std::vector<QPointF> pixels;
    for (QPoint cell : cells) {
        pixels.push_back(centre(cell));
    }
    dragPixels(view, button, pixels, keys);
}

void click(QWidget* view, QPoint cell, Qt::KeyboardModifiers keys = {},
           Qt::MouseButton button = Qt::LeftButton) {
    drag(view, button, {cell}, keys);
}

void hover(QWidget* view, QPoint cell) {
    mouseAt(view, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, centre(cell), {});
}

void key(ActiveWindow& h, QKeyCombination combination) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &h.window;
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
}

LevelsetImage bytesOf(const Levelset& levelset) {
    LevelsetImage image;
    captureImage(levelset, image);
    return image;
}

QString status(ActiveWindow& h) {
    return h.window.sbStatusBar->currentMessage();
}

// Whether the map shows a 2-pixel magenta outline exactly along the edge of these cells.
bool outlined(const QImage& shown, const QRect& cells) {
    const QRect px(cells.x() * 16, cells.y() * 16, cells.width() * 16, cells.height() * 16);
    const auto ring = [&px](int x, int y) {
        return px.contains(x, y) &&
               (x < px.left() + 2 || x > px.right() - 2 || y < px.top() + 2 || y > px.bottom() - 2);
    };
    // Along the four sides and just outside and inside them.
    for (int x = px.left() - 1; x <= px.right() + 1; ++x) {
        for (int y : {px.top() - 1, px.top(), px.top() + 1, px.top() + 2, px.bottom() - 2,
                      px.bottom(), px.bottom() + 1}) {
            if (x < 0 || y < 0 || x >= 512 || y >= 512) {
                continue;
            }
            if ((shown.pixel(x, y) == kMagenta) != ring(x, y)) {
                return false;
            }
        }
    }
    for (int y = px.top(); y <= px.bottom(); ++y) {
        for (int x : {px.left(), px.left() + 1, px.left() + 2, px.right() - 2, px.right()}) {
            if ((shown.pixel(x, y) == kMagenta) != ring(x, y)) {
                return false;
            }
        }
    }
    return true;
}

int magentaPixels(const QImage& shown) {
    int count = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            count += shown.pixel(x, y) == kMagenta;
        }
    }
    return count;
}

TEST(Selecting, AShiftDragSelectsTheRectangleInsideTheLevelAndOutlinesIt) {
    struct Case {
        const char* what;
        std::vector<QPointF> pixels;
        std::optional<QRect> selected;
        const char* status;
    };
    const Case cases[] = {
        {"down and right",
         {centre({2, 1}), centre({4, 2}), centre({5, 3})},
         QRect(2, 1, 4, 3),
         "Selection: 4 x 3 at 2, 1"},
        {"up and left",
         {centre({5, 3}), centre({2, 1})},
         QRect(2, 1, 4, 3),
         "Selection: 4 x 3 at 2, 1"},
        {"one cell", {centre({7, 6})}, QRect(7, 6, 1, 1), "Selection: 1 x 1 at 7, 6"},
        {"from outside the level",
         {centre({20, 2}), centre({10, 5})},
         QRect(10, 2, 2, 4),
         "Selection: 2 x 4 at 10, 2"},
        {"out past the view's top left",
         {centre({3, 2}), QPointF(-40, -40)},
         QRect(0, 0, 4, 3),
         "Selection: 4 x 3 at 0, 0"},
        {"wholly outside the level",
         {centre({14, 1}), centre({20, 9})},
         std::nullopt,
         "Out of level"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActiveWindow h;
        h.window.state().curTile = 89;
        h.window.levelCursor->setVisible(false); // it lies over the outline where they meet
        const LevelsetImage before = bytesOf(h.window.levelset());
        dragPixels(h.window.picLevel, Qt::LeftButton, c.pixels, Qt::ShiftModifier);
        EXPECT_EQ(h.window.selection(), c.selected);
        EXPECT_EQ(status(h), QString::fromLatin1(c.status));
        if (c.selected) {
            EXPECT_TRUE(outlined(h.window.picLevel->composedImage(), *c.selected));
        } else {
            EXPECT_EQ(magentaPixels(h.window.picLevel->composedImage()), 0);
        }
        // Selecting paints nothing, makes no step and leaves the back image alone.
        EXPECT_EQ(bytesOf(h.window.levelset()), before);
        EXPECT_EQ(h.window.history().stack().count(), 0);
        EXPECT_EQ(magentaPixels(h.window.picLevel->image()), 0);
    }
}

TEST(Selecting, TheOutlineLiesOverTheTilesAndUnderTheCursor) {
    ActiveWindow h;
    h.level(0).tiles[1][2] = 89; // black with white marks
    h.window.redrawMap();
    h.level(0).startX = 2;
    h.level(0).startY = 3;
    h.window.loadLevel(0);
    drag(h.window.picLevel, Qt::LeftButton, {{2, 1}, {4, 3}}, Qt::ShiftModifier);
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(64, 48));
    hover(h.window.picLevel, {5, 5});
    hover(h.window.picLevel, {4, 3});
    const QImage shown = h.window.picLevel->composedImage();
    EXPECT_EQ(shown.pixel(32, 16), kMagenta);          // over the wall tile
    EXPECT_EQ(shown.pixel(79, 63), qRgb(255, 128, 0)); // the cursor on the corner cell
    EXPECT_EQ(shown.pixel(60, 63), kMagenta);
    // Over the start marker on its bottom left cell.
    EXPECT_EQ(shown.pixel(32, 48), kMagenta);
    EXPECT_EQ(shown.pixel(46, 48), qRgb(128, 255, 128));
    EXPECT_EQ(status(h), QStringLiteral("X: 4, Y: 3, Tile: 0"));
}

TEST(Selecting, WhatClearsTheSelectionAndWhatKeepsIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("zvrhlabc.vrh"));
    ASSERT_FALSE(writeLevelsetFile(Levelset{}, file).has_value());
    using H = ActiveWindow;
    struct Case {
        const char* what;
        std::function<void(H&)> act;
        std::optional<QRect> after;
    };
    const QRect selected(2, 1, 4, 3);
    const Case cases[] = {
        {"Escape", [](H& h) { key(h, Qt::Key_Escape); }, std::nullopt},
        {"a plain left click, which paints as ever",
         [](H& h) {
             click(h.window.picLevel, {9, 6});
             EXPECT_EQ(h.level(0).tiles[6][9], 89);
         },
         std::nullopt},
        {"a plain left click outside the level",
         [](H& h) {
             click(h.window.picLevel, {20, 6});
         },
         std::nullopt},
        {"another level",
         [](H& h) {
             h.window.levelset().numLevels = 2;
             key(h, Qt::Key_F8);
         },
         std::nullopt},
        {"New",
         [](H& h) {
             h.messages.answers = {MessageAnswer::No};
             key(h, Qt::CTRL | Qt::Key_N);
         },
         std::nullopt},
        {"Open",
         [&file](H& h) {
             h.messages.answers = {MessageAnswer::No};
             h.dialogs.answers = {file};
             key(h, Qt::CTRL | Qt::Key_O);
         },
         std::nullopt},
        {"a cancelled Open",
         [](H& h) {
             h.messages.answers = {MessageAnswer::No};
             h.dialogs.answers = {std::nullopt};
             key(h, Qt::CTRL | Qt::Key_O);
         },
         selected},
        {"choosing a tile",
         [](H& h) {
             click(h.window.picTiles, {1, 2});
         },
         selected},
        {"Cut", [](H& h) { key(h, Qt::CTRL | Qt::Key_X); }, selected},
        {"Delete", [](H& h) { key(h, Qt::Key_Delete); }, selected},
        {"Fill Selection", [](H& h) { key(h, Qt::CTRL | Qt::Key_B); }, selected},
        {"a fill",
         [](H& h) {
             click(h.window.picLevel, {3, 2}, Qt::ControlModifier);
         },
         selected},
        {"undo on the same level",
         [](H& h) {
             key(h, Qt::CTRL | Qt::Key_B);
             key(h, Qt::CTRL | Qt::Key_Z);
         },
         selected},
        {"a narrower level keeps what is left inside",
         [](H& h) {
             for (int i = 0; i < 4; ++i) {
                 h.window.mnuLevelIncreaseWidth_Click();
             }
             h.window.mnuEditSelectAll_Click();
             key(h, Qt::Key_F1);
             key(h, Qt::Key_F1);
         },
         QRect(0, 0, 14, 8)},
        {"Select All", [](H& h) { key(h, Qt::CTRL | Qt::Key_A); }, QRect(0, 0, 12, 8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActiveWindow h;
        h.window.state().curTile = 89;
        drag(h.window.picLevel, Qt::LeftButton, {{2, 1}, {5, 3}}, Qt::ShiftModifier);
        ASSERT_EQ(h.window.selection(), selected);
        c.act(h);
        EXPECT_EQ(h.window.selection(), c.after);
        EXPECT_EQ(magentaPixels(h.window.picLevel->composedImage()) > 0, c.after.has_value());
        EXPECT_TRUE(h.messages.answers.empty());
    }
}

TEST(EditEntries, RegionEntriesAreGreyedUntilTheyCanAct) {
    ActiveWindow h;
    QAction* const regionEntries[] = {h.window.mnuEditCut, h.window.mnuEditCopy,
                                      h.window.mnuEditDelete, h.window.mnuEditFill};
    const auto expectRegionEntries = [&](bool enabled) {
        for (QAction* entry : regionEntries) {
            EXPECT_EQ(entry->isEnabled(), enabled) << entry->objectName().toStdString();
        }
        EXPECT_TRUE(h.window.mnuEditSelectAll->isEnabled());
    };
    expectRegionEntries(false);
    // Greyed, their keys do nothing.
    h.level(0).tiles[0][0] = 89;
    key(h, Qt::Key_Delete);
    key(h, Qt::CTRL | Qt::Key_X);
    EXPECT_EQ(h.level(0).tiles[0][0], 89);
    key(h, Qt::CTRL | Qt::Key_A);
    expectRegionEntries(true);
    key(h, Qt::Key_Escape);
    expectRegionEntries(false);

    // The menu shows the image list's pictures beside Cut, Copy and Paste.
    for (QAction* entry : {h.window.mnuEditCut, h.window.mnuEditCopy, h.window.mnuEditPaste}) {
        const QString picture = entry->objectName().mid(7); // after "mnuEdit"
        EXPECT_EQ(entry->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
                  toolbarIcon(picture).toImage().convertToFormat(QImage::Format_ARGB32))
            << picture.toStdString();
    }
}

TEST(EditEntries, PasteFollowsWhatTheClipboardHolds) {
    ActiveWindow h;
    QClipboard* clipboard = QGuiApplication::clipboard();
    struct Case {
        const char* what;
        std::function<void()> put;
        bool pasteable;
    };
    const Case cases[] = {
        {"words", [clipboard] { clipboard->setText(QStringLiteral("Level 2")); }, false},
        {"cell text", [clipboard] { clipboard->setText(QStringLiteral("1, 2\n3, 4\n")); }, true},
        {"nothing", [clipboard] { clipboard->clear(); }, false},
        {"the cells type",
         [clipboard] {
             auto* data = new QMimeData;
             data->setData(QStringLiteral("application/x-vrhedit-cells"), "\x01\x01\x07");
             clipboard->setMimeData(data);
         },
         true},
        {"a picture alone",
         [clipboard] { clipboard->setImage(QImage(4, 4, QImage::Format_RGB32)); }, false},
        {"broken cell text, refused when pasted",
         [clipboard] { clipboard->setText(QStringLiteral("1,,2")); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.put();
        EXPECT_EQ(h.window.mnuEditPaste->isEnabled(), c.pasteable);
    }
    // A change the window was not told of shows when the menu opens.
    {
        const QSignalBlocker quiet(clipboard);
        clipboard->setText(QStringLiteral("Level 2"));
    }
    ASSERT_TRUE(h.window.mnuEditPaste->isEnabled());
    QMenu* edit = h.window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    ASSERT_NE(edit, nullptr);
    edit->popup(QPoint(0, 0));
    EXPECT_FALSE(h.window.mnuEditPaste->isEnabled());
    edit->close();
}

// Level 1 with a 2 x 2 block at (1, 1): 89, 14 over 54, 1.
void prepareBlock(ActiveWindow& h) {
    h.level(0).tiles[1][1] = 89;
    h.level(0).tiles[1][2] = 14;
    h.level(0).tiles[2][1] = 54;
    h.level(0).tiles[2][2] = 1;
    h.window.redrawMap();
    drag(h.window.picLevel, Qt::LeftButton, {{1, 1}, {2, 2}}, Qt::ShiftModifier);
}

TEST(Clipboard, CopyPutsTheCellsTextAndPictureOnTheClipboard) {
    ActiveWindow h;
    prepareBlock(h);
    const LevelsetImage before = bytesOf(h.window.levelset());
    key(h, Qt::CTRL | Qt::Key_C);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(QStringLiteral("application/x-vrhedit-cells")),
              QByteArray("\x02\x02\x59\x0e\x36\x01", 6));
    EXPECT_EQ(data->text(), QStringLiteral("89, 14\n54, 1\n"));
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    ASSERT_EQ(picture.size(), QSize(32, 32));
    // The tiles alone, as the map shows them under its outline and markers.
    const QImage map = h.window.picLevel->image();
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), map.copy(16, 16, 32, 32));
    EXPECT_EQ(bytesOf(h.window.levelset()), before);
    EXPECT_EQ(h.window.history().stack().count(), 0);
}

TEST(Clipboard, CutCopiesThenLeavesTheFloorOfTheLevelsType) {
    for (const std::uint8_t type : {0, 1}) {
        SCOPED_TRACE(int(type));
        ActiveWindow h;
        h.level(0).levelType = type;
        h.window.loadLevel(0);
        prepareBlock(h);
        const LevelsetImage before = bytesOf(h.window.levelset());
        key(h, Qt::CTRL | Qt::Key_X);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("89, 14\n54, 1\n"));
        for (const QPoint cell : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2), QPoint(2, 2)}) {
            EXPECT_EQ(h.level(0).tiles[cell.y()][cell.x()], type);
        }
        EXPECT_TRUE(h.mapShows(h.level(0)));
        EXPECT_EQ(h.window.mnuEditUndo->text(), QStringLiteral("&Undo Cut"));
        key(h, Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(bytesOf(h.window.levelset()), before);
    }
}

TEST(Paste, TheCellsFloatUnderThePointerAndAClickPlacesThemOnceOnAnotherLevel) {
    ActiveWindow h;
    h.window.state().curTile = 7;
    prepareBlock(h);
    key(h, Qt::CTRL | Qt::Key_C);
    h.window.levelset().numLevels = 2;
    key(h, Qt::Key_F8);
    const LevelRecord second = h.level(1);
    key(h, Qt::CTRL | Qt::Key_V);
    ASSERT_TRUE(h.window.pasteFloating());
    h.window.levelCursor->setVisible(false); // it follows the pointer onto the outline
    // Nothing shows before the pointer is over the map.
    EXPECT_EQ(magentaPixels(h.window.picLevel->composedImage()), 0);

    hover(h.window.picLevel, {6, 3});
    hover(h.window.picLevel, {5, 4});
    QImage shown = h.window.picLevel->composedImage();
    EXPECT_TRUE(outlined(shown, QRect(5, 4, 2, 2)));
    EXPECT_EQ(magentaPixels(shown), 4 * 32 * 2 - 4 * 4);
    // Drawn as it will land: the inside of (6, 5) shows tile 1, the floor that is not there.
    const QImage sheet = prepareTileSheet(h.window.picTileset->image());
    EXPECT_EQ(shown.copy(6 * 16 + 2, 5 * 16 + 2, 12, 12), sheet.copy(16 + 2, 0 + 2, 12, 12));
    EXPECT_EQ(h.level(1).tiles, second.tiles);
    EXPECT_TRUE(h.mapShows(h.level(1)));

    click(h.window.picLevel, {5, 4});
    EXPECT_FALSE(h.window.pasteFloating());
    EXPECT_EQ(h.level(1).tiles[4][5], 89);
    EXPECT_EQ(h.level(1).tiles[4][6], 14);
    EXPECT_EQ(h.level(1).tiles[5][5], 54);
    EXPECT_EQ(h.level(1).tiles[5][6], 1);
    EXPECT_EQ(h.level(1).headerBytes(), second.headerBytes()); // markers stay
    EXPECT_TRUE(h.mapShows(h.level(1)));
    EXPECT_EQ(h.window.selection(), QRect(5, 4, 2, 2));
    EXPECT_EQ(h.window.mnuEditUndo->text(), QStringLiteral("&Undo Paste"));
    EXPECT_EQ(h.window.history().stack().count(), 1);

    // Placed once: the next click paints as ever.
    click(h.window.picLevel, {8, 1});
    EXPECT_EQ(h.level(1).tiles[1][8], 7);
    EXPECT_EQ(h.level(1).tiles[4][5], 89);
}

TEST(Paste, CellsThatFallOutsideTheLevelAreLeftOut) {
    ActiveWindow h;
    QGuiApplication::clipboard()->setText(QStringLiteral("7, 8, 9\n10, 11, 12\n"));
    key(h, Qt::CTRL | Qt::Key_V);
    h.window.levelCursor->setVisible(false);
    // The top-left follows any cell of the level; outside it stays on the last one inside.
    hover(h.window.picLevel, {11, 6});
    hover(h.window.picLevel, {14, 9});
    EXPECT_TRUE(outlined(h.window.picLevel->composedImage(), QRect(11, 6, 1, 2)));
    // A press outside the level places nothing.
    click(h.window.picLevel, {14, 9});
    EXPECT_TRUE(h.window.pasteFloating());
    EXPECT_EQ(status(h), QStringLiteral("Out of level"));
    // A drag after the placing press paints nothing.
    h.window.state().curTile = 89;
    drag(h.window.picLevel, Qt::LeftButton, {{11, 6}, {10, 6}, {9, 6}});
    EXPECT_EQ(h.level(0).tiles[6][11], 7);
    EXPECT_EQ(h.level(0).tiles[7][11], 10);
    EXPECT_EQ(h.level(0).tiles[6][10], 0);
    EXPECT_EQ(h.level(0).tiles[6][12], 0); // beyond the width
    EXPECT_EQ(h.window.selection(), QRect(11, 6, 1, 2));
}

TEST(Paste, EscapeOrARightClickCancelsAndThatClickDoesNothingElse) {
    using H = ActiveWindow;
    const std::pair<const char*, std::function<void(H&)>> cancels[] = {
        {"Escape", [](H& h) { key(h, Qt::Key_Escape); }},
        {"a right click in Set Positions",
         [](H& h) {
             click(h.window.picLevel, {3, 3}, {}, Qt::RightButton);
         }},
        {"a right drag in Random Wall Tile",
         [](H& h) {
             h.window.mnuToolsMouseChoice_Click(RandomWall);
             drag(h.window.picLevel, Qt::RightButton, {{3, 3}, {4, 3}, {5, 3}});
         }},
    };
    for (const auto& [what, cancel] : cancels) {
        SCOPED_TRACE(what);
        ActiveWindow h;
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        drag(h.window.picLevel, Qt::LeftButton, {{0, 0}, {1, 1}}, Qt::ShiftModifier);
        const LevelsetImage before = bytesOf(h.window.levelset());
        key(h, Qt::CTRL | Qt::Key_V);
        hover(h.window.picLevel, {3, 3});
        cancel(h);
        EXPECT_FALSE(h.window.pasteFloating());
        EXPECT_TRUE(h.window.opened.empty());
        EXPECT_EQ(bytesOf(h.window.levelset()), before);
        EXPECT_EQ(h.window.history().stack().count(), 0);
        // The selection from before the paste stays; only its outline is left.
        EXPECT_EQ(h.window.selection(), QRect(0, 0, 2, 2));
        EXPECT_EQ(magentaPixels(h.window.picLevel->composedImage()), 4 * 32 * 2 - 4 * 4);
        click(h.window.picLevel, {6, 6});
        EXPECT_EQ(h.window.history().stack().count(), 0); // painted 0 over 0
        EXPECT_FALSE(h.window.pasteFloating());
    }
}

TEST(Paste, WhatTheClipboardCannotGiveIsRefusedSayingWhyAndChangesNothing) {
    struct Case {
        std::function<void(QClipboard*)> put;
        const char* message;
    };
    const Case cases[] = {
        {[](QClipboard* c) { c->setText(QStringLiteral("1, 2\n3, 300\n")); },
         "Line 2: 300 is above 255."},
        {[](QClipboard* c) { c->setText(QStringLiteral("1, 2\n\n3, 4\n")); },
         "Line 2 is blank: the rows must follow each other."},
        {[](QClipboard* c) {
             auto* data = new QMimeData;
             data->setData(QStringLiteral("application/x-vrhedit-cells"), "\x02\x02\x01");
             data->setText(QStringLiteral("1, 2"));
             c->setMimeData(data);
         },
         "The cells on the clipboard hold 1 code, but 2 x 2 cells need 4."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ActiveWindow h;
        c.put(QGuiApplication::clipboard());
        const LevelsetImage before = bytesOf(h.window.levelset());
        h.messages.answers = {MessageAnswer::Ok};
        key(h, Qt::CTRL | Qt::Key_V);
        ASSERT_EQ(h.messages.asked.size(), 1u);
        EXPECT_EQ(h.messages.asked[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(h.messages.asked[0].title, QStringLiteral("Varnhold: Levelset Editor"));
        EXPECT_EQ(h.messages.asked[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(h.messages.asked[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(h.window.pasteFloating());
        hover(h.window.picLevel, {2, 2});
        click(h.window.picLevel, {2, 2}, Qt::ShiftModifier);
        EXPECT_EQ(bytesOf(h.window.levelset()), before);
    }
}

// Level 1: a closed room of wall at the top left, the rest floor.
void prepareRoom(ActiveWindow& h) {
    for (int i = 0; i < 4; ++i) {
        h.level(0).tiles[3][i] = 89;
        h.level(0).tiles[i][3] = 89;
    }
    h.level(0).tiles[7][11] = 89;
    h.window.redrawMap();
    h.window.state().curTile = 7;
}

TEST(FillAndReplace, CtrlClicksFillAndReplaceInsideTheSelectionOrTheLevel) {
    struct Case {
        const char* what;
        std::optional<QRect> selection;
        QPoint cell;
        Qt::KeyboardModifiers keys;
        const char* status;
        const char* step; // none when nothing changes
        int sevens;
    };
    const Case cases[] = {
        {"a flood fill of the room",
         std::nullopt,
         {0, 0},
         Qt::ControlModifier,
         "Filled 9 cells",
         "Fill",
         9},
        {"a flood fill outside the room",
         std::nullopt,
         {8, 2},
         Qt::ControlModifier,
         "Filled 79 cells",
         "Fill",
         79},
        {"a flood fill in the selection",
         QRect(4, 0, 3, 2),
         {5, 1},
         Qt::ControlModifier,
         "Filled 6 cells",
         "Fill",
         6},
        {"a replace",
         std::nullopt,
         {3, 0},
         Qt::ControlModifier | Qt::ShiftModifier,
         "Replaced 8 cells",
         "Replace",
         8},
        {"a replace in the selection",
         QRect(2, 2, 10, 6),
         {11, 7},
         Qt::ControlModifier | Qt::ShiftModifier,
         "Replaced 4 cells",
         "Replace",
         4},
        {"outside the selection",
         QRect(4, 0, 3, 2),
         {0, 0},
         Qt::ControlModifier,
         "Outside the selection",
         nullptr,
         0},
        {"a replace outside the selection",
         QRect(4, 0, 3, 2),
         {0, 0},
         Qt::ControlModifier | Qt::ShiftModifier,
         "Outside the selection",
         nullptr,
         0},
        {"outside the level",
         std::nullopt,
         {15, 0},
         Qt::ControlModifier,
         "Out of level",
         nullptr,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActiveWindow h;
        prepareRoom(h);
        if (c.selection) {
            drag(h.window.picLevel, Qt::LeftButton,
                 {c.selection->topLeft(), c.selection->bottomRight()}, Qt::ShiftModifier);
        }
        const LevelsetImage before = bytesOf(h.window.levelset());
        // A drag after the press fills nothing more and paints nothing.
        const QPoint next = c.cell + QPoint(c.cell.x() > 0 ? -1 : 1, 0);
        drag(h.window.picLevel, Qt::LeftButton, {c.cell, next}, c.keys);
        EXPECT_EQ(status(h), QString::fromLatin1(c.status));
        int sevens = 0;
        for (const auto& row : h.level(0).tiles) {
            sevens += static_cast<int>(std::count(row.begin(), row.end(), 7));
        }
        EXPECT_EQ(sevens, c.sevens);
        EXPECT_TRUE(h.mapShows(h.level(0)));
        EXPECT_EQ(h.window.selection(), c.selection);
        if (c.step) {
            EXPECT_EQ(h.window.mnuEditUndo->text(), QStringLiteral("&Undo ") + c.step);
            EXPECT_EQ(h.window.history().stack().count(), 1);
            key(h, Qt::CTRL | Qt::Key_Z);
            EXPECT_EQ(bytesOf(h.window.levelset()), before);
        } else {
            EXPECT_EQ(h.window.history().stack().count(), 0);
        }
    }
}

TEST(FillAndReplace, AFillThatChangesNothingMakesNoStep) {
    ActiveWindow h;
    prepareRoom(h);
    h.window.state().curTile = 89;
    click(h.window.picLevel, {3, 0}, Qt::ControlModifier);
    EXPECT_EQ(status(h), QStringLiteral("Filled 0 cells"));
    click(h.window.picLevel, {3, 0}, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(status(h), QStringLiteral("Replaced 0 cells"));
    EXPECT_EQ(h.window.history().stack().count(), 0);
}

TEST(Focus, AClickOnTheMapOrThePaletteTakesTheKeysFromATextBox) {
    ActiveWindow h;
    for (QWidget* view :
         {static_cast<QWidget*>(h.window.picLevel), static_cast<QWidget*>(h.window.picTiles)}) {
        h.window.txtTime->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), h.window.txtTime);
        QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
        EXPECT_EQ(QApplication::focusWidget(), view);
        // Ctrl+A now selects the map, not the box's text.
        key(h, Qt::CTRL | Qt::Key_A);
        EXPECT_EQ(h.window.selection(), QRect(0, 0, 12, 8));
        EXPECT_TRUE(h.window.txtTime->selectedText().isEmpty());
        key(h, Qt::Key_Escape);
    }
}

} // namespace
} // namespace vrh
