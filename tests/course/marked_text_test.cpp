#include <gtest/gtest.h>

#include "course/marked_text.h"

namespace quillan {
namespace {

// Every character 10 pixels wide, 12 in bold.
int Measure(std::string_view text, const TextStyle& style) { return static_cast<int>(text.size()) * (style.Bold ? 12 : 10); }

std::string Placed(const std::vector<PlacedWord>& words) {
    std::string out;
    for (const PlacedWord& w : words)
        out += "[" + w.Text + "@" + std::to_string(w.X) + "," + std::to_string(w.Y) + (w.Style.Bold ? "b" : "") +
               (w.Style.Italic ? "i" : "") + "]";
    return out;
}

TEST(MarkedText, TokensAreCutAtSingleBlanks) {
    EXPECT_EQ(MarkedTextTokens("a b"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(MarkedTextTokens("a  b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(MarkedTextTokens("a "), (std::vector<std::string>{"a"}));
    EXPECT_EQ(MarkedTextTokens(" a"), (std::vector<std::string>{"", "a"}));
    EXPECT_TRUE(MarkedTextTokens("").empty());
}

TEST(MarkedText, StyleTagsOnlyInUpperCase) {
    TextStyle style;
    EXPECT_TRUE(ApplyStyleTag(style, "<B>"));
    EXPECT_TRUE(ApplyStyleTag(style, "<I>"));
    EXPECT_EQ(style, (TextStyle{true, true}));
    EXPECT_FALSE(ApplyStyleTag(style, "<b>"));
    EXPECT_FALSE(ApplyStyleTag(style, "<BR>"));
    EXPECT_TRUE(ApplyStyleTag(style, "</B>"));
    EXPECT_TRUE(ApplyStyleTag(style, "</I>"));
    EXPECT_EQ(style, TextStyle());
}

TEST(MarkedText, LayoutTable) {
    struct Case {
        const char* text;
        int width;
        const char* placed;
    };
    const Case cases[] = {
        {"one two", 200, "[one @0,0][two @40,0]"},
        {"one two three", 100, "[one @0,0][two @40,0][three @0,18]"},    // 80 + 60 > 90
        {"<B> bold </B> x <BR> y", 200, "[bold @0,0b][x @60,0][y @0,18]"},
        {"<br> y", 200, "[y @0,18]"},                                        // any letter case breaks
        {"<B>word", 200, ""},                                                // a tag against a word is ignored
        {"<b> x <U> y", 200, "[x @0,0][y @20,0]"},                           // unknown tags do nothing
        {"a  b", 200, "[a @0,0][ @20,0][b @30,0]"},                          // an empty token is a blank
        {"tiny enormousword", 100, "[tiny @0,0][enormousword @0,18]"},
        {"enormousword", 100, "[enormousword @0,18]"},                       // an empty line above it
        {"<B> a <BR> b </B> c", 200, "[a @0,0b][b @0,18b][c @24,18]"},       // bold holds over the break
        {"<I> x", 200, "[x @0,0i]"},
    };
    for (const Case& c : cases) EXPECT_EQ(Placed(LayOutMarkedText(c.text, c.width, Measure)), c.placed) << c.text;
}

TEST(MarkedText, TheInterfaceLanguageChoosesTheVersion) {
    const std::string two = "2", zero = "0", one = "1";
    EXPECT_EQ(ChooseInstruction("Lang_r\\0\\", two, zero, one), "0");
    EXPECT_EQ(ChooseInstruction("Lang_r\\1\\", two, zero, one), "1");
    EXPECT_EQ(ChooseInstruction("Lang_r\\2\\", two, zero, one), "2");
    EXPECT_EQ(ChooseInstruction("Lang_r\\7\\", two, zero, one), "0");
}

}  // namespace
}  // namespace quillan
