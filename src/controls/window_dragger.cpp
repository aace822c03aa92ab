#include "controls/window_dragger.h"

#include <QMouseEvent>
#include <QWidget>

namespace quillan {

WindowDragger::WindowDragger(QWidget* handle, QWidget* window) : QObject(handle), window_(window) {
    handle->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) break;
        dragging_ = true;
        pressPoint_ = mouse->globalPosition().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_ || !(mouse->buttons() & Qt::LeftButton)) break;
        const QPoint now = mouse->globalPosition().toPoint();
        window_->move(window_->pos() + (now - pressPoint_));
        pressPoint_ = now;
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) dragging_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillan
