// SPDX-License-Identifier: GPL-3.0-or-later
#include "counters.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace vrh {

namespace {

// What one tile code adds, and to which line of its report.
struct CodeWorth {
    std::uint8_t code;
    int line;
    std::uint32_t amount;
};

// Each report's lines, in the order shown.
const char* const kDoorLabels[] = {
    "Normal Doors: ", "Security Doors: ", "White Doors: ", "Checkered Doors: ", "Black Doors: "};
// Even codes are vertical doors, odd codes horizontal ones; both count the same.
constexpr CodeWorth kDoorCodes[] = {{168, 0, 1}, {169, 0, 1}, {170, 1, 1}, {171, 1, 1},
                                    {172, 2, 1}, {173, 2, 1}, {174, 3, 1}, {175, 3, 1},
                                    {176, 4, 1}, {177, 4, 1}};

const char* const kEnemyLabels[] = {"Holes: ",         "Worms: ",         "Face Huggers: ",
                                    "Normal Aliens: ", "Strong Aliens: ", "Security Guards: "};
constexpr CodeWorth kEnemyCodes[] = {{69, 0, 1}, {70, 0, 1}, {71, 1, 1}, {72, 2, 1},
                                     {73, 3, 1}, {74, 4, 1}, {75, 5, 1}};

const char* const kPickupLabels[] = {
    "Credits: ",    "Ammo: ",       "Key Passes: ",      "White Keys: ", "Checkered Keys: ",
    "Black Keys: ", "First Aids: ", "Invincibilities: ", "Extra Lives: "};
// Credits and ammo add up what the tiles are worth, not how many there are.
constexpr CodeWorth kPickupCodes[] = {{59, 0, 10}, {60, 0, 100}, {58, 1, 20}, {54, 2, 1},
                                      {55, 3, 1},  {56, 4, 1},   {57, 5, 1},  {61, 6, 1},
                                      {62, 7, 1},  {63, 8, 1}};

CounterReport report(const QString& title, std::span<const char* const> labels,
                     std::span<const CodeWorth> codes, const LevelRecord& level) {
    std::array<const CodeWorth*, 256> worthOfCode{};
    for (const CodeWorth& worth : codes) {
        worthOfCode[worth.code] = &worth;
    }

    // At least 32 bits: a full level of 100-credit tiles makes 102400.
    std::array<std::uint32_t, 16> counters{};
    // Only cells inside the level count, and never outside the grid whatever a file said.
    const int height = level.gridHeight();
    const int width = level.gridWidth();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (const CodeWorth* worth = worthOfCode[level.tiles[y][x]]) {
                counters[worth->line] += worth->amount;
            }
        }
    }

    QStringList lines;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        lines.append(QString::fromLatin1(labels[i]) + QString::number(counters[i]));
    }
    return CounterReport{title, lines.join(QLatin1Char('\r'))};
}

} // namespace

CounterReport countDoors(const LevelRecord& level) {
    return report(QStringLiteral("Doors"), kDoorLabels, kDoorCodes, level);
}

CounterReport countEnemies(const LevelRecord& level) {
    return report(QStringLiteral("Enemies"), kEnemyLabels, kEnemyCodes, level);
}

CounterReport countPickups(const LevelRecord& level) {
    return report(QStringLiteral("Pick-ups"), kPickupLabels, kPickupCodes, level);
}

namespace {
int cellsHolding(const LevelRecord& level, std::uint8_t code) {
    int count = 0;
    for (int y = 0; y < level.gridHeight(); ++y) {
        for (int x = 0; x < level.gridWidth(); ++x) {
            count += level.contains(x, y) && level.tiles[y][x] == code;
        }
    }
    return count;
}
} // namespace

QString tileUsesStatus(const Levelset& levelset, int curLevel, std::uint8_t code) {
    int inSet = 0;
    for (int level = 0; level < levelset.numLevels; ++level) {
        inSet += cellsHolding(levelset.levels[level], code);
    }
    return QStringLiteral("Tile %1: %2 cells in this level, %3 in the levelset")
        .arg(code)
        .arg(cellsHolding(levelset.levels[curLevel], code))
        .arg(inSet);
}

} // namespace vrh
