#include "text/text_utils.h"

#include <climits>

#include "platform/errors.h"

namespace quillan {

std::string Copy(std::string_view text, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<size_t>(index) > text.size()) return {};
    return std::string(text.substr(static_cast<size_t>(index - 1), static_cast<size_t>(count)));
}

void Delete(std::string& text, int index, int count) {
    if (count <= 0 || index < 1 || static_cast<size_t>(index) > text.size()) return;
    text.erase(static_cast<size_t>(index - 1), static_cast<size_t>(count));
}

int Pos(std::string_view pattern, std::string_view text) {
    if (pattern.empty()) return 0;
    const size_t at = text.find(pattern);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int PosFrom(int start, std::string_view text, std::string_view pattern) {
    if (pattern.empty() || text.empty() || start < 1 || static_cast<size_t>(start) > text.size()) return -1;
    const size_t at = text.find(pattern, static_cast<size_t>(start - 1));
    return at == std::string_view::npos ? -1 : static_cast<int>(at) + 1;
}

std::string_view TrimView(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

int StrToInt(std::string_view text) {
    auto fail = [&]() -> int { throw ConversionError("'" + std::string(text) + "' is not a valid integer value"); };
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return fail();
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return fail();
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return fail();
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return fail();
    return static_cast<int>(value);
}

int IntOfTrimmed(std::string_view text) {
    const std::string_view trimmed = TrimView(text);
    return trimmed.empty() ? 0 : StrToInt(trimmed);
}

std::string FirstWord(std::string_view text) {
    const size_t space = text.find(' ');
    return std::string(space == std::string_view::npos ? text : text.substr(0, space));
}

std::string NthHashField(std::string_view text, int n) {
    for (int i = 1; i < n; ++i) {
        const size_t hash = text.find('#');
        if (hash != std::string_view::npos) text.remove_prefix(hash + 1);
    }
    const size_t hash = text.find('#');
    return hash == std::string_view::npos ? std::string() : std::string(text.substr(0, hash));
}

std::string_view FieldCursor::Take(char separator) {
    const size_t at = rest_.find(separator);
    if (at == std::string_view::npos) return {};
    const std::string_view field = rest_.substr(0, at);
    rest_.remove_prefix(at + 1);
    return field;
}

std::string_view FieldCursor::TakeChars(size_t n) {
    const std::string_view chars = rest_.substr(0, n < rest_.size() ? n : rest_.size());
    rest_.remove_prefix(chars.size());
    return chars;
}

std::string TakeField(std::string& line, char separator) {
    FieldCursor cursor(line);
    std::string field(cursor.Take(separator));
    line.erase(0, line.size() - cursor.Rest().size());
    return field;
}

std::string LowerCp1250(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        unsigned char lower = b;
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            lower = static_cast<unsigned char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8D || b == 0x8E || b == 0x8F)  // Š Ś Ť Ž Ź
            lower = static_cast<unsigned char>(b + 0x10);
        else if (b == 0xA3 || b == 0xAA || b == 0xAF)  // Ł Ş Ż
            lower = static_cast<unsigned char>(b + 0x10);
        else if (b == 0xA5)  // Ą
            lower = 0xB9;
        else if (b == 0xBC)  // Ľ
            lower = 0xBE;
        c = static_cast<char>(lower);
    }
    return out;
}

}  // namespace quillan
