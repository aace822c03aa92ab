#include "exercises/texts/typing_layout.h"

#include "text/text_utils.h"

namespace quillan {

namespace {

bool IsMark(std::string_view text) {
    const std::string_view t = TrimView(text);
    return t.size() == 1 && std::string_view(".,;!?").find(t[0]) != std::string_view::npos;
}

}  // namespace

std::string UnderscoreRun(int gapWidth, const TextMeasure& measure) {
    std::string run = "_";
    while (measure(run, TextStyle()) < gapWidth - 5 && run.size() < 500) run += '_';
    return run;
}

TypingLayout LayOutTyping(const TypingGaps& exercise, int boxWidth, int scrollPos, const TextMeasure& measure) {
    const TypingContent& content = exercise.Content();
    const std::vector<TypingItem>& items = content.Items;
    const size_t n = items.size();
    const bool checked = exercise.State().Evaluated();
    const std::string blankRun = content.BlankGaps ? UnderscoreRun(content.GapWidth, measure) : std::string();

    TypingLayout layout;
    layout.ItemBoxes.assign(n, TypingBox());
    TextStyle style;
    const auto width = [&](std::string_view text) { return measure(text, style); };
    int x = 3, y = kTypingLineHeight - kTypingLineHeight * scrollPos;
    bool raise = false;
    for (size_t k = 0; k < n; ++k) {
        const TypingItem& item = items[k];
        switch (item.Kind) {
            case TypingItemKind::Glue: x -= width(" "); continue;
            case TypingItemKind::Raise:
                x -= width(" ");
                raise = true;
                continue;
            case TypingItemKind::Tab:
                if (item.Tab >= 0) x = item.Tab;
                continue;
            case TypingItemKind::Break:
                x = 3;
                y += kTypingLineHeight;
                continue;
            case TypingItemKind::BoldOn: style.Bold = true; continue;
            case TypingItemKind::BoldOff: style.Bold = false; continue;
            case TypingItemKind::Word:
            case TypingItemKind::Gap: break;
        }
        const bool gap = item.Kind == TypingItemKind::Gap;
        std::string text = exercise.ItemValue(static_cast<int>(k));
        const std::string sep = k + 2 < n && IsMark(exercise.ItemValue(static_cast<int>(k + 1))) ? "" : " ";
        int w = width(sep) + width(text);
        const bool empty = gap && TrimView(text).empty();
        if (empty) {
            w = width(sep) + content.GapWidth + 2;
            text = content.BlankGaps ? blankRun : item.Prefill;
        }
        if (x + w + 15 >= boxWidth - 3 && !IsMark(text)) {
            x = 3;
            y += kTypingLineHeight;
        }
        TypingDrawnItem drawn;
        drawn.Item = static_cast<int>(k);
        drawn.Gap = gap;
        drawn.Bold = style.Bold;
        TypingBox& box = layout.ItemBoxes[k];
        box = TypingBox{x, y, gap && !checked ? w : width(text), kTypingLineHeight};
        if (gap && checked) {
            const bool right = exercise.Results()[static_cast<size_t>(item.Gap)].Right;
            if (right) box = TypingBox{-50, -50, 0, 0};
            drawn.Mark = right ? TypingMark::Right : TypingMark::Wrong;
            drawn.MarkX = x;
            x += right ? kTypingRightMarkWidth : kTypingWrongMarkWidth;
        }
        drawn.Text = text + sep;
        drawn.X = x;
        drawn.Y = raise ? y - 4 : y;
        raise = false;
        if (!text.empty() && text.front() == '_') {
            drawn.BlankBox = true;
            drawn.BoxWidth = w;
        }
        layout.Drawn.push_back(std::move(drawn));
        x += w;
        if (TrimView(text) == "." && k + 1 < n) {
            const std::string& next = exercise.ItemValue(static_cast<int>(k + 1));
            if (next.size() > 1 && next.front() == '.') x -= width(" ");
        }
    }
    layout.Bottom = y;
    return layout;
}

int TypingMaxScroll(const TypingLayout& layout, int boxHeight) {
    return boxHeight < layout.Bottom ? (layout.Bottom - boxHeight) / kTypingLineHeight + 1 : 0;
}

int TypingGapAt(const TypingLayout& layout, const TypingGaps& exercise, int x, int y) {
    if (exercise.State().Evaluated()) return -1;
    for (const TypingGap& gap : exercise.Content().Gaps)
        if (layout.ItemBoxes[static_cast<size_t>(gap.Item)].Holds(x, y))
            return exercise.Content().Items[static_cast<size_t>(gap.Item)].Gap;
    return -1;
}

int TypingWrongMarkAt(const TypingLayout& layout, const TypingGaps& exercise, int x, int y) {
    if (!exercise.State().Evaluated()) return -1;
    const auto& gaps = exercise.Content().Gaps;
    for (size_t g = 0; g < gaps.size(); ++g) {
        if (exercise.Results()[g].Right) continue;
        const TypingBox& box = layout.ItemBoxes[static_cast<size_t>(gaps[g].Item)];
        if (x >= box.X && x <= box.X + 16 && y >= box.Y && y <= box.Y + 18) return static_cast<int>(g);
    }
    return -1;
}

}  // namespace quillan
