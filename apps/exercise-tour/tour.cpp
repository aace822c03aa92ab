#include "tour.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <iostream>

namespace quillan::tour {

void Tour::Save(QWidget& window, const std::string& name) const {
    Settle(200);
    const QString path = outDir + "/" + QString::fromStdString(name) + ".png";
    QScreen* screen = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() == "xcb" && screen)
        screen->grabWindow(0).save(path);
    else
        window.grab().save(path);
    std::cout << path.toStdString() << "\n";
}

void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

namespace {

// The event goes to the widget under the point (a child of `widget`, or `widget` itself), in its
// own coordinates, as the window system would deliver it; a held button keeps going to the
// widget that took the press (the mouse grab).
QWidget* pressed = nullptr;

void Send(QWidget& widget, QEvent::Type type, QPoint at) {
    const QPoint global = widget.mapToGlobal(at);
    QWidget* target = pressed && type != QEvent::MouseButtonPress ? pressed : widget.childAt(at);
    if (!target) target = &widget;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const bool held = type == QEvent::MouseButtonPress || (type == QEvent::MouseMove && pressed);
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, held ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    if (type == QEvent::MouseButtonPress) pressed = target;
    if (type == QEvent::MouseButtonRelease) pressed = nullptr;
}

}  // namespace

void Press(QWidget& widget, QPoint at) { Send(widget, QEvent::MouseButtonPress, at); }
void MoveTo(QWidget& widget, QPoint at) { Send(widget, QEvent::MouseMove, at); }
void Release(QWidget& widget, QPoint at) { Send(widget, QEvent::MouseButtonRelease, at); }

void Click(QWidget& widget, QPoint at) {
    MoveTo(widget, at);
    Press(widget, at);
    Release(widget, at);
}

void Drag(QWidget& source, QPoint from, QWidget& target, QPoint to) {
    MoveTo(source, from);
    Press(source, from);
    const QPoint start = source.mapToGlobal(from), end = target.mapToGlobal(to);
    constexpr int kSteps = 6;
    for (int step = 1; step <= kSteps; ++step) {
        const QPoint global = start + (end - start) * step / kSteps;
        MoveTo(source, source.mapFromGlobal(global));
        QApplication::processEvents();
    }
    Release(source, source.mapFromGlobal(end));
}

std::map<std::string, FamilyTour>& Families() {
    static std::map<std::string, FamilyTour> families;
    return families;
}

}  // namespace quillan::tour
