// SPDX-License-Identifier: GPL-3.0-or-later
#include "panelrules.h"

#include "levelset/onebytetext.h"

#include <QRegularExpression>
#include <cmath>

namespace vrh {

ByteEntry readByteEntry(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return {text.isEmpty() ? ByteEntry::Kind::Empty : ByteEntry::Kind::NotANumber};
    }
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    if (!number.match(trimmed).hasMatch()) {
        return {ByteEntry::Kind::NotANumber};
    }
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(trimmed.toDouble());
    if (rounded < 0 || rounded > 255) {
        return {ByteEntry::Kind::OutOfRange};
    }
    return {ByteEntry::Kind::Accepted, static_cast<std::uint8_t>(rounded)};
}

void storePasscode(Levelset& levelset, int curLevel, const QString& boxText) {
    if (curLevel <= 0 || curLevel > kPasscodeCount) {
        return;
    }
    levelset.passcodes[curLevel - 1].assign(upperCaseOneBytePerCharacter(boxText));
}

} // namespace vrh
