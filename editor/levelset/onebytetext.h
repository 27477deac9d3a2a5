// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringView>

namespace vrh {

// Text in a levelset file is one Latin-1 byte per character: the header's name and the
// passcodes. Every character becomes its capital where that is one Latin-1 character; one whose
// capital lies outside Latin-1 (ß, ÿ, µ) stays as it is, and one outside Latin-1 becomes '?'.
// One character in, one byte out, so nothing after it shifts.
QByteArray upperCaseOneBytePerCharacter(QStringView text);

} // namespace vrh
