// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace vrh {

// A picture of a levelset is never written over the levelset's own file, however the path
// names it (through a link, or another name of the same file: the files are compared, not the
// paths), nor over any other file that holds a levelset ("VRH0" at its start). levelsetFile is
// the file the levelset was read from, or "Untitled". Gives the refusal worded as a failed
// save words it ("Can't save <picturePath>." and the reason), none where the picture may go.
std::optional<QString> pictureTargetRefusal(const QString& picturePath,
                                            const QString& levelsetFile);

} // namespace vrh
