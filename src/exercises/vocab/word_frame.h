#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// A prompt longer than 50 characters is painted into the word frame, word by word, with the
// text between "<" and ">" in blue.

constexpr size_t kWordLabelLimit = 50;   // longer prompts go to the frame
constexpr size_t kWordFrameTokens = 50;  // tokens kept; the rest of a longer prompt is left out

// The tokens of a prompt: each of % , < > @ ^ alone, any other run of characters up to a
// blank or one of those; blanks separate and are dropped. At most 50.
std::vector<std::string> WordFrameTokens(std::string_view text);

struct PlacedToken {
    std::string text;  // what is drawn (the token and, mostly, one blank)
    int x = 0;
    int line = 0;      // 0-based
    bool blue = false;
};

// The tokens placed in a frame `width` pixels wide: a blank after each token unless a
// punctuation mark follows it; a piece that does not fit goes to the next line (marks stay on
// their line; a piece wider than the frame stays where a line begins); "@" starts a new line; with `colour` on, "<" and ">" switch to blue and back
// instead of being drawn.
std::vector<PlacedToken> LayoutWordFrame(const std::vector<std::string>& tokens, int width,
                                         const std::function<int(const std::string&)>& measure, bool colour);

}  // namespace quillan
