// SPDX-License-Identifier: GPL-3.0-or-later
#include "floodfill.h"

#include "commands/levels/mapediting.h"
#include "commands/regions/cellregion.h"

#include <array>

namespace vrh {

int floodFill(LevelRecord& level, QPoint start, std::uint8_t code, const QRect& area) {
    const QRect inside = area & levelCells(level);
    if (!inside.contains(start)) {
        return 0;
    }
    const std::uint8_t from = level.tiles[start.y()][start.x()];
    if (from == code) {
        return 0; // the whole joined area holds code already
    }
    // A cell is changed as it is pushed, so it is never pushed twice: 1024 places suffice.
    std::array<QPoint, kGridSize * kGridSize> pending;
    int count = 0;
    int changed = 0;
    const auto visit = [&](int x, int y) {
        if (inside.contains(x, y) && level.tiles[y][x] == from) {
            level.tiles[y][x] = code;
            ++changed;
            pending[count++] = QPoint(x, y);
        }
    };
    visit(start.x(), start.y());
    while (count > 0) {
        const QPoint cell = pending[--count];
        visit(cell.x() - 1, cell.y());
        visit(cell.x() + 1, cell.y());
        visit(cell.x(), cell.y() - 1);
        visit(cell.x(), cell.y() + 1);
    }
    return changed;
}

int replaceCode(LevelRecord& level, std::uint8_t from, std::uint8_t to, const QRect& area) {
    if (from == to) {
        return 0;
    }
    const QRect inside = area & levelCells(level);
    int changed = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (level.tiles[y][x] == from) {
                level.tiles[y][x] = to;
                ++changed;
            }
        }
    }
    return changed;
}

FillResult fillAt(LevelRecord& level, const std::optional<QRect>& selection, QPoint cell,
                  std::uint8_t code, FillKind kind) {
    if (!level.contains(cell.x(), cell.y())) {
        return {0, kOutOfLevel};
    }
    if (selection && !selection->contains(cell)) {
        return {0, kOutsideSelection};
    }
    const QRect area = selection.value_or(levelCells(level));
    if (kind == FillKind::Flood) {
        const int changed = floodFill(level, cell, code, area);
        return {changed, QStringLiteral("Filled %1 cells").arg(changed)};
    }
    const int changed = replaceCode(level, level.tiles[cell.y()][cell.x()], code, area);
    return {changed, QStringLiteral("Replaced %1 cells").arg(changed)};
}

} // namespace vrh
