// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilepictures.h"

#include "assets/assets.h"
#include "assets/tilegeometry.h"
#include "commands/levels/tilenames.h"
#include "levelset/filekind.h"
#include "spritedata.h"
#include "tilenamesfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace vrh {

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

QString overLimitReason() {
    return QStringLiteral("The file is larger than 1 MB; tile pictures take at most 1,048,576 "
                          "bytes.");
}

QString sizeReason(QSize size) {
    return QStringLiteral("The picture is %1 x %2 pixels; tile pictures are 128 or 64 pixels "
                          "wide and a whole number of tile rows high.")
        .arg(size.width())
        .arg(size.height());
}

// 128 or 64 wide (16 or 8 pixels a tile) and 1 to 32 rows of tiles high.
bool isTileSheetSize(QSize size) {
    const int tile = size.width() == kSheetWidth       ? kCellPixels
                     : size.width() == kSheetWidth / 2 ? kPicturePixels
                                                       : 0;
    return tile != 0 && size.height() % tile == 0 && size.height() / tile >= 1 &&
           size.height() / tile <= kSheetRows;
}

// A see-through pixel is shown as it would be on white paper.
QRgb onWhite(QRgb pixel) {
    const int alpha = qAlpha(pixel);
    const auto mix = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha)) / 255; };
    return qRgb(mix(qRed(pixel)), mix(qGreen(pixel)), mix(qBlue(pixel)));
}

// Lays PICTURE over the top of SHEET, each pixel SCALE x SCALE.
void drawOver(QImage& sheet, const QImage& picture, int scale) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int dy = 0; dy < scale; ++dy) {
            auto* out = reinterpret_cast<QRgb*>(sheet.scanLine(y * scale + dy));
            for (int x = 0; x < source.width(); ++x) {
                const QRgb pixel = onWhite(in[x]);
                for (int dx = 0; dx < scale; ++dx) {
                    out[x * scale + dx] = pixel;
                }
            }
        }
    }
}

// Eight bytes a tile, a row each from the top, the highest bit leftmost; 1 black, 0 white.
void drawSprites(QImage& sheet, const std::vector<std::uint8_t>& bytes) {
    const std::size_t tiles = bytes.size() / kPicturePixels;
    for (std::size_t code = 0; code < tiles; ++code) {
        const int left = sheetColumn(int(code)) * kCellPixels;
        const int top = sheetRow(int(code)) * kCellPixels;
        for (int row = 0; row < kPicturePixels; ++row) {
            const std::uint8_t bits = bytes[code * kPicturePixels + std::size_t(row)];
            for (int dy = 0; dy < 2; ++dy) {
                auto* out = reinterpret_cast<QRgb*>(sheet.scanLine(top + 2 * row + dy)) + left;
                for (int x = 0; x < kPicturePixels; ++x) {
                    const QRgb pixel = (bits & (0x80 >> x)) != 0 ? kBlack : kWhite;
                    out[2 * x] = pixel;
                    out[2 * x + 1] = pixel;
                }
            }
        }
    }
}

// A picture Qt reads, or nothing when the data is no picture; REASON set on a refusal.
std::optional<QImage> readPicture(const QByteArray& data, QString& reason) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead()) {
        return std::nullopt;
    }
    // The size from the header, so that a wrong one is refused before it is decoded.
    if (const QSize size = reader.size(); size.isValid() && !isTileSheetSize(size)) {
        reason = sizeReason(size);
        return QImage();
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        reason = QStringLiteral("The picture can't be read: %1.").arg(reader.errorString());
        return picture;
    }
    if (!isTileSheetSize(picture.size())) {
        reason = sizeReason(picture.size());
        return QImage();
    }
    return picture;
}

// The sheet from DATA over the built-in one, or the reason to refuse it.
std::optional<QImage> sheetFrom(const QByteArray& data, QString& reason) {
    if (data.size() > kMaxTilePicturesBytes) {
        reason = overLimitReason();
        return std::nullopt;
    }
    QImage sheet = tileSheet();
    if (const std::optional<QImage> picture = readPicture(data, reason)) {
        if (!reason.isEmpty()) {
            return std::nullopt;
        }
        drawOver(sheet, *picture, kSheetWidth / picture->width());
        return sheet;
    }
    const SpriteBytes sprites = spriteBytes(data);
    if (!sprites.error.isEmpty()) {
        reason = sprites.error;
        return std::nullopt;
    }
    if (sprites.count == 0) {
        reason = QStringLiteral("The file is neither a picture nor sprite data in .db, .byte, db "
                                "or defb lines.");
        return std::nullopt;
    }
    if (sprites.count < kPicturePixels || sprites.count > kMaxSpriteBytes) {
        reason = QStringLiteral("The sprite data has %1 numbers; tile pictures take 8 to 2,048 "
                                "of them, 8 for each tile.")
                     .arg(sprites.count);
        return std::nullopt;
    }
    drawSprites(sheet, sprites.bytes);
    return sheet;
}

TilePicturesRead refused(const QString& path, const QString& reason) {
    return {std::nullopt, QStringLiteral("Can't use %1 as tile pictures.\r%2")
                              .arg(QDir::toNativeSeparators(path), reason)};
}

// At most one byte past the limit, so that a larger file is told from one at the limit.
std::optional<QByteArray> readLimited(const QString& path, QString& reason) {
    QFile file;
    if (const std::optional<QString> refusal = openRegularFileForReading(file, path)) {
        reason = *refusal;
        return std::nullopt;
    }
    if (file.size() > kMaxTilePicturesBytes) {
        return QByteArray(kMaxTilePicturesBytes + 1, '\0');
    }
    QByteArray bytes = file.read(kMaxTilePicturesBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace

TilePictures builtInTilePictures() {
    TilePictures pictures;
    pictures.sheet = tileSheet();
    for (int code = 0; code < kSheetCodes; ++code) {
        pictures.names[std::size_t(code)] = builtInTileName(code);
    }
    return pictures;
}

QString tileNamesPath(const QString& path) {
    const QFileInfo file(path);
    const QString base =
        file.suffix().isEmpty() ? path : path.first(path.size() - file.suffix().size() - 1);
    return base + QStringLiteral(".names");
}

TilePicturesRead readTilePicturesData(const QString& path, const QByteArray& data,
                                      const QByteArray* namesText) {
    QString reason;
    std::optional<QImage> sheet = sheetFrom(data, reason);
    if (!sheet) {
        return refused(path, reason);
    }
    TilePictures pictures = builtInTilePictures();
    pictures.sheet = std::move(*sheet);
    if (namesText) {
        const QString namesPath = QDir::toNativeSeparators(tileNamesPath(path));
        if (namesText->size() > kMaxTilePicturesBytes) {
            return refused(path, QStringLiteral("%1 is larger than 1 MB; a names file takes at "
                                                "most 1,048,576 bytes.")
                                     .arg(namesPath));
        }
        if (const std::optional<QString> malformed =
                readTileNames(*namesText, namesPath, pictures.names)) {
            return refused(path, *malformed);
        }
    }
    return {std::move(pictures), {}};
}

TilePicturesRead readTilePictures(const QString& path) {
    QString reason;
    const std::optional<QByteArray> data = readLimited(path, reason);
    if (!data) {
        return refused(path, reason);
    }
    const QString namesPath = tileNamesPath(path);
    if (!QFileInfo::exists(namesPath)) {
        return readTilePicturesData(path, *data, nullptr);
    }
    const std::optional<QByteArray> names = readLimited(namesPath, reason);
    if (!names) {
        return refused(
            path,
            QStringLiteral("Can't read %1: %2").arg(QDir::toNativeSeparators(namesPath), reason));
    }
    return readTilePicturesData(path, *data, &*names);
}

} // namespace vrh
