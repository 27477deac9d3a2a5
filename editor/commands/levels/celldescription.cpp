// SPDX-License-Identifier: GPL-3.0-or-later
#include "celldescription.h"

#include "tilenames.h"

namespace vrh {

QString cellDescription(const LevelRecord& level, int x, int y, ShownMarkers shown) {
    QString text = QStringLiteral("Column %1, row %2: ").arg(x).arg(y);
    if (!level.contains(x, y)) {
        return text + QStringLiteral("outside the level");
    }
    text += tileToolTip(level.tiles[y][x]);
    const struct {
        bool shown;
        int x;
        int y;
        const char* name;
    } markers[] = {
        {shown.start, level.startX, level.startY, ", start position"},
        {shown.finish, level.finishX, level.finishY, ", finish position"},
        {shown.put, level.putX, level.putY, ", block to put"},
        {shown.take, level.takeX, level.takeY, ", block to take"},
    };
    for (const auto& marker : markers) {
        if (marker.shown && marker.x == x && marker.y == y) {
            text += QLatin1String(marker.name);
        }
    }
    return text;
}

} // namespace vrh
