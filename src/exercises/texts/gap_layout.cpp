#include "exercises/texts/gap_layout.h"

namespace quillan {

GapLayout LayOutGaps(const GapBoard& board, bool checked, GapWindow window, const GapLayoutMetrics& metrics,
                     const TextMeasure& measure, std::vector<GapRect>& dropAreas) {
    GapLayout layout;
    const size_t gapCount = board.Gaps().size();
    layout.GapPositions.assign(gapCount, GapRect());
    dropAreas.resize(gapCount);
    const int margin = window == GapWindow::GapText ? 50 : 30;
    const int indent = window == GapWindow::GapText ? 0 : metrics.VoiceWidth + metrics.FlagWidth + 10;
    TextStyle style;
    const auto width = [&](std::string_view text) { return measure(text, style); };
    int x = 0, y = 0;
    auto draw = [&](GapDrawnKind kind, std::string text, int number) {
        layout.Drawn.push_back(GapDrawn{kind, std::move(text), x, y, style.Italic, number});
    };
    for (const GapToken& token : board.Tokens()) {
        switch (token.Kind) {
            case GapTokenKind::ItalicOn: style.Italic = true; continue;
            case GapTokenKind::ItalicOff: style.Italic = false; continue;
            case GapTokenKind::LineBreak:
                x = 0;
                y += kGapLineHeight;
                continue;
            case GapTokenKind::Flag:
            case GapTokenKind::Voice: {
                const bool flag = token.Kind == GapTokenKind::Flag;
                if (checked) draw(flag ? GapDrawnKind::Flag : GapDrawnKind::Voice, {}, token.Number);
                x += (flag ? metrics.FlagWidth : metrics.VoiceWidth) + 5;
                continue;
            }
            case GapTokenKind::Word:
            case GapTokenKind::Gap: break;
        }
        const bool gap = token.Kind == GapTokenKind::Gap;
        const int label = gap ? board.GapStates()[static_cast<size_t>(token.Number)].Label : -1;
        const std::string& labelText = label >= 0 ? board.Labels()[static_cast<size_t>(label)].Text : token.Text;
        const std::string shown = !gap ? token.Text : label >= 0 ? "<TU=" + labelText : "<TU>";
        if (x + width(shown) > metrics.BoxWidth - margin) {
            x = indent;
            y += kGapLineHeight;
        }
        if (!gap) {
            draw(GapDrawnKind::Text, token.Text + " ", -1);
            x += width(token.Text + " ");
            continue;
        }
        const size_t g = static_cast<size_t>(token.Number);
        if (checked) {
            draw(GapDrawnKind::Mark, {}, token.Number);
            x += kGapMarkAdvance;
        }
        layout.GapPositions[g] = GapRect{x, y, 0, 0};
        if (label < 0) dropAreas[g] = GapRect{x, y, metrics.QuestionWidth, metrics.QuestionHeight};
        if (checked) {
            const std::string answer = board.Gaps()[g].Answer + " ";
            draw(GapDrawnKind::Text, answer, token.Number);
            x += width(answer);
        } else if (label >= 0) {
            x += width(labelText + " ");
        } else {
            draw(GapDrawnKind::QuestionMark, {}, token.Number);
            x += metrics.QuestionWidth + 5;
        }
    }
    layout.Bottom = y;
    return layout;
}

int GapAt(const std::vector<GapRect>& dropAreas, int x, int y) {
    for (size_t g = 0; g < dropAreas.size(); ++g)
        if (dropAreas[g].Holds(x, y)) return static_cast<int>(g);
    return -1;
}

}  // namespace quillan
