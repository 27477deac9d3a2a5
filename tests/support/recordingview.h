// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/filecommands.h"

namespace vrh::testing {

// Counts what the file commands ask of the window and keeps the last title.
class RecordingView : public LevelsetView {
  public:
    int shown = 0;
    int labelled = 0;
    int replaced = 0;
    int saved = 0;
    QString title;

    void showCurrentLevel() override { ++shown; }
    void showLevelLabel() override { ++labelled; }
    void setTitle(const QString& text) override { title = text; }
    void levelsetReplaced() override { ++replaced; }
    void levelsetSaved() override { ++saved; }
};

} // namespace vrh::testing
