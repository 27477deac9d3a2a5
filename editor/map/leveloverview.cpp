// SPDX-License-Identifier: GPL-3.0-or-later
#include "leveloverview.h"

#include "cellcopy.h"
#include "drawlevel.h"

namespace vrh {

QImage prepareOverviewSheet(const QImage& sheet) {
    // Each 16 x 16 tile shrinks onto its own 4 x 4 block: the factor is whole, so no tile's
    // colours reach into its neighbour's.
    return sheet
        .scaled(sheet.width() / (kCellPixels / kOverviewCellPixels),
                sheet.height() / (kCellPixels / kOverviewCellPixels), Qt::IgnoreAspectRatio,
                Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage drawLevelOverview(const LevelRecord& level, const QImage& overviewSheet) {
    QImage picture(kOverviewPixels, kOverviewPixels, QImage::Format_RGB32);
    copyCells(
        kGridSize, kGridSize, [&level](int x, int y) { return shownCode(level, x, y); },
        overviewSheet, kOverviewCellPixels, picture);
    return picture;
}

} // namespace vrh
