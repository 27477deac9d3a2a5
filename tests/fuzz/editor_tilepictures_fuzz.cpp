// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reading of tile pictures: as the pictures file (a picture or
// sprite data) and as the names file beside a picture that is fine. Whatever is taken in is a
// whole opaque sheet; a refusal says why, and of which file.
#include "commands/tiles/tilepictures.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

const QString kPath = QStringLiteral("/d/tiles.png");

void check(const vrh::TilePicturesRead& read) {
    if (!read.pictures) {
        if (!read.refusal.startsWith(
                QStringLiteral("Can't use /d/tiles.png as tile pictures.\r")) ||
            read.refusal.size() < 45) {
            __builtin_trap();
        }
        return;
    }
    const QImage& sheet = read.pictures->sheet;
    if (!read.refusal.isEmpty() || sheet.size() != QSize(128, 512) ||
        sheet.format() != QImage::Format_RGB32) {
        __builtin_trap();
    }
}

QByteArray goodPicture() {
    QImage image(64, 8, QImage::Format_RGB32);
    image.fill(0xff00ff00);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QByteArray picture = goodPicture();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    check(vrh::readTilePicturesData(kPath, bytes, nullptr));
    check(vrh::readTilePicturesData(kPath, picture, &bytes));
    return 0;
}
