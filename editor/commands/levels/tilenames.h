// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace vrh {

// What the game makes of a tile code, for the codes the editor knows: "normal floor",
// "white key", ...; empty for the others.
QString builtInTileName(int code);
// The name of a code in use: the built-in one until the window loads tile pictures with
// names of their own. One set for the whole program, as there is one window.
QString tileName(int code);
void useTileNames(const std::array<QString, 256>& names);
// The palette's tooltip: "Tile 58: ammo", or "Tile 20" for a code without a name.
QString tileToolTip(int code);

} // namespace vrh
