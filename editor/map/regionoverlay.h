// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>
#include <vector>

class QPainter;

namespace vrh {

class PictureView;

// What the map shows of regions: a block of cells floating before it is placed and the shape a
// drawing tool is drawing, both half transparent over the tiles and under the markers, and a
// magenta outline around the selection and around the
// floating block, 2 pixels inside their outer cells, over the position markers and under the
// cursor. Rectangles are in cells.
class RegionOverlay {
  public:
    static inline const QColor kOutlineColour{255, 0, 255};

    explicit RegionOverlay(PictureView& view) : view_(view) {}

    const std::optional<QRect>& selection() const { return selection_; }
    void setSelection(const std::optional<QRect>& cells);

    // The floating block's picture with its top-left on a cell; only the cells of shown (those
    // it would land on) appear.
    void setFloating(const QImage& picture, QPoint topLeft, const std::optional<QRect>& shown);
    void clearFloating();

    // The cells of a shape being drawn, each showing the tile picture.
    void setShapePreview(std::vector<QPoint> cells, const QImage& tile);
    void clearShapePreview() { setShapePreview({}, QImage()); }

    void paintCells(QPainter& painter, const QRect& area) const;
    void paintOutlines(QPainter& painter) const;

  private:
    void repaintCells(const std::optional<QRect>& cells);

    PictureView& view_;
    std::optional<QRect> selection_;
    QImage floating_;
    QPoint floatingAt_;
    std::optional<QRect> floatingShown_;
    std::vector<QPoint> shapeCells_;
    QImage shapeTile_;
    std::optional<QRect> shapeBounds_;
};

} // namespace vrh
