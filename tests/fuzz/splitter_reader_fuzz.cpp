// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to levelsplit's reading and checking of a levelset. A set it accepts
// must hold its limits, and its level blocks must lie, one after another, inside the input.
#include "levelsetimage.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto image = levelsplit::parseLevelset(bytes);
    if (!image) {
        return 0;
    }
    if (image->numLevels > levelsplit::maxLevels ||
        image->countReservedPasscodes != bytes.substr(levelsplit::identificationSize, 45)) {
        __builtin_trap();
    }
    std::size_t offset = levelsplit::setHeaderSize;
    for (std::size_t i = 0; i < image->numLevels; ++i) {
        const std::string_view level = image->levels[i];
        const auto height = static_cast<unsigned char>(level.at(0));
        const auto width = static_cast<unsigned char>(level.at(1));
        if (height > levelsplit::maxSide || width > levelsplit::maxSide ||
            level.size() != levelsplit::levelHeaderSize + std::size_t{height} * width ||
            level.data() != bytes.data() + offset) {
            __builtin_trap();
        }
        offset += level.size();
    }
    return 0;
}
