#pragma once

#include "levelset/levelrecord.h"
#include "pictureview.h"

namespace vrh {

// The map view: a persistent 512 x 512 back image of the current level, 32 x 32 cells.
class LevelView : public PictureView {
    Q_OBJECT
  public:
    explicit LevelView(QWidget* parent = nullptr);

    // Redraws the back image from the level and the sheet, then refreshes the view.
    void drawLevel(const LevelRecord& level, const QImage& sheet);
};

// The tile palette: the sheet, unscaled, 8 codes a row.
class TilePalette : public PictureView {
    Q_OBJECT
  public:
    TilePalette(const QString& objectName, const QImage& sheet, QWidget* parent = nullptr);
};

} // namespace vrh
