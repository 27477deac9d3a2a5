// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawlevel.h"

#include "cellcopy.h"

namespace vrh {

QImage prepareTileSheet(const QImage& sheet) {
    return sheet.convertToFormat(QImage::Format_RGB32);
}

QImage makeMapImage() {
    return QImage(kMapPixels, kMapPixels, QImage::Format_RGB32);
}

void drawLevel(const LevelRecord& level, const QImage& sheet, QImage& back) {
    copyCells(
        kGridSize, kGridSize, [&level](int x, int y) { return shownCode(level, x, y); }, sheet,
        kCellPixels, back);
}

QImage drawCells(const CellBlock& block, const QImage& sheet) {
    QImage picture(block.width * kCellPixels, block.height * kCellPixels, QImage::Format_RGB32);
    copyCells(
        block.width, block.height, [&block](int x, int y) { return block.at(x, y); }, sheet,
        kCellPixels, picture);
    return picture;
}

} // namespace vrh
