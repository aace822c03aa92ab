#include "exercises/texts/multiple_choice_layout.h"

#include <algorithm>

#include "text/text_utils.h"

namespace quillan {

McLayout LayOutMultipleChoice(const MultipleChoice& exercise, int boxWidth, int scrollPos, const TextMeasure& measure) {
    McLayout layout;
    const bool checked = exercise.State().Evaluated();
    TextStyle style;
    int y = -kMcLineStep * scrollPos;
    const auto& questions = exercise.Questions();
    for (size_t q = 0; q < questions.size(); ++q) {
        const McQuestionState& question = questions[q];
        for (int k = -1; k < static_cast<int>(question.Answers.size()); ++k) {
            const bool answer = k >= 0;
            int x = answer ? 50 : 25;
            McAnswerPlace place;
            if (answer) {
                const McAnswer& a = question.Answers[static_cast<size_t>(k)];
                place.Question = static_cast<int>(q);
                place.Answer = k;
                place.X1 = 25;
                place.Y1 = y;
                place.Box = a.WrongChoice ? McBox::Bad : a.Selected ? McBox::Checked : McBox::Normal;
                if (checked) place.Mark = a.MarkWrong ? McMarkKind::Wrong : a.MarkRight ? McMarkKind::Right : McMarkKind::None;
            }
            int maxX = x;
            for (std::string& word : MarkedTextTokens(answer ? question.Answers[static_cast<size_t>(k)].Text : question.Question)) {
                const std::string lower = LowerAscii(TrimView(word));
                if (lower == "<b>" || lower == "</b>") {
                    style.Bold = lower == "<b>";
                    continue;
                }
                maxX = std::max(maxX, x);
                if (IsMarkupTag(word)) {
                    if (word == "<BR>") {
                        y += 18;
                        x = 50;
                    } else {
                        ApplyStyleTag(style, word);
                    }
                    continue;
                }
                word += ' ';
                const int w = measure(word, style);
                if (x + w > boxWidth) {
                    y += kMcLineStep;
                    x = 50;
                }
                if (y >= 0) layout.Words.push_back(McDrawnWord{word, x, y, style});
                x += w;
                // The answer's own words belong to its clickable area, its last word too.
                maxX = std::max(maxX, x);
            }
            if (answer) {
                place.X2 = maxX;
                place.Y2 = y + 25;
                layout.Answers.push_back(place);
            }
            y += kMcLineStep;
        }
        y += kMcLineStep;
    }
    layout.Bottom = y;
    return layout;
}

int McMaxScroll(const McLayout& layout, int boxHeight) {
    return boxHeight < layout.Bottom - 25 ? (layout.Bottom - boxHeight) / 25 + 1 : 0;
}

std::pair<int, int> McAnswerAt(const McLayout& layout, int x, int y) {
    for (const McAnswerPlace& a : layout.Answers)
        if (x >= a.X1 && x <= a.X2 && y >= a.Y1 && y <= a.Y2) return {a.Question, a.Answer};
    return {-1, -1};
}

}  // namespace quillan
