// SPDX-License-Identifier: GPL-3.0-or-later
#include "splitnames.h"

namespace levelsplit {

bool isValidLevelsetName(std::string_view name) {
    return name.size() == 3 && name.find_first_of("/\\") == std::string_view::npos;
}

std::string levelsetFileName(std::string_view name) {
    return "zvrhl" + std::string(name) + ".vrh";
}

std::string listFileName(std::string_view name) {
    return std::string(name) + ".lst";
}

std::string headerFileBytes(std::string_view name, const LevelsetImage& image) {
    std::string bytes = "VRH0";
    for (const char c : name) {
        // Only a to z: the result must not depend on the locale.
        bytes += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    bytes += image.countReservedPasscodes;
    return bytes;
}

std::string listLine(std::size_t level) {
    return std::string(levelFileNames.at(level)) + "\r\n";
}

} // namespace levelsplit
