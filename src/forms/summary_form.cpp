#include "forms/summary_form.h"

#include <QKeyEvent>
#include <QLabel>

#include "context/window_context.h"
#include "controls/button_pictures.h"
#include "controls/transparent_button.h"
#include "forms/window_keys.h"
#include "guidance/information_form.h"
#include "help/help_form.h"
#include "text/numbered_texts.h"

namespace quillan {

TForm25::TForm25(WindowContext context, TMyImageList& images, TInformacjaForm* panel, THelpForm* help, QWidget* parent)
    : PictureDialog(context, QSize(300, 220), "statystyka.bmp", parent), panel_(panel), help_(help) {
    setObjectName("TForm25");
    QFont font("Verdana");
    font.setPointSize(10);
    font.setBold(true);
    // The values stand at the right end of the four rows whose captions the background gives.
    int top = 49;
    for (QLabel** line : {&l_Stat1, &L_Stat2, &L_Stat3, &L_stat4}) {
        *line = new QLabel(this);
        (*line)->setGeometry(190, top, 84, 22);
        (*line)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        (*line)->setFont(font);
        top += 30;
    }
    B_OK = new TTransparentButton(this, &images, pictures::OkBig);
    K_wroc = new TTransparentButton(this, &images, pictures::ExerciseBack);
    btn_help = new TTransparentButton(this, &images, pictures::Help);
    for (TTransparentButton* button : {B_OK, K_wroc, btn_help}) button->setCursor(Qt::PointingHandCursor);
    connect(B_OK, &TTransparentButton::clicked, this, [this] {
        Tag = 1;
        close();
    });
    connect(K_wroc, &TTransparentButton::clicked, this, [this] {
        Tag = 0;
        close();
    });
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        if (!panel_) return;
        panel_->PanelKey = "HH_" + UiText(context_.interfaceTexts, 7);
        panel_->exec();
    });
}

int TForm25::exec() {
    PictureDialog::exec();
    return Tag;
}

void TForm25::showEvent(QShowEvent* event) {
    Tag = 0;
    B_OK->move(width() - B_OK->width() - 16, height() - B_OK->height() - 12);
    K_wroc->move(16, height() - K_wroc->height() - 12);
    btn_help->move(width() - btn_help->width() - 8, 8);
    PictureDialog::showEvent(event);
}

void TForm25::keyPressEvent(QKeyEvent* event) {
    const auto closeWindow = [this] { close(); };
    if (!TakeWindowKey(*event, help_, "h_comp.html#e3", closeWindow, closeWindow)) PictureDialog::keyPressEvent(event);
}

}  // namespace quillan
