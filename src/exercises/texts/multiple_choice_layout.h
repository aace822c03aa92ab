#pragma once

#include <string>
#include <utility>
#include <vector>

#include "course/marked_text.h"
#include "exercises/texts/multiple_choice.h"

namespace quillan {

// Where the questions and answers go in the content box pb_tresc: the painter's rules without
// the painting. Items are 24 pixels apart with an empty line after each question; a question's
// text starts at x = 25, an answer's box at x = 25 and its text at x = 50, a wrapped line at
// x = 50. "<b>"/"</b>" in any letter case switch bold, "<BR>" breaks the line by 18 pixels, the
// tags of the instruction markup work as there. Words above the box (y < 0) are not drawn.

constexpr int kMcLineStep = 24;

enum class McBox { Normal, Checked, Bad };   // img_normal, img_checked, img_bad
enum class McMarkKind { None, Right, Wrong };  // stan_ok, stan_bad at (-1, y - 2)

struct McDrawnWord {
    std::string Text;  // the word and a space
    int X = 0, Y = 0;
    TextStyle Style;
};

struct McAnswerPlace {
    int Question = 0, Answer = 0;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;  // the clickable rectangle, edges included
    McBox Box = McBox::Normal;           // drawn at (25, Y1 - 2)
    McMarkKind Mark = McMarkKind::None;  // drawn at (-1, Y1 - 2)
};

struct McLayout {
    std::vector<McDrawnWord> Words;
    std::vector<McAnswerPlace> Answers;
    int Bottom = 0;  // y after the last question
};

McLayout LayOutMultipleChoice(const MultipleChoice& exercise, int boxWidth, int scrollPos, const TextMeasure& measure);

// The steps the box can scroll: 0 when the content fits `boxHeight`, else (bottom - height)
// div 25 + 1.
int McMaxScroll(const McLayout& layout, int boxHeight);

// The first answer (question, answer; 0-based) whose rectangle holds the point; {-1, -1} when none.
std::pair<int, int> McAnswerAt(const McLayout& layout, int x, int y);

}  // namespace quillan
