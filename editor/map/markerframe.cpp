#include "markerframe.h"

#include "pictureview.h"

#include <QPainter>
#include <utility>

namespace vrh {

MarkerFrame::MarkerFrame(PictureView& view, QString name, QColor colour, bool visible)
    : view_(view), name_(std::move(name)), colour_(colour), visible_(visible) {}

void MarkerFrame::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        view_.updateArea(rect());
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
        view_.updateArea(rect());
    }
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

void MarkerFrame::paint(QPainter& painter) const {
    if (visible_) {
        paintOutline(painter, rect(), colour_);
    }
}

} // namespace vrh
