// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace vrh::art {

inline constexpr int kLogoWidth = 200;
inline constexpr int kLogoHeight = 134;

// The splash logo, drawn from the tile sheet: the title in the sheet's own letters over a
// calculator whose screen shows a small level. An 8-bit indexed image, at most 256 colours.
QImage drawLogo(const QImage& tileSheet);

} // namespace vrh::art
