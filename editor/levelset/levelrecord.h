// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace vrh {

// The tile grid is always 32 x 32; width and height only say how much of it is the level.
inline constexpr int kGridSize = 32;
inline constexpr int kHeaderBytes = 16;

// Resize limits of the editor's own commands; a loaded file may carry other sizes up to 32.
inline constexpr int kMinWidth = 12;
inline constexpr int kMaxWidth = 32;
inline constexpr int kMinHeight = 8;
inline constexpr int kMaxHeight = 32;

// One level: 16 header bytes in file order, then the tiles, addressed tiles[y][x].
struct LevelRecord {
    std::uint8_t height = 8;
    std::uint8_t width = 12;
    std::uint8_t objectives = 0;
    std::uint8_t time = 99;
    std::uint8_t putX = 1;
    std::uint8_t putY = 0;
    std::uint8_t takeX = 2;
    std::uint8_t takeY = 0;
    std::uint8_t putType = 89;
    std::uint8_t takeType = 0;
    std::uint8_t levelType = 0; // 0 normal, 1 hatchery
    std::uint8_t alienType = 3; // 3 normal, 4 strong
    std::uint8_t finishX = 11;  // default width - 1
    std::uint8_t finishY = 7;   // default height - 1
    std::uint8_t startX = 0;
    std::uint8_t startY = 0;
    std::array<std::array<std::uint8_t, kGridSize>, kGridSize> tiles{};

    // The header in file order: height, width, objectives, time, putX, putY, takeX, takeY,
    // putType, takeType, levelType, alienType, finishX, finishY, startX, startY.
    std::array<std::uint8_t, kHeaderBytes> headerBytes() const;
    void setHeaderBytes(const std::array<std::uint8_t, kHeaderBytes>& bytes);

    // The level's size as far as the grid holds it: a record never reads or writes beyond its
    // 32 x 32 cells, whatever size a file claimed.
    int gridWidth() const { return width < kGridSize ? width : kGridSize; }
    int gridHeight() const { return height < kGridSize ? height : kGridSize; }

    bool contains(int x, int y) const {
        return x >= 0 && x < gridWidth() && y >= 0 && y < gridHeight();
    }
};

} // namespace vrh
