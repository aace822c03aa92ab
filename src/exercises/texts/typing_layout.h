#pragma once

#include <string>
#include <vector>

#include "course/marked_text.h"
#include "exercises/texts/typing_gaps.h"

namespace quillan {

// Where the typing exercise's text goes in its box DXRamka: the painter's rules without the
// painting. Lines are 23 pixels apart and start at x = 3; an item that would reach within 15
// pixels of the right edge (less 3) starts a new line, except a punctuation mark; "$%^" and
// ">>" take back one space width, "[TAB=n]" moves on to x = n, "<BR>" breaks the line, "<B>"
// and "</B>" switch bold. An empty gap is GapWidth + 2 pixels wide and shows its prefill (with
// blank gaps: a run of "_" as wide as the gap). After the check a mark stands before each gap.

constexpr int kTypingLineHeight = 23;
constexpr int kTypingRightMarkWidth = 24, kTypingWrongMarkWidth = 20;

struct TypingBox {
    int X = 0, Y = 0, W = 0, H = 0;
    bool Holds(int x, int y) const { return W > 0 && x >= X && x <= X + W && y >= Y && y <= Y + H; }
};

enum class TypingMark { None, Right, Wrong };  // stan_ok, stan_bad before a gap after the check

// An item as the painter draws it.
struct TypingDrawnItem {
    int Item = 0;
    std::string Text;  // with the space after it, if any
    int X = 0, Y = 0;  // Y is 4 pixels higher after ">>"
    bool Gap = false;  // drawn in blue
    bool Bold = false;
    TypingMark Mark = TypingMark::None;
    int MarkX = 0;          // the mark stands at (MarkX, Y) before the text
    bool BlankBox = false;  // an empty gap with blank gaps: a white box with a light-blue border
    int BoxWidth = 0;       // from (X - 3, Y - 2), 21 pixels high
};

struct TypingLayout {
    std::vector<TypingDrawnItem> Drawn;
    std::vector<TypingBox> ItemBoxes;  // per item; W 0 for an item not drawn and for a right gap after the check
    int Bottom = 0;                    // y after the last line
};

// The run of "_" an empty gap shows with blank gaps: the shortest whose width reaches GapWidth - 5.
std::string UnderscoreRun(int gapWidth, const TextMeasure& measure);

// Lays the text out in a box `boxWidth` wide, scrolled by `scrollPos` steps of 23 pixels.
TypingLayout LayOutTyping(const TypingGaps& exercise, int boxWidth, int scrollPos, const TextMeasure& measure);

// The steps the box can scroll: 0 when the text fits its height `boxHeight`, else
// (bottom - height) div 23 + 1 (btn_dn shows then).
int TypingMaxScroll(const TypingLayout& layout, int boxHeight);

// The gap (0-based) whose box holds the point, before the check; -1 when none.
int TypingGapAt(const TypingLayout& layout, const TypingGaps& exercise, int x, int y);

// After the check: the wrong gap whose mark (16 x 18 at its box's corner) holds the point, for
// its hint; -1 when none.
int TypingWrongMarkAt(const TypingLayout& layout, const TypingGaps& exercise, int x, int y);

}  // namespace quillan
