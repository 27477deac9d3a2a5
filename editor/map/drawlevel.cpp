#include "drawlevel.h"

#include <cstring>

namespace vrh {

namespace {
constexpr int kSheetColumns = 8;
constexpr int kBytesPerPixel = 4;
constexpr int kCellRowBytes = kCellPixels * kBytesPerPixel;

// Copies the 16 x 16 picture of code straight between the scanlines: the map is redrawn on
// every cell of a drag.
inline void copyTile(const QImage& sheet, std::uint8_t code, uchar* dst, qsizetype dstStride) {
    const qsizetype sheetStride = sheet.bytesPerLine();
    const uchar* src = sheet.constBits() +
                       qsizetype(code / kSheetColumns) * kCellPixels * sheetStride +
                       (code % kSheetColumns) * kCellRowBytes;
    for (int row = 0; row < kCellPixels; ++row) {
        std::memcpy(dst, src, kCellRowBytes);
        src += sheetStride;
        dst += dstStride;
    }
}

} // namespace

QImage prepareTileSheet(const QImage& sheet) {
    return sheet.convertToFormat(QImage::Format_RGB32);
}

QImage makeMapImage() {
    return QImage(kMapPixels, kMapPixels, QImage::Format_RGB32);
}

void drawLevel(const LevelRecord& level, const QImage& sheet, QImage& back) {
    uchar* backBits = back.bits();
    const qsizetype backStride = back.bytesPerLine();
    for (int y = 0; y < kGridSize; ++y) {
        uchar* rowStart = backBits + qsizetype(y) * kCellPixels * backStride;
        for (int x = 0; x < kGridSize; ++x) {
            const std::uint8_t code = level.contains(x, y) ? level.tiles[y][x] : kOutsideCode;
            copyTile(sheet, code, rowStart + x * kCellRowBytes, backStride);
        }
    }
}

QImage drawCells(const CellBlock& block, const QImage& sheet) {
    QImage picture(block.width * kCellPixels, block.height * kCellPixels, QImage::Format_RGB32);
    uchar* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (int y = 0; y < block.height; ++y) {
        uchar* rowStart = bits + qsizetype(y) * kCellPixels * stride;
        for (int x = 0; x < block.width; ++x) {
            copyTile(sheet, block.at(x, y), rowStart + x * kCellRowBytes, stride);
        }
    }
    return picture;
}

} // namespace vrh
