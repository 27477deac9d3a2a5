// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardcursor.h"

#include "commands/levels/mapediting.h"

#include <QtGlobal>
#include <algorithm>

namespace vrh {

namespace {

constexpr int kLastCell = kGridSize - 1;
constexpr int kLastTile = kPaletteCodes - 1;

} // namespace

std::optional<QPoint> mapCursorMove(int key, bool ctrl, QPoint cell, const LevelRecord& level) {
    const bool inLevel = level.contains(cell.x(), cell.y());
    // The far edges a Ctrl jump stops at.
    const int right = inLevel ? level.gridWidth() - 1 : kLastCell;
    const int bottom = inLevel ? level.gridHeight() - 1 : kLastCell;
    const auto step = [&](int dx, int dy) {
        return QPoint(std::clamp(cell.x() + dx, 0, kLastCell),
                      std::clamp(cell.y() + dy, 0, kLastCell));
    };
    switch (key) {
    case Qt::Key_Left:
        return ctrl ? QPoint(0, cell.y()) : step(-1, 0);
    case Qt::Key_Right:
        return ctrl ? QPoint(right, cell.y()) : step(1, 0);
    case Qt::Key_Up:
        return ctrl ? QPoint(cell.x(), 0) : step(0, -1);
    case Qt::Key_Down:
        return ctrl ? QPoint(cell.x(), bottom) : step(0, 1);
    case Qt::Key_Home:
        return ctrl ? QPoint(0, 0) : QPoint(0, cell.y());
    case Qt::Key_End:
        return QPoint(std::max(level.gridWidth() - 1, 0), cell.y());
    default:
        return std::nullopt;
    }
}

std::optional<int> paletteCursorMove(int key, int code) {
    int to = code;
    switch (key) {
    case Qt::Key_Left:
        to = code - 1;
        break;
    case Qt::Key_Right:
        to = code + 1;
        break;
    case Qt::Key_Up:
        to = code - kSheetColumns;
        break;
    case Qt::Key_Down:
        to = code + kSheetColumns;
        break;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return kLastTile;
    default:
        return std::nullopt;
    }
    // From a code the palette does not offer (picked from the map) the keys come back to it.
    return isChoosableTile(to) ? to : std::min(code, kLastTile);
}

} // namespace vrh
