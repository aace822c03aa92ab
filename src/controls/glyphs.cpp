#include "controls/glyphs.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>
#include <initializer_list>

#include "controls/design_style.h"

namespace quillan::design {
namespace {

// Drawing helpers on the 24-unit grid; the painter already carries the scale.
class Pen {
public:
    Pen(QPainter& painter, const QColor& colour, qreal width) : p_(painter), colour_(colour), width_(width) {
        Stroke();
    }

    void Stroke(qreal factor = 1.0) {
        QPen pen(colour_, width_ * factor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
    }
    void Line(qreal x1, qreal y1, qreal x2, qreal y2) { p_.drawLine(QPointF(x1, y1), QPointF(x2, y2)); }
    void Poly(std::initializer_list<QPointF> points, bool closed = false) {
        QPolygonF polygon(points);
        closed ? p_.drawPolygon(polygon) : p_.drawPolyline(polygon);
    }
    void FillPoly(std::initializer_list<QPointF> points) {
        p_.setBrush(colour_);
        p_.drawPolygon(QPolygonF(points));
        p_.setBrush(Qt::NoBrush);
    }
    void Circle(qreal cx, qreal cy, qreal r) { p_.drawEllipse(QPointF(cx, cy), r, r); }
    void Dot(qreal cx, qreal cy, qreal r) {
        p_.save();
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour_);
        p_.drawEllipse(QPointF(cx, cy), r, r);
        p_.restore();
    }
    void Box(qreal x, qreal y, qreal w, qreal h, qreal r) { p_.drawRoundedRect(QRectF(x, y, w, h), r, r); }
    void FillBox(qreal x, qreal y, qreal w, qreal h, qreal r) {
        p_.save();
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour_);
        p_.drawRoundedRect(QRectF(x, y, w, h), r, r);
        p_.restore();
    }
    void Path(const QPainterPath& path) { p_.drawPath(path); }
    void FillPath(const QPainterPath& path) {
        p_.save();
        p_.setBrush(colour_);
        p_.drawPath(path);
        p_.restore();
    }
    // An open arrow head at `tip`, pointing along the angle (degrees, y downwards).
    void Head(QPointF tip, qreal degrees, qreal length = 4.2) {
        const qreal a = qDegreesToRadians(degrees);
        const qreal spread = qDegreesToRadians(38.0);
        Poly({tip - QPointF(length * qCos(a - spread), length * qSin(a - spread)), tip,
              tip - QPointF(length * qCos(a + spread), length * qSin(a + spread))});
    }
    void Text(const QString& text, qreal cx, qreal baseline, qreal size) {
        QPainterPath path;
        QFont font = Face(10, true);
        font.setPointSizeF(size);
        path.addText(0, 0, font, text);
        const QRectF b = path.boundingRect();
        path.translate(cx - b.center().x(), baseline);
        p_.save();
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour_);
        p_.drawPath(path);
        p_.restore();
    }
    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    QColor colour_;
    qreal width_;
};

void SpeakerBody(Pen& g, qreal dx = 0) {
    g.FillPoly({{3.5 + dx, 9.5}, {7.5 + dx, 9.5}, {12.5 + dx, 5}, {12.5 + dx, 19}, {7.5 + dx, 14.5}, {3.5 + dx, 14.5}});
}

// The circular arrow of "again": an arc of `sweep` degrees round (cx, cy) ending in a filled
// arrow head that points along the direction of travel.
void CircularArrow(Pen& g, qreal cx, qreal cy, qreal r, qreal start, qreal sweep, qreal head = 4.2) {
    QPainterPath path;
    const QRectF rect(cx - r, cy - r, 2 * r, 2 * r);
    path.arcMoveTo(rect, start);
    path.arcTo(rect, start, sweep);
    g.Path(path);
    const qreal end = qDegreesToRadians(start + sweep);
    const QPointF at(cx + r * qCos(end), cy - r * qSin(end));
    const qreal sign = sweep > 0 ? 1 : -1;
    const QPointF dir(-qSin(end) * sign, -qCos(end) * sign);  // screen coordinates
    const QPointF perp(-dir.y(), dir.x());
    g.FillPoly({at + dir * head * 0.9, at + perp * head * 0.75 - dir * head * 0.2, at - perp * head * 0.75 - dir * head * 0.2});
}

void Draw(Pen& g, Glyph glyph) {
    switch (glyph) {
        case Glyph::Play:
            g.FillPoly({{8, 5.5}, {8, 18.5}, {18.5, 12}});
            g.Poly({{8, 5.5}, {8, 18.5}, {18.5, 12}}, true);
            break;
        case Glyph::Pause:
            g.FillBox(6.5, 5.5, 4, 13, 1);
            g.FillBox(13.5, 5.5, 4, 13, 1);
            break;
        case Glyph::Stop: g.FillBox(6, 6, 12, 12, 2); break;
        case Glyph::Check: g.Poly({{4.5, 12.5}, {9.5, 17.5}, {19.5, 6.5}}); break;
        case Glyph::Cross:
            g.Line(6.5, 6.5, 17.5, 17.5);
            g.Line(17.5, 6.5, 6.5, 17.5);
            break;
        case Glyph::ArrowUp:
            g.Line(12, 19.5, 12, 4.5);
            g.Poly({{5.5, 11}, {12, 4.5}, {18.5, 11}});
            break;
        case Glyph::ArrowDown:
            g.Line(12, 4.5, 12, 19.5);
            g.Poly({{5.5, 13}, {12, 19.5}, {18.5, 13}});
            break;
        case Glyph::ArrowLeft:
            g.Line(19.5, 12, 4.5, 12);
            g.Poly({{11, 5.5}, {4.5, 12}, {11, 18.5}});
            break;
        case Glyph::ArrowRight:
            g.Line(4.5, 12, 19.5, 12);
            g.Poly({{13, 5.5}, {19.5, 12}, {13, 18.5}});
            break;
        case Glyph::ChevronUp: g.Poly({{5.5, 15}, {12, 8.5}, {18.5, 15}}); break;
        case Glyph::ChevronDown: g.Poly({{5.5, 9}, {12, 15.5}, {18.5, 9}}); break;
        case Glyph::Question: {
            QPainterPath path;
            path.moveTo(8.3, 8.8);
            path.cubicTo(8.3, 4.6, 15.7, 4.6, 15.7, 8.8);
            path.cubicTo(15.7, 11.8, 12, 12.2, 12, 15);
            g.Path(path);
            g.Dot(12, 19.2, 1.5);
            break;
        }
        case Glyph::Info:
            g.Circle(12, 12, 9.5);
            g.Line(12, 11, 12, 17);
            g.Dot(12, 7.5, 1.4);
            break;
        case Glyph::Speaker: {
            SpeakerBody(g);
            g.painter().drawArc(QRectF(8.5, 8, 8, 8), -50 * 16, 100 * 16);
            g.painter().drawArc(QRectF(5, 4.5, 15, 15), -50 * 16, 100 * 16);
            break;
        }
        case Glyph::SpeakerUp:
        case Glyph::SpeakerDown: {
            SpeakerBody(g, -1);
            g.painter().drawArc(QRectF(7.5, 8, 8, 8), -50 * 16, 100 * 16);
            if (glyph == Glyph::SpeakerUp) {
                g.Line(19.5, 17, 19.5, 6.5);
                g.Poly({{16.8, 9.2}, {19.5, 6.5}, {22.2, 9.2}});
            } else {
                g.Line(19.5, 7, 19.5, 17.5);
                g.Poly({{16.8, 14.8}, {19.5, 17.5}, {22.2, 14.8}});
            }
            break;
        }
        case Glyph::Microphone: {
            g.Box(9, 3, 6, 11, 3);
            QPainterPath path;
            path.moveTo(5.5, 11);
            path.cubicTo(5.5, 19, 18.5, 19, 18.5, 11);
            g.Path(path);
            g.Line(12, 17, 12, 21);
            g.Line(8.5, 21, 15.5, 21);
            break;
        }
        case Glyph::Headphones: {
            QPainterPath path;
            path.moveTo(4, 15);
            path.lineTo(4, 12);
            path.cubicTo(4, 2.5, 20, 2.5, 20, 12);
            path.lineTo(20, 15);
            g.Path(path);
            g.FillBox(2.8, 13, 5, 7.5, 1.5);
            g.FillBox(16.2, 13, 5, 7.5, 1.5);
            break;
        }
        case Glyph::Book: {
            QPainterPath path;
            path.moveTo(12, 6.5);
            path.cubicTo(9.5, 4.8, 5.5, 4.5, 3, 5.5);
            path.lineTo(3, 18.5);
            path.cubicTo(5.5, 17.5, 9.5, 17.8, 12, 19.5);
            path.moveTo(12, 6.5);
            path.cubicTo(14.5, 4.8, 18.5, 4.5, 21, 5.5);
            path.lineTo(21, 18.5);
            path.cubicTo(18.5, 17.5, 14.5, 17.8, 12, 19.5);
            g.Path(path);
            g.Line(12, 6.5, 12, 19.5);
            break;
        }
        case Glyph::Printer: {
            g.Poly({{7, 9}, {7, 3.5}, {17, 3.5}, {17, 9}});
            QPainterPath body;
            body.moveTo(7, 17);
            body.lineTo(5, 17);
            body.quadTo(3, 17, 3, 15);
            body.lineTo(3, 11);
            body.quadTo(3, 9, 5, 9);
            body.lineTo(19, 9);
            body.quadTo(21, 9, 21, 11);
            body.lineTo(21, 15);
            body.quadTo(21, 17, 19, 17);
            body.lineTo(17, 17);
            g.Path(body);
            g.Poly({{7, 13.5}, {17, 13.5}, {17, 20.5}, {7, 20.5}}, true);
            g.Dot(17.8, 11.8, 1);
            break;
        }
        case Glyph::Bulb: {
            QPainterPath path;
            path.moveTo(9.2, 16.5);
            path.cubicTo(9.2, 14.5, 5.5, 13, 5.5, 9.2);
            path.cubicTo(5.5, 5.5, 8.5, 2.8, 12, 2.8);
            path.cubicTo(15.5, 2.8, 18.5, 5.5, 18.5, 9.2);
            path.cubicTo(18.5, 13, 14.8, 14.5, 14.8, 16.5);
            path.closeSubpath();
            g.Path(path);
            g.Line(9.5, 19.3, 14.5, 19.3);
            g.Line(10.5, 21.8, 13.5, 21.8);
            break;
        }
        case Glyph::Film:
            g.Box(3, 5, 18, 14, 2);
            g.Line(7, 5, 7, 19);
            g.Line(17, 5, 17, 19);
            g.Line(3, 9.7, 7, 9.7);
            g.Line(3, 14.3, 7, 14.3);
            g.Line(17, 9.7, 21, 9.7);
            g.Line(17, 14.3, 21, 14.3);
            g.FillPoly({{10.3, 9.2}, {10.3, 14.8}, {14.6, 12}});
            break;
        case Glyph::Document:
            g.Poly({{14, 3}, {6, 3}, {6, 21}, {18, 21}, {18, 7}, {14, 3}}, true);
            g.Poly({{14, 3}, {14, 7}, {18, 7}});
            g.Line(9, 11, 15, 11);
            g.Line(9, 14.5, 15, 14.5);
            g.Line(9, 18, 13, 18);
            break;
        case Glyph::Translate: {
            QPainterPath bubble;
            bubble.addRoundedRect(QRectF(2.5, 3.5, 19, 13.5), 3.2, 3.2);
            g.Path(bubble);
            g.Poly({{7.5, 17}, {6.5, 21.5}, {12, 17}});
            g.Text("PL", 12, 14.2, 7.2);
            break;
        }
        case Glyph::Repeat: CircularArrow(g, 12, 12.5, 7.5, 105, 270, 4.0); break;
        case Glyph::Clipboard:
            g.Box(5, 4.5, 14, 17, 2);
            g.FillBox(8.8, 2.8, 6.4, 3.8, 1);
            g.Poly({{7.8, 11.2}, {9.3, 12.7}, {11.6, 10.2}});
            g.Line(13.5, 11.6, 16.2, 11.6);
            g.Poly({{7.8, 16.2}, {9.3, 17.7}, {11.6, 15.2}});
            g.Line(13.5, 16.6, 16.2, 16.6);
            break;
        case Glyph::BarChart:
            g.Line(3.5, 20.5, 20.5, 20.5);
            g.FillBox(5, 13, 3.6, 7.5, 0.8);
            g.FillBox(10.2, 8.5, 3.6, 12, 0.8);
            g.FillBox(15.4, 4.5, 3.6, 16, 0.8);
            break;
        case Glyph::Conversation: {
            g.Box(2.5, 3, 12.5, 8.5, 2.5);
            g.Poly({{5.2, 11.5}, {4.6, 14.6}, {8.4, 11.5}});
            g.Box(9.5, 12, 12, 8, 2.5);
            g.Poly({{18.4, 20}, {19.4, 22.6}, {15.4, 20}});
            g.Dot(12.8, 16, 0.9);
            g.Dot(15.5, 16, 0.9);
            g.Dot(18.2, 16, 0.9);
            break;
        }
        case Glyph::ExpandAll:
            g.Poly({{6, 5.5}, {12, 11}, {18, 5.5}});
            g.Poly({{6, 13}, {12, 18.5}, {18, 13}});
            break;
        case Glyph::CollapseAll:
            g.Poly({{6, 11}, {12, 5.5}, {18, 11}});
            g.Poly({{6, 18.5}, {12, 13}, {18, 18.5}});
            break;
        case Glyph::UserPlus: {
            g.Circle(9, 8, 3.8);
            QPainterPath path;
            path.moveTo(2.5, 20.5);
            path.cubicTo(2.5, 14.5, 15.5, 14.5, 15.5, 20.5);
            g.Path(path);
            g.Line(19, 7, 19, 13);
            g.Line(16, 10, 22, 10);
            break;
        }
        case Glyph::Users: {
            g.Circle(9, 8.5, 3.6);
            QPainterPath a;
            a.moveTo(2.5, 20.5);
            a.cubicTo(2.5, 14.8, 15.5, 14.8, 15.5, 20.5);
            g.Path(a);
            QPainterPath b;
            b.moveTo(15, 4.6);
            b.cubicTo(18.6, 4.2, 19.6, 10, 15.6, 11.4);
            b.moveTo(17.6, 14);
            b.cubicTo(20.2, 14.6, 21.5, 16.8, 21.5, 20);
            g.Path(b);
            break;
        }
        case Glyph::Trash:
            g.Line(4, 6.5, 20, 6.5);
            g.Poly({{9.5, 6.5}, {9.5, 3.8}, {14.5, 3.8}, {14.5, 6.5}});
            g.Poly({{6, 6.5}, {7, 20.5}, {17, 20.5}, {18, 6.5}});
            g.Line(10, 10.5, 10, 16.8);
            g.Line(14, 10.5, 14, 16.8);
            break;
        case Glyph::Contents:
            for (qreal y : {6.5, 12.0, 17.5}) {
                g.Dot(5, y, 1.5);
                g.Line(9.5, y, 20, y);
            }
            break;
        case Glyph::Waveform: {
            const qreal heights[] = {4, 10, 16, 9, 13, 6};
            for (int i = 0; i < 6; ++i) g.Line(3.5 + i * 3.4, 12 - heights[i] / 2, 3.5 + i * 3.4, 12 + heights[i] / 2);
            break;
        }
        case Glyph::Shuffle: {
            QPainterPath a;
            a.moveTo(3, 7);
            a.lineTo(6.5, 7);
            a.cubicTo(11.5, 7, 11.5, 17, 16.5, 17);
            a.lineTo(20.5, 17);
            QPainterPath b;
            b.moveTo(3, 17);
            b.lineTo(6.5, 17);
            b.cubicTo(11.5, 17, 11.5, 7, 16.5, 7);
            b.lineTo(20.5, 7);
            g.Path(a);
            g.Path(b);
            g.Head({20.5, 17}, 0, 3.6);
            g.Head({20.5, 7}, 0, 3.6);
            break;
        }
        case Glyph::Envelope:
            g.Box(3, 5.5, 18, 13, 2);
            g.Poly({{3.6, 6.6}, {12, 13}, {20.4, 6.6}});
            break;
        case Glyph::Star: {
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const qreal r = i % 2 == 0 ? 9.5 : 4.1;
                const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
                star << QPointF(12 + r * qCos(a), 12.8 + r * qSin(a));
            }
            g.painter().drawPolygon(star);
            break;
        }
        case Glyph::Pencil:
            g.Poly({{5, 19}, {6, 14.5}, {16, 4.5}, {19.5, 8}, {9.5, 18}, {5, 19}}, true);
            g.Line(13.8, 6.7, 17.3, 10.2);
            g.Line(6, 14.5, 9.5, 18);
            break;
        case Glyph::Keyboard:
            g.Box(2.5, 6, 19, 12.5, 2);
            for (qreal y : {9.6, 12.6})
                for (qreal x : {6.0, 9.0, 12.0, 15.0, 18.0}) g.Dot(x, y, 0.95);
            g.Line(8, 15.6, 16, 15.6);
            break;
        case Glyph::TextCursor:
            // A line of text with a gap to fill in.
            g.Line(3, 7.5, 21, 7.5);
            g.Line(3, 15.5, 7, 15.5);
            g.FillBox(9, 12, 7.5, 7, 1.5);
            g.Line(18.5, 15.5, 21, 15.5);
            break;
        case Glyph::Pairs: {
            g.Box(2.5, 4, 8, 6, 1.5);
            g.Box(13.5, 14, 8, 6, 1.5);
            QPainterPath link;
            link.moveTo(10.5, 7);
            link.cubicTo(15.5, 7, 8.5, 17, 13.5, 17);
            g.Path(link);
            break;
        }
        case Glyph::DragDrop: {
            g.painter().save();
            QPen dashed = g.painter().pen();
            dashed.setDashPattern({1.2, 1.6});
            g.painter().setPen(dashed);
            g.Box(3, 3, 12.5, 12.5, 2);
            g.painter().restore();
            g.FillPoly({{11.5, 10.5}, {11.5, 21.5}, {14.2, 18.8}, {16.3, 22.6}, {18.3, 21.6}, {16.2, 17.8}, {20, 17.5}});
            break;
        }
        case Glyph::MultipleChoice:
            g.Circle(5.5, 6, 2.1);
            g.Circle(5.5, 12, 2.1);
            g.Dot(5.5, 12, 1.1);
            g.Circle(5.5, 18, 2.1);
            g.Line(10, 6, 20, 6);
            g.Line(10, 12, 20, 12);
            g.Line(10, 18, 17, 18);
            break;
        case Glyph::TrueFalse:
            g.Poly({{2.5, 12.5}, {5.5, 15.8}, {10.5, 9}});
            g.Line(15, 9.2, 21, 15.2);
            g.Line(21, 9.2, 15, 15.2);
            break;
        case Glyph::Globe: {
            g.Circle(12, 12, 9);
            g.painter().drawEllipse(QPointF(12, 12), 4, 9);
            g.Line(3, 12, 21, 12);
            QPainterPath lat;
            lat.moveTo(4.6, 7.4);
            lat.quadTo(12, 9.6, 19.4, 7.4);
            lat.moveTo(4.6, 16.6);
            lat.quadTo(12, 14.4, 19.4, 16.6);
            g.Path(lat);
            break;
        }
        case Glyph::Quill: {
            QPainterPath leaf;
            leaf.moveTo(20.5, 2.5);
            leaf.cubicTo(12, 3.5, 7, 9, 6.5, 17);
            leaf.cubicTo(13.5, 15.8, 18.8, 10.5, 20.5, 2.5);
            g.FillPath(leaf);
            g.Line(3.5, 21, 12.5, 11.2);
            break;
        }
        case Glyph::Gear: {
            g.Circle(12, 12, 3);
            QPainterPath wheel;
            wheel.addEllipse(QPointF(12, 12), 7, 7);
            QPainterPath teeth;
            for (int i = 0; i < 8; ++i) {
                QTransform turn;
                turn.translate(12, 12);
                turn.rotate(i * 45.0);
                QPainterPath tooth;
                tooth.addRoundedRect(QRectF(-2, -10, 4, 5), 1, 1);
                teeth.addPath(turn.map(tooth));
            }
            g.Path(wheel.united(teeth).simplified());
            break;
        }
        case Glyph::Power: {
            QPainterPath arc;
            const QRectF r(4, 4.5, 16, 16);
            arc.arcMoveTo(r, 58);
            arc.arcTo(r, 58, -296);
            g.Path(arc);
            g.Line(12, 2.5, 12, 11);
            break;
        }
        case Glyph::Lock: {
            g.Box(5, 10.5, 14, 10.5, 2);
            QPainterPath shackle;
            shackle.moveTo(8, 10.5);
            shackle.lineTo(8, 7.5);
            shackle.cubicTo(8, 2.3, 16, 2.3, 16, 7.5);
            shackle.lineTo(16, 10.5);
            g.Path(shackle);
            g.Dot(12, 15, 1.4);
            g.Line(12, 15.5, 12, 17.6);
            break;
        }
        case Glyph::Key:
            g.Circle(7.5, 15.5, 4);
            g.Line(10.4, 12.6, 20, 3);
            g.Line(17, 6, 19.6, 8.6);
            g.Line(14.4, 8.6, 16.6, 10.8);
            break;
        case Glyph::Calendar:
            g.Box(3.5, 5, 17, 15.5, 2);
            g.Line(3.5, 9.5, 20.5, 9.5);
            g.Line(8, 3, 8, 6.8);
            g.Line(16, 3, 16, 6.8);
            for (qreal x : {8.0, 12.0, 16.0}) g.Dot(x, 13.3, 1.2);
            for (qreal x : {8.0, 12.0}) g.Dot(x, 16.9, 1.2);
            break;
        case Glyph::Percent:
            g.Circle(7.2, 7.2, 2.6);
            g.Circle(16.8, 16.8, 2.6);
            g.Line(18.5, 5.5, 5.5, 18.5);
            break;
        case Glyph::Abc: g.Text("abc", 12, 16.5, 8.6); break;
        case Glyph::Plus:
            g.Line(12, 5, 12, 19);
            g.Line(5, 12, 19, 12);
            break;
        case Glyph::Minus: g.Line(5, 12, 19, 12); break;
        case Glyph::Exclamation:
            g.Stroke(1.3);
            g.Line(12, 4.5, 12, 14);
            g.Stroke();
            g.Dot(12, 19, 1.8);
            break;
        case Glyph::Ear: {
            QPainterPath outer;
            outer.moveTo(7.5, 9);
            outer.cubicTo(7.5, 4, 17.5, 3, 17.5, 9.5);
            outer.cubicTo(17.5, 13.2, 13.8, 13.5, 13.4, 17);
            outer.cubicTo(13, 20.6, 8.8, 21.2, 8, 17.8);
            QPainterPath inner;
            inner.moveTo(10.8, 9.6);
            inner.cubicTo(10.8, 7.3, 14.6, 7.3, 14.6, 10);
            inner.cubicTo(14.6, 11.6, 12.4, 12, 12.4, 13.6);
            g.Path(outer);
            g.Path(inner);
            break;
        }
        case Glyph::Puzzle: {
            QPainterPath piece;
            piece.addRoundedRect(QRectF(3.5, 7.5, 13, 13), 1.5, 1.5);
            QPainterPath knobs;
            knobs.addEllipse(QPointF(10, 6), 2.6, 2.6);
            knobs.addEllipse(QPointF(18, 14), 2.6, 2.6);
            g.Path(piece.united(knobs));
            break;
        }
        case Glyph::Flag: {
            g.Line(5, 21.5, 5, 3);
            QPainterPath flag;
            flag.moveTo(5, 4);
            flag.cubicTo(9, 2, 12.5, 6, 19.5, 4);
            flag.lineTo(19.5, 13);
            flag.cubicTo(12.5, 15, 9, 11, 5, 13);
            g.Path(flag);
            break;
        }
    }
}

}  // namespace

void DrawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& colour, qreal weight) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(box.width(), box.height());
    painter.translate(box.center());
    painter.scale(side / 24.0, side / 24.0);
    painter.translate(-12, -12);
    // Small glyphs get a slightly heavier stroke so that they stay legible.
    const qreal stroke = (side < 16 ? 2.4 : side < 22 ? 2.2 : 2.0) * weight;
    Pen pen(painter, colour, stroke);
    Draw(pen, glyph);
    painter.restore();
}

}  // namespace quillan::design
