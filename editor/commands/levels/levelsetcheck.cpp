// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelsetcheck.h"

#include "commands/levels/levelrules.h"

#include <algorithm>

namespace vrh {

QStringList checkLevelset(const Levelset& levelset) {
    struct Position {
        const char* name;
        std::uint8_t LevelRecord::*x;
        std::uint8_t LevelRecord::*y;
    };
    static constexpr Position kPositions[] = {
        {"start position", &LevelRecord::startX, &LevelRecord::startY},
        {"finish position", &LevelRecord::finishX, &LevelRecord::finishY},
        {"block to put position", &LevelRecord::putX, &LevelRecord::putY},
        {"block to take position", &LevelRecord::takeX, &LevelRecord::takeY},
    };
    QStringList found;
    const int count = std::min<int>(levelset.numLevels, kMaxLevels);
    for (int index = 0; index < count; ++index) {
        const LevelRecord& level = levelset.levels[index];
        const QString prefix = QStringLiteral("Level %1: ").arg(index + 1);
        const HolesAndGuards counted = countHolesAndGuards(level);
        if (counted.holes > kMaxHoles) {
            found << prefix + QStringLiteral("%1 alien holes, more than the %2 allowed")
                                  .arg(counted.holes)
                                  .arg(kMaxHoles);
        }
        if (counted.guards > kMaxGuards) {
            found << prefix + QStringLiteral("%1 security guards, more than the %2 allowed")
                                  .arg(counted.guards)
                                  .arg(kMaxGuards);
        }
        for (const Position& position : kPositions) {
            const int x = level.*position.x;
            const int y = level.*position.y;
            if (!level.contains(x, y)) {
                found << prefix + QStringLiteral("the %1, column %2 row %3, lies outside the "
                                                 "level's %4 columns by %5 rows")
                                      .arg(QString::fromLatin1(position.name))
                                      .arg(x)
                                      .arg(y)
                                      .arg(level.width)
                                      .arg(level.height);
            }
        }
    }
    return found;
}

QStringList checkLevelsetFile(const ReadResult& read) {
    QStringList found;
    if (read.storedLevelCount > kMaxLevels) {
        found << QStringLiteral("The file's level count is %1; %2 levels are read")
                     .arg(read.storedLevelCount)
                     .arg(kMaxLevels);
    }
    const qint64 after = read.bytesAfterLastLevel;
    if (after > 0) {
        const QString last = read.levelset->numLevels == 0 ? QStringLiteral("the header")
                                                           : QStringLiteral("the last level");
        found << (after == 1
                      ? QStringLiteral("1 byte after %1 is not part of the levelset").arg(last)
                      : QStringLiteral("%1 bytes after %2 are not part of the levelset")
                            .arg(after)
                            .arg(last));
    }
    return found + checkLevelset(*read.levelset);
}

} // namespace vrh
