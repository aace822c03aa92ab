#include "app/exit_form.h"

#include <QKeyEvent>

#include "controls/button_pictures.h"
#include "controls/transparent_button.h"

namespace quillan {

TForm24::TForm24(WindowContext context, TMyImageList& images, QWidget* parent)
    : PictureDialog(context, QSize(300, 100), "koniec.bmp", parent) {
    setObjectName("TForm24");
    // The picture writes the captions of the two buttons under these places.
    B_OK = new TTransparentButton(this, &images, pictures::Ok);
    B_OK->move(118, 48);
    B_Zamknij = new TTransparentButton(this, &images, pictures::Cancel);
    B_Zamknij->move(177, 48);
    for (TTransparentButton* button : {B_OK, B_Zamknij}) button->setCursor(Qt::PointingHandCursor);
    connect(B_OK, &TTransparentButton::clicked, this, [this] {
        ExitConfirmed = true;
        close();
    });
    connect(B_Zamknij, &TTransparentButton::clicked, this, [this] {
        ExitConfirmed = false;
        close();
    });
}

bool TForm24::Confirm() {
    ExitConfirmed = false;
    exec();
    return ExitConfirmed;
}

void TForm24::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ExitConfirmed = false;
        close();
        return;
    }
    PictureDialog::keyPressEvent(event);
}

}  // namespace quillan
