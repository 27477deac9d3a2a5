// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellregion.h"

#include <algorithm>

namespace vrh {

QRect levelCells(const LevelRecord& level) {
    return {0, 0, level.gridWidth(), level.gridHeight()};
}

std::optional<QRect> clipToLevel(const QRect& cells, const LevelRecord& level) {
    const QRect inside = cells & levelCells(level);
    if (inside.isEmpty()) {
        return std::nullopt;
    }
    return inside;
}

std::optional<QRect> selectionBetween(QPoint press, QPoint now, const LevelRecord& level) {
    const QPoint topLeft(std::min(press.x(), now.x()), std::min(press.y(), now.y()));
    const QPoint bottomRight(std::max(press.x(), now.x()), std::max(press.y(), now.y()));
    return clipToLevel(QRect(topLeft, bottomRight), level);
}

QString selectionStatus(const QRect& cells) {
    return QStringLiteral("Selection: %1 x %2 at %3, %4")
        .arg(cells.width())
        .arg(cells.height())
        .arg(cells.x())
        .arg(cells.y());
}

CellBlock copyCells(const LevelRecord& level, const QRect& cells) {
    CellBlock block{cells.width(), cells.height(), {}};
    block.codes.reserve(std::size_t(cells.width()) * cells.height());
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = cells.left(); x <= cells.right(); ++x) {
            block.codes.push_back(level.tiles[y][x]);
        }
    }
    return block;
}

void fillCells(LevelRecord& level, const QRect& cells, std::uint8_t code) {
    const std::optional<QRect> inside = clipToLevel(cells, level);
    if (!inside) {
        return;
    }
    for (int y = inside->top(); y <= inside->bottom(); ++y) {
        for (int x = inside->left(); x <= inside->right(); ++x) {
            level.tiles[y][x] = code;
        }
    }
}

std::optional<QRect> landingCells(const LevelRecord& level, QSize block, QPoint topLeft) {
    return clipToLevel(QRect(topLeft, block), level);
}

std::optional<QRect> pasteCells(LevelRecord& level, const CellBlock& block, QPoint topLeft) {
    const std::optional<QRect> landing = landingCells(level, block.size(), topLeft);
    if (!landing) {
        return std::nullopt;
    }
    for (int y = landing->top(); y <= landing->bottom(); ++y) {
        for (int x = landing->left(); x <= landing->right(); ++x) {
            level.tiles[y][x] = block.at(x - topLeft.x(), y - topLeft.y());
        }
    }
    return landing;
}

} // namespace vrh
