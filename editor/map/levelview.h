#pragma once

#include "levelset/levelrecord.h"
#include "pictureview.h"
#include "regionoverlay.h"

namespace vrh {

// The map view: a persistent 512 x 512 back image of the current level, 32 x 32 cells, with
// the selection and a floating paste over it.
class LevelView : public PictureView {
    Q_OBJECT
  public:
    explicit LevelView(QWidget* parent = nullptr);

    // Redraws the back image from the level and the sheet, then refreshes the view.
    void drawLevel(const LevelRecord& level, const QImage& sheet);

    RegionOverlay& regions() { return regions_; }
    const RegionOverlay& regions() const { return regions_; }

  protected:
    void paintUnderMarkers(QPainter& painter, const QRect& area) const override;
    void paintOutlines(QPainter& painter, const QRect& area) const override;

  private:
    RegionOverlay regions_{*this};
};

// The tile palette: the sheet, unscaled, 8 codes a row.
class TilePalette : public PictureView {
    Q_OBJECT
  public:
    TilePalette(const QString& objectName, const QImage& sheet, QWidget* parent = nullptr);
};

} // namespace vrh
