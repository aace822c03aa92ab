// The program's waits (a pause, a waiting play) run a nested event loop: painting and timers go
// on, the learner's input does not reach the windows until the wait ends.

#include "platform/qt/input_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include "platform/qt/qt_clock.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

// A window that counts the input it gets.
class Counting : public QWidget {
public:
    int clicks = 0, keys = 0, wheels = 0, paints = 0;
    bool closed = false;

protected:
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void wheelEvent(QWheelEvent*) override { ++wheels; }
    void paintEvent(QPaintEvent*) override { ++paints; }
    void closeEvent(QCloseEvent* event) override {
        closed = true;
        event->accept();
    }
};

// Every kind of input the learner gives, sent to `window` as the window system sends it.
void SendEveryInput(Counting& window) {
    test::Click(window);
    test::Press(window, Qt::Key_Return);
    QWheelEvent wheel(QPointF(5, 5), window.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &wheel);
}

TEST(InputGuard, AWaitKeepsInputFromTheWindowsWhilePaintingAndTimersGoOn) {
    Counting window;
    window.resize(100, 100);
    window.show();
    bool timerRan = false;
    QTimer::singleShot(20, [&] {
        timerRan = true;
        SendEveryInput(window);
        window.update();
    });
    QtClock().Wait(150);
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(window.clicks + window.keys + window.wheels, 0);
    EXPECT_GT(window.paints, 0);
    EXPECT_FALSE(InputGuard::Active());

    // After the wait the window takes input again.
    SendEveryInput(window);
    EXPECT_EQ(window.clicks, 1);
    EXPECT_EQ(window.keys, 1);
    EXPECT_EQ(window.wheels, 1);
}

TEST(InputGuard, TheProgramsOwnCloseAndAMessageOpenedDuringTheWaitGoThrough) {
    Counting window;
    window.show();
    bool answered = false;
    QTimer::singleShot(10, [&] {
        // A message the wait itself shows must be answerable.
        QDialog message;
        auto* ok = new QPushButton("OK", &message);
        QObject::connect(ok, &QPushButton::clicked, &message, &QDialog::accept);
        QTimer::singleShot(10, [&] { test::Click(*ok); });
        answered = message.exec() == QDialog::Accepted;
        window.close();
    });
    QtClock().Wait(200);
    EXPECT_TRUE(answered);
    EXPECT_TRUE(window.closed);
}

// The learner closing a window from its frame, as the window system asks it: through the
// window's handle.
void CloseFromWindowSystem(QWidget& window) {
    QCloseEvent close;
    QApplication::sendEvent(window.windowHandle(), &close);
}

TEST(InputGuard, AWaitHoldsBackACloseRequestFromTheWindowSystemButNotFromAMessageItShows) {
    Counting window;
    window.show();
    bool messageClosed = false;
    QTimer::singleShot(10, [&] {
        CloseFromWindowSystem(window);
        QDialog message;
        QTimer::singleShot(10, &message, [&] { CloseFromWindowSystem(message); });
        QTimer::singleShot(2000, &message, [&] { message.accept(); });  // should it stay
        messageClosed = message.exec() == QDialog::Rejected;
    });
    QtClock().Wait(150);
    EXPECT_FALSE(window.closed);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(messageClosed);

    // After the wait the same request closes the window.
    CloseFromWindowSystem(window);
    EXPECT_TRUE(window.closed);
    EXPECT_FALSE(window.isVisible());
}

TEST(InputGuard, GuardsNestAndTheLastLetsInputThrough) {
    Counting window;
    window.show();
    {
        InputGuard outer;
        {
            InputGuard inner;
            test::Click(window);
        }
        EXPECT_TRUE(InputGuard::Active());
        test::Click(window);
    }
    EXPECT_EQ(window.clicks, 0);
    test::Click(window);
    EXPECT_EQ(window.clicks, 1);
}

}  // namespace
}  // namespace quillan
