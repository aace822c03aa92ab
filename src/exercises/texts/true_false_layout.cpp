#include "exercises/texts/true_false_layout.h"

#include <algorithm>

namespace quillan {

TfLayout LayOutTrueFalse(const TrueFalse& exercise, int boxWidth, int boxSize, const TextMeasure& measure) {
    TfLayout layout;
    const TextStyle bold{true, false}, plain;
    const int w1 = measure(exercise.HeadingLeft(), bold), w2 = measure(exercise.HeadingRight(), bold);
    const int t = 2 * std::max(w1, w2) + 10;
    layout.TableWidth = t;
    layout.LeftHeadingX = (t / 2 - w1) / 2 + 1;
    layout.RightHeadingX = t / 2 + (t / 2 - w2) / 2 + 1;
    layout.LeftBoxX = t / 4 - boxSize / 2;
    layout.RightBoxX = (t / 4) * 3 - boxSize / 2;

    int y = kTfFirstRow;
    for (const TfRow& row : exercise.Rows()) {
        const int top = y;
        int x = t + 5;
        for (std::string& word : MarkedTextTokens(row.Statement)) {
            word += ' ';
            const int w = measure(word, plain);
            if (x + w > boxWidth) {
                x = t + 5;
                y += 17;
            }
            layout.Words.push_back(PlacedWord{std::move(word), x, y, plain});
            x += w;
        }
        y += 24;
        const int offset = (y - top) / 2 - boxSize / 2 - 5;
        layout.Rows.push_back(TfRowPlace{top, top + offset});
    }
    layout.DividerBottom = y + 10;
    return layout;
}

}  // namespace quillan
