#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "platform/qt/window_raiser.h"

namespace quillan {
namespace {

TEST(WindowRaiser, ARequestShowsTheListeningWindow) {
    const std::string title = "Quillan test dictionary " + std::to_string(QCoreApplication::applicationPid());
    EXPECT_FALSE(RequestRaise(title));  // nobody listens yet

    QWidget window;
    RaiseServer server(&window, title);
    ASSERT_TRUE(server.Listening());
    ASSERT_FALSE(window.isVisible());

    // The request is served by this same event loop, so send it from a queued call.
    bool sent = false;
    QMetaObject::invokeMethod(&window, [&] { sent = RequestRaise(title); }, Qt::QueuedConnection);
    QElapsedTimer timer;
    timer.start();
    while (!window.isVisible() && timer.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(sent);
    EXPECT_TRUE(window.isVisible());

    RaiseServer second(&window, title);  // a second copy finds the first one listening
    EXPECT_FALSE(second.Listening());
}

}  // namespace
}  // namespace quillan
