// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's permanent fields, the chosen tool and whether the levelset differs from its
// file, and the map's pointer shape for the chosen tool.
#include "frmmain.h"

#include "commands/levels/drawingtools.h"
#include "map/levelview.h"

#include <QLabel>
#include <QStatusBar>
#include <QUndoStack>

namespace vrh {

void frmMain::createStatusFields() {
    modifiedField_ = new QLabel(sbStatusBar);
    modifiedField_->setObjectName(QStringLiteral("sbModified"));
    toolField_ = new QLabel(sbStatusBar);
    toolField_->setObjectName(QStringLiteral("sbTool"));
    // In this order from the left: the tool lies at the right end.
    sbStatusBar->addPermanentWidget(modifiedField_);
    sbStatusBar->addPermanentWidget(toolField_);
    // The history's clean state is the saved file's: the step that undoes back to it clears it.
    connect(&history_.stack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        modifiedField_->setText(clean ? QString() : QStringLiteral("Modified"));
    });
    showToolField();
}

void frmMain::showToolField() {
    if (toolField_) {
        toolField_->setText(drawingToolName(tool_));
    }
    showPointerShape(currentLevel().contains(state_.cursorX, state_.cursorY));
}

void frmMain::showPointerShape(bool overLevel) {
    const Qt::CursorShape shape =
        overLevel && tool_ != DrawingTool::Pencil ? Qt::CrossCursor : Qt::ArrowCursor;
    if (picLevel->cursor().shape() != shape) {
        picLevel->setCursor(shape);
    }
}

} // namespace vrh
