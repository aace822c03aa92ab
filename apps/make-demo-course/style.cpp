#include "style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace demo {

QImage Blank(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QColor TintColour(int tint) {
    // Calm hues that all sit next to the course blue.
    static const QColor tints[] = {
        QColor(1, 153, 202),   // sky
        QColor(38, 166, 154),  // teal
        QColor(92, 124, 194),  // periwinkle
        QColor(232, 160, 64),  // sand
        QColor(76, 175, 120),  // mint
        QColor(149, 117, 205), // lavender
    };
    return tints[((tint % 6) + 6) % 6];
}

void PaintBackdrop(QPainter& painter, const QRect& area, int tint, int seed) {
    painter.save();
    Smooth(painter);
    const QColor hue = TintColour(tint);
    QLinearGradient base(area.topLeft(), area.bottomRight());
    base.setColorAt(0, QColor(250, 252, 253));
    QColor tinted = palette::kSurface;
    tinted = QColor::fromRgbF(tinted.redF() * 0.9 + hue.redF() * 0.1, tinted.greenF() * 0.9 + hue.greenF() * 0.1,
                              tinted.blueF() * 0.9 + hue.blueF() * 0.1);
    base.setColorAt(1, tinted);
    painter.fillRect(area, base);

    // A fine dot grid, very faint.
    painter.setPen(Qt::NoPen);
    QColor dot = hue;
    dot.setAlpha(22);
    painter.setBrush(dot);
    for (int y = area.top() + 18; y < area.bottom(); y += 24)
        for (int x = area.left() + 18; x < area.right(); x += 24) painter.drawEllipse(QPointF(x, y), 1.1, 1.1);

    // Large soft circles near the edges, placed by the seed.
    const int w = area.width(), h = area.height();
    const QPointF centres[] = {
        {area.left() + w * (0.92 - 0.05 * (seed % 3)), area.top() + h * (0.12 + 0.04 * (seed % 2))},
        {area.left() + w * (0.05 + 0.03 * (seed % 4)), area.top() + h * (0.95 - 0.05 * (seed % 3))},
        {area.left() + w * (0.80 - 0.04 * (seed % 5)), area.top() + h * (1.02)},
    };
    const qreal radii[] = {w * 0.22, w * 0.18, w * 0.14};
    for (int i = 0; i < 3; ++i) {
        QRadialGradient glow(centres[i], radii[i]);
        QColor inner = hue;
        inner.setAlpha(i == 1 ? 26 : 34);
        QColor outer = hue;
        outer.setAlpha(0);
        glow.setColorAt(0, inner);
        glow.setColorAt(0.7, inner);
        glow.setColorAt(1, outer);
        painter.setBrush(glow);
        painter.drawEllipse(centres[i], radii[i], radii[i]);
    }
    // One thin ring for a touch of line work.
    QColor ring = hue;
    ring.setAlpha(40);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ring, 1.5));
    painter.drawEllipse(centres[0], radii[0] * 1.15, radii[0] * 1.15);
    painter.restore();
}

void PaintWindowFrame(QPainter& painter, const QSize& size, const QString& title, int stripHeight) {
    painter.save();
    Smooth(painter);
    const QRect all(QPoint(0, 0), size);
    QLinearGradient body(0, stripHeight, 0, size.height());
    body.setColorAt(0, palette::kWhite);
    body.setColorAt(1, palette::kSurface);
    painter.fillRect(all, body);

    QLinearGradient strip(0, 0, size.width(), 0);
    strip.setColorAt(0, palette::kInk);
    strip.setColorAt(1, palette::kNavy);
    painter.fillRect(QRect(0, 0, size.width(), stripHeight), strip);
    // A thin sky line under the strip.
    painter.fillRect(QRect(0, stripHeight, size.width(), 2), palette::kSky);

    const int mark = stripHeight - 12;
    PaintLogoMark(painter, QRectF(8, 6, mark, mark), palette::kSky, palette::kWhite);
    PaintText(painter, QRectF(8 + mark + 8, 0, size.width() - mark - 60, stripHeight), title,
              Face(stripHeight >= 30 ? 14 : 12, true), palette::kWhite);

    painter.setPen(QPen(palette::kNavy, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    painter.restore();
}

void PaintCard(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill, const QColor& border) {
    painter.save();
    Smooth(painter);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

void PaintText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, const QColor& colour,
               int flags) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void PaintLogoMark(QPainter& painter, const QRectF& box, const QColor& fill, const QColor& ink) {
    painter.save();
    Smooth(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const qreal r = box.width() * 0.28;
    painter.drawRoundedRect(box, r, r);
    DrawGlyph(painter, Glyph::Quill, box.adjusted(box.width() * 0.16, box.height() * 0.16, -box.width() * 0.16,
                                                  -box.height() * 0.16),
              ink);
    painter.restore();
}

}  // namespace demo
