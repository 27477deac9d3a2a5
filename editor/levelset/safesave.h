#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace vrh {

// Replaces the file at path with bytes so that, whatever happens (a full disk, a kill, a power
// cut after the call returned), the file is either the old one or the new one, whole.
// Returns the reason on failure; the old file is then untouched.
//
// The bytes go into a nameless file in the target's folder, reach the disk, and only then get
// a name: a hidden ".<name>.saving-XXXXXX" that is renamed over the target at once. A process
// killed between those two steps leaves that hidden file behind; it is harmless and any later
// save of the same name does not depend on it. Where the file system has no nameless files,
// QSaveFile does the same with a visible temporary name.
std::optional<QString> replaceFileSafely(const QString& path, QByteArrayView bytes);

} // namespace vrh
