#pragma once

#include "commands/levels/levelrules.h"

#include <QDialog>

class QSpinBox;

namespace vrh {

// The Level Size dialog: the level's width and height in two number boxes, OK and Cancel.
class LevelSizeDialog : public QDialog {
    Q_OBJECT
  public:
    LevelSizeDialog(const LevelRecord& level, QWidget* parent);

    int levelWidth() const;
    int levelHeight() const;

    QSpinBox* spnWidth = nullptr;
    QSpinBox* spnHeight = nullptr;
};

} // namespace vrh
