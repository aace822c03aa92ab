#include "chart/delete_repetitions_form.h"

#include <QKeyEvent>
#include <QLabel>

#include "context/window_context.h"
#include "controls/button_pictures.h"
#include "controls/transparent_button.h"
#include "platform/qt/qt_text.h"
#include "text/numbered_texts.h"

namespace quillan {

Tkas_powt_Form::Tkas_powt_Form(WindowContext context, TMyImageList& images, QWidget* parent)
    : PictureDialog(context, QSize(300, 100), "skasowacpowtorki.bmp", parent) {
    setObjectName("Tkas_powt_Form");
    // Under the title strip of the picture: the question, then the two buttons.
    Label1 = new QLabel(this);
    Label1->setGeometry(10, 26, 280, 34);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont font("Verdana");
    font.setPixelSize(12);
    font.setBold(true);
    Label1->setFont(font);
    B_OK = new TTransparentButton(this, &images, pictures::Ok);
    B_OK->move(102, 64);
    B_Zamknij = new TTransparentButton(this, &images, pictures::Cancel);
    B_Zamknij->move(154, 64);
    for (TTransparentButton* button : {B_OK, B_Zamknij}) button->setCursor(Qt::PointingHandCursor);
    connect(B_OK, &TTransparentButton::clicked, this, [this] {
        Tag = 1;
        close();
    });
    connect(B_Zamknij, &TTransparentButton::clicked, this, &QDialog::close);
}

bool Tkas_powt_Form::Confirm() {
    Tag = 0;
    exec();
    return Tag == 1;
}

void Tkas_powt_Form::showEvent(QShowEvent* event) {
    Label1->setText(ToQt(UiText(context_.interfaceTexts, 117)));
    PictureDialog::showEvent(event);
}

void Tkas_powt_Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    PictureDialog::keyPressEvent(event);
}

}  // namespace quillan
