#include <gtest/gtest.h>

#include "exercises/texts/typing_layout.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

// Every character 10 pixels wide, 12 in bold.
int Measure(std::string_view text, const TextStyle& style) { return static_cast<int>(text.size()) * (style.Bold ? 12 : 10); }

TypingGaps Prepared(const std::string& text, const std::string& blank = "0") {
    LineReader reader(test::Crlf("Width : 60\nGlossary: x\nBlank gaps" + blank + "\n" + text), "t.fcs");
    Problems problems;
    TypingGaps exercise;
    exercise.Prepare(ReadTypingFile(reader, problems));
    return exercise;
}

std::string Drawn(const TypingLayout& layout) {
    std::string out;
    for (const TypingDrawnItem& d : layout.Drawn)
        out += "[" + d.Text + "@" + std::to_string(d.X) + "," + std::to_string(d.Y) + (d.Bold ? "b" : "") + "]";
    return out;
}

TEST(TypingLayout, FlowAndLineBreaks) {
    struct Case {
        const char* text;
        int width;
        const char* drawn;
    };
    const Case cases[] = {
        // The empty gap is 60 + 2 pixels plus its space wide; the last item, a mark, keeps the space before it.
        {"He &went home.\n", 300, "[He @3,23][ @33,23][home @105,23][. @155,23]"},
        {"He &went home.\n", 150, "[He @3,23][ @33,23][home @3,46][. @53,46]"},
        {"He &went home.\n", 180, "[He @3,23][ @33,23][home @105,23][. @155,23]"},  // a mark never starts a line
        {"a . b , c\n", 300, "[a@3,23][. @13,23][b@33,23][, @43,23][c @63,23]"},  // no space before a mark
        {"a $%^ b\n", 300, "[a @3,23][b @13,23]"},                                   // glued
        {"a >> b c\n", 300, "[a @3,23][b @13,19][c @33,23]"},                        // raised by 4 pixels
        {"a [TAB=200] b <BR> c\n", 300, "[a @3,23][b @200,23][c @3,46]"},
        {"<B> a </B> b\n", 300, "[a @3,23b][b @27,23]"},
        {"Wait . ...more\n", 300, "[Wait@3,23][. @43,23][...more @53,23]"},  // "." before "..." takes back a space
    };
    for (const Case& c : cases) {
        const TypingGaps exercise = Prepared(c.text);
        EXPECT_EQ(Drawn(LayOutTyping(exercise, c.width, 0, Measure)), c.drawn) << c.text << " in " << c.width;
    }
}

TEST(TypingLayout, BlankGapsShowUnderscoresInABox) {
    EXPECT_EQ(UnderscoreRun(60, Measure), "______");  // 60 pixels reach 60 - 5
    const TypingGaps exercise = Prepared("a *pre &b c\n", "1");
    const TypingLayout layout = LayOutTyping(exercise, 300, 0, Measure);
    ASSERT_EQ(layout.Drawn.size(), 3u);
    EXPECT_EQ(layout.Drawn[1].Text, "______ ");
    EXPECT_TRUE(layout.Drawn[1].BlankBox);
    EXPECT_EQ(layout.Drawn[1].BoxWidth, 72);
    const TypingGaps prefilled = Prepared("a *pre &b c\n");
    EXPECT_EQ(LayOutTyping(prefilled, 300, 0, Measure).Drawn[1].Text, "pre ");
}

TEST(TypingLayout, GapBoxesScrollingAndMarks) {
    TypingGaps exercise = Prepared("He &went home <BR> <BR> <BR> She &is here.\n");
    TypingLayout layout = LayOutTyping(exercise, 300, 0, Measure);
    EXPECT_EQ(TypingGapAt(layout, exercise, 33, 23), 0);
    EXPECT_EQ(TypingGapAt(layout, exercise, 105, 46), 0);  // edges included: 33 + 72, 23 + 23
    EXPECT_EQ(TypingGapAt(layout, exercise, 106, 30), -1);
    EXPECT_EQ(layout.Bottom, 92);
    EXPECT_EQ(TypingMaxScroll(layout, 100), 0);
    EXPECT_EQ(TypingMaxScroll(layout, 60), 2);
    layout = LayOutTyping(exercise, 300, 1, Measure);
    EXPECT_EQ(layout.Drawn[0].Y, 0);

    exercise.OpenGap(0, "");
    exercise.CloseGap("went");
    exercise.OpenGap(1, "");
    exercise.CloseGap("are");
    exercise.Check("", true);
    layout = LayOutTyping(exercise, 300, 0, Measure);
    EXPECT_EQ(layout.Drawn[1].Mark, TypingMark::Right);
    EXPECT_EQ(layout.Drawn[1].X, 33 + kTypingRightMarkWidth);
    EXPECT_EQ(layout.ItemBoxes[1].X, -50);  // a right gap never shows a hint
    const TypingDrawnItem& wrong = layout.Drawn[4];
    EXPECT_EQ(wrong.Mark, TypingMark::Wrong);
    EXPECT_EQ(wrong.Text, "is ");
    EXPECT_EQ(TypingWrongMarkAt(layout, exercise, wrong.MarkX + 5, wrong.Y + 5), 1);
    EXPECT_EQ(TypingWrongMarkAt(layout, exercise, 40, 30), -1);
    EXPECT_EQ(exercise.GapHint(1), "Your answer: are");
    EXPECT_EQ(TypingGapAt(layout, exercise, wrong.MarkX, wrong.Y), -1);  // no typing after the check
}

}  // namespace
}  // namespace quillan
