// SPDX-License-Identifier: GPL-3.0-or-later
// The map's zoom with real mouse and wheel events: what a gesture points at, the wheel, what
// is shown, and the View menu's entries.
#include "windowharness.h"

#include <QScrollBar>
#include <QSettings>
#include <QWheelEvent>

namespace vrh {
namespace {

using testing::ActiveWindow;

// Positions are pixels of the map's drawing area as the screen shows them.
void mouseAt(ActiveWindow& h, QEvent::Type type, Qt::MouseButtons held, QPoint at) {
    const QPointF local = at + QPointF(2, 2);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, h.window.picLevel->mapToGlobal(local), button, held, {});
    QApplication::sendEvent(h.window.picLevel, &event);
}

void click(ActiveWindow& h, QPoint at) {
    mouseAt(h, QEvent::MouseButtonPress, Qt::LeftButton, at);
    mouseAt(h, QEvent::MouseButtonRelease, Qt::NoButton, at);
}

void wheel(ActiveWindow& h, QPoint at, int turned, Qt::KeyboardModifiers keys = {}) {
    const QPointF local = at + QPointF(2, 2);
    QWheelEvent event(local, h.window.picLevel->mapToGlobal(local), {}, {0, turned}, Qt::NoButton,
                      keys, Qt::NoScrollPhase, false);
    QApplication::sendEvent(h.window.picLevel, &event);
}

void zoomTo(ActiveWindow& h, int zoom) {
    h.window.mnuViewActualSize_Click();
    for (int step = 1; step < zoom; ++step) {
        h.window.mnuViewZoomIn_Click();
    }
}

// The cells of the level that hold 89, row by row.
std::vector<QPoint> painted(ActiveWindow& h) {
    std::vector<QPoint> cells;
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            if (h.level(0).tiles[y][x] == 89) {
                cells.emplace_back(x, y);
            }
        }
    }
    return cells;
}

struct FullLevel : ActiveWindow {
    FullLevel() {
        setSize(kGridSize, kGridSize);
        window.state().curTile = 89;
    }
    MapZoom& zoom() { return window.picLevel->zoom(); }
};

TEST(Zoom, AClickPaintsTheCellItPointsAtAtEveryZoomAndScroll) {
    const struct {
        int zoom;
        QPoint scroll;
        QPoint at;
        QPoint cell;
    } cases[] = {
        {1, {0, 0}, {47, 48}, {2, 3}},
        {3, {0, 0}, {47, 48}, {0, 1}}, // the cell's last pixel and the next one's first
        {3, {100, 250}, {10, 10}, {2, 5}},
        {4, {1280, 1500}, {30, 40}, {20, 24}},
    };
    FullLevel h;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        h.level(0).tiles = {};
        zoomTo(h, c.zoom);
        h.zoom().acrossBar()->setValue(c.scroll.x());
        h.zoom().downBar()->setValue(c.scroll.y());
        ASSERT_EQ(h.zoom().scroll(), c.scroll);
        click(h, c.at);
        EXPECT_EQ(painted(h), std::vector<QPoint>{c.cell});
    }
}

TEST(Zoom, CtrlWheelZoomsKeepingTheCellUnderThePointerAndTheWheelScrolls) {
    FullLevel h;
    const QPoint at(200, 120); // cell (12, 7)
    for (int zoom : {2, 3, 4, 4}) {
        wheel(h, at, 120, Qt::ControlModifier);
        EXPECT_EQ(h.zoom().zoom(), zoom);
        h.level(0).tiles = {};
        click(h, at);
        EXPECT_EQ(painted(h), std::vector<QPoint>(1, QPoint(12, 7))) << zoom;
    }
    // A wheel that turns in half notches zooms at every second one.
    wheel(h, at, -60, Qt::ControlModifier);
    EXPECT_EQ(h.zoom().zoom(), 4);
    wheel(h, at, -60, Qt::ControlModifier);
    EXPECT_EQ(h.zoom().zoom(), 3);

    // A notch scrolls three cells: down towards oneself, Shift sideways.
    const QPoint before = h.zoom().scroll();
    wheel(h, at, -120);
    EXPECT_EQ(h.zoom().scroll(), before + QPoint(0, 3 * 48));
    wheel(h, at, -120, Qt::ShiftModifier);
    EXPECT_EQ(h.zoom().scroll(), before + QPoint(3 * 48, 3 * 48));
    h.window.mnuViewActualSize_Click();
    wheel(h, at, -120);
    EXPECT_EQ(h.zoom().scroll(), QPoint(0, 0));
    EXPECT_FALSE(h.zoom().downBar()->isVisible());
}

TEST(Zoom, ADragPastTheEdgeScrollsTheMapOnAndAHoverLeavesIt) {
    FullLevel h;
    zoomTo(h, 3);
    const int bottom = h.window.picLevel->shownRect().bottom();
    mouseAt(h, QEvent::MouseMove, Qt::NoButton, {24, bottom}); // row 10, half in sight
    EXPECT_EQ(h.window.levelCursor->position(), QPoint(0, 10 * 16));
    EXPECT_EQ(h.zoom().scroll(), QPoint(0, 0));

    mouseAt(h, QEvent::MouseButtonPress, Qt::LeftButton, {24, 24});
    for (int row : {10, 11, 12}) {
        mouseAt(h, QEvent::MouseMove, Qt::LeftButton, {24, bottom + 6});
        EXPECT_EQ(h.level(0).tiles[row][0], 89);
        EXPECT_EQ(h.zoom().scroll(), QPoint(0, (row + 1) * 48 - (bottom + 1))) << row;
    }
    mouseAt(h, QEvent::MouseButtonRelease, Qt::NoButton, {24, bottom + 6});
    EXPECT_EQ(painted(h).size(), 13u);
}

// The tiles, the grid, the markers and the selection grow as one picture, each pixel a block.
TEST(Zoom, TheMapIsShownEnlargedPixelForPixelWithAllThatLiesOverIt) {
    FullLevel h;
    h.level(0).tiles[3][4] = 89;
    h.window.mnuViewGrid_Click();
    h.window.mnuEditSelectAll_Click();
    h.window.moveLevelCursor({5, 3});
    for (int zoom : {1, 3}) {
        zoomTo(h, zoom);
        h.zoom().scrollBy({100, 50});
        const QRect shown = h.window.picLevel->shownRect();
        const QImage expected = h.window.picLevel->composedImage()
                                    .scaled(512 * zoom, 512 * zoom)
                                    .copy(QRect(h.zoom().scroll(), shown.size()));
        const QImage grabbed = h.window.picLevel->grab(shown.translated(2, 2)).toImage();
        EXPECT_EQ(grabbed.convertToFormat(QImage::Format_RGB32), expected) << zoom;
    }
}

TEST(Zoom, TheZoomIsRememberedAndGreysItsEntriesAtTheEnds) {
    {
        ActiveWindow h;
        EXPECT_FALSE(h.window.mnuViewZoomOut->isEnabled());
        zoomTo(h, 4);
        EXPECT_FALSE(h.window.mnuViewZoomIn->isEnabled());
        EXPECT_TRUE(h.window.mnuViewZoomOut->isEnabled());
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VrhEdit"),
                       QStringLiteral("VrhEdit"));
    for (const auto& [stored, shown] : {std::pair{"", 4}, {"9", 4}, {"0", 1}, {"x", 1}, {"2", 2}}) {
        if (*stored) {
            settings.setValue(QStringLiteral("mapZoom"), QString::fromLatin1(stored));
            settings.sync();
        }
        ActiveWindow h;
        EXPECT_EQ(h.window.picLevel->zoom().zoom(), shown) << stored;
        EXPECT_EQ(h.window.mnuViewZoomIn->isEnabled(), shown < 4) << stored;
        EXPECT_EQ(h.window.picLevel->zoom().downBar()->isVisible(), shown > 1) << stored;
    }
}

} // namespace
} // namespace vrh
