#pragma once

#include <QImage>

#include <vector>

namespace vrh::art {

// The sheet the map and the palette copy from: 8 tiles of 16 x 16 a row, code c at
// (16 * (c % 8), 16 * (c / 8)); codes without a picture are silver, the colour of the
// area outside a level.
inline constexpr int kSheetColumns = 8;
inline constexpr int kTileSize = 16;
inline constexpr int kSheetWidth = kSheetColumns * kTileSize;
inline constexpr int kSheetHeight = 256 / kSheetColumns * kTileSize;
inline constexpr QRgb kSilver = 0xffc0c0c0;

// Lays the 8 x 8 pictures out at double size, picture i as code i.
QImage renderTileSheet(const std::vector<QImage>& pictures);

} // namespace vrh::art
