// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelset.h"

#include <algorithm>

namespace vrh {

std::array<std::uint8_t, kHeaderBytes> LevelRecord::headerBytes() const {
    return {height,  width,    objectives, time,      putX,    putY,    takeX,  takeY,
            putType, takeType, levelType,  alienType, finishX, finishY, startX, startY};
}

void LevelRecord::setHeaderBytes(const std::array<std::uint8_t, kHeaderBytes>& b) {
    height = b[0];
    width = b[1];
    objectives = b[2];
    time = b[3];
    putX = b[4];
    putY = b[5];
    takeX = b[6];
    takeY = b[7];
    putType = b[8];
    takeType = b[9];
    levelType = b[10];
    alienType = b[11];
    finishX = b[12];
    finishY = b[13];
    startX = b[14];
    startY = b[15];
}

void Passcode::assign(QByteArrayView text) {
    text_ = text.first(std::min<qsizetype>(text.size(), kLength)).toByteArray();
    text_.append(kLength - text_.size(), ' ');
}

void resetLevelset(Levelset& levelset) {
    levelset.numLevels = 1;
    levelset.reserved1 = 0;
    levelset.reserved2 = 0;
    levelset.fileName = kUntitled;
    for (Passcode& passcode : levelset.passcodes) {
        passcode.assign({});
    }
    for (LevelRecord& level : levelset.levels) {
        level = freshLevel();
    }
}

LevelRecord freshLevel() {
    LevelRecord level;
    level.finishX = level.width - 1;
    level.finishY = level.height - 1;
    return level;
}

QString windowTitle(const QString& fileName) {
    return QStringLiteral("[") + fileName + QStringLiteral("] - ") + kApplicationTitle;
}

QString levelLabel(int curLevel, int numLevels) {
    return QStringLiteral("Level: %1 / %2").arg(curLevel + 1).arg(numLevels);
}

QString levelStatus(int curLevel, int numLevels) {
    return QStringLiteral("Level %1 of %2").arg(curLevel + 1).arg(numLevels);
}

} // namespace vrh
