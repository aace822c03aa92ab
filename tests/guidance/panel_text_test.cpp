#include <gtest/gtest.h>

#include "guidance/panel_text.h"

namespace quillan {
namespace {

using Tokens = std::vector<std::string>;

TEST(PanelText, Tokenizer) {
    const std::vector<std::pair<std::string, Tokens>> cases = {
        {"Ala ma kota", {"Ala", "ma", "kota"}},
        {"  trimmed  ", {"trimmed"}},
        {"one@two", {"one", "@", "two"}},
        {"one <BR> two", {"one", "<br>", "", "two"}},
        {"<b>Bold</b> rest", {"<b>", "Bold", "</b>", "", "rest"}},
        {"<I>it</I>", {"<i>", "it", "</i>"}},
        {"a  b", {"a", " b"}},                        // a second blank starts the next token
        {"a   b", {"a", " ", "b"}},                   // a token of a blank, which paints nothing
        {"(<b>word</b>)", {"(", "<b>", "word", "</b>", ")"}},
        {"[TYP_1] [yes]", {"[TYP_1]", "[yes]"}},
        {"2<3 a>b", {"2<3", "a>b"}},                  // not a tag: ordinary characters
        {"<bold>", {"<bold>"}},
        {"", {}},
    };
    for (const auto& [text, tokens] : cases) EXPECT_EQ(TokenizePanelText(text), tokens) << "'" << text << "'";
}

TEST(PanelText, TokenLimit) {
    std::string text;
    for (int i = 0; i < 4000; ++i) text += "w" + std::to_string(i) + " ";
    const Tokens tokens = TokenizePanelText(text);
    ASSERT_EQ(tokens.size(), static_cast<size_t>(kPanelTokenLimit));
    EXPECT_EQ(tokens.back(), "w3099");
}

TEST(PanelText, Topic) {
    EXPECT_TRUE(ReadPanelKey("HH_Pomoc").help);
    EXPECT_EQ(ReadPanelKey("HH_Pomoc").text, "Pomoc");
    EXPECT_FALSE(ReadPanelKey("Tłumaczenie").help);
    EXPECT_FALSE(ReadPanelKey("hh_x").help);
}

TEST(PanelText, IconsInAnyCase) {
    EXPECT_EQ(PanelIconOf("[1]"), PanelIcon::Level1);
    EXPECT_EQ(PanelIconOf("[4]"), PanelIcon::Level4);
    EXPECT_EQ(PanelIconOf("[5]"), PanelIcon::None);
    EXPECT_EQ(PanelIconOf("[typ_5]"), PanelIcon::Family5);
    EXPECT_EQ(PanelIconOf("[Yes]"), PanelIcon::Done);
    EXPECT_EQ(PanelIconOf("[NO]"), PanelIcon::NotDone);
    EXPECT_EQ(PanelIconOf("[stat_strz]"), PanelIcon::StatArrow);
    EXPECT_EQ(PanelIconOf("[STAT_PROC]"), PanelIcon::StatPercent);
    EXPECT_EQ(PanelIconOf("YES"), PanelIcon::None);
}

// 6 pixels a character, 7 in bold; icons 16 wide.
class FixedMetrics : public PanelMetrics {
public:
    int TextWidth(std::string_view text, PanelStyle style) const override {
        return static_cast<int>(text.size()) * (style.bold ? 7 : 6);
    }
    int IconWidth(PanelIcon) const override { return 16; }
};

PanelLayout Lay(const std::string& text, int width = 381, int scroll = 0) {
    return LayOutPanel(TokenizePanelText(text), scroll, width, FixedMetrics());
}

PanelPiece Word(int x, int y, std::string text, bool bold = false, bool italic = false) {
    return {x, y, std::move(text), {bold, italic}, PanelIcon::None};
}

TEST(PanelLayout, WordsBreaksAndStyles) {
    EXPECT_EQ(Lay("Ala ma").pieces, (std::vector<PanelPiece>{Word(1, 1, "Ala "), Word(25, 1, "ma ")}));
    EXPECT_EQ(Lay("Ala@ma").pieces, (std::vector<PanelPiece>{Word(1, 1, "Ala "), Word(1, 21, "ma ")}));
    EXPECT_EQ(Lay("a <b>bb</b> <i>c</i>").pieces,
              (std::vector<PanelPiece>{Word(1, 1, "a "), Word(13, 1, "bb ", true), Word(34, 1, "c ", false, true)}));
    EXPECT_EQ(Lay("a   b").pieces, (std::vector<PanelPiece>{Word(1, 1, "a "), Word(13, 1, "b ")}));  // blank token: nothing
    EXPECT_EQ(Lay("x<br><br>y").endY, 41);
}

TEST(PanelLayout, WordsWrapAtTheRightEdge) {
    // "abcd " is 30 wide: two fit in 61 pixels (1 + 30 + 30), the third goes to the next line.
    EXPECT_EQ(Lay("abcd abcd abcd", 61).pieces,
              (std::vector<PanelPiece>{Word(1, 1, "abcd "), Word(31, 1, "abcd "), Word(1, 21, "abcd ")}));
}

TEST(PanelLayout, BoldTightInParentheses) {
    const PanelLayout layout = Lay("(<b>word</b>)");
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(layout.pieces[0], Word(1, 1, "( "));
    EXPECT_EQ(layout.pieces[1], Word(7, 1, "word ", true));  // 1 + "( " (12) - blank (6)
    EXPECT_EQ(layout.pieces[2], Word(35, 1, ") "));        // and the parenthesis right after it
    // "</b>" two tokens before ")" takes back a bold blank as well.
    const PanelLayout spaced = Lay("<b>w</b> )");
    ASSERT_EQ(spaced.pieces.size(), 2u);
    EXPECT_EQ(spaced.pieces[1].x, 1 + 14 - 7);
}

TEST(PanelLayout, Icons) {
    const PanelLayout layout = Lay("[1] [typ_2] x");
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(layout.pieces[0].icon, PanelIcon::Level1);
    EXPECT_EQ(layout.pieces[0].x, 1);
    EXPECT_EQ(layout.pieces[1].icon, PanelIcon::Family2);
    EXPECT_EQ(layout.pieces[1].x, 20);
    EXPECT_EQ(layout.pieces[2], Word(39, 1, "x "));
}

TEST(PanelLayout, ScrolledLinesMoveUp) {
    const PanelLayout layout = Lay("a@b@c", 381, 2);
    EXPECT_EQ(layout.pieces[0].y, 1 - 40);
    EXPECT_EQ(layout.pieces[2].y, 1);
}

std::string Lines(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "line@";
    return text;
}

TEST(PanelScroll, RangeAndButtons) {
    PanelScroll scroll;
    scroll.Reset();
    EXPECT_TRUE(scroll.NeedsMeasure());
    scroll.Measure(Lay(Lines(3)).endY, 201);
    EXPECT_FALSE(scroll.NeedsMeasure());
    EXPECT_FALSE(scroll.UpShown);
    EXPECT_FALSE(scroll.DownShown);

    // An area of 201 pixels holds ten lines; ten more give a range of ten or eleven.
    scroll.Reset();
    scroll.Measure(Lay(Lines(20)).endY, 201);
    EXPECT_TRUE(scroll.DownShown);
    EXPECT_GE(scroll.MaxScrollLine, 10);
    EXPECT_LE(scroll.MaxScrollLine, 11);

    scroll.Down();
    EXPECT_EQ(scroll.ScrollLine, 1);
    EXPECT_TRUE(scroll.UpShown);
    for (int i = 0; i < 20; ++i) scroll.Down();
    EXPECT_EQ(scroll.ScrollLine, scroll.MaxScrollLine);
    EXPECT_FALSE(scroll.DownShown);
    scroll.Up();
    EXPECT_TRUE(scroll.DownShown);
    for (int i = 0; i < 20; ++i) scroll.Up();
    EXPECT_EQ(scroll.ScrollLine, 0);
    EXPECT_FALSE(scroll.UpShown);
}

}  // namespace
}  // namespace quillan
