#include "forms/answer_form.h"

#include <QKeyEvent>
#include <QLabel>

#include "context/window_context.h"
#include "controls/button_pictures.h"
#include "controls/transparent_button.h"
#include "controls/window_dragger.h"
#include "forms/window_keys.h"
#include "help/help_form.h"
#include "platform/qt/qt_text.h"

namespace quillan {

TForm6::TForm6(WindowContext context, TMyImageList& images, THelpForm* help, QWidget* parent)
    : PictureDialog(context, QSize(500, 150), "twoja_odp_2.bmp", parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      help_(help) {
    setObjectName("TForm6");
    setWindowTitle(QString::fromUtf8("Twoja odpowiedź"));
    setModal(false);
    Label1 = new QLabel(this);
    Label1->setGeometry(0, 0, 500, 30);
    new WindowDragger(Label1, this);
    L_Odp = new QLabel(this);
    L_Odp->setGeometry(24, 38, 452, 70);
    L_Odp->setWordWrap(true);
    L_Odp->setTextFormat(Qt::PlainText);  // the learner's answer, as he typed it
    L_Odp->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font("Verdana");
    font.setPixelSize(16);
    L_Odp->setFont(font);
    btn_ok = new TTransparentButton(this, &images, pictures::Ok);
    btn_ok->setCursor(Qt::PointingHandCursor);
    connect(btn_ok, &TTransparentButton::clicked, this, &QDialog::close);
}

void TForm6::ShowAnswer(const std::string& text) {
    L_Odp->setText(ToQt(text));
    show();
    raise();
    activateWindow();
}

void TForm6::showEvent(QShowEvent* event) {
    wasActive_ = false;
    btn_ok->move(width() - btn_ok->width() - 12, height() - btn_ok->height() - 8);
    PictureDialog::showEvent(event);
}

void TForm6::hideEvent(QHideEvent* event) {
    wasActive_ = false;
    PictureDialog::hideEvent(event);
}

void TForm6::keyPressEvent(QKeyEvent* event) {
    const auto closeWindow = [this] { close(); };
    if (!TakeWindowKey(*event, help_, "h_pomoc.html", closeWindow, closeWindow)) PictureDialog::keyPressEvent(event);
}

// Losing the focus closes the window.
void TForm6::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isVisible()) {
        if (isActiveWindow())
            wasActive_ = true;
        else if (wasActive_)
            close();
    }
    PictureDialog::changeEvent(event);
}

}  // namespace quillan
