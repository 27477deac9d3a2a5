// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "levelsetimage.h"

// The names and fixed texts of the files a split reads and writes.
namespace levelsplit {

inline constexpr std::array<const char*, maxLevels> levelFileNames = {
    "level1.vrh", "level2.vrh", "level3.vrh", "level4.vrh",
    "level5.vrh", "level6.vrh", "level7.vrh", "level8.vrh",
};

inline constexpr const char* headerFileName = "header.vrh";

// Exactly three bytes and no path separator: the files must all land in the current directory.
bool isValidLevelsetName(std::string_view name);

std::string levelsetFileName(std::string_view name);
std::string listFileName(std::string_view name);

// "VRH0", the name upper-cased (a-z only), then count, reserved pair and passcodes as read.
std::string headerFileBytes(std::string_view name, const LevelsetImage& image);

// One line of the list file; CR LF on every platform.
std::string listLine(std::size_t level);

} // namespace levelsplit
