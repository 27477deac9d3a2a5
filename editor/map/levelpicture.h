// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/levels/shownmarkers.h"
#include "levelset/levelset.h"

#include <QImage>
#include <QString>
#include <optional>

namespace vrh {

inline const QString kExportPictureTitle = QStringLiteral("Export Picture");
inline const QString kPictureFilter = QStringLiteral("PNG picture (*.png)");
inline const QString kPictureSuffix = QStringLiteral("png");

// Export All Levels lays the levels out in rows of this many, each under a band with its name.
inline constexpr int kPictureColumns = 4;
inline constexpr int kPictureBandPixels = 16;

// The map as it shows the level, all 32 x 32 cells (512 x 512 pixels) with the shown position
// markers drawn over them as the map draws them; never a cursor, a selection or the grid.
// The sheet must come from prepareTileSheet.
QImage mapPicture(const LevelRecord& level, const QImage& sheet, ShownMarkers shown);

// Export Picture: the level's own cells of mapPicture, width x 16 by height x 16 pixels (sizes
// held to the 32 x 32 grid). Null for a level without cells.
QImage levelPicture(const LevelRecord& level, const QImage& sheet, ShownMarkers shown);

// Export All Levels: the set's levels side by side, up to four a row, each a whole mapPicture
// under a 16-pixel white band that names it "Level N" in black. Places left over in the last
// row are silver, as the map shows outside a level. Null for a set without levels.
QImage allLevelsPicture(const Levelset& levelset, const QImage& sheet, ShownMarkers shown);

// Writes the picture as a PNG file through a temporary beside it, so a failed write leaves any
// file at path whole. Refuses, writing nothing, a path that names the levelset's own file
// (drawnFrom, or "Untitled") or another levelset (see pictureTargetRefusal). Gives the reason,
// worded as the editor's "Error!" box words it.
std::optional<QString> writePictureFile(const QImage& picture, const QString& path,
                                        const QString& drawnFrom);

} // namespace vrh
