// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelrecord.h"
#include "mapzoom.h"
#include "pictureview.h"
#include "regionoverlay.h"

#include <array>
#include <optional>

namespace vrh {

// The map view: a persistent 512 x 512 back image of the current level, 32 x 32 cells, with
// the grid, the selection, a floating paste and a shape being drawn over it, all shown at the
// zoom, which scrolls the map with the wheel (Shift + wheel sideways) above 1.
class LevelView : public PictureView {
    Q_OBJECT
  public:
    explicit LevelView(QWidget* parent = nullptr);

    // Redraws the back image from the level and the sheet, then refreshes the view.
    void drawLevel(const LevelRecord& level, const QImage& sheet);

    // Grey lines between the cells inside the level, drawn over the tiles; the back image
    // stays as drawLevel made it.
    void setGridShown(bool shown);
    bool gridShown() const { return gridShown_; }

    // A 2-pixel yellow frame on every cell inside the level that holds code, over the grid
    // and under the markers; none when code is empty.
    void setTileUses(std::optional<std::uint8_t> code);

    RegionOverlay& regions() { return regions_; }
    const RegionOverlay& regions() const { return regions_; }

    MapZoom& zoom() { return zoom_; }
    const MapZoom& zoom() const { return zoom_; }
    // Scrolls the least that shows the cell (column x, row y) whole.
    void ensureCellVisible(QPoint cell);

  signals:
    // Ctrl + wheel: steps notches away from oneself (negative: towards), the pointer at at in
    // drawing-area pixels.
    void zoomWheel(int steps, QPointF at);

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void paintUnderMarkers(QPainter& painter, const QRect& area) const override;
    void paintOutlines(QPainter& painter, const QRect& area) const override;

  private:
    void paintTileUses(QPainter& painter, const QRect& area) const;

    RegionOverlay regions_{*this};
    MapZoom zoom_{*this};
    // What a Ctrl + wheel turned short of a notch, for a wheel that turns in small steps.
    int zoomWheelRest_ = 0;
    bool gridShown_ = false;
    std::optional<std::uint8_t> tileUses_;
    QSize levelCells_;
    // What the back image shows: the code drawn in each cell and the sheet it came from.
    std::optional<std::array<std::array<std::uint8_t, kGridSize>, kGridSize>> drawnCodes_;
    qint64 drawnSheet_ = 0;
};

// The tile palette: the sheet, unscaled, 8 codes a row. Hovering a tile of the game names it.
class TilePalette : public PictureView {
    Q_OBJECT
  public:
    TilePalette(const QString& objectName, const QImage& sheet, QWidget* parent = nullptr);

    // Grey lines between the tiles, as the map's grid.
    void setGridShown(bool shown);

  protected:
    bool event(QEvent* event) override;
    void paintUnderMarkers(QPainter& painter, const QRect& area) const override;

  private:
    bool gridShown_ = false;
};

} // namespace vrh
