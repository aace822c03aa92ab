#include <gtest/gtest.h>

#include "exercises/texts/multiple_choice_layout.h"
#include "support/fakes.h"

namespace quillan {
namespace {

// Every character 10 pixels wide, 12 in bold.
int Measure(std::string_view text, const TextStyle& style) { return static_cast<int>(text.size()) * (style.Bold ? 12 : 10); }

std::string Words(const McLayout& layout) {
    std::string out;
    for (const McDrawnWord& w : layout.Words) out += "[" + w.Text + "@" + std::to_string(w.X) + "," + std::to_string(w.Y) + (w.Style.Bold ? "b" : "") + "]";
    return out;
}

class McLayoutTest : public ::testing::Test {
protected:
    void Prepare(const std::string& content) {
        Problems problems;
        model.Prepare(ParseMultipleChoice(content, problems));  // four swaps of the first two answers: no change
    }
    test::FakeRandom random;
    MultipleChoice model{random};
};

TEST_F(McLayoutTest, QuestionsAnswersAndTheirRectangles) {
    Prepare("Q=A=T_B#R=C=T_D#");
    const McLayout layout = LayOutMultipleChoice(model, 300, 0, Measure);
    EXPECT_EQ(Words(layout), "[Q @25,0][A @50,24][B @50,48][R @25,96][C @50,120][D @50,144]");
    EXPECT_EQ(layout.Bottom, 192);
    ASSERT_EQ(layout.Answers.size(), 4u);
    EXPECT_EQ(layout.Answers[0].X1, 25);
    EXPECT_EQ(layout.Answers[0].X2, 70);
    EXPECT_EQ(layout.Answers[0].Y2, 49);
    EXPECT_EQ(McAnswerAt(layout, 25, 24), std::make_pair(0, 0));
    EXPECT_EQ(McAnswerAt(layout, 60, 50), std::make_pair(0, 1));
    EXPECT_EQ(McAnswerAt(layout, 71, 30), std::make_pair(-1, -1));
    EXPECT_EQ(McAnswerAt(layout, 30, 150), std::make_pair(1, 1));
    EXPECT_EQ(McMaxScroll(layout, 200), 0);
    EXPECT_EQ(McMaxScroll(layout, 100), 4);
}

TEST_F(McLayoutTest, TagsWrappingAndScrolling) {
    Prepare("<b>Bold</b> q <BR> next=long words here=T_<B> x </B> <br> y#");
    const McLayout layout = LayOutMultipleChoice(model, 120, 0, Measure);
    // "<b>Bold</b>" is one token that begins with "<": ignored; "<br>" is not "<BR>": ignored.
    EXPECT_EQ(Words(layout), "[q @25,0][next @50,18][long @50,42][words @50,66][here @50,90][x @50,114b][y @74,114]");
    EXPECT_EQ(layout.Answers[0].Y1, 42);
    EXPECT_EQ(layout.Answers[0].Y2, 115);  // the last line of the answer + 25
    EXPECT_EQ(LayOutMultipleChoice(model, 120, 2, Measure).Words.front().Text, "words ");  // above the box: not drawn
}

TEST_F(McLayoutTest, BoxesAndMarksFollowTheCheck) {
    Prepare("Q=A=T_B#R=C=T_D#");
    model.Choose(0, 0);  // wrong
    McLayout layout = LayOutMultipleChoice(model, 300, 0, Measure);
    EXPECT_EQ(layout.Answers[0].Box, McBox::Checked);
    EXPECT_EQ(layout.Answers[0].Mark, McMarkKind::None);
    model.Check();
    layout = LayOutMultipleChoice(model, 300, 0, Measure);
    EXPECT_EQ(layout.Answers[0].Box, McBox::Bad);
    EXPECT_EQ(layout.Answers[0].Mark, McMarkKind::Wrong);
    EXPECT_EQ(layout.Answers[1].Box, McBox::Checked);
    EXPECT_EQ(layout.Answers[3].Mark, McMarkKind::Wrong);  // not answered: the wrong mark beside the right answer
}

}  // namespace
}  // namespace quillan
