// SPDX-License-Identifier: GPL-3.0-or-later
#include "regionoverlay.h"

#include "drawlevel.h"
#include "markerframe.h"
#include "pictureview.h"

#include <QPainter>

namespace vrh {

namespace {

QRect pixelsOf(const QRect& cells) {
    return {cells.x() * kCellPixels, cells.y() * kCellPixels, cells.width() * kCellPixels,
            cells.height() * kCellPixels};
}

} // namespace

void RegionOverlay::setSelection(const std::optional<QRect>& cells) {
    if (selection_ == cells) {
        return;
    }
    repaintCells(selection_);
    selection_ = cells;
    repaintCells(selection_);
}

void RegionOverlay::setFloating(const QImage& picture, QPoint topLeft,
                                const std::optional<QRect>& shown) {
    repaintCells(floatingShown_);
    floating_ = picture;
    floatingAt_ = topLeft;
    floatingShown_ = shown;
    repaintCells(floatingShown_);
}

void RegionOverlay::clearFloating() {
    repaintCells(floatingShown_);
    floating_ = QImage();
    floatingShown_.reset();
}

void RegionOverlay::setShapePreview(std::vector<QPoint> cells, const QImage& tile) {
    repaintCells(shapeBounds_);
    shapeCells_ = std::move(cells);
    shapeTile_ = tile;
    shapeBounds_.reset();
    for (const QPoint cell : shapeCells_) {
        shapeBounds_ = shapeBounds_ ? shapeBounds_->united(QRect(cell, QSize(1, 1)))
                                    : QRect(cell, QSize(1, 1));
    }
    repaintCells(shapeBounds_);
}

// Half transparent: what is not placed yet lets the tiles beneath show through.
void RegionOverlay::paintCells(QPainter& painter, const QRect& area) const {
    painter.save();
    painter.setOpacity(0.5);
    if (floatingShown_) {
        const QRect drawn = pixelsOf(*floatingShown_) & area;
        if (!drawn.isEmpty()) {
            const QPoint origin = floatingAt_ * kCellPixels;
            painter.drawImage(drawn.topLeft(), floating_, drawn.translated(-origin));
        }
    }
    if (shapeBounds_ && pixelsOf(*shapeBounds_).intersects(area)) {
        for (const QPoint cell : shapeCells_) {
            const QRect pixels = pixelsOf(QRect(cell, QSize(1, 1)));
            if (pixels.intersects(area)) {
                painter.drawImage(pixels.topLeft(), shapeTile_);
            }
        }
    }
    painter.restore();
}

void RegionOverlay::paintOutlines(QPainter& painter) const {
    if (floatingShown_) {
        paintOutline(painter, pixelsOf(*floatingShown_), kOutlineColour);
    }
    if (selection_) {
        paintOutline(painter, pixelsOf(*selection_), kOutlineColour);
    }
}

void RegionOverlay::repaintCells(const std::optional<QRect>& cells) {
    if (cells) {
        view_.updateArea(pixelsOf(*cells));
    }
}

} // namespace vrh
