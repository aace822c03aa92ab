#include "controls/result_gauge.h"
#include "controls/widget_style.h"

#include <QLabel>
#include <QPainter>

#include "controls/gauge.h"
#include "controls/pictures.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {

TPanel1::TPanel1(QWidget* parent)
    : QWidget(parent), tlo_(IconPicture("tlo_wynik")), torcik_(IconPicture("torcik")), label_(new QLabel(this)) {
    resize(200, 33);
    label_->setFont(PointFont("Verdana", 10, true));
    SetTextColour(*label_, QColor(0, 101, 156));
    label_->setAttribute(Qt::WA_TranslucentBackground);
    label_->move(110, 8);
    label_->adjustSize();
}

void TPanel1::SetWynik(int percent) {
    wynik_ = percent;
    label_->setText(QString::number(percent) + "%");
    label_->adjustSize();
    update();
}

void TPanel1::SetTlo(const QPixmap& background) {
    tlo_ = background.copy();
    update();
}

void TPanel1::SetTorcik(const QPixmap& strip) {
    torcik_ = strip.copy();
    update();
}

void TPanel1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothPictures(painter);
    painter.drawPixmap(0, 0, tlo_);
    const int i = GaugePictureIndex(wynik_);
    painter.drawPixmap(QRect(160, 6, 22, 22), torcik_, QRect(22 * i, 0, 22, 22));
}

}  // namespace quillan
