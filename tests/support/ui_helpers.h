#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
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

// A left click at a point of a control.
inline void ClickAt(QWidget& widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

// The pointer moved to a point of a control, no button held.
inline void MoveTo(QWidget& widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// Typed text, one key press per character, to the control (the one with the focus, usually).
inline void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &event);
    }
}

// Whether a label shows its text as written, character for character: as it draws it when
// told that its text is plain (and not as rich text would read its tags and entities).
inline bool ShowsAsWritten(QLabel& label) {
    const QImage shown = label.grab().toImage();
    const Qt::TextFormat format = label.textFormat();
    label.setTextFormat(Qt::PlainText);
    const QImage plain = label.grab().toImage();
    label.setTextFormat(format);
    return shown == plain;
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

// Runs `action` once, as soon as the window `window()` gives is the modal window on top (a
// window that something opens with exec() later on, possibly from inside another modal
// window). Gives up after `timeoutMs`.
inline void WhenModal(const std::function<QWidget*()>& window, const std::function<void()>& action,
                      int timeoutMs = 5000) {
    auto* poll = new QTimer;
    auto* waited = new int(0);
    QObject::connect(poll, &QTimer::timeout, [poll, waited, window, action, timeoutMs] {
        *waited += 5;
        QWidget* target = window();
        const bool up = target && QApplication::activeModalWidget() == target && target->isVisible();
        if (!up && *waited < timeoutMs) return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (up) action();
    });
    poll->start(5);
}

inline void WhenModal(QWidget* window, const std::function<void()>& action) {
    WhenModal([window] { return window; }, action);
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
