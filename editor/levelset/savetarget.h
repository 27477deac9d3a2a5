// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <optional>

namespace vrh {

// Where a save to a path really writes, or why it must not. Every way of writing a levelset
// goes through this one decision.
struct SaveTarget {
    // The file that the chain of symbolic links starting at the path ends at (the path itself
    // when it is no link), in a folder with every link resolved. A dangling link ends at the
    // file it names, which the save creates.
    std::filesystem::path file;
    // The system's reason when the save must not go ahead: a folder that doesn't exist, a
    // folder, FIFO, device or socket where the file goes, an existing file the user may not
    // write ("Permission denied"), a loop of links.
    std::optional<QString> refusal;
};

SaveTarget resolveSaveTarget(const QString& path);

} // namespace vrh
