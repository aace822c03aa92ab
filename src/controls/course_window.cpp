#include "controls/course_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/qt/qt_text.h"

namespace quillan {

void SetUpCourseWindow(QWidget& window, const char* name, const std::string& title) {
    window.setObjectName(name);
    window.setFixedSize(1024, 768);
    window.setWindowTitle(ToQt(title));
    window.setFocusPolicy(Qt::StrongFocus);
}

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->geometry().center() - window.rect().center());
}

void ShowCentred(QWidget& window) {
    CentreOnScreen(window);
    window.show();
    window.raise();
    window.activateWindow();
    window.setFocus();
}

}  // namespace quillan
