#include <gtest/gtest.h>

#include "exercises/texts/true_false.h"
#include "problem_texts.h"
#include "support/fakes.h"

namespace quillan {
namespace {

using test::HasProblem;

constexpr const char* kHeadings = "Prawda#True#Vrai#Fa\xB3sz#False#Faux#";

TEST(TrueFalseParse, HeadingsAndStatements) {
    Problems problems;
    const TfContent content = ParseTrueFalse(std::string(kHeadings) + "T_It is true.# It is false. #T_  Spaced #", problems);
    EXPECT_TRUE(problems.Empty());
    EXPECT_EQ(content.TrueHeading, (std::array<std::string, 3>{"Prawda", "True", "Vrai"}));
    EXPECT_EQ(content.FalseHeading, (std::array<std::string, 3>{"Fa\xB3sz", "False", "Faux"}));
    ASSERT_EQ(content.Statements.size(), 3u);
    EXPECT_EQ(content.Statements[0].Text, "It is true.");
    EXPECT_TRUE(content.Statements[0].True);
    EXPECT_EQ(content.Statements[1].Text, "It is false.");
    EXPECT_FALSE(content.Statements[1].True);
    EXPECT_EQ(content.Statements[2].Text, "Spaced");
    EXPECT_TRUE(content.Statements[2].True);
}

TEST(TrueFalseParse, MalformedContent) {
    struct Case {
        std::string content;
        size_t statements;
        const char* problem;
    };
    std::string nineteen = kHeadings;
    for (int i = 1; i <= 19; ++i) nineteen += "S" + std::to_string(i) + "#";
    const Case cases[] = {
        {"Prawda#True#", 0, "the content has 2 of the 6 heading fields"},
        {std::string(kHeadings) + "T_One#Two", 2, "statement 2 is not closed by \"#\""},
        {std::string(kHeadings) + "T_One#", 1, "at least two statements; it has 1"},
        {nineteen, 18, "the window holds 18 statements: statement 19 and those after it are left out"},
    };
    for (const Case& c : cases) {
        Problems problems;
        const TfContent content = ParseTrueFalse(c.content, problems, {"St_a.txt", 3});
        EXPECT_EQ(content.Statements.size(), c.statements) << c.content;
        EXPECT_TRUE(HasProblem(problems, c.problem)) << c.content;
    }
}

class TrueFalseTest : public ::testing::Test {
protected:
    void Prepare(const std::string& statements, int lang = 0) {
        Problems problems;
        model.Prepare(ParseTrueFalse(std::string(kHeadings) + statements, problems), lang);
    }
    int Row(const std::string& text) const {
        for (size_t i = 0; i < model.Rows().size(); ++i)
            if (model.Rows()[i].Statement == text) return static_cast<int>(i);
        return -1;
    }
    const TfRow& RowOf(const std::string& text) const { return model.Rows()[static_cast<size_t>(Row(text))]; }

    SystemRandom random;
    TrueFalse model{random};
};

TEST_F(TrueFalseTest, HeadingsFollowTheInterfaceLanguage) {
    for (const auto& [lang, left, right] : {std::tuple{0, "Prawda", "Fa\xB3sz"}, std::tuple{1, "True", "False"},
                                            std::tuple{2, "Vrai", "Faux"}, std::tuple{7, "Prawda", "Fa\xB3sz"}}) {
        Prepare("T_a#b#", lang);
        EXPECT_EQ(model.HeadingLeft(), left);
        EXPECT_EQ(model.HeadingRight(), right);
    }
}

TEST_F(TrueFalseTest, TheShuffleKeepsTextAndTruthTogether) {
    Prepare("T_a#b#T_c#d#e#");
    ASSERT_EQ(model.Rows().size(), 5u);
    for (const char* t : {"a", "c"}) EXPECT_TRUE(RowOf(t).IsTrue) << t;
    for (const char* f : {"b", "d", "e"}) EXPECT_FALSE(RowOf(f).IsTrue) << f;
}

TEST_F(TrueFalseTest, TickingLeftThenRightLeavesOnlyRight) {
    Prepare("T_a#b#");
    model.Tick(Row("a"), true);
    model.Tick(Row("a"), false);
    EXPECT_FALSE(RowOf("a").ChoseLeft);
    EXPECT_TRUE(RowOf("a").ChoseRight);
    EXPECT_EQ(RowOf("a").LeftBox, TfBox::Normal);
    EXPECT_EQ(RowOf("a").RightBox, TfBox::Checked);
    EXPECT_TRUE(model.State().Touched());
}

TEST_F(TrueFalseTest, CheckMarksRowsAndShowsTheRightBoxes) {
    Prepare("T_a#b#T_c#");
    model.Tick(Row("a"), true);   // right
    model.Tick(Row("b"), false);  // right
    model.Tick(Row("c"), false);  // wrong
    model.Check();
    EXPECT_EQ(RowOf("a").Mark, TfMark::Right);
    EXPECT_EQ(RowOf("b").Mark, TfMark::Right);
    EXPECT_EQ(RowOf("c").Mark, TfMark::Wrong);
    EXPECT_EQ(RowOf("c").RightBox, TfBox::Bad);
    EXPECT_EQ(RowOf("c").LeftBox, TfBox::Checked);
    EXPECT_EQ(model.Percent(), 67);
    model.Tick(Row("c"), true);  // locked after the check
    EXPECT_EQ(RowOf("c").RightBox, TfBox::Bad);
}

TEST_F(TrueFalseTest, CheckingWithoutTicksGivesZeroAndTicksEveryRightBox) {
    Prepare("T_a#b#");
    model.Check();
    EXPECT_EQ(model.Percent(), 0);
    EXPECT_EQ(RowOf("a").Mark, TfMark::Wrong);
    EXPECT_EQ(RowOf("a").LeftBox, TfBox::Checked);
    EXPECT_EQ(RowOf("b").RightBox, TfBox::Checked);
    EXPECT_EQ(RowOf("b").LeftBox, TfBox::Normal);
}

TEST_F(TrueFalseTest, OneStatementOpensWithoutShuffling) {
    test::FakeRandom random0;
    TrueFalse one(random0);
    Problems problems;
    one.Prepare(ParseTrueFalse(std::string(kHeadings) + "T_alone#", problems), 0);
    ASSERT_EQ(one.Rows().size(), 1u);
    one.Tick(0, true);
    one.Check();
    EXPECT_EQ(one.Percent(), 100);
}

}  // namespace
}  // namespace quillan
