// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vrh {

// What the game makes of a tile code, for the codes the editor knows: "normal floor",
// "white key", ...; empty for the others.
QString tileName(int code);
// The palette's tooltip: "Tile 58: ammo", or "Tile 20" for a code without a name.
QString tileToolTip(int code);

} // namespace vrh
