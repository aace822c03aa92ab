// Backgrounds of the exercise windows (1024 x 768; calm backdrops with a faint motif of the
// exercise family) and the pictures of the picture-choice exercise (160 x 200).

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <functional>
#include <string>

#include "installation.h"
#include "pictures.h"
#include "style.h"

namespace demo {
namespace {

QImage Backdrop(int tint, int seed, Glyph motif) {
    QImage image = Blank(1024, 768);
    QPainter p(&image);
    Smooth(p);
    PaintBackdrop(p, image.rect(), tint, seed);
    QColor faint = TintColour(tint);
    faint.setAlpha(34);
    DrawGlyph(p, motif, QRectF(720, 560, 170, 170), faint, 0.8);
    return image;
}

std::string Numbered(const std::string& stem, int n, const char* ext) { return stem + std::to_string(n) + ext; }

// --- The pictures of the picture-choice exercise -------------------------------------------

using Scene = std::function<void(QPainter&, const QRectF&)>;

QImage Card(const Scene& scene) {
    QImage image = Blank(160, 200, palette::kSurface);
    QPainter p(&image);
    Smooth(p);
    PaintCard(p, QRectF(4, 4, 152, 192), 12);
    scene(p, QRectF(12, 12, 136, 176));
    return image;
}

void Clock(QPainter& p, const QRectF& area, int hour) {
    const QPointF c(area.center().x(), area.top() + 74);
    const qreal r = 58;
    p.setPen(QPen(palette::kBlue, 5));
    p.setBrush(palette::kWhite);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(palette::kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(i * 30.0);
        const qreal inner = i % 3 == 0 ? r - 14 : r - 9;
        p.drawLine(QPointF(c.x() + inner * qSin(a), c.y() - inner * qCos(a)),
                   QPointF(c.x() + (r - 5) * qSin(a), c.y() - (r - 5) * qCos(a)));
    }
    const qreal hourAngle = qDegreesToRadians((hour % 12) * 30.0);
    p.setPen(QPen(palette::kInk, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + 30 * qSin(hourAngle), c.y() - 30 * qCos(hourAngle)));
    p.setPen(QPen(palette::kSky, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x(), c.y() - 46));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kAmber);
    p.drawEllipse(c, 5, 5);
    PaintText(p, QRectF(area.left(), area.top() + 140, area.width(), 30), QString("%1:00").arg(hour), Face(22, true),
              palette::kInk, Qt::AlignCenter);
}

void Trend(QPainter& p, const QRectF& area, int direction) {
    const QRectF plot(area.left() + 8, area.top() + 20, area.width() - 16, 120);
    p.setPen(QPen(palette::kMist, 2));
    for (int i = 0; i <= 3; ++i) p.drawLine(QPointF(plot.left(), plot.top() + i * 40), QPointF(plot.right(), plot.top() + i * 40));
    const qreal ys[3][5] = {{110, 90, 70, 45, 15}, {15, 40, 62, 88, 110}, {62, 58, 64, 60, 62}};
    QPainterPath line;
    for (int i = 0; i < 5; ++i) {
        const QPointF pt(plot.left() + i * plot.width() / 4, plot.top() + ys[direction][i]);
        i == 0 ? line.moveTo(pt) : line.lineTo(pt);
    }
    const QColor colour = direction == 0 ? palette::kGreen : direction == 1 ? palette::kRed : palette::kSky;
    p.setPen(QPen(colour, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    const Glyph arrow = direction == 0 ? Glyph::ArrowUp : direction == 1 ? Glyph::ArrowDown : Glyph::ArrowRight;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(area.center().x() - 18, area.top() + 142, 36, 36));
    DrawGlyph(p, arrow, QRectF(area.center().x() - 11, area.top() + 149, 22, 22), palette::kWhite, 1.2);
}

void Device(QPainter& p, const QRectF& area, Glyph glyph, const QColor& colour) {
    p.setPen(Qt::NoPen);
    QColor soft = colour;
    soft.setAlpha(40);
    p.setBrush(soft);
    p.drawEllipse(QRectF(area.center().x() - 60, area.top() + 28, 120, 120));
    DrawGlyph(p, glyph, QRectF(area.center().x() - 40, area.top() + 48, 80, 80), colour, 0.9);
}

void Building(QPainter& p, const QRectF& area, int floor) {
    const int floors = 8;
    const qreal fh = 19;
    const QRectF body(area.center().x() - 44, area.bottom() - 8 - floors * fh, 88, floors * fh);
    p.setPen(QPen(palette::kInk, 2));
    p.setBrush(QColor(236, 243, 248));
    p.drawRect(body);
    for (int f = 1; f <= floors; ++f) {
        const qreal y = body.bottom() - f * fh;
        const bool marked = f == floor;
        p.setPen(Qt::NoPen);
        p.setBrush(marked ? palette::kAmber : QColor(190, 214, 228));
        for (int w = 0; w < 4; ++w) p.drawRect(QRectF(body.left() + 8 + w * 20, y + 4, 12, fh - 8));
        if (marked) {
            PaintText(p, QRectF(body.right() + 4, y - 2, 40, fh + 4), QString::number(f), Face(16, true), palette::kAmber,
                      Qt::AlignLeft | Qt::AlignVCenter);
            p.setPen(QPen(palette::kAmber, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(body.left() - 3, y + 1, body.width() + 6, fh - 2));
        }
    }
    p.setPen(QPen(palette::kInk, 2));
    p.drawLine(QPointF(area.left(), area.bottom() - 8), QPointF(area.right(), area.bottom() - 8));
}

// Placeholder shown at a position whose picture is missing.
void Placeholder(QPainter& p, const QRectF& area, int position) {
    Device(p, area, Glyph::Question, QColor(150, 162, 172));
    PaintText(p, QRectF(area.left(), area.top() + 146, area.width(), 24), QString::number(position), Face(18, true),
              QColor(150, 162, 172), Qt::AlignCenter);
}

}  // namespace

void WriteMediaPictures(Installation& installation) {
    // Vocabulary trainer: slow_0 (the fallback) to slow_5.
    for (int n = 0; n <= 5; ++n) installation.WriteImage(Numbered("media\\tla\\slow_", n, ".jpg"), Backdrop(n, n, Glyph::Book));
    for (int n = 1; n <= 4; ++n) {
        installation.WriteImage(Numbered("media\\tla\\zdn_", n, ".jpg"), Backdrop(n + 1, n, Glyph::Microphone));
        installation.WriteImage(Numbered("media\\tla\\ciek_", n, ".jpg"), Backdrop(n + 2, n + 1, Glyph::Bulb));
        installation.WriteImage(Numbered("media\\tla\\zdd_", n, ".jpg"), Backdrop(n + 3, n + 2, Glyph::DragDrop));
    }
    // The sentence exercise draws from 1 to 19 and F4 steps on to 20.
    for (int n = 1; n <= 20; ++n)
        installation.WriteImage(Numbered("media\\Zdania\\Zdania", n, ".jpg"), Backdrop(n, n, Glyph::Puzzle));
    installation.WriteImage("media\\dialogi_tlo\\tmp.jpg", Backdrop(2, 5, Glyph::Conversation));
    installation.WriteImage("media\\dialogi_tlo\\dial_tlo_01.jpg", Backdrop(2, 1, Glyph::Conversation));
    for (int n = 1; n <= 3; ++n)
        installation.WriteImage(Numbered("gfx_r\\rozum_tlo", n, ".jpg"), Backdrop(n + 3, n, Glyph::Headphones));
    installation.WriteImage("gfx_r\\tlo_listy.jpg", Backdrop(3, 4, Glyph::Envelope));
    // Backgrounds of the course texts' exercises (the drag-and-drop table reads a bitmap).
    installation.WriteImage("teksty_gfx_r\\tekst1.jpg", Backdrop(0, 3, Glyph::Document));
    installation.WriteImage("teksty_gfx_r\\tekst1.bmp", Backdrop(0, 3, Glyph::Document));
    installation.WriteImage("teksty_gfx_r\\tekst2.jpg", Backdrop(1, 4, Glyph::Envelope));
    installation.WriteImage("teksty_gfx_r\\tekst2.bmp", Backdrop(1, 4, Glyph::Envelope));

    // Pictures of the picture-choice exercise.
    const std::string dir = "media\\Rozumienia_gfx_r\\";
    for (int hour : {3, 5, 9})
        installation.WriteImage(dir + "clock_" + std::to_string(hour) + ".bmp",
                                Card([&](QPainter& p, const QRectF& a) { Clock(p, a, hour); }));
    const char* trends[] = {"sales_up", "sales_down", "sales_flat"};
    for (int i = 0; i < 3; ++i)
        installation.WriteImage(dir + trends[i] + ".bmp", Card([&](QPainter& p, const QRectF& a) { Trend(p, a, i); }));
    installation.WriteImage(dir + "send_email.bmp", Card([](QPainter& p, const QRectF& a) { Device(p, a, Glyph::Envelope, palette::kBlue); }));
    installation.WriteImage(dir + "send_print.bmp", Card([](QPainter& p, const QRectF& a) { Device(p, a, Glyph::Printer, palette::kInk); }));
    installation.WriteImage(dir + "send_call.bmp", Card([](QPainter& p, const QRectF& a) { Device(p, a, Glyph::Conversation, palette::kGreen); }));
    for (int floor : {5, 2, 8})
        installation.WriteImage(dir + "floor_" + std::to_string(floor) + ".bmp",
                                Card([&](QPainter& p, const QRectF& a) { Building(p, a, floor); }));
    for (int position = 1; position <= 3; ++position)
        installation.WriteImage(dir + "tmp_" + std::to_string(position) + ".bmp",
                                Card([&](QPainter& p, const QRectF& a) { Placeholder(p, a, position); }));
}

}  // namespace demo
