#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QTimer>
#include <functional>

namespace quillan::test {

// A left click in the middle of a control, as the mouse gives it.
inline void Click(QWidget& widget) {
    const QPoint at = widget.rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

inline void Press(QWidget& widget, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Runs `inside` once the modal window opened by `open` is up (it should close the window).
inline void WhileModal(const std::function<void()>& open, const std::function<void()>& inside) {
    QTimer::singleShot(0, inside);
    open();
}

// Runs the event loop until `done` holds or `timeoutMs` passed; true when it holds.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(10);
    if (!done()) loop.exec();
    return done();
}

}  // namespace quillan::test
