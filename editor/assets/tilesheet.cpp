// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilesheet.h"

namespace vrh::art {

QImage renderTileSheet(const std::vector<QImage>& pictures) {
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(kSilver);
    const int scale = kCellPixels / kPicturePixels;
    for (int code = 0; code < static_cast<int>(pictures.size()); ++code) {
        const QImage& picture = pictures[code];
        const int left = kCellPixels * sheetColumn(code);
        const int top = kCellPixels * sheetRow(code);
        for (int y = 0; y < kCellPixels; ++y) {
            for (int x = 0; x < kCellPixels; ++x) {
                sheet.setPixel(left + x, top + y, picture.pixel(x / scale, y / scale));
            }
        }
    }
    return sheet;
}

} // namespace vrh::art
