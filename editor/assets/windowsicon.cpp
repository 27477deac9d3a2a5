// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowsicon.h"

#include <QBuffer>
#include <QtEndian>

namespace vrh::art {

namespace {

void appendLittleEndian16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendLittleEndian32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray pngOf(const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

} // namespace

QByteArray windowsIconFile(const QList<QImage>& pictures) {
    constexpr int kHeaderSize = 6;
    constexpr int kEntrySize = 16;
    QByteArray header;
    appendLittleEndian16(header, 0); // reserved
    appendLittleEndian16(header, 1); // an icon, not a cursor
    appendLittleEndian16(header, static_cast<quint16>(pictures.size()));

    QByteArray entries;
    QByteArray images;
    const int dataStart = kHeaderSize + kEntrySize * static_cast<int>(pictures.size());
    for (const QImage& picture : pictures) {
        const QByteArray png = pngOf(picture);
        // A side of 256 is written as 0.
        entries.append(static_cast<char>(picture.width() & 0xFF));
        entries.append(static_cast<char>(picture.height() & 0xFF));
        entries.append('\0');              // no palette
        entries.append('\0');              // reserved
        appendLittleEndian16(entries, 1);  // colour planes
        appendLittleEndian16(entries, 32); // bits per pixel
        appendLittleEndian32(entries, static_cast<quint32>(png.size()));
        appendLittleEndian32(entries, static_cast<quint32>(dataStart + images.size()));
        images.append(png);
    }
    return header + entries + images;
}

} // namespace vrh::art
