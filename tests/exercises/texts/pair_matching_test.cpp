#include <gtest/gtest.h>

#include "exercises/texts/pair_matching.h"
#include "problem_texts.h"
#include "support/fakes.h"

namespace quillan {
namespace {

using test::HasProblem;

TEST(PairMatchingParse, PairsAsTheyStand) {
    Problems problems;
    const HhContent content = ParsePairMatching("business*card#apologise*for the delay#", problems);
    EXPECT_TRUE(problems.Empty());
    ASSERT_EQ(content.Pairs.size(), 2u);
    EXPECT_EQ(content.Pairs[1].Left, "apologise");
    EXPECT_EQ(content.Pairs[1].Right, "for the delay");
}

TEST(PairMatchingParse, MalformedContent) {
    std::string fifteen;
    for (int i = 1; i <= 15; ++i) fifteen += "l*r#";
    struct Case {
        std::string content;
        const char* problem;
    };
    const Case cases[] = {
        {"a*b#c*d", "pair 2 is not closed by \"#\""},
        {"a*b#cd#", "pair 2 has no \"*\" between its two words"},
        {"a*b#", "at least two pairs; it has 1"},
        {fifteen, "the window holds 14 pairs: pair 15 and those after it are left out"},
    };
    for (const Case& c : cases) {
        Problems problems;
        EXPECT_LE(ParsePairMatching(c.content, problems).Pairs.size(), static_cast<size_t>(kHhPairLimit));
        EXPECT_TRUE(HasProblem(problems, c.problem)) << c.content;
    }
}

class PairMatchingTest : public ::testing::Test {
protected:
    // Three pairs; each column's three swaps of its first two rows leave rows 0 and 1 exchanged:
    // left b a c, right y x z, so every row starts right.
    void SetUp() override {
        Problems problems;
        model.Prepare(ParsePairMatching("a*x#b*y#c*z#", problems));
    }
    std::string Rows() const {
        std::string rows;
        for (int r = 0; r < 3; ++r)
            rows += model.LeftWords()[static_cast<size_t>(model.LeftAt(r))].Text + model.RightWords()[static_cast<size_t>(model.RightAt(r))].Text + " ";
        return rows;
    }
    int Left(const std::string& t) const { return Index(model.LeftWords(), t); }
    int Right(const std::string& t) const { return Index(model.RightWords(), t); }
    static int Index(const std::vector<HhWord>& words, const std::string& t) {
        for (size_t i = 0; i < words.size(); ++i)
            if (words[i].Text == t) return static_cast<int>(i);
        return -1;
    }

    test::FakeRandom random;
    PairMatching model{random};
};

TEST_F(PairMatchingTest, TheWordClickedSecondMoves) {
    ASSERT_EQ(Rows(), "by ax cz ");
    model.ClickLeft(Left("a"));
    model.ClickRight(Right("z"));  // z moves into a's row, x to z's old row
    EXPECT_EQ(Rows(), "by az cx ");
    EXPECT_TRUE(model.State().Touched());
    model.ClickRight(Right("y"));
    model.ClickLeft(Left("c"));  // c moves into y's row
    EXPECT_EQ(Rows(), "cy az bx ");
    EXPECT_EQ(model.SelectedLeft(), -1);
    EXPECT_EQ(model.SelectedRight(), -1);
    for (const HhWord& w : model.LeftWords()) EXPECT_EQ(w.Colour, HhColour::Black);
}

TEST_F(PairMatchingTest, SameRowOnlyClearsTwoLeftWordsMoveTheSelection) {
    model.ClickLeft(Left("a"));
    model.ClickRight(Right("x"));  // same row
    EXPECT_EQ(Rows(), "by ax cz ");
    EXPECT_FALSE(model.State().Touched());
    EXPECT_EQ(model.SelectedLeft(), -1);
    EXPECT_FALSE(model.SelectLeft(Left("a")));
    EXPECT_EQ(model.LeftWords()[static_cast<size_t>(Left("a"))].Colour, HhColour::Red);
    EXPECT_FALSE(model.SelectLeft(Left("c")));
    EXPECT_EQ(model.LeftWords()[static_cast<size_t>(Left("a"))].Colour, HhColour::Black);
    EXPECT_EQ(model.LeftWords()[static_cast<size_t>(Left("c"))].Colour, HhColour::Red);
    EXPECT_EQ(model.SelectedLeft(), Left("c"));
    EXPECT_TRUE(model.SelectRight(Right("y")));  // a pair follows
    model.CompleteClick();  // y moves into c's row, z to y's old row
    EXPECT_EQ(Rows(), "bz ax cy ");
}

TEST_F(PairMatchingTest, AllRightShowsNoColours) {
    model.Check();
    EXPECT_EQ(model.Percent(), 100);
    for (const HhWord& w : model.RightWords()) EXPECT_EQ(w.Colour, HhColour::Black);
    EXPECT_FALSE(model.Frame().GaugeVisible);
    EXPECT_TRUE(model.Frame().AgainVisible);
}

TEST_F(PairMatchingTest, AWrongRowShowsTheRightPartnerInRed) {
    model.ClickLeft(Left("a"));
    model.ClickRight(Right("z"));  // by az cx
    model.Check();
    EXPECT_EQ(model.Percent(), 33);
    EXPECT_TRUE(model.RowRight(0));
    EXPECT_EQ(model.LeftWords()[static_cast<size_t>(Left("b"))].Colour, HhColour::Green);
    EXPECT_EQ(Rows(), "by ax cz ");  // the right partners stand in the wrong rows
    EXPECT_EQ(model.LeftWords()[static_cast<size_t>(Left("a"))].Colour, HhColour::Red);
    EXPECT_EQ(model.RightWords()[static_cast<size_t>(model.RightAt(1))].Colour, HhColour::Red);
    model.ClickLeft(Left("c"));  // ignored after the check
    EXPECT_EQ(model.SelectedLeft(), -1);
}

TEST(PairMatching, TheLastPairWithTheSameLeftWordGivesThePartner) {
    test::FakeRandom random;
    PairMatching model(random);
    Problems problems;
    model.Prepare(ParsePairMatching("a*x#a*y#", problems));  // two swaps cancel out: rows a-x, a-y
    model.ClickLeft(0);
    model.ClickRight(1);  // rows a-y, a-x: both wrong
    model.Check();
    EXPECT_EQ(model.Percent(), 0);
    EXPECT_EQ(model.RightWords()[static_cast<size_t>(model.RightAt(0))].Text, "y");
    EXPECT_EQ(model.RightWords()[static_cast<size_t>(model.RightAt(1))].Text, "y");
}

}  // namespace
}  // namespace quillan
