// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelrecord.h"

#include <string>
#include <vector>

namespace vrh::testing {

// Levels drawn as text, a character a cell: '.' 0, 'o' 1, 'x' 7, 'k' 54, '#' 89, '?' any
// other code. A level made from rows is as wide and high as they are.
inline const std::string kCellChars = ".ox#k";
inline const std::uint8_t kCellCodes[] = {0, 1, 7, 89, 54};

inline LevelRecord levelFrom(const std::vector<std::string>& rows) {
    LevelRecord level;
    level.height = static_cast<std::uint8_t>(rows.size());
    level.width = static_cast<std::uint8_t>(rows.front().size());
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            level.tiles[y][x] = kCellCodes[kCellChars.find(rows[y][x])];
        }
    }
    return level;
}

// All 32 x 32 cells, so that a change beyond the level's edge shows too.
inline std::vector<std::string> gridOf(const LevelRecord& level) {
    std::vector<std::string> rows(kGridSize, std::string(kGridSize, '?'));
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            for (std::size_t i = 0; i < kCellChars.size(); ++i) {
                if (level.tiles[y][x] == kCellCodes[i]) {
                    rows[y][x] = kCellChars[i];
                }
            }
        }
    }
    return rows;
}

inline std::vector<std::string> gridOf(const std::vector<std::string>& rows) {
    return gridOf(levelFrom(rows));
}

} // namespace vrh::testing
