#include <gtest/gtest.h>

#include "exercises/texts/multiple_choice.h"
#include "problem_texts.h"
#include "support/fakes.h"

namespace quillan {
namespace {

using test::HasProblem;

McContent Parse(const std::string& content, Problems& problems) { return ParseMultipleChoice(content, problems, {"St_a.txt", 7}); }

TEST(MultipleChoiceParse, ReadsQuestionsAnswersAndTheRightOne) {
    struct Case {
        const char* content;
        std::vector<std::vector<std::string>> questions;  // question, then answers
        std::vector<int> right;
    };
    const Case cases[] = {
        {"Where is the office?=In London=T_In Paris=In Rome#Who called?=T_Mr Smith=Mrs Brown#",
         {{"Where is the office?", "In London", "In Paris", "In Rome"}, {"Who called?", "Mr Smith", "Mrs Brown"}},
         {1, 0}},
        {"Q=A=T_B=C#", {{"Q", "A", "B", "C"}}, {1}},
        {"Q=A=T_B=#", {{"Q", "A", "B"}}, {1}},                  // the empty last item is dropped
        {"Q=A=T_B=  #", {{"Q", "A", "B"}}, {1}},                // also when it holds only blanks
        {"Q= A =T_ B #", {{"Q", " A ", " B "}}, {1}},           // items keep their spaces
        {"Q=T_A=T_B#", {{"Q", "A", "B"}}, {1}},                 // the last "T_" counts
        {"<B>Q</B>=a <BR> b=T_c#", {{"<B>Q</B>", "a <BR> b", "c"}}, {1}},
    };
    for (const Case& c : cases) {
        Problems problems;
        const McContent content = Parse(c.content, problems);
        EXPECT_TRUE(problems.Empty()) << c.content << ": " << problems.List().front().Message;
        ASSERT_EQ(content.Questions.size(), c.questions.size()) << c.content;
        for (size_t q = 0; q < c.questions.size(); ++q) {
            EXPECT_EQ(content.Questions[q].Question, c.questions[q][0]) << c.content;
            EXPECT_EQ(content.Questions[q].Answers, std::vector<std::string>(c.questions[q].begin() + 1, c.questions[q].end())) << c.content;
            EXPECT_EQ(content.Questions[q].Right, c.right[q]) << c.content;
        }
    }
}

TEST(MultipleChoiceParse, MalformedContentOpensWithWhatCouldBeReadAndSaysWhy) {
    struct Case {
        const char* content;
        size_t questions;
        const char* problem;
    };
    const Case cases[] = {
        {"Q=A=B#", 1, "question 1 has no right answer"},
        {"Q=T_A#", 1, "question 1 has a single answer"},
        {"Q#", 1, "question 1 has no answer"},
        {"Q=A=T_B", 1, "question 1 is not closed by \"#\""},
        {"Q=A=T_B#R=T_C=D", 2, "question 2 is not closed"},
        {"Q=A=T_B##", 1, "question 2 is empty"},
        {"Q=a=b=c=d=T_e#", 1, "question 1 has more than 4 answers: \"e\" is left out"},
    };
    for (const Case& c : cases) {
        Problems problems;
        const McContent content = Parse(c.content, problems);
        EXPECT_EQ(content.Questions.size(), c.questions) << c.content;
        EXPECT_TRUE(HasProblem(problems, c.problem)) << c.content;
        for (const Problem& p : problems.List()) {
            EXPECT_EQ(p.File, "St_a.txt");
            EXPECT_EQ(p.Line, 7);
        }
    }
    Problems problems;
    const McContent content = Parse("Q=a=b=c=d=T_e#", problems);
    EXPECT_EQ(content.Questions[0].Answers.size(), 4u);
    EXPECT_EQ(content.Questions[0].Right, -1);  // the right answer was the one left out
    EXPECT_TRUE(HasProblem(problems, "no right answer"));
}

TEST(MultipleChoiceParse, KeepsTheFirstTenQuestions) {
    std::string text;
    for (int i = 1; i <= 12; ++i) text += "Q" + std::to_string(i) + "=a=T_b#";
    Problems problems;
    const McContent content = Parse(text, problems);
    ASSERT_EQ(content.Questions.size(), 10u);
    EXPECT_EQ(content.Questions.back().Question, "Q10");
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].Message, "the window holds 10 questions: question 11 and those after it are left out");
}

class MultipleChoiceTest : public ::testing::Test {
protected:
    // Answer `text` of question q.
    int AnswerIndex(int q, const std::string& text) const {
        const auto& answers = model.Questions()[static_cast<size_t>(q)].Answers;
        for (size_t a = 0; a < answers.size(); ++a)
            if (answers[a].Text == text) return static_cast<int>(a);
        return -1;
    }
    const McAnswer& Answer(int q, const std::string& text) const {
        return model.Questions()[static_cast<size_t>(q)].Answers[static_cast<size_t>(AnswerIndex(q, text))];
    }
    void Prepare(const std::string& content) {
        Problems problems;
        model.Prepare(ParseMultipleChoice(content, problems));
    }

    SystemRandom random;
    MultipleChoice model{random};
};

TEST_F(MultipleChoiceTest, TheShuffleMovesOnlyAnswersAndTheRightAnswerWithThem) {
    for (int round = 0; round < 20; ++round) {
        Prepare("Q=A=T_B=C=D#R=T_x=y#");
        ASSERT_EQ(model.Questions().size(), 2u);
        EXPECT_EQ(model.Questions()[0].Question, "Q");
        EXPECT_EQ(model.Questions()[0].Answers[static_cast<size_t>(model.Questions()[0].Right)].Text, "B");
        EXPECT_EQ(model.Questions()[1].Answers[static_cast<size_t>(model.Questions()[1].Right)].Text, "x");
    }
}

TEST_F(MultipleChoiceTest, ChoosingKeepsOneAnswerPerQuestion) {
    Prepare("Q=A=T_B=C#R=T_x=y#");
    model.Choose(0, AnswerIndex(0, "A"));
    model.Choose(1, AnswerIndex(1, "y"));
    model.Choose(0, AnswerIndex(0, "C"));
    model.Choose(0, AnswerIndex(0, "C"));
    EXPECT_FALSE(Answer(0, "A").Selected);
    EXPECT_TRUE(Answer(0, "C").Selected);
    EXPECT_TRUE(Answer(1, "y").Selected);  // question 2 untouched
    model.Choose(0, 7);                    // no such answer
    model.Choose(5, 0);
    EXPECT_TRUE(Answer(0, "C").Selected);
    EXPECT_TRUE(model.State().Touched());
}

TEST_F(MultipleChoiceTest, CheckMarksEveryQuestion) {
    Prepare("Q=A=T_B=C#R=T_x=y#S=T_m=n#");
    model.Choose(0, AnswerIndex(0, "B"));  // right
    model.Choose(1, AnswerIndex(1, "y"));  // wrong; question 3 unanswered
    model.Check();
    EXPECT_TRUE(Answer(0, "B").MarkRight);
    EXPECT_TRUE(Answer(0, "B").Selected);
    EXPECT_TRUE(Answer(1, "y").WrongChoice);
    EXPECT_TRUE(Answer(1, "y").MarkWrong);
    EXPECT_TRUE(Answer(1, "x").Selected);  // the right answer ends up ticked
    EXPECT_FALSE(Answer(1, "x").MarkWrong);
    EXPECT_TRUE(Answer(2, "m").MarkWrong);  // not answered: the wrong mark beside the right answer
    EXPECT_TRUE(Answer(2, "m").Selected);
    EXPECT_EQ(model.State().CorrectCount(), 1);
    EXPECT_EQ(model.State().WrongCount(), 2);
    EXPECT_EQ(model.Percent(), 33);
    EXPECT_FALSE(model.Frame().CheckVisible);
    EXPECT_TRUE(model.Frame().AgainVisible);
    EXPECT_TRUE(model.Frame().GaugeVisible);
    EXPECT_EQ(model.Frame().Percent, 33);
    model.Choose(1, AnswerIndex(1, "x"));  // locked
    EXPECT_TRUE(Answer(1, "y").WrongChoice);
    EXPECT_EQ(model.Closing().Completed, 1);
}

TEST_F(MultipleChoiceTest, ScoresAsTheFrameDoes) {
    struct Case {
        int rightAnswers;
        int percent;
    };
    for (const Case c : {Case{0, 0}, Case{1, 50}, Case{2, 100}}) {
        Prepare("Q=A=T_B#R=T_x=y#");
        if (c.rightAnswers >= 1) model.Choose(0, AnswerIndex(0, "B"));
        if (c.rightAnswers >= 2) model.Choose(1, AnswerIndex(1, "x"));
        model.Check();
        EXPECT_EQ(model.Percent(), c.percent);
    }
}

TEST_F(MultipleChoiceTest, AQuestionWithoutARightAnswerIsWrongWhateverIsChosen) {
    Prepare("Q=A=B#R=T_x=y#");
    model.Choose(0, 0);
    model.Choose(1, AnswerIndex(1, "x"));
    model.Check();
    EXPECT_EQ(model.Percent(), 50);
    EXPECT_TRUE(model.Questions()[0].Answers[0].WrongChoice);
}

}  // namespace
}  // namespace quillan
