#pragma once

// The fonts and colours of the windows' widgets, and the labels of their texts.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace quillan {

// A font of the family at a size in points, or in pixels.
QFont PointFont(const QString& family, int points, bool bold = false);
QFont PixelFont(const QString& family, int pixels, bool bold = false);

// The colour the widget writes its text in.
void SetTextColour(QWidget& widget, const QColor& colour);

// The colour the widget fills its background with.
void SetBackgroundColour(QWidget& widget, const QColor& colour);

// A named label at its place, in the font and colour given.
QLabel* TextLabel(QWidget* parent, const char* name, const QRect& box, const QFont& font, const QColor& colour);

// A label for the course's sentences: shown as written (never as markup), wrapped and aligned.
QLabel* SentenceLabel(QWidget* parent, const char* name, const QRect& box, const QFont& font, const QColor& colour,
                      Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

}  // namespace quillan
