#include "controls/design_shapes.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "controls/design_style.h"

namespace quillan::design {
namespace {

QColor SpeakerColour(int speaker) {
    static const QColor colours[] = {palette::kBlue, QColor(214, 134, 36), QColor(38, 150, 140),
                                     QColor(92, 112, 188), QColor(196, 86, 120)};
    return colours[(qBound(1, speaker, 5) - 1)];
}

// The box a glyph takes inside a circle: a fifth of the circle off each side.
QRectF GlyphInCircle(const QRectF& r) {
    return r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2, -r.height() * 0.2);
}

}  // namespace

void PaintIconTile(QPainter& painter, const QRectF& box, Glyph glyph, const QColor& colour) {
    painter.save();
    Smooth(painter);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    const qreal r = box.width() * 0.26;
    painter.drawRoundedRect(box, r, r);
    const qreal inset = box.width() * (box.width() <= 20 ? 0.12 : 0.17);
    DrawGlyph(painter, glyph, box.adjusted(inset, inset, -inset, -inset), palette::kWhite, 1.05);
    painter.restore();
}

void PaintSpeakerBadge(QPainter& painter, const QRectF& box, int speaker) {
    painter.save();
    Smooth(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SpeakerColour(speaker));
    painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setFont(Face(int(box.height() * 0.6), true));
    painter.setPen(palette::kWhite);
    painter.drawText(box.adjusted(0, 0, 0, -0.5), Qt::AlignCenter, QString(QChar('A' + qBound(1, speaker, 5) - 1)));
    painter.restore();
}

void PaintLevel(QPainter& p, const QRectF& box, int level) {
    const qreal bw = box.width() / 4.0 - 1.5;
    for (int i = 0; i < 4; ++i) {
        const qreal h = box.height() * (0.4 + 0.2 * i);
        const QRectF bar(box.left() + i * (bw + 2) + 0.5, box.bottom() - h, bw, h - 0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(i < level ? palette::kSky : QColor(205, 217, 226));
        p.drawRoundedRect(bar, 1.2, 1.2);
    }
}

void PaintDone(QPainter& p, const QRectF& box, bool done) {
    const QRectF r = box.adjusted(1, 1, -1, -1);
    if (done) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette::kGreen);
        p.drawEllipse(r);
        DrawGlyph(p, Glyph::Check, r.adjusted(2.5, 2.5, -2.5, -2.5), palette::kWhite, 1.2);
    } else {
        p.setPen(QPen(QColor(175, 188, 198), 1.6));
        p.setBrush(palette::kWhite);
        p.drawEllipse(r.adjusted(0.8, 0.8, -0.8, -0.8));
    }
}

void PaintVerdict(QPainter& p, const QRectF& box, bool right) {
    const QRectF r = box.adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(right ? palette::kGreen : palette::kRed);
    p.drawEllipse(r);
    DrawGlyph(p, right ? Glyph::Check : Glyph::Cross, GlyphInCircle(r), palette::kWhite, 1.25);
}

void PaintAnswerMark(QPainter& p, bool right) {
    p.setPen(Qt::NoPen);
    p.setBrush(right ? QColor(0x2e, 0x9e, 0x3c) : QColor(0xd0, 0x2a, 0x2a));
    p.drawEllipse(QRectF(0.5, 0.5, 17, 17));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (right) {
        QPainterPath tick;
        tick.moveTo(4.5, 9.5);
        tick.lineTo(7.8, 12.8);
        tick.lineTo(13.5, 5.5);
        p.drawPath(tick);
    } else {
        p.drawLine(QPointF(5.5, 5.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 5.5), QPointF(5.5, 12.5));
    }
}

void PaintBadge(QPainter& p, const QRectF& box, const QColor& fill, Glyph glyph) {
    const QRectF r = box.adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(r);
    DrawGlyph(p, glyph, GlyphInCircle(r), palette::kWhite, 1.15);
}

void PaintAnswerBox(QPainter& p, const QRectF& box, BoxState state) {
    const QRectF r = box.adjusted(1.5, 1.5, -1.5, -1.5);
    switch (state) {
        case BoxState::Normal:
            p.setPen(QPen(QColor(130, 170, 196), 1.5));
            p.setBrush(palette::kWhite);
            p.drawRoundedRect(r, 3.5, 3.5);
            break;
        case BoxState::Checked:
            p.setPen(QPen(palette::kBlue, 1.5));
            p.setBrush(palette::kSky);
            p.drawRoundedRect(r, 3.5, 3.5);
            DrawGlyph(p, Glyph::Check, r.adjusted(2, 2, -2, -2), palette::kWhite, 1.3);
            break;
        case BoxState::Bad:
            p.setPen(QPen(palette::kRed, 1.5));
            p.setBrush(QColor(253, 232, 232));
            p.drawRoundedRect(r, 3.5, 3.5);
            DrawGlyph(p, Glyph::Cross, r.adjusted(2.5, 2.5, -2.5, -2.5), palette::kRed, 1.3);
            break;
    }
}

void PaintTreeBox(QPainter& p, const QRectF& box, bool plus) {
    p.setPen(QPen(QColor(130, 170, 196), 1));
    p.setBrush(palette::kWhite);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    DrawGlyph(p, plus ? Glyph::Plus : Glyph::Minus, box.adjusted(2, 2, -2, -2), palette::kBlue, 1.2);
}

void PaintQuestionPlace(QPainter& p, const QRectF& box) {
    QPen dashed(palette::kSky, 1.3);
    dashed.setDashPattern({3, 2});
    p.setPen(dashed);
    p.setBrush(QColor(233, 247, 250));
    p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 5, 5);
    DrawGlyph(p, Glyph::Question, QRectF(box.left() + 13, box.top() + 2, 14, 14), palette::kBlue, 1.1);
}

void PaintGaugePlate(QPainter& p, const QRectF& box) {
    const QRectF pill = box.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(pill.topLeft(), pill.bottomLeft());
    g.setColorAt(0, palette::kWhite);
    g.setColorAt(1, palette::kIce);
    p.setBrush(g);
    p.setPen(QPen(QColor(163, 199, 220), 1));
    p.drawRoundedRect(pill, 16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kBlue);
    p.drawEllipse(QRectF(7, 6.5, 20, 20));
    DrawGlyph(p, Glyph::BarChart, QRectF(10, 9.5, 14, 14), palette::kWhite, 1.1);
    // Three small rising steps: the way to a full score.
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(1, 153, 202, 90 + 50 * i));
        p.drawRoundedRect(QRectF(38 + i * 14, 22 - 5 * i, 10, 5 + 5 * i), 2, 2);
    }
}

void PaintGaugePies(QPainter& p) {
    for (int i = 0; i <= 12; ++i) {
        const QRectF r(i * 22 + 1.5, 1.5, 19, 19);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 228, 237));
        p.drawEllipse(r);
        if (i > 0) {
            p.setBrush(i == 12 ? palette::kGreen : palette::kSky);
            p.drawPie(r, 90 * 16, -i * 30 * 16);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette::kWhite, 1.2));
        p.drawEllipse(r);
    }
}

void PaintProgressTrack(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(205, 217, 226), 1));
    p.setBrush(QColor(238, 243, 247));
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
}

void PaintProgressFill(QPainter& p, const QRectF& box, const QColor& colour) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, colour.lighter(118));
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(box.adjusted(1, 1.5, 0, -1.5), 5.5, 5.5);
}

}  // namespace quillan::design
