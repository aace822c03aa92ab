#include "platform/qt/qt_clock.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace quillan {

DayNumber QtClock::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return ToDayNumber({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()});
}

// A nested event loop ended by a timer: the window system keeps handling events meanwhile.
void QtClock::Wait(unsigned milliseconds) {
    if (milliseconds == 0) return;
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(milliseconds), &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace quillan
