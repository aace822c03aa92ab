#include "controls/message_form.h"

#include <QKeyEvent>
#include <QLabel>

#include "controls/button_pictures.h"
#include "controls/transparent_button.h"
#include "platform/qt/qt_text.h"

namespace quillan {

TForm20::TForm20(WindowContext context, TMyImageList& images, QWidget* parent)
    : PictureDialog(context, QSize(440, 120), "info.bmp", parent) {
    setObjectName("TForm20");
    Label1 = new QLabel(this);
    Label1->setGeometry(70, 30, 350, 46);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    QFont font("Verdana");
    font.setPixelSize(13);
    Label1->setFont(font);
    B_OK = new TTransparentButton(this, &images, pictures::Ok);
    B_OK->setToolTip(QString::fromUtf8("Wyjście"));
    B_OK->setCursor(Qt::PointingHandCursor);
    connect(B_OK, &TTransparentButton::clicked, this, &QDialog::accept);
}

void TForm20::ShowMessage(const std::string& text) {
    Label1->setText(ToQt(text));
    exec();
}

void TForm20::showEvent(QShowEvent* event) {
    B_OK->move((width() - B_OK->width()) / 2, height() - B_OK->height() - 8);
    PictureDialog::showEvent(event);
}

void TForm20::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (B_OK->isVisible()) accept();
        break;
    default:
        PictureDialog::keyPressEvent(event);
    }
}

}  // namespace quillan
