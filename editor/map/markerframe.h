// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/tilegeometry.h"

#include <QChar>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace vrh {

class PictureView;

// The colours of the markers of the level's positions, on the map and, for the blocks' types,
// on the palette.
inline const QColor kStartMarkerColour(128, 255, 128);
inline const QColor kFinishMarkerColour(0, 192, 0);
inline const QColor kPutMarkerColour(128, 128, 255);
inline const QColor kTakeMarkerColour(0, 0, 192);

// A 2-pixel outline inside a rectangle of pixels: its outer edge is the rectangle's edge.
void paintOutline(QPainter& painter, const QRect& pixels, const QColor& colour);

// A marker's outline on a 16 x 16 cell whose top-left is at, with its letter inside when one is
// given (S, F, P or T): a 5 x 7 pixel letter in the marker's colour, edged in black or white,
// whichever stands out from that colour, so that it reads over any tile.
void paintMarker(QPainter& painter, QPoint at, const QColor& colour, QChar letter = {});

// A 16 x 16 outline, 2 pixels wide inside the cell, laid over a picture view. It is never part
// of the view's image: moving or hiding one repaints only the cells it left and entered.
class MarkerFrame {
  public:
    static constexpr int kSize = kCellPixels;
    static constexpr int kLineWidth = 2;

    MarkerFrame(PictureView& view, QString name, QColor colour, bool visible);

    const QString& name() const { return name_; }
    QColor colour() const { return colour_; }
    bool isVisible() const { return visible_; }
    QPoint position() const { return position_; } // pixels of the view's drawing area
    QRect rect() const { return {position_, QSize(kSize, kSize)}; }
    // The cell or palette place it lies on.
    QPoint cell() const { return position_ / kSize; }

    void setVisible(bool visible);
    void setPosition(QPoint pixels);
    // A map cell (column x, row y).
    void setCell(int x, int y) { setPosition({x * kSize, y * kSize}); }
    // A tile code on the palette, 8 codes a row.
    void setTile(int code) { setCell(sheetColumn(code), sheetRow(code)); }

    // The letter the marker carries while its letter is shown; none at first.
    void setLetter(QChar letter);
    void setLetterShown(bool shown);
    bool letterShown() const { return letterShown_; }

    // Inset draws the outline 2 pixels further in, inside another marker's on the same cell.
    void paint(QPainter& painter, bool inset = false) const;

  private:
    void repaint();

    PictureView& view_;
    QString name_;
    QColor colour_;
    bool visible_;
    QPoint position_;
    QChar letter_;
    bool letterShown_ = false;
};

} // namespace vrh
