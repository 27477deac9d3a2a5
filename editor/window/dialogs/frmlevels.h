// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelset.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <array>
#include <optional>

class QPainter;

namespace vrh {

// The Levels window: a tool window over the editor that shows every level of the set as a
// picture of its whole grid at 4 pixels a cell with its start and finish marked, its number and
// passcode under it, the current one framed in orange; assistive technology sees each picture by
// its name, "Level N". It only shows and reports: a click on a picture and a picture dragged onto
// another position are signals, and the editor decides what they do.
class frmLevels : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kColumns = 4;
    static constexpr int kGap = 8;           // between the pictures, room for the frame
    static constexpr int kFrame = 3;         // the current level's frame, outside its picture
    static constexpr int kNumberHeight = 30; // the band with the number and passcode under it

    // The sheet must come from prepareTileSheet.
    frmLevels(const QImage& tileSheet, QWidget* parent);

    // Shows the first numLevels levels (at most eight) with the one at curLevel framed. Only
    // the pictures of levels whose size or cells changed since the last call are drawn again,
    // and the window repaints only when something it shows changed. A change of the levels
    // ends a drag under way without a move.
    void showLevels(const Levelset& levelset, int curLevel);
    // Draws the shown pictures again with other tile pictures (from prepareTileSheet).
    void setTileSheet(const QImage& tileSheet);

    const QImage& picture(int position) const { return pictures_[position]; }
    // What the band under a picture shows below the number: "None" for the first level.
    const QString& passcodeShown(int position) const { return passcodes_[position]; }
    // How many pictures show, and the position framed as the current level (-1 before any).
    int shownLevels() const { return numLevels_; }
    int framedLevel() const { return curLevel_; }
    // How many pictures have been drawn since the window was made.
    int picturesDrawn() const { return picturesDrawn_; }
    // Where the picture of a position lies in the window.
    static QRect pictureRect(int position);

  signals:
    void levelClicked(int position);
    // A picture let go over another position: the level should move there.
    void levelDropped(int from, int to);
    void closed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The shown position whose slot (picture and number) holds point, if any.
    std::optional<int> positionAt(QPoint point) const;
    static QRect slotRect(int position);
    void endDrag();

    QImage sheet_;
    int numLevels_ = 0;
    int curLevel_ = -1;
    // Each position's level as last shown; its picture was drawn from its size and cells.
    std::array<std::optional<LevelRecord>, kMaxLevels> shownFrom_;
    std::array<QImage, kMaxLevels> pictures_;
    std::array<QString, kMaxLevels> passcodes_;
    int picturesDrawn_ = 0;

    // A press on a picture: a click if let go there without moving, else a drag.
    std::optional<int> pressed_;
    QPoint pressAt_;
    bool dragging_ = false;
    std::optional<int> dropAt_;
};

// Fills the cell (x, y) of a level's picture at picture in the marker's colour, where it lies
// on the grid: the Levels window's start and finish.
void paintPositionMarker(QPainter& painter, const QRect& picture, int x, int y,
                         const QColor& colour);

} // namespace vrh
