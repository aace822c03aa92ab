#include "guidance/panel_text.h"

#include <array>
#include <utility>

#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr std::array<std::string_view, 6> kTags = {"<br>", "@", "<i>", "</i>", "<b>", "</b>"};

constexpr std::array<std::pair<std::string_view, PanelIcon>, 16> kIcons = {{
    {"[1]", PanelIcon::Level1},
    {"[2]", PanelIcon::Level2},
    {"[3]", PanelIcon::Level3},
    {"[4]", PanelIcon::Level4},
    {"[TYP_1]", PanelIcon::Family1},
    {"[TYP_2]", PanelIcon::Family2},
    {"[TYP_3]", PanelIcon::Family3},
    {"[TYP_4]", PanelIcon::Family4},
    {"[TYP_5]", PanelIcon::Family5},
    {"[YES]", PanelIcon::Done},
    {"[NO]", PanelIcon::NotDone},
    {"[STAT_OK]", PanelIcon::StatOk},
    {"[STAT_NO]", PanelIcon::StatNo},
    {"[STAT_PROC]", PanelIcon::StatPercent},
    {"[STAT_ABC]", PanelIcon::StatAbc},
    {"[STAT_STRZ]", PanelIcon::StatArrow},
}};

}  // namespace

PanelTopic ReadPanelKey(const std::string& panelKey) {
    if (panelKey.rfind("HH_", 0) == 0) return {true, panelKey.substr(3)};
    return {false, panelKey};
}

std::vector<std::string> TokenizePanelText(std::string_view input) {
    const std::string_view text = TrimView(input);
    std::vector<std::string> tokens;
    auto emit = [&tokens](std::string token) {
        if (tokens.size() < static_cast<size_t>(kPanelTokenLimit)) tokens.push_back(std::move(token));
    };
    std::string current;
    size_t p = 0;
    while (p < text.size()) {
        const char c = text[p];
        std::string_view tag;
        if (c == '<' || c == '>' || c == '@') {
            const std::string ahead = LowerAscii(text.substr(p, 5));
            for (std::string_view candidate : kTags)
                if (ahead.compare(0, candidate.size(), candidate) == 0) {
                    tag = candidate;
                    break;
                }
        }
        if (!tag.empty()) {
            if (!current.empty()) emit(std::exchange(current, {}));
            emit(std::string(tag));
            p += tag.size();
        } else {
            current += c;
            ++p;
        }
        if (p < text.size() && text[p] == ' ') {
            emit(std::exchange(current, {}));
            ++p;
        }
    }
    if (!current.empty()) emit(std::move(current));
    return tokens;
}

PanelIcon PanelIconOf(std::string_view token) {
    if (token.empty() || token.front() != '[') return PanelIcon::None;
    const std::string upper = UpperAscii(token);
    for (const auto& [name, icon] : kIcons)
        if (upper == name) return icon;
    return PanelIcon::None;
}

PanelLayout LayOutPanel(const std::vector<std::string>& tokens, int scrollLine, int areaWidth, const PanelMetrics& metrics) {
    PanelLayout layout;
    PanelStyle style;
    int y = 1 - scrollLine * kPanelLineHeight;
    int x = 1;
    const size_t count = tokens.size();
    for (size_t i = 0; i < count; ++i) {
        const std::string& token = tokens[i];
        if (TrimView(token).empty()) continue;
        const std::string lower = LowerAscii(token);
        // "(<b>word" shows the word right after the parenthesis, and "word</b>)" the parenthesis
        // right after the word: the tag takes back the blank drawn after the previous word. A
        // ")" two tokens on ("word</b> )") counts as well.
        if (lower == "<b>" && i >= 1 && tokens[i - 1] == "(") x -= metrics.TextWidth(" ", style);
        if (lower == "</b>" && ((i + 1 < count && tokens[i + 1] == ")") || (i + 2 < count && tokens[i + 2] == ")")))
            x -= metrics.TextWidth(" ", style);

        if (lower == "<br>" || lower == "@") {
            y += kPanelLineHeight;
            x = 1;
        } else if (lower == "<b>" || lower == "</b>") {
            style.bold = lower == "<b>";
        } else if (lower == "<i>" || lower == "</i>") {
            style.italic = lower == "<i>";
        } else if (const PanelIcon icon = PanelIconOf(token); icon != PanelIcon::None) {
            layout.pieces.push_back({x, y, {}, style, icon});
            x += metrics.IconWidth(icon) + 3;
        } else {
            std::string word = token + " ";
            const int w = metrics.TextWidth(word, style);
            if (x + w > areaWidth) {
                y += kPanelLineHeight;
                x = 1;
            }
            layout.pieces.push_back({x, y, std::move(word), style, PanelIcon::None});
            x += w;
        }
    }
    layout.endY = y;
    return layout;
}

void PanelScroll::Reset() {
    ScrollLine = 0;
    UpShown = false;
    needsMeasure_ = true;
}

void PanelScroll::Measure(int endY, int areaHeight) {
    needsMeasure_ = false;
    if (endY < areaHeight) {
        MaxScrollLine = 0;
        DownShown = false;
    } else {
        MaxScrollLine = (endY - areaHeight) / kPanelLineHeight + 1;
        DownShown = true;
    }
}

void PanelScroll::Up() {
    if (ScrollLine > 0) --ScrollLine;
    if (ScrollLine == 0) UpShown = false;
    DownShown = true;
}

void PanelScroll::Down() {
    if (ScrollLine < MaxScrollLine) ++ScrollLine;
    if (ScrollLine >= MaxScrollLine) DownShown = false;
    UpShown = true;
}

}  // namespace quillan
