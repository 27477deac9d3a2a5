// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "markerframe.h"

#include <QFrame>
#include <QImage>
#include <functional>
#include <memory>
#include <vector>

namespace vrh {

// A picture area with a sunken 2-pixel border, showing an image at the top left of its drawing
// area, with marker frames laid over it (the later added on top). A view may show its image
// enlarged and scrolled (setShownPart); everything it draws and every position it reports
// stays in the image's own pixels, so what lies over the image scales with it unawares. One of
// the markers may be its cursor, which a screen reader follows.
class PictureView : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kBorder = 2;

    // The keys held with a mouse button, added together as the mouse signals pass them.
    static constexpr int kShiftKey = 1;
    static constexpr int kCtrlKey = 2;
    static constexpr int kAltKey = 4;

    // A click on the view takes the keyboard focus, from a text box too.
    PictureView(const QString& objectName, QSize drawingArea, QWidget* parent = nullptr);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    void setImage(const QImage& image);

    MarkerFrame& addMarker(const QString& name, QColor colour, bool visible);
    // The view's own outlines lie over the markers added before this one and under it and
    // those after; without it, over all markers.
    void putOutlinesUnder(const MarkerFrame& marker);

    // The image with the visible markers over it, as the view shows it.
    QImage composedImage() const;

    // Schedules a repaint of a rectangle given in image pixels.
    void updateArea(const QRect& area);

    // The cursor, drawn 2 pixels inside a visible marker on its cell so that both show. The
    // view's accessible description is describe(the cursor's cell); each change of that text
    // is announced to assistive technology once the running event is handled, and the cursor's
    // cell, named by it, takes the accessible focus while the view has the keyboard focus.
    void setCursorMarker(const MarkerFrame& cursor, std::function<QString(QPoint cell)> describe);
    QString cursorDescription() const;
    // Where the cursor shows, in the widget's pixels.
    QRect cursorRect() const;
    // The description last announced, and how many announcements there have been.
    const QString& announcedDescription() const { return announced_; }
    int announcements() const { return announcements_; }
    // A marker moved, showed, hid or changed its letter, or the image changed: what the cursor's
    // cell says may have changed too.
    void describeCursorAgain();

    // A position in the widget as a position in the image, in image pixels: unchanged but for
    // the border while the image is shown at its own size, else the whole pixel under it.
    QPointF imagePosition(QPointF widgetPosition) const;
    int scale() const { return scale_; }
    QPoint scrollOffset() const { return scroll_; }
    // The part of the drawing area that shows the image, in drawing-area pixels.
    QRect shownRect() const { return {QPoint(0, 0), shown_}; }
    // Shows the image scale times its size, from the scaled pixel scroll at the top left of a
    // shown part of the drawing area; what the part leaves of the drawing area belongs to
    // child widgets.
    void setShownPart(int scale, QPoint scroll, QSize shown);

  signals:
    // Button: 1 left, 2 right, 4 middle; for a move the sum of the buttons held. Shift: the
    // keys held, kShiftKey + kCtrlKey + kAltKey. X and Y are image pixels (imagePosition).
    // Presses come only from inside it; moves also from outside, below 0 or past its size,
    // while a held button drags the pointer out.
    void mousePressed(int button, int shift, double x, double y);
    void mouseMoved(int buttons, int shift, double x, double y);
    // A button let go, wherever the pointer is by then.
    void mouseReleased(int button, int shift, double x, double y);
    // Keys while the view has the keyboard focus: a Qt::Key, the keys held as for the mouse,
    // and whether the key repeats by being held. The view takes the keys that move and work
    // its cursor (arrows, Home, End, Space, Enter, the Menu key and Shift+F10); the rest pass on.
    void keyPressed(int key, int shift, bool autoRepeat);
    void keyReleased(int key, int shift, bool autoRepeat);
    // The keyboard focus went elsewhere, not to a popup menu: a key held now is let go unheard.
    void focusLeft();

  protected:
    // What lies over the image and under the markers, and the outlines among the markers;
    // nothing here.
    virtual void paintUnderMarkers(QPainter& painter, const QRect& area) const;
    virtual void paintOutlines(QPainter& painter, const QRect& area) const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void paintMarkers(QPainter& painter, const QRect& area) const;
    void paintFocusFrame(QPainter& painter) const;
    bool cursorShares() const;
    void announceDescription();

    QImage image_;
    int scale_ = 1;
    QPoint scroll_;
    QSize shown_;
    std::vector<std::unique_ptr<MarkerFrame>> markers_;
    const MarkerFrame* outlinesUnder_ = nullptr;
    const MarkerFrame* cursor_ = nullptr;
    std::function<QString(QPoint)> describe_;
    QString announced_;
    int announcements_ = 0;
    bool announcing_ = false;
};

} // namespace vrh
