// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelsetimage.h"

namespace levelsplit {

std::optional<LevelsetImage> parseLevelset(std::string_view bytes) {
    if (bytes.size() < setHeaderSize) {
        return std::nullopt;
    }
    LevelsetImage image;
    image.countReservedPasscodes =
        bytes.substr(identificationSize, setHeaderSize - identificationSize);
    image.numLevels = static_cast<unsigned char>(bytes[identificationSize]);
    if (image.numLevels > maxLevels) {
        return std::nullopt;
    }
    std::size_t offset = setHeaderSize;
    for (std::size_t i = 0; i < image.numLevels; ++i) {
        if (bytes.size() - offset < levelHeaderSize) {
            return std::nullopt;
        }
        const std::size_t height = static_cast<unsigned char>(bytes[offset]);
        const std::size_t width = static_cast<unsigned char>(bytes[offset + 1]);
        if (height > maxSide || width > maxSide) {
            return std::nullopt;
        }
        const std::size_t blockSize = levelHeaderSize + height * width;
        if (bytes.size() - offset < blockSize) {
            return std::nullopt;
        }
        image.levels[i] = bytes.substr(offset, blockSize);
        offset += blockSize;
    }
    return image;
}

} // namespace levelsplit
