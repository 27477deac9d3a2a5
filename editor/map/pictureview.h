#pragma once

#include "markerframe.h"

#include <QFrame>
#include <QImage>
#include <memory>
#include <vector>

namespace vrh {

// A picture area with a sunken 2-pixel border, showing an image unscaled at the top left of its
// drawing area, with marker frames laid over it (the later added on top).
class PictureView : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kBorder = 2;

    PictureView(const QString& objectName, QSize drawingArea, QWidget* parent = nullptr);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    void setImage(const QImage& image);

    MarkerFrame& addMarker(const QString& name, QColor colour, bool visible);

    // The image with the visible markers over it, as the view shows it.
    QImage composedImage() const;

    // Schedules a repaint of a rectangle given in drawing-area pixels.
    void updateArea(const QRect& area);

  signals:
    // Button: 1 left, 2 right, 4 middle; for a move the sum of the buttons held. X and Y are
    // pixels of the drawing area. Presses come only from inside it; moves also from outside,
    // below 0 or past its size, while a held button drags the pointer out.
    void mousePressed(int button, double x, double y);
    void mouseMoved(int buttons, double x, double y);
    // A button let go, wherever the pointer is by then.
    void mouseReleased(int button, double x, double y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void paintMarkers(QPainter& painter, const QRect& area) const;

    QImage image_;
    std::vector<std::unique_ptr<MarkerFrame>> markers_;
};

} // namespace vrh
