// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawingtools.h"

#include <algorithm>
#include <array>

namespace vrh {

namespace {

// The tools' one-letter keys type text in a text box: the menus leave them to it.
const std::array<DrawingToolEntry, 4> kTools{{
    {DrawingTool::Pencil, "pencil", "mnuToolsPencil", "Pe&ncil", Qt::Key_P},
    {DrawingTool::Line, "line", "mnuToolsLine", "&Line", Qt::Key_L},
    {DrawingTool::Rectangle, "rectangle", "mnuToolsRectangle", "&Rectangle", Qt::Key_R},
    {DrawingTool::FilledRectangle, "filledRectangle", "mnuToolsFilledRectangle",
     "F&illed Rectangle", Qt::SHIFT | Qt::Key_R},
}};

} // namespace

std::span<const DrawingToolEntry> drawingTools() {
    return kTools;
}

const DrawingToolEntry& drawingTool(DrawingTool tool) {
    return *std::ranges::find(kTools, tool, &DrawingToolEntry::tool);
}

QString drawingToolName(DrawingTool tool) {
    return QString::fromLatin1(drawingTool(tool).caption).remove(QLatin1Char('&'));
}

} // namespace vrh
