#include "drawlevel.h"

#include <cstring>

namespace vrh {

namespace {
constexpr int kSheetColumns = 8;
constexpr int kBytesPerPixel = 4;
constexpr int kCellRowBytes = kCellPixels * kBytesPerPixel;
} // namespace

QImage prepareTileSheet(const QImage& sheet) {
    return sheet.convertToFormat(QImage::Format_RGB32);
}

QImage makeMapImage() {
    return QImage(kMapPixels, kMapPixels, QImage::Format_RGB32);
}

void drawLevel(const LevelRecord& level, const QImage& sheet, QImage& back) {
    // Redrawn on every cell of a drag, so the copies go straight between the scanlines.
    const uchar* sheetBits = sheet.constBits();
    const qsizetype sheetStride = sheet.bytesPerLine();
    uchar* backBits = back.bits();
    const qsizetype backStride = back.bytesPerLine();
    for (int y = 0; y < kGridSize; ++y) {
        uchar* rowStart = backBits + qsizetype(y) * kCellPixels * backStride;
        for (int x = 0; x < kGridSize; ++x) {
            const std::uint8_t code = level.contains(x, y) ? level.tiles[y][x] : kOutsideCode;
            const uchar* src = sheetBits +
                               qsizetype(code / kSheetColumns) * kCellPixels * sheetStride +
                               (code % kSheetColumns) * kCellRowBytes;
            uchar* dst = rowStart + x * kCellRowBytes;
            for (int row = 0; row < kCellPixels; ++row) {
                std::memcpy(dst, src, kCellRowBytes);
                src += sheetStride;
                dst += backStride;
            }
        }
    }
}

} // namespace vrh
