#include "guidance/panel_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace quillan {
namespace {

constexpr int kSize = 16;

QPixmap Blank() {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    return picture;
}

// A level: four rising bars, the first `level` of them filled.
QPixmap Level(int level) {
    QPixmap picture = Blank();
    QPainter p(&picture);
    for (int i = 0; i < 4; ++i) {
        const int h = 4 + 3 * i;
        const QRect bar(1 + 4 * i, kSize - 1 - h, 3, h);
        p.fillRect(bar, i < level ? QColor(0x1c, 0x6e, 0xb4) : QColor(0xc8, 0xd4, 0xe0));
    }
    return picture;
}

// An exercise family: a letter on a coloured tile.
QPixmap Family(const QString& letter, QColor colour) {
    QPixmap picture = Blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 3, 3);
    QFont font("Arial");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, letter);
    return picture;
}

QPixmap Disc(QColor colour, const std::function<void(QPainter&)>& sign) {
    QPixmap picture = Blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, kSize - 1, kSize - 1));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    sign(p);
    return picture;
}

void Tick(QPainter& p) {
    QPainterPath path;
    path.moveTo(4, 8.5);
    path.lineTo(7, 11.5);
    path.lineTo(12, 4.5);
    p.drawPath(path);
}

void Cross(QPainter& p) {
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
}

QPixmap Text(const QString& text, QColor colour) {
    QPixmap picture = Blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1));
    p.setBrush(QColor(0xf4, 0xf7, 0xfb));
    p.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 2, 2);
    QFont font("Arial");
    font.setPixelSize(text.size() > 2 ? 7 : 10);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
    return picture;
}

QPixmap Arrow() {
    QPixmap picture = Blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1c, 0x6e, 0xb4));
    QPainterPath path;
    path.moveTo(2, 6);
    path.lineTo(9, 6);
    path.lineTo(9, 2);
    path.lineTo(15, 8);
    path.lineTo(9, 14);
    path.lineTo(9, 10);
    path.lineTo(2, 10);
    path.closeSubpath();
    p.drawPath(path);
    return picture;
}

}  // namespace

QPixmap PanelIconPicture(PanelIcon icon) {
    switch (icon) {
    case PanelIcon::None: return {};
    case PanelIcon::Level1: return Level(1);
    case PanelIcon::Level2: return Level(2);
    case PanelIcon::Level3: return Level(3);
    case PanelIcon::Level4: return Level(4);
    case PanelIcon::Family1: return Family("S", QColor(0x2f, 0x80, 0xc0));  // sentences (dictation)
    case PanelIcon::Family2: return Family("R", QColor(0x3b, 0x9c, 0x5a));  // comprehension
    case PanelIcon::Family3: return Family("T", QColor(0xc0, 0x7a, 0x1c));  // texts
    case PanelIcon::Family4: return Family("N", QColor(0x8a, 0x4f, 0xb8));  // recording
    case PanelIcon::Family5: return Family("D", QColor(0xc0, 0x3a, 0x4a));  // dialogues
    case PanelIcon::Done: return Disc(QColor(0x2e, 0x9e, 0x3c), Tick);
    case PanelIcon::NotDone: return Disc(QColor(0xa0, 0xa8, 0xb0), Cross);
    case PanelIcon::StatOk: return Disc(QColor(0x2e, 0x9e, 0x3c), Tick);
    case PanelIcon::StatNo: return Disc(QColor(0xd0, 0x2a, 0x2a), Cross);
    case PanelIcon::StatPercent: return Text("%", QColor(0x1c, 0x6e, 0xb4));
    case PanelIcon::StatAbc: return Text("abc", QColor(0x1c, 0x6e, 0xb4));
    case PanelIcon::StatArrow: return Arrow();
    }
    return {};
}

}  // namespace quillan
