// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmlevels.h"

#include "levelswindowaccessible.h"
#include "map/leveloverview.h"
#include "map/markerframe.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace vrh {

namespace {

const QColor kOrange(255, 128, 0);
const QColor kDropMark(0, 0, 192);
constexpr int kRows = kMaxLevels / frmLevels::kColumns;

// The picture depends on the level's size and cells alone.
bool drawsTheSame(const LevelRecord& a, const LevelRecord& b) {
    return a.width == b.width && a.height == b.height && a.tiles == b.tiles;
}

bool sameRecord(const LevelRecord& a, const LevelRecord& b) {
    return a.tiles == b.tiles && a.headerBytes() == b.headerBytes();
}

} // namespace

// A position of the level as its cell filled in the marker's colour, as long as it lies on the
// grid.
void paintPositionMarker(QPainter& painter, const QRect& picture, int x, int y,
                         const QColor& colour) {
    if (x < kGridSize && y < kGridSize) {
        painter.fillRect(picture.left() + x * kOverviewCellPixels,
                         picture.top() + y * kOverviewCellPixels, kOverviewCellPixels,
                         kOverviewCellPixels, colour);
    }
}

frmLevels::frmLevels(const QImage& tileSheet, QWidget* parent)
    : QWidget(parent, Qt::Tool), sheet_(prepareOverviewSheet(tileSheet)) {
    setObjectName(QStringLiteral("frmLevels"));
    setWindowTitle(QStringLiteral("Levels"));
    // Opening it leaves the keyboard with the editor.
    setAttribute(Qt::WA_ShowWithoutActivating);
    installLevelsWindowAccessible();
    setFixedSize(kGap + kColumns * (kOverviewPixels + kGap),
                 kGap + kRows * (kOverviewPixels + kNumberHeight + kGap));
}

QRect frmLevels::pictureRect(int position) {
    const int column = position % kColumns;
    const int row = position / kColumns;
    return {kGap + column * (kOverviewPixels + kGap),
            kGap + row * (kOverviewPixels + kNumberHeight + kGap), kOverviewPixels,
            kOverviewPixels};
}

// The slots tile the window: each picture with half the gap around it and its number band.
QRect frmLevels::slotRect(int position) {
    return pictureRect(position).adjusted(-kGap / 2, -kGap / 2, kGap / 2, kNumberHeight + kGap / 2);
}

std::optional<int> frmLevels::positionAt(QPoint point) const {
    for (int position = 0; position < kMaxLevels; ++position) {
        if (slotRect(position).contains(point)) {
            return position;
        }
    }
    return std::nullopt;
}

void frmLevels::setTileSheet(const QImage& tileSheet) {
    sheet_ = prepareOverviewSheet(tileSheet);
    for (int position = 0; position < numLevels_; ++position) {
        if (shownFrom_[position]) {
            pictures_[position] = drawLevelOverview(*shownFrom_[position], sheet_);
            ++picturesDrawn_;
        }
    }
    update();
}

void frmLevels::showLevels(const Levelset& levelset, int curLevel) {
    const int count = std::min<int>(levelset.numLevels, kMaxLevels);
    bool changed = count != numLevels_ || curLevel != curLevel_;
    bool levelsChanged = count != numLevels_;
    for (int position = 0; position < count; ++position) {
        const LevelRecord& level = levelset.levels[position];
        std::optional<LevelRecord>& shown = shownFrom_[position];
        if (shown && sameRecord(*shown, level)) {
            continue;
        }
        levelsChanged = true;
        const bool redraw = !shown || !drawsTheSame(*shown, level);
        shown = level;
        if (redraw) {
            pictures_[position] = drawLevelOverview(level, sheet_);
            ++picturesDrawn_;
            changed = true;
        }
    }
    // The level pressed on may no longer be at its place, nor the set the one it was dragged in.
    if (levelsChanged && pressed_) {
        endDrag();
    }
    for (int position = 0; position < count; ++position) {
        const QString passcode = position == 0
                                     ? QStringLiteral("None")
                                     : QString::fromLatin1(levelset.passcodes[position - 1].text());
        changed |= std::exchange(passcodes_[position], passcode) != passcode;
    }
    // The markers are painted over the pictures from the records.
    changed |= levelsChanged;
    numLevels_ = count;
    curLevel_ = curLevel;
    if (changed) {
        update();
    }
}

void frmLevels::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    for (int position = 0; position < numLevels_; ++position) {
        const QRect picture = pictureRect(position);
        painter.drawImage(picture.topLeft(), pictures_[position]);
        const LevelRecord& level = *shownFrom_[position];
        paintPositionMarker(painter, picture, level.startX, level.startY, kStartMarkerColour);
        paintPositionMarker(painter, picture, level.finishX, level.finishY, kFinishMarkerColour);
        const QRect band(picture.left(), picture.bottom() + 1, picture.width(), kNumberHeight);
        painter.drawText(band.adjusted(0, 0, 0, -kNumberHeight / 2), Qt::AlignCenter,
                         QString::number(position + 1));
        painter.drawText(band.adjusted(0, kNumberHeight / 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                         passcodes_[position]);
    }
    if (curLevel_ >= 0 && curLevel_ < numLevels_) {
        const QRect frame = pictureRect(curLevel_).adjusted(-kFrame, -kFrame, kFrame, kFrame);
        // Four bands round the picture, exactly kFrame pixels wide, whatever the pen would do.
        painter.fillRect(frame.left(), frame.top(), frame.width(), kFrame, kOrange);
        painter.fillRect(frame.left(), frame.bottom() - kFrame + 1, frame.width(), kFrame, kOrange);
        painter.fillRect(frame.left(), frame.top(), kFrame, frame.height(), kOrange);
        painter.fillRect(frame.right() - kFrame + 1, frame.top(), kFrame, frame.height(), kOrange);
    }
    if (dragging_ && dropAt_ && *dropAt_ != *pressed_) {
        painter.setPen(QPen(kDropMark, 2, Qt::DashLine));
        painter.drawRect(pictureRect(*dropAt_).adjusted(1, 1, -1, -1));
    }
}

void frmLevels::mousePressEvent(QMouseEvent* event) {
    const std::optional<int> at = positionAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !at || *at >= numLevels_) {
        return;
    }
    pressed_ = at;
    pressAt_ = event->position().toPoint();
    dragging_ = false;
}

void frmLevels::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (!dragging_ && (at - pressAt_).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    if (!dragging_) {
        dragging_ = true;
        setCursor(Qt::ClosedHandCursor);
    }
    // Let go over an empty slot, the level goes to the end of the set.
    std::optional<int> drop = positionAt(at);
    if (drop) {
        drop = std::min(*drop, numLevels_ - 1);
    }
    if (drop != dropAt_) {
        dropAt_ = drop;
        update();
    }
}

void frmLevels::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_ || event->button() != Qt::LeftButton) {
        return;
    }
    const int from = *pressed_;
    const bool dragged = dragging_;
    const std::optional<int> to = dropAt_;
    const std::optional<int> releasedOn = positionAt(event->position().toPoint());
    endDrag();
    if (dragged) {
        if (to && *to != from) {
            emit levelDropped(from, *to);
        }
    } else if (releasedOn == from) {
        emit levelClicked(from);
    }
}

void frmLevels::endDrag() {
    if (dragging_) {
        unsetCursor();
        update();
    }
    pressed_.reset();
    dropAt_.reset();
    dragging_ = false;
}

void frmLevels::closeEvent(QCloseEvent* event) {
    endDrag();
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace vrh
