// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <optional>

namespace vrh {

// The tile pictures in use: the 128 x 512 opaque sheet laid out as assets/tilegeometry.h says
// (Format_RGB32, not yet prepared for drawing), and each code's name (empty: none).
struct TilePictures {
    QImage sheet;
    std::array<QString, 256> names;
};

// The built-in sheet with the built-in names.
TilePictures builtInTilePictures();

// A tile pictures file takes at most 1 MB, and a picture at most 4096 x 4096 pixels; both are
// checked before anything is decoded.
inline constexpr qint64 kMaxTilePicturesBytes = 1024 * 1024;
inline constexpr int kMaxTilePicturesSide = 4096;

// The names file beside the pictures at PATH: the same name with the extension ".names".
QString tileNamesPath(const QString& path);

// Either pictures (over the built-in ones: codes the file doesn't cover keep theirs) or the
// whole message of the refusal, "Can't use PATH as tile pictures.\r" and the reason.
struct TilePicturesRead {
    std::optional<TilePictures> pictures;
    QString refusal;
};

// Reads PATH, and the names file beside it if there is one.
TilePicturesRead readTilePictures(const QString& path);
// The same from bytes already read; namesText null when there is no names file.
TilePicturesRead readTilePicturesData(const QString& path, const QByteArray& data,
                                      const QByteArray* namesText);

} // namespace vrh
