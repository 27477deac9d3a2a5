// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/levels/shapes.h"

#include <QKeySequence>
#include <QString>
#include <span>

namespace vrh {

// One drawing tool as the window offers it: the Tools menu's entry (object name, caption, key),
// its word in the settings and the name the status bar shows while it is chosen.
struct DrawingToolEntry {
    DrawingTool tool;
    const char* settingsKey;
    const char* objectName;
    const char* caption;
    QKeyCombination key;
};

// Pencil, Line, Rectangle and Filled Rectangle, in the menu's order.
std::span<const DrawingToolEntry> drawingTools();
const DrawingToolEntry& drawingTool(DrawingTool tool);
// The caption without its access key: "Pencil", "Filled Rectangle".
QString drawingToolName(DrawingTool tool);

} // namespace vrh
