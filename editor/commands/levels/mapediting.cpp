// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapediting.h"

#include <algorithm>
#include <cmath>

namespace vrh {

std::int16_t pixelToCell(double pixel) {
    // The window system never reports positions this far off the view; keeping them in range
    // keeps the cell a 16-bit number.
    constexpr double kLimit = 32767.0 * 16.0;
    const auto rounded =
        static_cast<std::int32_t>(std::nearbyint(std::clamp(pixel, -kLimit, kLimit)));
    return static_cast<std::int16_t>(rounded / 16);
}

namespace {

QString withSignPosition(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

} // namespace

QString hoverStatus(int x, int y, int tile) {
    return QStringLiteral("X: %1, Y: %2, Tile: %3").arg(x).arg(y).arg(tile);
}

QString paintStatus(int x, int y) {
    return QStringLiteral("X: ") + withSignPosition(x) + QStringLiteral(", Y: ") +
           withSignPosition(y);
}

std::optional<std::uint8_t> randomTile(std::int16_t mouseChoice, float r) {
    const double draw = r;
    switch (mouseChoice) {
    case RandomWall:
        // 86..88 would be no wall: they count as the plain wall 89.
        return static_cast<std::uint8_t>(std::max(std::floor(draw * 12.0 + 86.0), 89.0));
    case RandomInside:
        return static_cast<std::uint8_t>(std::floor(draw * 4.0 + 10.0));
    case RandomOutside:
        return static_cast<std::uint8_t>(std::floor(draw * 3.0 + 7.0));
    default:
        return std::nullopt;
    }
}

std::optional<std::uint8_t> randomTile(std::int16_t mouseChoice, RandomSource& random) {
    if (mouseChoice < RandomWall || mouseChoice > RandomOutside) {
        return std::nullopt;
    }
    return randomTile(mouseChoice, random.next());
}

void setPositionFromPopup(LevelRecord& level, const EditingState& state, LevelPosition which) {
    if (!state.popupX || !state.popupY) {
        return;
    }
    const auto x = static_cast<std::uint8_t>(*state.popupX);
    const auto y = static_cast<std::uint8_t>(*state.popupY);
    switch (which) {
    case LevelPosition::Start:
        level.startX = x;
        level.startY = y;
        break;
    case LevelPosition::Finish:
        level.finishX = x;
        level.finishY = y;
        break;
    case LevelPosition::Put:
        level.putX = x;
        level.putY = y;
        break;
    case LevelPosition::Take:
        level.takeX = x;
        level.takeY = y;
        break;
    }
}

void setTypeFromPopup(LevelRecord& level, const EditingState& state, BlockType which) {
    if (!state.popupTile) {
        return;
    }
    const auto code = static_cast<std::uint8_t>(*state.popupTile);
    (which == BlockType::Put ? level.putType : level.takeType) = code;
}

} // namespace vrh
