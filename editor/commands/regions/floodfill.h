// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelrecord.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

namespace vrh {

inline const QString kOutsideSelection = QStringLiteral("Outside the selection");

// The cell at start and every cell joined to it through its four sides that holds the same
// code, within area (clipped to the level), get code. Gives how many cells changed.
int floodFill(LevelRecord& level, QPoint start, std::uint8_t code, const QRect& area);

// Every cell of area (clipped to the level) holding from gets to. Gives how many changed.
int replaceCode(LevelRecord& level, std::uint8_t from, std::uint8_t to, const QRect& area);

// A Ctrl click (flood fill) or a Ctrl + Shift click (replace) on a cell of the level, inside
// the selection if there is one, else inside the level. The status names what it did:
// "Filled 12 cells", "Replaced 3 cells", or "Outside the selection" (or "Out of level") with
// nothing changed.
enum class FillKind { Flood, Replace };
struct FillResult {
    int changed = 0;
    QString status;
};
FillResult fillAt(LevelRecord& level, const std::optional<QRect>& selection, QPoint cell,
                  std::uint8_t code, FillKind kind);

} // namespace vrh
