#include "controls/picture_controls.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace quillan {

TMImage::TMImage(QWidget* parent) : QLabel(parent) {}

void TMImage::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit mouseEnter();
}

void TMImage::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeave();
}

void TMImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftHeld_ = true;
    emit mouseDown(event);
}

void TMImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && leftHeld_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) leftHeld_ = false;
    const QPointer<TMImage> self(this);
    emit mouseUp(event);
    if (click && self) emit clicked();
}

void TMImage::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

TFCSImage1::TFCSImage1(QWidget* parent) : TMImage(parent) {}

void TFCSImage1::RepeatTick() {
    timer_->setInterval(Repeatpause);
    emit clicked();
}

void TFCSImage1::mousePressEvent(QMouseEvent* event) {
    TMImage::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    if (!timer_) {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, &TFCSImage1::RepeatTick);
    }
    timer_->setInterval(InitRepeatpause);
    timer_->start();
}

void TFCSImage1::mouseReleaseEvent(QMouseEvent* event) {
    TMImage::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && timer_) timer_->stop();
}

// A picture hidden while held (its window closed by a click) repeats no more.
void TFCSImage1::hideEvent(QHideEvent* event) {
    if (timer_) timer_->stop();
    TMImage::hideEvent(event);
}

}  // namespace quillan
