// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScrollBar;

namespace vrh {

class PictureView;

// The map shown 1 to 4 times its size in its own 512 x 512 place: above 1 scroll bars inside
// the place move the part shown. Positions given here are pixels of the view's drawing area;
// rectangles of the map are image pixels (16 a cell).
class MapZoom {
  public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 4;

    // Adds the scroll bars to the view, hidden while the zoom is 1.
    explicit MapZoom(PictureView& view);

    int zoom() const { return zoom_; }
    // Shows the map at zoom, held to kMinZoom..kMaxZoom, keeping the map's point under anchor
    // where it is as far as the map's edges allow.
    void setZoom(int zoom, QPointF anchor);
    // The same keeping a part of the map in place: its top-left corner if it is in sight,
    // else the middle of the part shown; the part is brought wholly into sight after.
    void setZoomKeeping(int zoom, const QRect& pixels);

    QPoint scroll() const;
    // Scrolls as far as the map's edges allow.
    void scrollBy(QPoint pixels);
    // A wheel's turn, as Qt measures it: 120 a notch, each notch the desktop's wheel lines of
    // cells; sideways scrolls across by the wheel's turn up and down.
    void scrollByWheel(QPoint angleDelta, bool sideways);
    // Scrolls the least that brings these map pixels wholly into sight.
    void ensureVisible(const QRect& pixels);

    QScrollBar* acrossBar() const { return across_; }
    QScrollBar* downBar() const { return down_; }

  private:
    QSize shownSize() const;
    void setScroll(QPoint scroll);
    void show();

    PictureView& view_;
    QScrollBar* across_;
    QScrollBar* down_;
    int zoom_ = kMinZoom;
};

} // namespace vrh
