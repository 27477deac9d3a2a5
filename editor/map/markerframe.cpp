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

void MarkerFrame::paint(QPainter& painter) const {
    if (!visible_) {
        return;
    }
    const int x = position_.x();
    const int y = position_.y();
    const int inner = kSize - 2 * kLineWidth;
    painter.fillRect(x, y, kSize, kLineWidth, colour_);
    painter.fillRect(x, y + kSize - kLineWidth, kSize, kLineWidth, colour_);
    painter.fillRect(x, y + kLineWidth, kLineWidth, inner, colour_);
    painter.fillRect(x + kSize - kLineWidth, y + kLineWidth, kLineWidth, inner, colour_);
}

} // namespace vrh
