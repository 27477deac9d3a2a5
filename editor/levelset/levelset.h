// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelrecord.h"
#include "passcode.h"

#include <QString>
#include <array>
#include <cstdint>

namespace vrh {

inline constexpr int kMaxLevels = 8;
inline constexpr int kPasscodeCount = kMaxLevels - 1; // the first level has none

inline const QString kUntitled = QStringLiteral("Untitled");
inline const QString kApplicationTitle = QStringLiteral("Varnhold: Levelset Editor");

// The whole levelset. All eight records always exist; only the first numLevels are saved,
// counted and checked, and a record beyond numLevels keeps its content for a later Add.
struct Levelset {
    std::array<LevelRecord, kMaxLevels> levels{};
    std::uint8_t numLevels = 1;
    std::array<Passcode, kPasscodeCount> passcodes{}; // passcodes[i] belongs to levels[i + 1]
    std::uint8_t reserved1 = 0;
    std::uint8_t reserved2 = 0;
    QString fileName = kUntitled;
};

// A new levelset's level: 12 x 8 cells of floor, the finish in its bottom-right cell.
LevelRecord freshLevel();

// The data side of newLevelset: every field back to a fresh levelset, all eight records and
// all 1024 cells of each.
void resetLevelset(Levelset& levelset);

// "[" + fileName + "] - Varnhold: Levelset Editor"
QString windowTitle(const QString& fileName);

// "Level: " + (curLevel + 1) + " / " + numLevels
QString levelLabel(int curLevel, int numLevels);
// The status text after a level command or Open: "Level 3 of 5".
QString levelStatus(int curLevel, int numLevels);

} // namespace vrh
