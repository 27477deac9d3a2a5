// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/levels/shapes.h"
#include "commands/regions/cellregion.h"

#include <QImage>
#include <QPoint>
#include <optional>

namespace vrh {

class frmMain;

// A gesture on the map, worked on cells: a press begins it, moves of the cursor while buttons
// are held carry it on, letting go ends it, and cancel drops what it has not yet done. The
// mouse and the keyboard drive the same tools. Buttons are 1 left, 2 right, 4 middle (for a
// move the sum held); shift the PictureView keys held.
class MapTool {
  public:
    explicit MapTool(frmMain& window) : window_(window) {}
    virtual ~MapTool() = default;
    MapTool(const MapTool&) = delete;
    MapTool& operator=(const MapTool&) = delete;

    virtual void press(int button, int shift, QPoint cell) = 0;
    // The cursor reached another cell.
    virtual void move(int buttons, QPoint cell);
    // A button let go: whether that ended the gesture.
    virtual bool release(int button);
    virtual void cancel() {}

  protected:
    frmMain& window_;
};

// Paints with the button into each cell the cursor reaches, all of a stroke one step; the right
// button in Set Positions opens the level popup instead.
class PencilTool : public MapTool {
  public:
    using MapTool::MapTool;
    void press(int button, int shift, QPoint cell) override;
    void move(int buttons, QPoint cell) override;
    bool release(int button) override;
    // No button held: the next paint begins a new stroke.
    void lift() { last_.reset(); }

  private:
    // Where the cursor was at the last move of a stroke that began on the map.
    std::optional<QPoint> last_;
};

// A line or rectangle anchored at the press, shown over the map while the button is held,
// painted as one step when that button is let go.
class ShapeTool : public MapTool {
  public:
    using MapTool::MapTool;
    void press(int button, int shift, QPoint cell) override;
    void move(int buttons, QPoint cell) override;
    bool release(int button) override;
    void cancel() override;
    int button() const { return button_; }

  private:
    void show();

    DrawingTool tool_ = DrawingTool::Line;
    int button_ = 1;
    QPoint anchor_;
    QPoint end_;
    bool cancelled_ = false;
};

// Selects the cells from the press to the cursor (Shift and the left button).
class SelectTool : public MapTool {
  public:
    using MapTool::MapTool;
    void press(int button, int shift, QPoint cell) override;
    void move(int buttons, QPoint cell) override;

  private:
    QPoint anchor_;
};

// Flood fill with Ctrl, replace with Ctrl + Shift, on the pressed cell.
class FillTool : public MapTool {
  public:
    using MapTool::MapTool;
    void press(int button, int shift, QPoint cell) override;
};

// Makes the pressed cell's code the chosen tile, as a click on it in the palette does.
class PickTool : public MapTool {
  public:
    using MapTool::MapTool;
    void press(int button, int shift, QPoint cell) override;
};

// The clipboard's cells floating over the map from Paste on, their top-left following the
// cursor: a left press places them as one step, a right press drops them.
class PasteTool : public MapTool {
  public:
    using MapTool::MapTool;
    void press(int button, int shift, QPoint cell) override;

    bool floating() const { return block_.has_value(); }
    void start(CellBlock block);
    void follow(QPoint cell);
    // Shows where it would land now, after a change of the level.
    void show();
    // Draws the floating cells again with the window's tile pictures.
    void redrawPicture();
    void end();

  private:
    std::optional<CellBlock> block_;
    QImage picture_;
    std::optional<QPoint> at_;
};

} // namespace vrh
