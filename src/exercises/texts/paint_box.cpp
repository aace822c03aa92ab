#include "exercises/texts/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillan {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void PaintBox::paintEvent(QPaintEvent*) {
    if (!onPaint) return;
    QPainter painter(this);
    onPaint(painter);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) onMouseMove(event->position().toPoint());
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) onMouseDown(event->position().toPoint(), event->button());
}

}  // namespace quillan
