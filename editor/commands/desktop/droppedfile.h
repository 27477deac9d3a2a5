// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QMimeData;

namespace vrh {

// The levelset that a drop on the window offers: exactly one local file whose name ends in
// ".vrh" in any case. Several files, other names, text and remote addresses offer nothing.
std::optional<QString> droppedLevelset(const QMimeData& data);

} // namespace vrh
