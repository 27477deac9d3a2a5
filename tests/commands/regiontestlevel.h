#pragma once

#include "levelset/levelrecord.h"

#include <string>
#include <vector>

namespace vrh::testing {

// Levels drawn as text, a character a cell: '.' 0, 'o' 1, '#' 89, 'x' 7, 'k' 54, '?' any
// other code. A level made from rows is as wide and high as they are.
inline char cellChar(std::uint8_t code) {
    switch (code) {
    case 0:
        return '.';
    case 1:
        return 'o';
    case 89:
        return '#';
    case 7:
        return 'x';
    case 54:
        return 'k';
    default:
        return '?';
    }
}

inline std::uint8_t cellCode(char c) {
    switch (c) {
    case 'o':
        return 1;
    case '#':
        return 89;
    case 'x':
        return 7;
    case 'k':
        return 54;
    default:
        return 0;
    }
}

inline LevelRecord levelFrom(const std::vector<std::string>& rows) {
    LevelRecord level;
    level.height = static_cast<std::uint8_t>(rows.size());
    level.width = static_cast<std::uint8_t>(rows.front().size());
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            level.tiles[y][x] = cellCode(rows[y][x]);
        }
    }
    return level;
}

// All 32 x 32 cells, so that a change beyond the level's edge shows too.
inline std::vector<std::string> gridOf(const LevelRecord& level) {
    std::vector<std::string> rows;
    for (int y = 0; y < kGridSize; ++y) {
        std::string row;
        for (int x = 0; x < kGridSize; ++x) {
            row += cellChar(level.tiles[y][x]);
        }
        rows.push_back(row);
    }
    return rows;
}

// The grid of a level drawn from rows, with changes: the rows of expected over its top left.
inline std::vector<std::string> gridOf(const std::vector<std::string>& expected) {
    return gridOf(levelFrom(expected));
}

} // namespace vrh::testing
