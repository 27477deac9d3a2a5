// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The tile sheet's geometry, shared by everything that draws a tile or turns a place on the
// map or the palette into a code: 8 tiles of 16 x 16 pixels a row, code c at
// (16 * (c % 8), 16 * (c / 8)), 256 codes in 32 rows.
namespace vrh {

inline constexpr int kSheetColumns = 8;
inline constexpr int kCellPixels = 16;
inline constexpr int kSheetCodes = 256;
inline constexpr int kSheetRows = kSheetCodes / kSheetColumns;  // 32
inline constexpr int kSheetWidth = kSheetColumns * kCellPixels; // 128
inline constexpr int kSheetHeight = kSheetRows * kCellPixels;   // 512
// The game draws its tiles 8 x 8; the sheet shows each pixel as a 2 x 2 block.
inline constexpr int kPicturePixels = 8;
// The game's own tiles, the only ones the palette offers; codes from here on are filler.
inline constexpr int kPaletteCodes = 178;
// The code whose picture every cell outside the level shows.
inline constexpr std::uint8_t kOutsideCode = 255;

inline constexpr int sheetColumn(int code) {
    return code % kSheetColumns;
}
inline constexpr int sheetRow(int code) {
    return code / kSheetColumns;
}

// The mouse buttons as the views report them; a move reports the sum of those held.
namespace mouse {
inline constexpr int kNoButton = 0;
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 4;
} // namespace mouse

} // namespace vrh
