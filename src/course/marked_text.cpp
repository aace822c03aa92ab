#include "course/marked_text.h"

#include "text/text_utils.h"

namespace quillan {

bool ApplyStyleTag(TextStyle& style, std::string_view token) {
    if (token == "<B>")
        style.Bold = true;
    else if (token == "</B>")
        style.Bold = false;
    else if (token == "<I>")
        style.Italic = true;
    else if (token == "</I>")
        style.Italic = false;
    else
        return false;
    return true;
}

const std::string& ChooseInstruction(std::string_view langDir, const std::string& lang2, const std::string& lang0,
                                     const std::string& lang1) {
    if (langDir == "Lang_r\\1\\") return lang1;
    if (langDir == "Lang_r\\2\\") return lang2;
    return lang0;
}

std::vector<std::string> MarkedTextTokens(std::string_view text) {
    std::vector<std::string> tokens;
    while (!text.empty()) {
        const size_t blank = text.find(' ');
        tokens.emplace_back(text.substr(0, blank));
        text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    }
    return tokens;
}

bool IsMarkupTag(std::string_view token) { return !token.empty() && token.front() == '<' && token.find('>') != std::string_view::npos; }

std::vector<PlacedWord> LayOutMarkedText(std::string_view text, int boxWidth, const TextMeasure& measure) {
    std::vector<PlacedWord> words;
    TextStyle style;
    int x = 0, y = 0;
    for (std::string& token : MarkedTextTokens(text)) {
        if (IsMarkupTag(token)) {
            if (UpperAscii(token) == "<BR>") {
                y += kMarkedLineHeight;
                x = 0;
            } else {
                ApplyStyleTag(style, token);
            }
            continue;
        }
        token += ' ';
        const int w = measure(token, style);
        if (x + w > boxWidth - kMarkedRightMargin) {
            y += kMarkedLineHeight;
            x = 0;
        }
        words.push_back(PlacedWord{std::move(token), x, y, style});
        x += w;
    }
    return words;
}

}  // namespace quillan
