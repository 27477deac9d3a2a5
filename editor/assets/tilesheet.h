// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tilegeometry.h"

#include <QImage>

#include <vector>

namespace vrh::art {

// The sheet the map and the palette copy from, laid out as tilegeometry.h says; codes without
// a picture are silver, the colour of the area outside a level.
inline constexpr QRgb kSilver = 0xffc0c0c0;

// Lays the 8 x 8 pictures out at double size, picture i as code i.
QImage renderTileSheet(const std::vector<QImage>& pictures);

} // namespace vrh::art
