#pragma once

// The one visual style of every picture the demo installation carries: a palette, a type face
// and a few shapes (window title strips, cards, soft backdrops) that all pictures are built from.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace demo {

namespace palette {
inline const QColor kInk{14, 42, 71};          // headings, dark panels
inline const QColor kNavy{18, 58, 94};         // right-hand panels, title strips
inline const QColor kBlue{0, 101, 156};        // primary: icons, result texts
inline const QColor kSky{1, 153, 202};         // highlighted buttons, chart names
inline const QColor kPen{51, 153, 204};        // thin lines
inline const QColor kIce{233, 247, 250};       // row highlight, soft fills
inline const QColor kMist{214, 232, 241};      // borders on light surfaces
inline const QColor kSurface{246, 249, 251};   // window bodies
inline const QColor kWhite{255, 255, 255};
inline const QColor kText{31, 45, 61};
inline const QColor kMuted{102, 102, 102};
inline const QColor kAmber{245, 166, 35};      // warm accent
inline const QColor kGreen{46, 158, 91};
inline const QColor kRed{214, 69, 69};
inline const QColor kKey{255, 0, 255};         // transparent colour of button strips
}  // namespace palette

// The course's type face at a pixel size (the program draws with Verdana, which it maps to
// DejaVu Sans; the pictures use the same face so that they sit well with the program's text).
QFont Face(int pixelSize, bool bold = false);

// A painter with antialiasing for shapes and text.
void Smooth(QPainter& painter);

// A blank picture of the given size, filled with a colour.
QImage Blank(int width, int height, const QColor& fill = palette::kWhite);

// Soft full-picture backdrop: a light gradient in one of a few calm tints, faint large circles
// and a fine dot grid. `tint` picks the hue (0..5); `seed` varies the circles.
void PaintBackdrop(QPainter& painter, const QRect& area, int tint, int seed);

// A tint colour of the backdrop family, for accents that should match a backdrop.
QColor TintColour(int tint);

// The frame of a small borderless window: a body in the surface colour, a one-pixel border and
// a navy title strip of `stripHeight` pixels with a glyph-free title at the left.
void PaintWindowFrame(QPainter& painter, const QSize& size, const QString& title, int stripHeight = 32);

// A white card with a thin border and rounded corners.
void PaintCard(QPainter& painter, const QRectF& rect, qreal radius = 8, const QColor& fill = palette::kWhite,
               const QColor& border = palette::kMist);

// Text in a rectangle, with alignment flags, in one colour and font.
void PaintText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, const QColor& colour,
               int flags = Qt::AlignLeft | Qt::AlignVCenter);

// A small "Q" quill mark in a rounded square, the course's logo.
void PaintLogoMark(QPainter& painter, const QRectF& box, const QColor& fill, const QColor& ink);

}  // namespace demo
