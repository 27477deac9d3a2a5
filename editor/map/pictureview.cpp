// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureview.h"

#include "pictureviewaccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <cmath>

namespace vrh {

PictureView::PictureView(const QString& objectName, QSize drawingArea, QWidget* parent)
    : QFrame(parent), image_(drawingArea, QImage::Format_RGB32), shown_(drawingArea) {
    setObjectName(objectName);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setFixedSize(drawingArea + QSize(2 * kBorder, 2 * kBorder));
    image_.fill(Qt::black);
    // The image covers the whole drawing area: nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    installPictureViewAccessible();
}

void PictureView::setImage(const QImage& image) {
    image_ = image;
    update();
    describeCursorAgain();
}

MarkerFrame& PictureView::addMarker(const QString& name, QColor colour, bool visible) {
    markers_.push_back(std::make_unique<MarkerFrame>(*this, name, colour, visible));
    updateArea(markers_.back()->rect());
    return *markers_.back();
}

QImage PictureView::composedImage() const {
    QImage composed = image_.copy();
    QPainter painter(&composed);
    paintUnderMarkers(painter, composed.rect());
    paintMarkers(painter, composed.rect());
    return composed;
}

void PictureView::updateArea(const QRect& area) {
    const QRect scaled(area.topLeft() * scale_ - scroll_, area.size() * scale_);
    const QRect shown = scaled & shownRect();
    if (!shown.isEmpty()) {
        update(shown.translated(kBorder, kBorder));
    }
}

QPointF PictureView::imagePosition(QPointF widgetPosition) const {
    const QPointF at = widgetPosition - QPointF(kBorder, kBorder) + scroll_;
    if (scale_ == 1) {
        return at;
    }
    return {std::floor(at.x() / scale_), std::floor(at.y() / scale_)};
}

void PictureView::setShownPart(int scale, QPoint scroll, QSize shown) {
    const QPoint moved = scroll_ - scroll;
    const bool sameView = shown_ == shown && scale_ == scale;
    scale_ = scale;
    scroll_ = scroll;
    shown_ = shown;
    const QRect part = shownRect().translated(kBorder, kBorder);
    if (!sameView) {
        update(contentsRect());
    } else if (std::abs(moved.x()) < shown.width() && std::abs(moved.y()) < shown.height()) {
        // A scroll moves what is on the screen and paints only the strip it uncovers; the
        // scroll bars beside the part stay where they are.
        QWidget::scroll(moved.x(), moved.y(), part);
    } else {
        update(part);
    }
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.translate(kBorder, kBorder);
    const QRect exposed = (event->rect() & contentsRect()).translated(-kBorder, -kBorder);
    const QRect shown = exposed & shownRect();
    if (!shown.isEmpty()) {
        // The one place of the scale: the image and all that lies over it are drawn in image
        // pixels through the painter's transform, each pixel a square block.
        painter.save();
        painter.translate(-scroll_);
        painter.scale(scale_, scale_);
        const auto inImage = [this](int at, int scroll) {
            return static_cast<int>(std::floor(double(at + scroll) / scale_));
        };
        const QRect area =
            QRect(
                QPoint(inImage(shown.left(), scroll_.x()), inImage(shown.top(), scroll_.y())),
                QPoint(inImage(shown.right(), scroll_.x()), inImage(shown.bottom(), scroll_.y()))) &
            image_.rect();
        painter.drawImage(area.topLeft(), image_, area);
        paintUnderMarkers(painter, area);
        paintMarkers(painter, area);
        painter.restore();
    }
    // What the shown part leaves of the drawing area lies under child widgets: the corner
    // between two scroll bars shows the window's colour.
    if (shown != exposed) {
        const QRegion rest = QRegion(exposed) - QRegion(shownRect());
        for (const QRect& part : rest) {
            painter.fillRect(part, palette().window());
        }
    }
    painter.resetTransform();
    drawFrame(&painter);
    if (hasFocus()) {
        paintFocusFrame(painter);
    }
}

// A dotted line on the border's inner pixels, just outside the drawing area, so that no cell is
// covered.
void PictureView::paintFocusFrame(QPainter& painter) const {
    const QRect area = contentsRect().adjusted(-1, -1, 0, 0);
    QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

namespace {

// Qt numbers the three buttons as the editor does: left 1, right 2, middle 4.
int buttonCode(Qt::MouseButtons buttons) {
    return (buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)).toInt();
}

int shiftCode(Qt::KeyboardModifiers keys) {
    return (keys.testFlag(Qt::ShiftModifier) ? PictureView::kShiftKey : 0) +
           (keys.testFlag(Qt::ControlModifier) ? PictureView::kCtrlKey : 0) +
           (keys.testFlag(Qt::AltModifier) ? PictureView::kAltKey : 0);
}

} // namespace

void PictureView::mousePressEvent(QMouseEvent* event) {
    const QPointF in = event->position() - QPointF(kBorder, kBorder);
    // The border is not part of the picture: a press on it is no press on a cell.
    if (in.x() < 0 || in.y() < 0 || in.x() >= shown_.width() || in.y() >= shown_.height()) {
        return;
    }
    const QPointF at = imagePosition(event->position());
    emit mousePressed(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = imagePosition(event->position());
    emit mouseMoved(buttonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = imagePosition(event->position());
    emit mouseReleased(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

namespace {

bool isCursorKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Menu:
        return true;
    case Qt::Key_F10:
        return event.modifiers().testFlag(Qt::ShiftModifier);
    default:
        return false;
    }
}

} // namespace

void PictureView::keyPressEvent(QKeyEvent* event) {
    if (!isCursorKey(*event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyPressed(event->key(), shiftCode(event->modifiers()), event->isAutoRepeat());
}

void PictureView::keyReleaseEvent(QKeyEvent* event) {
    emit keyReleased(event->key(), shiftCode(event->modifiers()), event->isAutoRepeat());
    QFrame::keyReleaseEvent(event);
}

void PictureView::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        emit focusLeft();
    }
}

void PictureView::putOutlinesUnder(const MarkerFrame& marker) {
    outlinesUnder_ = &marker;
    update();
}

void PictureView::setCursorMarker(const MarkerFrame& cursor,
                                  std::function<QString(QPoint)> describe) {
    cursor_ = &cursor;
    describe_ = std::move(describe);
    update();
    describeCursorAgain();
}

QString PictureView::cursorDescription() const {
    return describe_ ? describe_(cursor_->cell()) : QString();
}

QRect PictureView::cursorRect() const {
    if (!cursor_) {
        return {};
    }
    const QRect cell = cursor_->rect();
    return {cell.topLeft() * scale_ - scroll_ + QPoint(kBorder, kBorder), cell.size() * scale_};
}

// Once for all the changes of one event: a level shown moves several markers at once.
void PictureView::describeCursorAgain() {
    if (describe_ && !announcing_) {
        announcing_ = true;
        QMetaObject::invokeMethod(this, &PictureView::announceDescription, Qt::QueuedConnection);
    }
}

void PictureView::announceDescription() {
    announcing_ = false;
    QString description = cursorDescription();
    if (description == announced_) {
        return;
    }
    announced_ = std::move(description);
    ++announcements_;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    // Screen readers speak a focused item that takes the focus, as in a list: the cursor's cell,
    // a new item for each new text, takes it while the view has the keyboard focus.
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(0);
        QAccessible::updateAccessibility(&focus);
    }
}

bool PictureView::cursorShares() const {
    for (const auto& marker : markers_) {
        if (marker.get() != cursor_ && marker->isVisible() &&
            marker->position() == cursor_->position()) {
            return true;
        }
    }
    return false;
}

void PictureView::paintUnderMarkers(QPainter& /*painter*/, const QRect& /*area*/) const {}

void PictureView::paintOutlines(QPainter& /*painter*/, const QRect& /*area*/) const {}

void PictureView::paintMarkers(QPainter& painter, const QRect& area) const {
    bool outlined = false;
    for (const auto& marker : markers_) {
        if (marker.get() == outlinesUnder_) {
            paintOutlines(painter, area);
            outlined = true;
        }
        if (marker->rect().intersects(area)) {
            marker->paint(painter, marker.get() == cursor_ && cursorShares());
        }
    }
    if (!outlined) {
        paintOutlines(painter, area);
    }
}

} // namespace vrh
