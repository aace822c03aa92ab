#include "app/backdrop_form.h"

#include <QGuiApplication>
#include <QScreen>

namespace quillan {

TPodkladForm::TPodkladForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName("TPodkladForm");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setEnabled(false);
    // Closing the main window ends the program even while the backdrop is still up.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void TPodkladForm::Cover() {
    // The whole screen, also where no window manager maximises windows.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    showMaximized();
}

}  // namespace quillan
