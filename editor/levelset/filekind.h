// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filepath.h"

#include <QFile>
#include <QString>
#include <filesystem>
#include <optional>

namespace vrh {

// A levelset is only ever read from or written to a regular file. For anything else that
// stands at a path (a folder, a FIFO, a device, a socket), the reason to refuse it.
std::optional<QString> notARegularFileReason(std::filesystem::file_type type);

// Opens path for reading when it is a regular file, reached through symbolic links or not.
// Anything else is refused before it is opened: opening a device can act on it, and opening a
// FIFO waits for a writer. The open itself doesn't wait either, so a file swapped for a FIFO
// in between is refused too. Returns the reason on refusal.
std::optional<QString> openRegularFileForReading(QFile& file, const QString& path);

} // namespace vrh
