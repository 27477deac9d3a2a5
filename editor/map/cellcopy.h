// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/tilegeometry.h"

#include <QImage>
#include <cstring>

namespace vrh {

// Copies, for each of columns x rows cells, the picture of the code codeAt(x, y) gives from a
// sheet laid out 8 codes a row at cellPixels a tile, into target with the cell's top-left at
// (cellPixels * x, cellPixels * y). Both images are Format_RGB32. The map is redrawn on every
// cell of a drag, so the copy goes straight between the scanlines.
template <typename CodeAt>
void copyCells(int columns, int rows, CodeAt codeAt, const QImage& sheet, int cellPixels,
               QImage& target) {
    constexpr int kBytesPerPixel = 4;
    const qsizetype cellRowBytes = qsizetype(cellPixels) * kBytesPerPixel;
    const uchar* sheetBits = sheet.constBits();
    const qsizetype sheetStride = sheet.bytesPerLine();
    uchar* targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    for (int y = 0; y < rows; ++y) {
        uchar* rowStart = targetBits + qsizetype(y) * cellPixels * targetStride;
        for (int x = 0; x < columns; ++x) {
            const int code = codeAt(x, y);
            const uchar* src = sheetBits + qsizetype(sheetRow(code)) * cellPixels * sheetStride +
                               sheetColumn(code) * cellRowBytes;
            uchar* dst = rowStart + x * cellRowBytes;
            for (int row = 0; row < cellPixels; ++row) {
                std::memcpy(dst, src, cellRowBytes);
                src += sheetStride;
                dst += targetStride;
            }
        }
    }
}

} // namespace vrh
