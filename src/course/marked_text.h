#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// The instruction of a text exercise: a short text whose tokens are separated by single
// blanks, painted word by word with word wrapping. "<B>", "</B>", "<I>", "</I>" (exactly so)
// switch bold and italic; "<BR>" in any letter case breaks the line; any other token that
// begins with "<" and contains ">" is ignored; anything else is a word. This is the painter's
// rule set without the painting: the window measures and draws what LayOutMarkedText places.

struct TextStyle {
    bool Bold = false;
    bool Italic = false;
    bool operator==(const TextStyle&) const = default;
};

// Switches the style for "<B>", "</B>", "<I>", "</I>"; false (and nothing changes) for any
// other token.
bool ApplyStyleTag(TextStyle& style, std::string_view token);

// The version of the instruction for the interface language directory: "Lang_r\0\" the
// language-0 text, "Lang_r\1\" the language-1 text, "Lang_r\2\" the language-2 text, any other
// the language-0 text.
const std::string& ChooseInstruction(std::string_view langDir, const std::string& lang2, const std::string& lang0,
                                     const std::string& lang1);

// The tokens of a marked text: the text before the first blank, then after removing it and one
// character more, again, until the text is empty. Two blanks in a row give an empty token.
std::vector<std::string> MarkedTextTokens(std::string_view text);

// Whether a token is a tag (it begins with "<" and contains ">").
bool IsMarkupTag(std::string_view token);

// A word where the painter draws it: the word followed by one blank, at (X, Y) of the box.
struct PlacedWord {
    std::string Text;
    int X = 0;
    int Y = 0;
    TextStyle Style;
};

// The width of a text in the box's font (Verdana 10) with a style.
using TextMeasure = std::function<int(std::string_view text, const TextStyle& style)>;

constexpr int kMarkedLineHeight = 18;
constexpr int kMarkedRightMargin = 10;

// Places the words of a marked text in a box `boxWidth` pixels wide: lines are 18 pixels apart;
// a word whose width (with its blank) would pass the width less 10 pixels starts a new line,
// even as the first word of a line. Styles hold until switched off.
std::vector<PlacedWord> LayOutMarkedText(std::string_view text, int boxWidth, const TextMeasure& measure);

}  // namespace quillan
