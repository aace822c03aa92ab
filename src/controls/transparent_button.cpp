#include "controls/transparent_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/image_list.h"

namespace quillan {

TTransparentButton* ImageButton(QWidget* parent, TMyImageList& images, int picture, const char* name) {
    auto* button = new TTransparentButton(parent, &images, picture);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

TTransparentButton::TTransparentButton(QWidget* parent, TMyImageList* imageList, int bitmapNormal)
    : QWidget(parent), bitmapNormal_(bitmapNormal) {
    resize(33, 33);
    SetImageList(imageList);
}

void TTransparentButton::SetBitmapNormal(int index) {
    bitmapNormal_ = index;
    FitToStrip();
    update();
}

void TTransparentButton::SetImageList(TMyImageList* list) {
    if (imageList_) disconnect(imageList_, nullptr, this, nullptr);
    imageList_ = list;
    if (imageList_)
        connect(imageList_, &TMyImageList::Changed, this, [this] {
            FitToStrip();
            update();
        });
    FitToStrip();
    update();
}

void TTransparentButton::SetStan(int stan) {
    state_.Stan = stan;
    update();
}

void TTransparentButton::SetStyle(ButtonStyle style) {
    state_.Style = style;
    FitToStrip();
    update();
}

void TTransparentButton::SetHideNormal(bool hide) {
    state_.HideNormal = hide;
    update();
}

// Size of one frame of the strip, and with tbs_DefPos the strip's stored position.
void TTransparentButton::FitToStrip() {
    if (!imageList_) return;
    if (state_.Style.defPos) move(imageList_->StripLeft(bitmapNormal_), imageList_->StripTop(bitmapNormal_));
    resize(imageList_->FrameWidth(bitmapNormal_), imageList_->FrameHeight(bitmapNormal_));
}

void TTransparentButton::paintEvent(QPaintEvent* event) {
    const int frame = state_.Frame();
    if (frame < 0 || !imageList_) return;
    QPainter painter(this);
    imageList_->DrawFrame(painter, bitmapNormal_, frame, event->rect());
}

void TTransparentButton::enterEvent(QEnterEvent*) {
    if (!isEnabled()) return;
    state_.MouseEnter(true);
    update();
    emit mouseEnter();
}

void TTransparentButton::leaveEvent(QEvent*) {
    state_.MouseLeave();
    update();
    emit mouseLeave();
}

void TTransparentButton::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event);
    if (event->button() != Qt::LeftButton) return;
    leftHeld_ = true;
    state_.LeftDown();
    update();
}

void TTransparentButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && leftHeld_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) leftHeld_ = false;
    // The handlers may hide or close the window; the button itself lives on with it.
    const QPointer<TTransparentButton> self(this);
    emit mouseUp(event);
    if (click && self) emit clicked();
    if (!self || event->button() != Qt::LeftButton) return;
    state_.LeftUp();
    update();
}

void TTransparentButton::mouseMoveEvent(QMouseEvent* event) { emit mouseMove(event); }

// A quick second click is a click like the first.
void TTransparentButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

// A window hidden under the pointer sends its buttons no leave event: a hidden button is no
// longer under the mouse nor held, and shows normal when it comes back.
void TTransparentButton::hideEvent(QHideEvent* event) {
    leftHeld_ = false;
    state_.MouseLeave();
    state_.LeftUp();
    QWidget::hideEvent(event);
}

}  // namespace quillan
