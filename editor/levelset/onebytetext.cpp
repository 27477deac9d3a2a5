// SPDX-License-Identifier: GPL-3.0-or-later
#include "onebytetext.h"

#include <QChar>
#include <QList>

namespace vrh {

QByteArray upperCaseOneBytePerCharacter(QStringView text) {
    constexpr char32_t kLastLatin1 = 0xFF;
    QByteArray bytes;
    // Whole characters, so one outside the 16-bit range is one byte too, not two.
    for (const char32_t character : text.toUcs4()) {
        const char32_t upper = QChar::toUpper(character);
        if (upper <= kLastLatin1) {
            bytes.append(static_cast<char>(upper));
        } else if (character <= kLastLatin1) {
            bytes.append(static_cast<char>(character));
        } else {
            bytes.append('?');
        }
    }
    return bytes;
}

} // namespace vrh
