// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// A levelset file read into memory and checked, before anything is written.
// The level blocks are views into the caller's bytes, which must outlive the image.
namespace levelsplit {

inline constexpr std::size_t identificationSize = 7;
inline constexpr std::size_t passcodesSize = 42;
// identification, level count, two reserved bytes, passcodes
inline constexpr std::size_t setHeaderSize = identificationSize + 1 + 2 + passcodesSize;
inline constexpr std::size_t levelHeaderSize = 16;
inline constexpr std::size_t maxLevels = 8;
inline constexpr std::size_t maxSide = 32;
// The longest stretch of a file that a valid levelset can occupy; anything after it is never read.
inline constexpr std::size_t maxLevelsetSize =
    setHeaderSize + maxLevels * (levelHeaderSize + maxSide * maxSide);

struct LevelsetImage {
    // Bytes 7..51 of the file: level count, reserved pair and passcodes, copied to header.vrh.
    std::string_view countReservedPasscodes;
    std::size_t numLevels = 0;
    // Each level block as it stands in the file: 16 header bytes, then height x width tiles.
    std::array<std::string_view, maxLevels> levels{};
};

// Nothing when the bytes end before the header and levels do, or hold more than 8 levels
// or a level wider or higher than 32. Bytes after the last level block are ignored.
std::optional<LevelsetImage> parseLevelset(std::string_view bytes);

} // namespace levelsplit
