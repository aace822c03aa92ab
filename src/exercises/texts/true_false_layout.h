#pragma once

#include <vector>

#include "course/marked_text.h"
#include "exercises/texts/true_false.h"

namespace quillan {

// Where the true/false table goes in its box pb_tresc: the painter's rules without the
// painting. The table is T = 2 x the wider heading (in bold) + 10 pixels wide, a column for
// "true" and one for "false", the headings centred in them at y = 4 above a line at y = 20;
// the statements are written right of the table from x = T + 5, wrapped at the box's width
// with lines 17 pixels apart, rows 24 pixels below their last line. Each row's two boxes stand
// in the middle of their columns, level with the middle of the row.

constexpr int kTfHeadingLine = 20;
constexpr int kTfFirstRow = 26;

struct TfRowPlace {
    int Top = 0;     // yStart: the top of the row's first line
    int BoxTop = 0;  // the top of its two boxes (and of its mark)
};

struct TfLayout {
    int TableWidth = 0;                  // T
    int LeftHeadingX = 0, RightHeadingX = 0;  // drawn in bold at y = 4
    int LeftBoxX = 0, RightBoxX = 0;     // the boxes' left edges
    std::vector<PlacedWord> Words;       // the statements, plain
    std::vector<TfRowPlace> Rows;
    int DividerBottom = 0;               // the divider runs from (T div 2, 0) to (T div 2, DividerBottom)
};

// The table of `exercise` in a box `boxWidth` wide, with boxes of `boxSize` pixels.
TfLayout LayOutTrueFalse(const TrueFalse& exercise, int boxWidth, int boxSize, const TextMeasure& measure);

}  // namespace quillan
