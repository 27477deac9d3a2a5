// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace vrh {

// At most 256 tiles of 8 rows.
inline constexpr int kMaxSpriteBytes = 2048;

// The numbers of an assembler source's byte directives (.db, .byte, db, defb, in any case),
// in order; or, when a number is not one or is out of a byte's range, why (naming its line).
struct SpriteBytes {
    std::vector<std::uint8_t> bytes;
    int count = 0; // every number found, also those past kMaxSpriteBytes
    QString error;
};
SpriteBytes spriteBytes(const QByteArray& text);

} // namespace vrh
