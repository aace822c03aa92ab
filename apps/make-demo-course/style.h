#pragma once

// The one visual style of every picture the demo installation carries: the program's palette,
// type face and glyphs, and a few shapes (window title strips, cards, soft backdrops) that all
// pictures are built from.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "controls/design_style.h"
#include "controls/glyphs.h"

namespace demo {

// The palette, the type face and the painter's settings are the program's own, so that the
// course's pictures sit well with those the program draws; so is the glyph set.
namespace palette = quillan::design::palette;
using quillan::design::DrawGlyph;
using quillan::design::Face;
using quillan::design::Glyph;
using quillan::design::Smooth;

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
