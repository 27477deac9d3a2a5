// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tilegeometry.h"

#include <QImage>
#include <QString>

#include <stdexcept>
#include <vector>

// Reading the artwork's text sources: pictures drawn as grids of characters, one character a
// pixel, each grid under a header line. Lines starting with ';' are comments.
namespace vrh::art {

// A malformed source. The message names the file and line: "tiles.txt:12: ...".
class SourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Tile pictures: "tile <code> <name>" followed by 8 rows of 8 characters, '#' black and '.'
// white. Every code from 0 to 177 exactly once. Returns 178 black-and-white 8 x 8 images in
// code order.
std::vector<QImage> readTilePictures(const QString& text, const QString& sourceName);

// Icons: "colour <letter> <red> <green> <blue>" lines give the palette, then each icon is
// "icon <key> <size>" followed by <size> rows of <size> palette letters.
struct Icon {
    QString key;
    QImage image;
};
std::vector<Icon> readIcons(const QString& text, const QString& sourceName);

} // namespace vrh::art
