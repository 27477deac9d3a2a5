// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/tilegeometry.h"
#include "commands/levels/randomsource.h"
#include "levelset/editingstate.h"
#include "levelset/levelrecord.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vrh {

inline const QString kOutOfLevel = QStringLiteral("Out of level");
// What the status bar says while a paste floats over the map.
inline const QString kPasteFloating = QStringLiteral("Click to place, Escape to cancel");

// A pointer coordinate in pixels to a cell: round to nearest, ties to even, then divide by 16
// truncating toward zero, so -15..-1 still give cell 0 and -16..-31 give -1.
std::int16_t pixelToCell(double pixel);

// Hovering: "X: 3, Y: 5, Tile: 89".
QString hoverStatus(int x, int y, int tile);
// After painting: "X:  3, Y:  5", each number after a blank or its minus sign.
QString paintStatus(int x, int y);

// The tile a right-button mode paints for the draw r in [0, 1); nothing for Set Positions.
// Worked in double precision: in single precision the largest r would reach 98, 14 and 10.
std::optional<std::uint8_t> randomTile(std::int16_t mouseChoice, float r);
// Whether the right button paints random tiles in this mode.
inline bool isRandomMode(std::int16_t mouseChoice) {
    return mouseChoice >= RandomWall && mouseChoice <= RandomOutside;
}
// Draws from the source only in a random mode.
std::optional<std::uint8_t> randomTile(std::int16_t mouseChoice, RandomSource& random);

// The palette tile under a cell, 8 codes a row.
inline int paletteCode(std::int16_t column, std::int16_t row) {
    return row * kSheetColumns + column;
}
// Only the game's own tiles can be chosen; codes from 178 are the silver filler.
inline bool isChoosableTile(int code) {
    return code >= 0 && code < kPaletteCodes;
}
// The palette's left click: code in 16-bit arithmetic, then cut to a byte.
inline std::uint8_t paletteByte(std::int16_t column, std::int16_t row) {
    return static_cast<std::uint8_t>(static_cast<std::int16_t>(paletteCode(column, row)));
}

// The level popup's four positions and the tile popup's two block types. Each stores what the
// popup was opened on into levels(curLevel); with nothing under the popup it changes nothing.
enum class LevelPosition { Start, Finish, Put, Take };
enum class BlockType { Put, Take };
void setPositionFromPopup(LevelRecord& level, const EditingState& state, LevelPosition which);
void setTypeFromPopup(LevelRecord& level, const EditingState& state, BlockType which);

} // namespace vrh
