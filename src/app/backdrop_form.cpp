#include "app/backdrop_form.h"

namespace quillan {

TPodkladForm::TPodkladForm(QWidget* parent) : QWidget(parent) {
    setObjectName("TPodkladForm");
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setEnabled(false);
    // Closing the main window ends the program even while the backdrop is still up.
    setAttribute(Qt::WA_QuitOnClose, false);
}

}  // namespace quillan
