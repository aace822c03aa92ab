// Backgrounds of the exercise windows (1024 x 768; calm backdrops with a faint motif of the
// exercise family; those of the texts and dialogues as the course files name them) and the
// pictures of the picture-choice exercise (160 x 200).

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "installation.h"
#include "pictures.h"
#include "source_text.h"
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

void Clock(QPainter& p, const QRectF& area, int hour, int minute = 0) {
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
    const qreal hourAngle = qDegreesToRadians((hour % 12 + minute / 60.0) * 30.0);
    const qreal minuteAngle = qDegreesToRadians(minute * 6.0);
    p.setPen(QPen(palette::kInk, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + 30 * qSin(hourAngle), c.y() - 30 * qCos(hourAngle)));
    p.setPen(QPen(palette::kSky, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + 46 * qSin(minuteAngle), c.y() - 46 * qCos(minuteAngle)));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kAmber);
    p.drawEllipse(c, 5, 5);
    PaintText(p, QRectF(area.left(), area.top() + 140, area.width(), 30),
              QString("%1:%2").arg(hour).arg(minute, 2, 10, QChar('0')), Face(22, true), palette::kInk, Qt::AlignCenter);
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

// A desk phone whose display shows a number.
void DeskPhone(QPainter& p, const QRectF& area, const QString& number) {
    const QRectF body(area.left() + 10, area.top() + 24, area.width() - 20, 136);
    p.setPen(QPen(palette::kInk, 2.5));
    p.setBrush(QColor(236, 243, 248));
    p.drawRoundedRect(body, 14, 14);
    const QRectF screen(body.left() + 12, body.top() + 12, body.width() - 24, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kInk);
    p.drawRoundedRect(screen, 6, 6);
    PaintText(p, screen, number, Face(26, true), palette::kAmber, Qt::AlignCenter);
    p.setBrush(palette::kBlue);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(body.left() + 34 + col * 30, body.top() + 72 + row * 20), 6.5, 6.5);
}

// A calendar sheet: a coloured band with a small caption above a large text.
void CalendarSheet(QPainter& p, const QRectF& area, const QString& band, const QString& big, int bigSize) {
    const QRectF sheet(area.left() + 8, area.top() + 18, area.width() - 16, 150);
    p.setPen(QPen(palette::kInk, 2));
    p.setBrush(palette::kWhite);
    p.drawRoundedRect(sheet, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kRed);
    p.drawRoundedRect(QRectF(sheet.left() + 1, sheet.top() + 1, sheet.width() - 2, 43), 9, 9);
    p.drawRect(QRectF(sheet.left() + 1, sheet.top() + 24, sheet.width() - 2, 20));
    p.setBrush(palette::kInk);
    for (qreal x : {sheet.left() + 30, sheet.right() - 30}) p.drawRoundedRect(QRectF(x - 4, sheet.top() - 10, 8, 20), 4, 4);
    PaintText(p, QRectF(sheet.left(), sheet.top() + 6, sheet.width(), 36), band, Face(17, true), palette::kWhite, Qt::AlignCenter);
    PaintText(p, QRectF(sheet.left(), sheet.top() + 48, sheet.width(), 96), big, Face(bigSize, true), palette::kInk, Qt::AlignCenter);
}

// A price tag on a string.
void PriceTag(QPainter& p, const QRectF& area, const QString& price) {
    QPainterPath tag;
    const qreal l = area.left() + 6, r = area.right() - 6, t = area.top() + 56, b = area.top() + 136;
    tag.moveTo(l + 26, t);
    tag.lineTo(r, t);
    tag.lineTo(r, b);
    tag.lineTo(l + 26, b);
    tag.lineTo(l, (t + b) / 2);
    tag.closeSubpath();
    p.setPen(QPen(palette::kInk, 2));
    p.setBrush(QColor(255, 244, 222));
    p.drawPath(tag);
    p.setBrush(palette::kWhite);
    p.drawEllipse(QPointF(l + 22, (t + b) / 2), 6, 6);
    p.setPen(QPen(palette::kMuted, 1.5));
    p.drawLine(QPointF(l + 18, (t + b) / 2 - 4), QPointF(l + 40, area.top() + 18));
    PaintText(p, QRectF(l + 30, t, r - l - 34, b - t), price, Face(30, true), palette::kInk, Qt::AlignCenter);
}

// A round badge with a percentage.
void PercentBadge(QPainter& p, const QRectF& area, const QString& text) {
    const QPointF c(area.center().x(), area.top() + 88);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kAmber);
    p.drawEllipse(c, 62, 62);
    p.setBrush(palette::kWhite);
    p.drawEllipse(c, 50, 50);
    PaintText(p, QRectF(c.x() - 50, c.y() - 50, 100, 100), text, Face(34, true), palette::kRed, Qt::AlignCenter);
}

// A stack of boxes labelled with a quantity.
void Boxes(QPainter& p, const QRectF& area, const QString& quantity) {
    const qreal w = 44, h = 34, x0 = area.center().x() - 1.5 * w, y0 = area.top() + 110;
    p.setPen(QPen(QColor(120, 84, 40), 2));
    p.setBrush(QColor(214, 170, 110));
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(x0 + i * w, y0, w, h));
    for (int i = 0; i < 2; ++i) p.drawRect(QRectF(x0 + w / 2 + i * w, y0 - h, w, h));
    p.drawRect(QRectF(x0 + w, y0 - 2 * h, w, h));
    p.setPen(QPen(QColor(120, 84, 40), 1.5));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(x0 + i * w + w / 2, y0), QPointF(x0 + i * w + w / 2, y0 + 10));
    PaintText(p, QRectF(area.left(), area.top() + 146, area.width(), 30), quantity, Face(26, true), palette::kInk, Qt::AlignCenter);
}

// Placeholder shown at a position whose picture is missing.
void Placeholder(QPainter& p, const QRectF& area, int position) {
    Device(p, area, Glyph::Question, QColor(150, 162, 172));
    PaintText(p, QRectF(area.left(), area.top() + 146, area.width(), 24), QString::number(position), Face(18, true),
              QColor(150, 162, 172), Qt::AlignCenter);
}

}  // namespace

void WriteMediaPictures(Installation& installation, const CourseSources& sources) {
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
    // Each dialogue's own background, named by its code from the third character on.
    int seed = 1;
    for (const std::string& code : DialogueCodes(sources))
        if (code.size() > 2)
            installation.WriteImage("media\\dialogi_tlo\\dial_tlo_" + code.substr(2) + ".jpg", Backdrop(2, seed++, Glyph::Conversation));
    for (int n = 1; n <= 3; ++n)
        installation.WriteImage(Numbered("gfx_r\\rozum_tlo", n, ".jpg"), Backdrop(n + 3, n, Glyph::Headphones));
    installation.WriteImage("gfx_r\\tlo_listy.jpg", Backdrop(3, 4, Glyph::Envelope));
    // Backgrounds of the course texts' exercises, as their headers name them (the drag-and-drop
    // table reads a bitmap), each text in a tint of its own.
    std::set<std::string> backgrounds;
    for (const TextExerciseSource& exercise : TextExerciseSources(sources)) {
        if (exercise.header.size() < 3 || !backgrounds.insert(exercise.header[2]).second) continue;
        const int text = Number(exercise.header[1]);
        const Glyph motif = text % 2 == 0 ? Glyph::Envelope : Glyph::Document;
        const QImage image = Backdrop(text - 1, text + 2, motif);
        installation.WriteImage("teksty_gfx_r\\" + exercise.header[2] + ".jpg", image);
        installation.WriteImage("teksty_gfx_r\\" + exercise.header[2] + ".bmp", image);
    }

    // Pictures of the picture-choice exercise.
    const std::string dir = "media\\Rozumienia_gfx_r\\";
    auto card = [&](const std::string& name, const Scene& scene) { installation.WriteImage(dir + name + ".bmp", Card(scene)); };
    for (int hour : {3, 5, 9})
        card("clock_" + std::to_string(hour), [=](QPainter& p, const QRectF& a) { Clock(p, a, hour); });
    for (const auto& [hour, minute] : std::vector<std::pair<int, int>>{{2, 30}, {3, 30}, {2, 15}, {8, 45}, {9, 15}, {9, 45}}) {
        char name[32];
        std::snprintf(name, sizeof name, "clock_%02d%02d", hour, minute);
        card(name, [=](QPainter& p, const QRectF& a) { Clock(p, a, hour, minute); });
    }
    const char* trends[] = {"sales_up", "sales_down", "sales_flat"};
    for (int i = 0; i < 3; ++i) card(trends[i], [=](QPainter& p, const QRectF& a) { Trend(p, a, i); });
    const std::pair<const char*, std::pair<Glyph, QColor>> devices[] = {
        {"send_email", {Glyph::Envelope, palette::kBlue}}, {"send_print", {Glyph::Printer, palette::kInk}},
        {"send_call", {Glyph::Conversation, palette::kGreen}}, {"busy_meeting", {Glyph::Users, palette::kBlue}},
        {"busy_phone", {Glyph::Conversation, palette::kGreen}}, {"busy_trip", {Glyph::Globe, palette::kAmber}},
    };
    for (const auto& [name, look] : devices)
        card(name, [look = look](QPainter& p, const QRectF& a) { Device(p, a, look.first, look.second); });
    for (int floor : {5, 2, 8}) card("floor_" + std::to_string(floor), [=](QPainter& p, const QRectF& a) { Building(p, a, floor); });
    for (const char* number : {"245", "254", "425"})
        card(std::string("ext_") + number, [=](QPainter& p, const QRectF& a) { DeskPhone(p, a, number); });
    // Calendar sheets: days of the week, dates and payment terms.
    const std::pair<const char*, std::pair<const char*, const char*>> sheets[] = {
        {"day_mon", {"", "Monday"}},   {"day_tue", {"", "Tuesday"}}, {"day_thu", {"", "Thursday"}},
        {"day_fri", {"", "Friday"}},   {"day_sat", {"", "Saturday"}}, {"date_0506", {"JUNE", "5"}},
        {"date_1506", {"JUNE", "15"}},        {"date_0507", {"JULY", "5"}},        {"due_13", {"DAYS", "13"}},
        {"due_30", {"DAYS", "30"}},           {"due_60", {"DAYS", "60"}},
    };
    for (const auto& [name, text] : sheets) {
        const QString big = QString::fromUtf8(text.second);
        card(name, [=](QPainter& p, const QRectF& a) { CalendarSheet(p, a, text.first, big, big.size() > 2 ? 22 : 52); });
    }
    const std::pair<const char*, const char*> prices[] = {
        {"price_gbp350", "£350"}, {"price_gbp315", "£315"}, {"price_gbp530", "£530"},
        {"price_eur12", "€12"},   {"price_eur20", "€20"},   {"price_eur2", "€2"},
    };
    for (const auto& [name, price] : prices)
        card(name, [price = QString::fromUtf8(price)](QPainter& p, const QRectF& a) { PriceTag(p, a, price); });
    for (int percent : {5, 15, 50})
        card("pct_" + std::to_string(percent), [=](QPainter& p, const QRectF& a) { PercentBadge(p, a, QString("%1%").arg(percent)); });
    for (int quantity : {50, 500, 5000})
        card("qty_" + std::to_string(quantity), [=](QPainter& p, const QRectF& a) { Boxes(p, a, QString::number(quantity)); });
    for (int position = 1; position <= 3; ++position)
        card("tmp_" + std::to_string(position), [=](QPainter& p, const QRectF& a) { Placeholder(p, a, position); });
}

}  // namespace demo
