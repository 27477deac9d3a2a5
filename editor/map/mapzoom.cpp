// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapzoom.h"

#include "drawlevel.h"
#include "pictureview.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace vrh {

namespace {

// The map's drawing area: 512 x 512 pixels at every zoom.
constexpr int kPlace = kMapPixels;

QScrollBar* addBar(PictureView& view, Qt::Orientation orientation, const char* name,
                   const QString& accessibleName) {
    auto* bar = new QScrollBar(orientation, &view);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAccessibleName(accessibleName);
    // The map and the palette follow each other in the tab order; the wheel and the keys of
    // the focused map scroll it.
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    return bar;
}

} // namespace

MapZoom::MapZoom(PictureView& view)
    : view_(view),
      across_(addBar(view, Qt::Horizontal, "picLevelAcross", QStringLiteral("Map columns"))),
      down_(addBar(view, Qt::Vertical, "picLevelDown", QStringLiteral("Map rows"))) {
    const int extent = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, across_);
    constexpr int border = PictureView::kBorder;
    across_->setGeometry(border, border + kPlace - extent, kPlace - extent, extent);
    down_->setGeometry(border + kPlace - extent, border, extent, kPlace - extent);
    for (QScrollBar* bar : {across_, down_}) {
        QObject::connect(bar, &QScrollBar::valueChanged, &view, [this] { show(); });
    }
}

QSize MapZoom::shownSize() const {
    if (zoom_ == kMinZoom) {
        return {kPlace, kPlace};
    }
    return {kPlace - down_->width(), kPlace - across_->height()};
}

QPoint MapZoom::scroll() const {
    return {across_->value(), down_->value()};
}

void MapZoom::setZoom(int zoom, QPointF anchor) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const QPointF mapPoint = (anchor + scroll()) / zoom_;
    zoom_ = zoom;
    const QSize shown = shownSize();
    const int cell = kCellPixels * zoom;
    {
        const QSignalBlocker blockAcross(across_);
        const QSignalBlocker blockDown(down_);
        across_->setRange(0, kPlace * zoom - shown.width());
        down_->setRange(0, kPlace * zoom - shown.height());
        across_->setSingleStep(cell);
        down_->setSingleStep(cell);
        across_->setPageStep(shown.width());
        down_->setPageStep(shown.height());
        const QPointF scroll = mapPoint * zoom - anchor;
        across_->setValue(static_cast<int>(std::lround(scroll.x())));
        down_->setValue(static_cast<int>(std::lround(scroll.y())));
    }
    across_->setVisible(zoom > kMinZoom);
    down_->setVisible(zoom > kMinZoom);
    show();
}

void MapZoom::setZoomKeeping(int zoom, const QRect& pixels) {
    const QRect shown(QPoint(0, 0), shownSize());
    const QPoint corner = pixels.topLeft() * zoom_ - scroll();
    setZoom(zoom, shown.contains(corner) ? QPointF(corner) : QRectF(shown).center());
    ensureVisible(pixels);
}

void MapZoom::setScroll(QPoint scroll) {
    // Each bar keeps its value within its range, and reports only a change.
    across_->setValue(scroll.x());
    down_->setValue(scroll.y());
}

void MapZoom::scrollBy(QPoint pixels) {
    setScroll(scroll() + pixels);
}

void MapZoom::scrollByWheel(QPoint angleDelta, bool sideways) {
    if (sideways) {
        angleDelta = QPoint(angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x(), 0);
    }
    constexpr int kNotch = 120;
    const int perNotch = QApplication::wheelScrollLines() * kCellPixels * zoom_;
    // Turning the wheel towards oneself shows what lies below (or, sideways, to the right).
    scrollBy(-angleDelta * perNotch / kNotch);
}

void MapZoom::ensureVisible(const QRect& pixels) {
    const QRect wanted(pixels.topLeft() * zoom_, pixels.size() * zoom_);
    const QSize shown = shownSize();
    const auto into = [](int from, int to, int start, int length) {
        if (from < start) {
            return from;
        }
        return to > start + length ? to - length : start;
    };
    setScroll({into(wanted.left(), wanted.left() + wanted.width(), across_->value(), shown.width()),
               into(wanted.top(), wanted.top() + wanted.height(), down_->value(), shown.height())});
}

void MapZoom::show() {
    view_.setShownPart(zoom_, scroll(), shownSize());
}

} // namespace vrh
