#pragma once

#include <QFont>
#include <QPoint>
#include <string>
#include <string_view>
#include <vector>

#include "course/marked_text.h"

class QPainter;

namespace quillan {

// The painting of the marked texts of the text exercises: the instruction of every exercise
// window and the questions and answers of the multiple-choice window. The rules (tokens, tags,
// wrapping) are course/marked_text.h's; this draws what its layouts place.

// The font of a text exercise (the interface font "Verdana", 10 points) with a style of the markup.
QFont MarkedTextFont(const QString& family, const TextStyle& style = TextStyle());

// Measures Windows-1250 texts in `family` at 10 points in each style of the markup, for the
// layouts. The metrics of the four styles are made once.
TextMeasure MarkedTextMeasure(const QString& family);

// Draws placed words, each in its style, its line's top at (X, Y) moved by `origin`, in the
// painter's pen and with no background.
void DrawPlacedWords(QPainter& painter, const QString& family, const std::vector<PlacedWord>& words,
                     QPoint origin = QPoint());

// PaintMarkedText: the instruction of a text exercise in a box `boxWidth` pixels wide, the
// version of the interface language directory `langDir` ("Lang_r\0\" the language-0 text,
// "Lang_r\1\" the language-1 text, "Lang_r\2\" the language-2 text), black, with no background.
// Each paint starts with no style. Lines below the box are drawn outside it (clipped away).
void PaintMarkedText(QPainter& painter, int boxWidth, std::string_view langDir, const std::string& textLang2,
                     const std::string& textLang0, const std::string& textLang1, const QString& family = "Verdana");

}  // namespace quillan
