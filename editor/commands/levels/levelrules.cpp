// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelrules.h"

#include <algorithm>

namespace vrh {

namespace {

constexpr std::uint8_t kNormalFloor = 0;
constexpr std::uint8_t kHatcheryFloor = 1;
constexpr std::uint8_t kNormalLevel = 0;
constexpr std::uint8_t kHatcheryLevel = 1;

constexpr std::uint8_t kHoleCodes[] = {69, 70};
constexpr std::uint8_t kGuardCode = 75;

// Whether the level keeps both limits inside its size.
bool keepsHoleAndGuardLimits(const LevelRecord& level) {
    const HolesAndGuards counted = countHolesAndGuards(level);
    return counted.holes <= kMaxHoles && counted.guards <= kMaxGuards;
}

} // namespace

ResizeLimits possibleResizes(const LevelRecord& level) {
    ResizeLimits possible{};
    possible.decreaseWidth = level.width > kMinWidth;
    possible.increaseWidth = level.width < kMaxWidth;
    possible.decreaseHeight = level.height > kMinHeight;
    possible.increaseHeight = level.height < kMaxHeight;
    return possible;
}

void decreaseWidth(LevelRecord& level) {
    if (possibleResizes(level).decreaseWidth) {
        --level.width;
    }
}

void increaseWidth(LevelRecord& level) {
    if (possibleResizes(level).increaseWidth) {
        ++level.width;
    }
}

void decreaseHeight(LevelRecord& level) {
    if (possibleResizes(level).decreaseHeight) {
        --level.height;
    }
}

void increaseHeight(LevelRecord& level) {
    if (possibleResizes(level).increaseHeight) {
        ++level.height;
    }
}

SizeRange widthRange(const LevelRecord& level) {
    return {std::min<int>(level.width, kMinWidth), std::max<int>(level.width, kMaxWidth)};
}

SizeRange heightRange(const LevelRecord& level) {
    return {std::min<int>(level.height, kMinHeight), std::max<int>(level.height, kMaxHeight)};
}

void setLevelSize(LevelRecord& level, int width, int height) {
    const SizeRange widths = widthRange(level);
    const SizeRange heights = heightRange(level);
    if (width != level.width) {
        level.width = static_cast<std::uint8_t>(std::clamp(width, widths.smallest, widths.largest));
    }
    if (height != level.height) {
        level.height =
            static_cast<std::uint8_t>(std::clamp(height, heights.smallest, heights.largest));
    }
}

std::uint8_t floorCode(const LevelRecord& level) {
    return level.levelType == kHatcheryLevel ? kHatcheryFloor : kNormalFloor;
}

void setFloor(LevelRecord& level) {
    std::uint8_t from = 0;
    std::uint8_t to = 0;
    if (level.levelType == kNormalLevel) {
        from = kHatcheryFloor;
        to = kNormalFloor;
    } else if (level.levelType == kHatcheryLevel) {
        from = kNormalFloor;
        to = kHatcheryFloor;
    } else {
        return;
    }
    // Every cell, also those beyond the current size: they show when the level grows.
    for (auto& row : level.tiles) {
        std::ranges::replace(row, from, to);
    }
}

HolesAndGuards countHolesAndGuards(const LevelRecord& level) {
    // Sizes are clamped to the grid, whatever a file brought.
    HolesAndGuards counted;
    for (int y = 0; y < level.gridHeight(); ++y) {
        for (int x = 0; x < level.gridWidth(); ++x) {
            const std::uint8_t code = level.tiles[y][x];
            if (std::ranges::find(kHoleCodes, code) != std::end(kHoleCodes)) {
                ++counted.holes;
            } else if (code == kGuardCode) {
                ++counted.guards;
            }
        }
    }
    return counted;
}

std::int16_t checkHolesAndGuards(const Levelset& levelset) {
    const int count = std::min<int>(levelset.numLevels, kMaxLevels);
    for (int index = 0; index < count; ++index) {
        if (!keepsHoleAndGuardLimits(levelset.levels[index])) {
            return static_cast<std::int16_t>(index + 1);
        }
    }
    return 0;
}

} // namespace vrh
