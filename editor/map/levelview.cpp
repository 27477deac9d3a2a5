#include "levelview.h"

#include "drawlevel.h"

namespace vrh {

LevelView::LevelView(QWidget* parent)
    : PictureView(QStringLiteral("picLevel"), QSize(kMapPixels, kMapPixels), parent) {}

void LevelView::drawLevel(const LevelRecord& level, const QImage& sheet) {
    vrh::drawLevel(level, sheet, image());
    update();
}

void LevelView::paintUnderMarkers(QPainter& painter, const QRect& area) const {
    regions_.paintCells(painter, area);
}

void LevelView::paintOutlines(QPainter& painter, const QRect& /*area*/) const {
    regions_.paintOutlines(painter);
}

TilePalette::TilePalette(const QString& objectName, const QImage& sheet, QWidget* parent)
    : PictureView(objectName, sheet.size(), parent) {
    setImage(sheet);
}

} // namespace vrh
