// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelview.h"

#include "drawlevel.h"

#include "commands/levels/mapediting.h"
#include "commands/levels/tilenames.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace vrh {

namespace {
void paintGrid(QPainter& painter, const QRect& area, QSize cells);
}

LevelView::LevelView(QWidget* parent)
    : PictureView(QStringLiteral("picLevel"), QSize(kMapPixels, kMapPixels), parent) {}

// Only the cells whose picture changed are repainted: a stroke's step repaints one cell, at
// any zoom. Another size or sheet repaints them all.
void LevelView::drawLevel(const LevelRecord& level, const QImage& sheet) {
    vrh::drawLevel(level, sheet, image());
    const QSize cells(level.gridWidth(), level.gridHeight());
    QRect changed;
    if (cells != levelCells_ || sheet.cacheKey() != drawnSheet_ || !drawnCodes_) {
        changed = image().rect();
        drawnCodes_.emplace();
    }
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            const std::uint8_t code = shownCode(level, x, y);
            std::uint8_t& drawn = (*drawnCodes_)[y][x];
            if (drawn != code) {
                drawn = code;
                changed |= QRect(x * kCellPixels, y * kCellPixels, kCellPixels, kCellPixels);
            }
        }
    }
    levelCells_ = cells;
    drawnSheet_ = sheet.cacheKey();
    if (!changed.isEmpty()) {
        updateArea(changed);
        describeCursorAgain();
    }
}

void LevelView::ensureCellVisible(QPoint cell) {
    zoom_.ensureVisible(QRect(cell * kCellPixels, QSize(kCellPixels, kCellPixels)));
}

void LevelView::wheelEvent(QWheelEvent* event) {
    const QPoint turned = event->angleDelta();
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        constexpr int kNotch = 120;
        zoomWheelRest_ += turned.y() != 0 ? turned.y() : turned.x();
        const int steps = zoomWheelRest_ / kNotch;
        zoomWheelRest_ %= kNotch;
        if (steps != 0) {
            emit zoomWheel(steps, event->position() - QPointF(kBorder, kBorder));
        }
    } else {
        zoom_.scrollByWheel(turned, event->modifiers().testFlag(Qt::ShiftModifier));
    }
    event->accept();
}

void LevelView::setGridShown(bool shown) {
    gridShown_ = shown;
    update();
}

void LevelView::setTileUses(std::optional<std::uint8_t> code) {
    if (tileUses_ != code) {
        tileUses_ = code;
        update();
    }
}

void LevelView::paintUnderMarkers(QPainter& painter, const QRect& area) const {
    if (gridShown_) {
        paintGrid(painter, area, levelCells_);
    }
    paintTileUses(painter, area);
    regions_.paintCells(painter, area);
}

void LevelView::paintTileUses(QPainter& painter, const QRect& area) const {
    if (!tileUses_ || !drawnCodes_) {
        return;
    }
    static const QColor kUsesColour(255, 255, 0);
    constexpr int kWidth = 2;
    for (int y = 0; y < levelCells_.height(); ++y) {
        for (int x = 0; x < levelCells_.width(); ++x) {
            const QRect cell(x * kCellPixels, y * kCellPixels, kCellPixels, kCellPixels);
            if ((*drawnCodes_)[y][x] != *tileUses_ || !cell.intersects(area)) {
                continue;
            }
            painter.fillRect(cell.x(), cell.y(), kCellPixels, kWidth, kUsesColour);
            painter.fillRect(cell.x(), cell.bottom() - kWidth + 1, kCellPixels, kWidth,
                             kUsesColour);
            painter.fillRect(cell.x(), cell.y(), kWidth, kCellPixels, kUsesColour);
            painter.fillRect(cell.right() - kWidth + 1, cell.y(), kWidth, kCellPixels, kUsesColour);
        }
    }
}

namespace {
// The first pixel column of each cell after the first, and the first pixel row likewise, over
// cells columns by rows.
void paintGrid(QPainter& painter, const QRect& area, QSize cells) {
    static const QColor kGridColour(128, 128, 128);
    const int right = cells.width() * kCellPixels;
    const int bottom = cells.height() * kCellPixels;
    for (int x = 1; x < cells.width(); ++x) {
        const QRect line(x * kCellPixels, 0, 1, bottom);
        if (line.intersects(area)) {
            painter.fillRect(line, kGridColour);
        }
    }
    for (int y = 1; y < cells.height(); ++y) {
        const QRect line(0, y * kCellPixels, right, 1);
        if (line.intersects(area)) {
            painter.fillRect(line, kGridColour);
        }
    }
}
} // namespace

void LevelView::paintOutlines(QPainter& painter, const QRect& /*area*/) const {
    regions_.paintOutlines(painter);
}

TilePalette::TilePalette(const QString& objectName, const QImage& sheet, QWidget* parent)
    : PictureView(objectName, sheet.size(), parent) {
    setImage(sheet);
}

void TilePalette::setGridShown(bool shown) {
    gridShown_ = shown;
    update();
}

void TilePalette::paintUnderMarkers(QPainter& painter, const QRect& area) const {
    if (gridShown_) {
        paintGrid(painter, area, image().size() / kCellPixels);
    }
}

bool TilePalette::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return PictureView::event(event);
    }
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = help->pos() - QPoint(kBorder, kBorder);
    const int code = paletteCode(static_cast<std::int16_t>(at.x() / kCellPixels),
                                 static_cast<std::int16_t>(at.y() / kCellPixels));
    if (image().rect().contains(at) && isChoosableTile(code)) {
        // The tooltip stays while the pointer is over the same tile.
        const QRect tile(at / kCellPixels * kCellPixels + QPoint(kBorder, kBorder),
                         QSize(kCellPixels, kCellPixels));
        const QString text = tileToolTip(code);
        QToolTip::showText(help->globalPos(), text, this, tile);
        // The tip's window carries its text as its name too, for tools that read windows by
        // name (screen readers, desktop automation).
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->windowType() == Qt::ToolTip && window->isVisible()) {
                window->setWindowTitle(text);
            }
        }
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

} // namespace vrh
