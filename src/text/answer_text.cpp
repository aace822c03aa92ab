#include "text/answer_text.h"

#include "text/text_utils.h"

namespace quillan {

namespace {

bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

void TrimEnd(std::string& text) {
    while (!text.empty() && Blank(text.back())) text.pop_back();
}

}  // namespace

std::string NormalizeSpacing(std::string_view text, char separator) {
    // The first search looks for the separator; later ones, for a blank separator, for two
    // blanks, so single blanks between words stay as they are.
    const std::string_view later = separator == ' ' ? std::string_view("  ") : std::string_view(&separator, 1);
    std::string result;
    result.reserve(text.size() + 8);
    size_t start = 0;
    size_t at = text.find(separator);
    while (at != std::string_view::npos) {
        // result = Trim(result + Trim(piece) + Trim(separator)) + " ". The result begins with a
        // blank only when it is that one blank, which the trim would drop.
        if (result == " ") result.clear();
        result += TrimView(text.substr(start, at - start));
        if (!Blank(separator)) result += separator;
        TrimEnd(result);
        result += ' ';
        start = at + 1;
        at = start < text.size() ? text.find(later, start) : std::string_view::npos;
    }
    if (result == " ") result.clear();
    result += TrimView(text.substr(start));
    TrimEnd(result);
    return result;
}

std::string NormalizeAnswer(std::string_view text) {
    std::string result = Trim(text);
    for (char separator : {' ', ',', ';', '.', '!', ':', '-'}) result = NormalizeSpacing(result, separator);
    return result;
}

std::string StripMarkers(std::string_view text) {
    std::string stripped;
    stripped.reserve(text.size());
    for (char c : text)
        if (c != '<' && c != '>') stripped += c;
    return NormalizeSpacing(stripped, ' ');
}

}  // namespace quillan
