#include "leveloverview.h"

#include "drawlevel.h"

#include <cstring>

namespace vrh {

namespace {
constexpr int kSheetColumns = 8;
constexpr int kCellRowBytes = kOverviewCellPixels * 4;
} // namespace

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
    uchar* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    const uchar* sheetBits = overviewSheet.constBits();
    const qsizetype sheetStride = overviewSheet.bytesPerLine();
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            const std::uint8_t code = level.contains(x, y) ? level.tiles[y][x] : kOutsideCode;
            const uchar* src = sheetBits +
                               qsizetype(code / kSheetColumns) * kOverviewCellPixels * sheetStride +
                               (code % kSheetColumns) * kCellRowBytes;
            uchar* dst = bits + qsizetype(y) * kOverviewCellPixels * stride + x * kCellRowBytes;
            for (int row = 0; row < kOverviewCellPixels; ++row) {
                std::memcpy(dst + row * stride, src + row * sheetStride, kCellRowBytes);
            }
        }
    }
    return picture;
}

} // namespace vrh
