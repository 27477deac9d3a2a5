// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelset.h"

#include <QString>
#include <cstdint>

namespace vrh {

inline const QString kInvalidValueMessage = QStringLiteral("Invalid value! Must be between 0-255.");
inline const QString kInvalidCharacterMessage = QStringLiteral("Invalid character!");

// How the text of a number box (time, objectives) reads.
struct ByteEntry {
    enum class Kind { Empty, Accepted, OutOfRange, NotANumber };
    Kind kind = Kind::Empty;
    std::uint8_t value = 0; // set when Accepted
};

// Plain decimal with an optional sign and surrounding blanks; a fraction rounds to the
// nearest integer, half to even. Only 0 to 255 is accepted.
ByteEntry readByteEntry(const QString& text);

// The passcode box edits the stored passcode of the current level: upper-cased one character
// to one byte, as the header's name is, then cut or padded to 6. The first level has none, so
// nothing is stored there.
void storePasscode(Levelset& levelset, int curLevel, const QString& boxText);

} // namespace vrh
