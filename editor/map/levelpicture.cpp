// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelpicture.h"

#include "drawlevel.h"
#include "levelset/levelsetfile.h"
#include "levelset/picturetarget.h"
#include "levelset/safesave.h"
#include "markerframe.h"

#include <QBuffer>
#include <QFont>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>

namespace vrh {

namespace {

// A picture names the level in crisp black on white: no grey edges to its letters.
void drawBand(QPainter& painter, const QRect& band, int levelNumber) {
    painter.fillRect(band, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(band.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Level %1").arg(levelNumber));
}

} // namespace

QImage mapPicture(const LevelRecord& level, const QImage& sheet, ShownMarkers shown) {
    QImage picture = makeMapImage();
    drawLevel(level, sheet, picture);
    const struct {
        bool shown;
        int x;
        int y;
        const QColor& colour;
        char letter;
    } markers[] = {
        // In the map's painting order: a later one lies on top.
        {shown.start, level.startX, level.startY, kStartMarkerColour, 'S'},
        {shown.finish, level.finishX, level.finishY, kFinishMarkerColour, 'F'},
        {shown.put, level.putX, level.putY, kPutMarkerColour, 'P'},
        {shown.take, level.takeX, level.takeY, kTakeMarkerColour, 'T'},
    };
    QPainter painter(&picture);
    for (const auto& marker : markers) {
        if (marker.shown) {
            paintMarker(painter, QPoint(marker.x * kCellPixels, marker.y * kCellPixels),
                        marker.colour, shown.letters ? QChar(marker.letter) : QChar());
        }
    }
    return picture;
}

QImage levelPicture(const LevelRecord& level, const QImage& sheet, ShownMarkers shown) {
    if (level.gridWidth() == 0 || level.gridHeight() == 0) {
        return {};
    }
    return mapPicture(level, sheet, shown)
        .copy(0, 0, level.gridWidth() * kCellPixels, level.gridHeight() * kCellPixels);
}

QImage allLevelsPicture(const Levelset& levelset, const QImage& sheet, ShownMarkers shown) {
    const int count = std::min<int>(levelset.numLevels, kMaxLevels);
    if (count == 0) {
        return {};
    }
    constexpr int kPlaceHeight = kPictureBandPixels + kMapPixels;
    const int columns = std::min(count, kPictureColumns);
    const int rows = (count + kPictureColumns - 1) / kPictureColumns;
    QImage picture(columns * kMapPixels, rows * kPlaceHeight, QImage::Format_RGB32);
    picture.fill(QColor(192, 192, 192));
    QPainter painter(&picture);
    for (int index = 0; index < count; ++index) {
        const QPoint place((index % kPictureColumns) * kMapPixels,
                           (index / kPictureColumns) * kPlaceHeight);
        drawBand(painter, QRect(place, QSize(kMapPixels, kPictureBandPixels)), index + 1);
        painter.drawImage(place + QPoint(0, kPictureBandPixels),
                          mapPicture(levelset.levels[index], sheet, shown));
    }
    return picture;
}

std::optional<QString> writePictureFile(const QImage& picture, const QString& path,
                                        const QString& drawnFrom) {
    if (const std::optional<QString> refusal = pictureTargetRefusal(path, drawnFrom)) {
        return refusal;
    }
    if (picture.isNull()) {
        return cantSaveMessage(path, QStringLiteral("There is no level cell to draw."));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
        return cantSaveMessage(path, writer.errorString());
    }
    // A temporary beside the file, renamed over it once whole.
    if (const std::optional<QString> reason =
            replaceFileSafely(path, bytes, WriteMethod::SaveFile)) {
        return cantSaveMessage(path, *reason);
    }
    return std::nullopt;
}

} // namespace vrh
