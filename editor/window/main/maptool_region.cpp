// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting, filling and replacing on the map, and picking a tile from it.
#include "frmmain.h"
#include "maptool.h"

#include "commands/levels/mapediting.h"
#include "commands/levels/tilenames.h"
#include "commands/regions/floodfill.h"
#include "map/levelview.h"
#include "map/markerframe.h"

namespace vrh {

void SelectTool::press(int /*button*/, int /*shift*/, QPoint cell) {
    anchor_ = cell;
    move(1, cell);
}

void SelectTool::move(int /*buttons*/, QPoint cell) {
    window_.setSelection(selectionBetween(anchor_, cell, window_.currentLevel()));
    window_.setStatusText(window_.selection_ ? selectionStatus(*window_.selection_) : kOutOfLevel);
}

void FillTool::press(int /*button*/, int shift, QPoint cell) {
    if (!window_.checkInLevel(window_.state_.cursorX, window_.state_.cursorY)) {
        return;
    }
    const bool replace = shift & PictureView::kShiftKey;
    FillResult result;
    window_.history_.record(replace ? stepname::Replace : stepname::Fill, [&] {
        result = fillAt(window_.currentLevel(), window_.selection_, cell, window_.state_.curTile,
                        replace ? FillKind::Replace : FillKind::Flood);
    });
    window_.setStatusText(result.status);
    if (result.changed > 0) {
        window_.redrawMap();
    }
}

// Also the codes the palette itself does not offer; outside the level nothing happens.
void PickTool::press(int /*button*/, int /*shift*/, QPoint cell) {
    const LevelRecord& level = window_.currentLevel();
    if (!level.contains(cell.x(), cell.y())) {
        return;
    }
    const std::uint8_t code = level.tiles[cell.y()][cell.x()];
    window_.state_.curTile = code;
    window_.tileCursor->setTile(code);
    window_.followChosenTile();
    const QString name = tileName(code);
    window_.setStatusText(QStringLiteral("Picked tile ") + QString::number(code) +
                          (name.isEmpty() ? QString() : QStringLiteral(": ") + name));
}

} // namespace vrh
