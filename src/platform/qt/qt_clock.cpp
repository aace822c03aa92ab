#include "platform/qt/qt_clock.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include "platform/qt/input_guard.h"

namespace quillan {

DayNumber QtClock::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return ToDayNumber({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()});
}

// A nested event loop ended by a timer: windows keep painting and timers run meanwhile; the
// learner's input waits for its end.
void QtClock::Wait(unsigned milliseconds) {
    if (milliseconds == 0) return;
    InputGuard guard;
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(milliseconds), &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace quillan
