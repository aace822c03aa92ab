#include "exercises/texts/label_drag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace quillan {

LabelDrag::LabelDrag(QWidget& window) : QObject(&window), window_(window) { window_.installEventFilter(this); }

void LabelDrag::Add(QWidget* label, int id) {
    ids_[label] = id;
    label->installEventFilter(this);
}

void LabelDrag::Cancel() {
    if (dragged_ < 0) return;
    const int id = dragged_;
    if (label_) label_->setCursor(cursor_);
    dragged_ = -1;
    label_ = nullptr;
    if (onCancel) onCancel(id);
}

void LabelDrag::Carry(QWidget& label, QPoint inParent) {
    label.move(inParent + carryOffset - QPoint(label.width() / 2, label.height() / 2));
}

bool LabelDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Hide) Cancel();
        return false;
    }
    const auto found = ids_.find(watched);
    if (found == ids_.end()) return false;
    auto* label = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            Cancel();
            if (onStart && !onStart(found->second)) return true;
            dragged_ = found->second;
            label_ = label;
            label->raise();
            cursor_ = label->cursor();
            label->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        case QEvent::MouseMove: {
            if (label != label_) return false;
            Carry(*label, label->mapToParent(static_cast<QMouseEvent*>(event)->position().toPoint()));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (label != label_ || mouse->button() != Qt::LeftButton) return false;
            const QPoint at = label->mapToParent(mouse->position().toPoint());
            const int id = dragged_;
            label->setCursor(cursor_);
            dragged_ = -1;
            label_ = nullptr;
            if (onDrop) onDrop(id, at);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace quillan
