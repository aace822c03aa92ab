#include "controls/result_gauge.h"

#include <QLabel>
#include <QPainter>

#include "controls/gauge.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {
namespace {

// The gauge's own pictures until a window gives it others: a light plate, and thirteen pies
// filled from none to whole.
QPixmap DefaultPlate() {
    QPixmap plate(200, 33);
    plate.fill(Qt::transparent);
    QPainter painter(&plate);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x8c, 0xa6, 0xc0));
    painter.setBrush(QColor(0xf2, 0xf6, 0xfa));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 199, 32), 6, 6);
    return plate;
}

QPixmap DefaultPies() {
    QPixmap strip(22 * 13, 22);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 13; ++i) {
        const QRectF pie(22 * i + 1.5, 1.5, 19, 19);
        painter.setPen(QColor(0x00, 0x65, 0x9c));
        painter.setBrush(Qt::white);
        painter.drawEllipse(pie);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x00, 0x65, 0x9c));
        painter.drawPie(pie, 90 * 16, -i * 360 * 16 / 12);
    }
    return strip;
}

}  // namespace

TPanel1::TPanel1(QWidget* parent) : QWidget(parent), tlo_(DefaultPlate()), torcik_(DefaultPies()), label_(new QLabel(this)) {
    resize(200, 33);
    QFont font("Verdana");
    font.setPointSize(10);
    font.setBold(true);
    label_->setFont(font);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 101, 156));
    label_->setPalette(palette);
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
