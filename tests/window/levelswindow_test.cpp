// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowharness.h"

#include "map/leveloverview.h"
#include "window/dialogs/frmlevels.h"

#include <QLineEdit>

#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

namespace vrh {
namespace {

using testing::ActiveWindow;

const QRgb kOrange = qRgb(255, 128, 0);

frmLevels* openLevelsWindow(ActiveWindow& h) {
    h.key(Qt::Key_F9);
    frmLevels* levels = h.window.levelsWindow();
    EXPECT_NE(levels, nullptr);
    return levels;
}

// The window made active, as a click on it makes it.
void activate(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButtons held, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, {});
    QApplication::sendEvent(widget, &event);
}

// A press on one picture, a move within it and moves in small steps to another point, let go
// there; midway runs with the button still held.
void dragPicture(frmLevels* levels, int from, QPoint to, const std::function<void()>& midway = {}) {
    QPoint at = frmLevels::pictureRect(from).center();
    mouse(levels, QEvent::MouseButtonPress, Qt::LeftButton, at);
    at += QPoint(0, 30);
    mouse(levels, QEvent::MouseMove, Qt::LeftButton, at);
    while (at != to) {
        at += QPoint(std::clamp(to.x() - at.x(), -20, 20), std::clamp(to.y() - at.y(), -20, 20));
        mouse(levels, QEvent::MouseMove, Qt::LeftButton, at);
    }
    if (midway) {
        midway();
    }
    mouse(levels, QEvent::MouseButtonRelease, Qt::NoButton, to);
}

// The window as it paints itself: every level of the set as its picture at 4 pixels a cell in
// its place, its start light green and its finish green, its passcode under it, the current
// one, and no other, framed in orange.
void expectShown(ActiveWindow& h, frmLevels* levels) {
    const QImage sheet = prepareOverviewSheet(prepareTileSheet(h.window.picTileset->image()));
    const QImage shot = levels->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int position = 0; position < h.window.levelset().numLevels; ++position) {
        SCOPED_TRACE(position);
        const QRect r = frmLevels::pictureRect(position);
        const LevelRecord& level = h.level(position);
        QImage expected = drawLevelOverview(level, sheet);
        for (const auto& [x, y, colour] : {std::tuple{level.startX, level.startY, 0x80ff80},
                                           std::tuple{level.finishX, level.finishY, 0x00c000}}) {
            for (int pixel = 0; pixel < 16; ++pixel) {
                expected.setPixel(x * 4 + pixel % 4, y * 4 + pixel / 4, 0xff000000 | colour);
            }
        }
        EXPECT_EQ(shot.copy(r), expected);
        EXPECT_EQ(levels->passcodeShown(position),
                  position == 0
                      ? QStringLiteral("None")
                      : QString::fromLatin1(h.window.levelset().passcodes[position - 1].text()));
        const int k = frmLevels::kFrame;
        const bool framed = shot.pixel(r.center().x(), r.top() - k) == kOrange &&
                            shot.pixel(r.left() - 1, r.center().y()) == kOrange &&
                            shot.pixel(r.right() + k, r.bottom() + 1) == kOrange;
        EXPECT_EQ(framed, position == h.window.state().curLevel);
    }
}

// Four levels told apart by their first cell: 10, 11, 12, 13.
void fourMarkedLevels(ActiveWindow& h, int current) {
    for (int index = 0; index < 4; ++index) {
        h.level(index).tiles[0][0] = static_cast<std::uint8_t>(10 + index);
        h.level(index).width = static_cast<std::uint8_t>(12 + index);
    }
    h.showLevel(4, current);
}

TEST(LevelsWindow, F9ShowsItWhereItWasLeftAndClosingItUnchecksTheEntry) {
    const QPoint placed(12, 34); // on the small screen of the Windows runs too
    {
        ActiveWindow h;
        frmLevels* levels = openLevelsWindow(h);
        ASSERT_NE(levels, nullptr);
        EXPECT_TRUE(levels->isVisible());
        EXPECT_EQ(levels->windowTitle(), QStringLiteral("Levels"));
        EXPECT_EQ(levels->windowType(), Qt::Tool);
        EXPECT_EQ(levels->parentWidget(), &h.window);
        EXPECT_TRUE(h.window.mnuViewLevels->isChecked());
        levels->move(placed);

        levels->close(); // as its title bar's close button does
        EXPECT_FALSE(levels->isVisible());
        EXPECT_FALSE(h.window.mnuViewLevels->isChecked());
        h.window.mnuViewLevels->trigger();
        EXPECT_TRUE(levels->isVisible());
        EXPECT_TRUE(h.window.mnuViewLevels->isChecked());
        h.window.mnuViewLevels->trigger();
        EXPECT_FALSE(levels->isVisible());
        EXPECT_FALSE(h.window.mnuViewLevels->isChecked());
    }
    // The next run opens it where it was.
    ActiveWindow h;
    frmLevels* levels = openLevelsWindow(h);
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->pos(), placed);
}

TEST(LevelsWindow, AClickGoesToALevelAndADragMovesItAsOneStepThatUndoTakesBack) {
    struct Case {
        const char* gesture;
        int current;
        int press;
        int releaseOn; // a position, up to 7 for the empty slots after the set
        bool drag;
        std::vector<int> order; // the first cells of positions 0 to 3 after it
        int currentAfter;
    };
    const Case cases[] = {
        {"click on another level", 0, 2, 2, false, {10, 11, 12, 13}, 2},
        {"click on the current level", 1, 1, 1, false, {10, 11, 12, 13}, 1},
        {"press on one, let go on another without moving", 0, 2, 3, false, {10, 11, 12, 13}, 0},
        {"drag the current level later", 0, 0, 2, true, {11, 12, 10, 13}, 2},
        {"drag a level earlier past the current", 2, 3, 1, true, {10, 13, 11, 12}, 3},
        {"drag onto an empty slot", 0, 1, 6, true, {10, 12, 13, 11}, 0},
        {"drag back onto its own place", 0, 1, 1, true, {10, 11, 12, 13}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gesture);
        ActiveWindow h;
        fourMarkedLevels(h, c.current);
        frmLevels* levels = openLevelsWindow(h);
        ASSERT_NE(levels, nullptr);
        const LevelsetImage before = h.bytes();
        const QPoint to = frmLevels::pictureRect(c.releaseOn).center();

        if (c.drag) {
            dragPicture(levels, c.press, to);
        } else {
            const QPoint from = frmLevels::pictureRect(c.press).center();
            mouse(levels, QEvent::MouseButtonPress, Qt::LeftButton, from);
            mouse(levels, QEvent::MouseButtonRelease, Qt::NoButton,
                  c.press == c.releaseOn ? from : to);
        }
        for (int position = 0; position < 4; ++position) {
            EXPECT_EQ(h.level(position).tiles[0][0], c.order[position]) << position;
        }
        EXPECT_EQ(h.window.state().curLevel, c.currentAfter);
        EXPECT_TRUE(h.mapShows(h.level(c.currentAfter)));
        expectShown(h, levels);

        const bool moved = c.order != std::vector<int>{10, 11, 12, 13};
        ASSERT_EQ(h.window.history().stack().count(), moved ? 1 : 0);
        if (!moved) {
            continue;
        }
        EXPECT_EQ(h.window.history().stack().undoText(), QStringLiteral("Move Level"));
        // Ctrl+Z works in the Levels window itself.
        activate(levels);
        QTest::keyClick(levels, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(h.bytes(), before);
        EXPECT_EQ(h.window.state().curLevel, c.current);
        expectShown(h, levels);
    }
    // A change of the levelset while a drag is under way ends the drag without a move.
    for (const auto& [key, undoText] :
         {std::pair{Qt::CTRL | Qt::Key_I, "Insert a Level"}, std::pair{Qt::CTRL | Qt::Key_Z, ""}}) {
        SCOPED_TRACE(undoText);
        ActiveWindow h;
        fourMarkedLevels(h, 0);
        h.key(Qt::Key_F6); // Add Level: a step to undo
        frmLevels* levels = openLevelsWindow(h);
        ASSERT_NE(levels, nullptr);
        dragPicture(levels, 1, frmLevels::pictureRect(3).center(), [&] { h.key(key); });
        EXPECT_EQ(h.window.history().stack().undoText(), QString::fromLatin1(undoText));
        EXPECT_EQ(h.level(1).tiles[0][0], key == (Qt::CTRL | Qt::Key_I) ? 10 : 11);
    }
}

// Each change draws the pictures of the levels it changed and no other.
TEST(LevelsWindow, PicturesFollowEveryChangeDrawingOnlyTheChangedLevels) {
    struct Change {
        const char* what;
        std::function<void(ActiveWindow&)> make;
        int picturesDrawn;
    };
    const auto paint = [](ActiveWindow& h) {
        h.window.state().curTile = 89;
        testing::drag(h.window.picLevel, {{3, 2}});
    };
    const auto key = [](QKeyCombination combination) {
        return [combination](ActiveWindow& h) { h.key(combination); };
    };
    const Change changes[] = {
        {"a one-cell paint step", paint, 1},
        {"its undo", key(Qt::CTRL | Qt::Key_Z), 1},
        {"its redo", key(Qt::CTRL | Qt::Key_Y), 1},
        {"Next, which is no step", key(Qt::Key_F8), 0},
        {"a paint step on the second level", paint, 1},
        {"Increase Width", key(Qt::Key_F2), 1},
        {"a passcode typed: only the band under the picture",
         [](ActiveWindow& h) {
             h.window.txtPasscode->setFocus();
             QTest::keyClicks(h.window.txtPasscode, QStringLiteral("QZ"));
         },
         0},
        {"Remove a Level", key(Qt::Key_F5), 0},
        {"Add a Level brings back the same record", key(Qt::Key_F6), 0},
        {"New",
         [](ActiveWindow& h) {
             h.messages.answers = {MessageAnswer::No};
             h.key(Qt::CTRL | Qt::Key_N);
         },
         1},
    };
    ActiveWindow h;
    h.level(1).tiles[5][5] = 14;
    h.level(2).tiles[6][6] = 54;
    h.showLevel(3, 0);
    frmLevels* levels = openLevelsWindow(h);
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->picturesDrawn(), 3);
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        const int drawn = levels->picturesDrawn();
        change.make(h);
        EXPECT_EQ(levels->picturesDrawn() - drawn, change.picturesDrawn);
        expectShown(h, levels);
    }
}

} // namespace
} // namespace vrh
