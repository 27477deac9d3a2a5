// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelset.h"

#include <QVarLengthArray>
#include <array>
#include <cstdint>

namespace vrh {

// Every byte of a levelset that a file can carry or an edit can change, in one flat image:
// the eight records (16 header bytes, then the 32 x 32 cells row by row), then numLevels,
// reserved1, reserved2 and the seven 6-byte passcodes. The file name is not part of it.
inline constexpr int kRecordImageBytes = kHeaderBytes + kGridSize * kGridSize;
inline constexpr int kLevelsetImageBytes =
    kMaxLevels * kRecordImageBytes + 3 + kPasscodeCount * Passcode::kLength;
using LevelsetImage = std::array<std::uint8_t, kLevelsetImageBytes>;

void captureImage(const Levelset& levelset, LevelsetImage& image);

// What one edit changed: the bytes that differ, each with its value before and after, in
// rising offset order. A stroke of one cell holds one change and needs no memory of its own.
class LevelsetDelta {
  public:
    struct ByteChange {
        std::uint16_t offset;
        std::uint8_t before;
        std::uint8_t after;
    };

    // The bytes in which the levelset now differs from the image taken before the edit.
    static LevelsetDelta between(const LevelsetImage& before, const Levelset& after);

    bool empty() const { return changes_.isEmpty(); }
    // Whether a byte of the record of the level at index changed.
    bool changesRecord(int index) const;
    qsizetype size() const { return changes_.size(); }

    void applyBefore(Levelset& levelset) const;
    void applyAfter(Levelset& levelset) const;

    // This edit followed by next, as one: each byte's first before and last after; bytes
    // that end where they began drop out.
    void append(const LevelsetDelta& next);

  private:
    void apply(Levelset& levelset, bool after) const;

    QVarLengthArray<ByteChange, 2> changes_;
};

} // namespace vrh
