#include "exercises/vocab/word_frame.h"

namespace quillan {
namespace {

bool IsSingleToken(char c) { return c == '%' || c == ',' || c == '<' || c == '>' || c == '@' || c == '^'; }

bool IsMark(const std::string& token) {
    return token == "," || token == ";" || token == "!" || token == "." || token == ":";
}

}  // namespace

std::vector<std::string> WordFrameTokens(std::string_view text) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < text.size() && tokens.size() < kWordFrameTokens) {
        const char c = text[i];
        if (c == ' ') {
            ++i;
        } else if (IsSingleToken(c)) {
            tokens.emplace_back(1, c);
            ++i;
        } else {
            const size_t start = i;
            while (i < text.size() && text[i] != ' ' && !IsSingleToken(text[i])) ++i;
            tokens.emplace_back(text.substr(start, i - start));
        }
    }
    return tokens;
}

std::vector<PlacedToken> LayoutWordFrame(const std::vector<std::string>& tokens, int width,
                                         const std::function<int(const std::string&)>& measure, bool colour) {
    std::vector<PlacedToken> placed;
    int x = 0, line = 0;
    bool blue = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        const bool markFollows = i + 1 < tokens.size() && IsMark(tokens[i + 1]);
        const std::string piece = (markFollows && token != "...") ? token : token + " ";
        const int pieceWidth = measure(piece);
        if (x > 0 && x + pieceWidth > width - 4 && !IsMark(token)) {
            ++line;
            x = 0;
        }
        if (token == "@") {
            ++line;
            x = 0;
        } else if (colour && token == "<") {
            blue = true;
        } else if (colour && token == ">") {
            blue = false;
        } else {
            placed.push_back({piece, x, line, blue});
            x += pieceWidth;
        }
    }
    return placed;
}

}  // namespace quillan
