// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace vrh {

// Reads a names file, "CODE name" a line, over NAMES; "#" comments and blank lines are passed
// over. On a malformed line, the reason (its line number in FILE), and NAMES is left alone.
std::optional<QString> readTileNames(const QByteArray& text, const QString& file,
                                     std::array<QString, 256>& names);

} // namespace vrh
