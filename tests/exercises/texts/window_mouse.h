#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace quillan::test {

// The mouse on a label lying in its window, as the learner moves it: press on the label, moves
// through the window, release; points are in the window's coordinates. The events go to the
// label, which holds the mouse from the press to the release.
inline void LabelMouse(QWidget& label, QEvent::Type type, QPoint inWindow) {
    const QPoint at = label.mapFromParent(inWindow);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, label.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&label, &event);
}

// Drags a label from its centre to a point of its window in four moves.
inline void DragLabel(QWidget& label, QPoint to) {
    const QPoint from = label.geometry().center();
    LabelMouse(label, QEvent::MouseButtonPress, from);
    for (int step = 1; step <= 4; ++step) LabelMouse(label, QEvent::MouseMove, from + (to - from) * step / 4);
    LabelMouse(label, QEvent::MouseButtonRelease, to);
}

}  // namespace quillan::test
