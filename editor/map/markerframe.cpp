// SPDX-License-Identifier: GPL-3.0-or-later
#include "markerframe.h"

#include "pictureview.h"

#include <QPainter>
#include <array>
#include <utility>

namespace vrh {

MarkerFrame::MarkerFrame(PictureView& view, QString name, QColor colour, bool visible)
    : view_(view), name_(std::move(name)), colour_(colour), visible_(visible) {}

void MarkerFrame::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        repaint();
    }
}

void MarkerFrame::setPosition(QPoint pixels) {
    if (position_ == pixels) {
        return;
    }
    const QRect before = rect();
    position_ = pixels;
    if (visible_) {
        view_.updateArea(before);
    }
    repaint();
}

void MarkerFrame::setLetter(QChar letter) {
    letter_ = letter;
    repaint();
}

void MarkerFrame::setLetterShown(bool shown) {
    if (letterShown_ != shown) {
        letterShown_ = shown;
        repaint();
    }
}

// Also when hidden: what the view says of its cursor's cell may name this marker.
void MarkerFrame::repaint() {
    if (visible_) {
        view_.updateArea(rect());
    }
    view_.describeCursorAgain();
}

void paintOutline(QPainter& painter, const QRect& pixels, const QColor& colour) {
    constexpr int line = MarkerFrame::kLineWidth;
    const int x = pixels.x();
    const int y = pixels.y();
    const int width = pixels.width();
    const int height = pixels.height();
    const int inner = height - 2 * line;
    painter.fillRect(x, y, width, line, colour);
    painter.fillRect(x, y + height - line, width, line, colour);
    painter.fillRect(x, y + line, line, inner, colour);
    painter.fillRect(x + width - line, y + line, line, inner, colour);
}

namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
// Where a letter's top-left pixel lies in its cell: in the middle of the frame's inside.
constexpr QPoint kGlyphAt(5, 4);

using Glyph = std::array<const char*, kGlyphHeight>;

const Glyph* glyphOf(QChar letter) {
    static const Glyph start = {".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."};
    static const Glyph finish = {"#####", "#....", "#....", "####.", "#....", "#....", "#...."};
    static const Glyph put = {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."};
    static const Glyph take = {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."};
    switch (letter.unicode()) {
    case 'S':
        return &start;
    case 'F':
        return &finish;
    case 'P':
        return &put;
    case 'T':
        return &take;
    default:
        return nullptr;
    }
}

bool inked(const Glyph& glyph, int x, int y) {
    return x >= 0 && x < kGlyphWidth && y >= 0 && y < kGlyphHeight && glyph[y][x] == '#';
}

bool touchesInk(const Glyph& glyph, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (inked(glyph, x + dx, y + dy)) {
                return true;
            }
        }
    }
    return false;
}

// Pixel by pixel, so that the letter stays crisp however the painter scales it.
void paintLetter(QPainter& painter, QPoint at, const Glyph& glyph, const QColor& colour) {
    const QColor edge = colour.lightness() > 128 ? QColor(Qt::black) : QColor(Qt::white);
    const QPoint origin = at + kGlyphAt;
    for (int y = -1; y <= kGlyphHeight; ++y) {
        for (int x = -1; x <= kGlyphWidth; ++x) {
            if (touchesInk(glyph, x, y)) {
                painter.fillRect(origin.x() + x, origin.y() + y, 1, 1,
                                 inked(glyph, x, y) ? colour : edge);
            }
        }
    }
}

} // namespace

void paintMarker(QPainter& painter, QPoint at, const QColor& colour, QChar letter) {
    paintOutline(painter, QRect(at, QSize(MarkerFrame::kSize, MarkerFrame::kSize)), colour);
    if (const Glyph* glyph = glyphOf(letter)) {
        paintLetter(painter, at, *glyph, colour);
    }
}

void MarkerFrame::paint(QPainter& painter, bool inset) const {
    if (!visible_) {
        return;
    }
    if (inset) {
        paintOutline(painter, rect().adjusted(kLineWidth, kLineWidth, -kLineWidth, -kLineWidth),
                     colour_);
    } else {
        paintMarker(painter, position_, colour_, letterShown_ ? letter_ : QChar());
    }
}

} // namespace vrh
