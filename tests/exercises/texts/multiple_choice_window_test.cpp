// The multiple-choice window offscreen: opened from the chart, answered with the mouse on its
// content box, checked, scrolled, closed, and the result found in the learner's files.

#include "exercises/texts/multiple_choice_window.h"

#include <gtest/gtest.h>

#include "controls/picture_controls.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/true_false_window.h"
#include "support/ui_helpers.h"
#include "text_window_fixture.h"

namespace quillan {
namespace {

class McWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    void TearDown() override { CloseAll(); }

    // A click in the middle of answer `answer` of question `question` as the window shows them.
    void ClickAnswer(TC_MC_Form& form, int question, int answer) {
        for (const McAnswerPlace& a : form.Layout().Answers)
            if (a.Question == question && a.Answer == answer) {
                test::ClickAt(*form.pb_tresc, QPoint((a.X1 + a.X2) / 2, a.Y1 + 5));
                return;
            }
        ADD_FAILURE() << "no answer " << answer << " of question " << question << " on screen";
    }
    static int RightAnswer(TC_MC_Form& form, int question) { return form.Exercise().Questions()[question].Right; }
};

TEST_F(McWindow, FromTheChartToTheResultsOnDisk) {
    Add(1, "MC#Where is the office?=In London=T_In Paris=In Rome#Who called?=T_Mr Smith=Mrs Brown#", 40, 3);
    Add(1, "TF#a#b#c#d#e#f#T_s1#s2#", 41, 4);
    Start();
    auto* form = OpenFromChart<TC_MC_Form>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pb_tresc->geometry(), QRect(35, 150, 615, 575));
    EXPECT_EQ(form->pb_polecenie->width(), 657 - 50);
    EXPECT_TRUE(form->btn_check->isVisible());
    EXPECT_EQ(form->btn_check->objectName(), "btn_ok");
    EXPECT_FALSE(form->btn_dn->isVisible()) << "the two questions fit the box";
    EXPECT_TRUE(form->MImage[1]->isVisible());
    EXPECT_FALSE(form->MImage[2]->isVisible());

    // Question 1 right, question 2 first wrong and then, in the same question, right and wrong again.
    ClickAnswer(*form, 0, RightAnswer(*form, 0));
    const int wrong = 1 - RightAnswer(*form, 1);
    ClickAnswer(*form, 1, RightAnswer(*form, 1));
    ClickAnswer(*form, 1, wrong);
    const auto& questions = form->Exercise().Questions();
    EXPECT_TRUE(questions[0].Answers[static_cast<size_t>(RightAnswer(*form, 0))].Selected)
        << "a click in question 2 leaves question 1 as it was";
    EXPECT_FALSE(questions[1].Answers[static_cast<size_t>(RightAnswer(*form, 1))].Selected);
    form->grab();  // paints without fault

    test::Click(*form->btn_check);
    EXPECT_FALSE(form->btn_check->isVisible());
    EXPECT_TRUE(form->lbl_jeszcze_raz->isVisible());
    EXPECT_EQ(form->lbl_jeszcze_raz->toolTip(), "T25");
    EXPECT_TRUE(form->panel_wynik->isVisible());
    EXPECT_EQ(form->panel_wynik->Wynik(), 50);
    McLayout layout = form->Layout();
    EXPECT_EQ(layout.Answers[static_cast<size_t>(RightAnswer(*form, 0))].Mark, McMarkKind::Right);

    // After the check the answers do not change.
    ClickAnswer(*form, 1, RightAnswer(*form, 1));
    EXPECT_FALSE(form->Exercise().Questions()[1].Answers[static_cast<size_t>(RightAnswer(*form, 1))].MarkRight);
    form->grab();

    test::Click(*form->lbl_exit);
    EXPECT_FALSE(form->isVisible());
    const CW_Info record = Saved(40, 3);
    EXPECT_EQ(record.Result, 50);
    EXPECT_EQ(record.Completed, 1);
    ASSERT_EQ(SavedRepetitions().entries.size(), 1u);
    EXPECT_EQ(SavedRepetitions().entries[0].Index, 1);
}

TEST_F(McWindow, ATabOpensTheWindowOfTheOtherExercise) {
    Add(1, "MC#Q=T_A=B#", 40, 1);
    Add(1, "TF#a#b#c#d#e#f#T_s1#s2#", 41, 2);
    Add(1, "WP#missing", 44, 3);
    Start();
    auto* mc = OpenFromChart<TC_MC_Form>(1, 1);
    ASSERT_NE(mc, nullptr);
    ClickAnswer(*mc, 0, 0);
    test::Click(*mc->MImage[1]);
    EXPECT_FALSE(mc->isVisible());
    EXPECT_EQ(Saved(40, 1).DoneCount, 1) << "the tab closed the multiple choice";
    auto* tf = dynamic_cast<TC_TF_Form*>(windows->TextWindow(TextExerciseWindow::TrueFalse));
    ASSERT_NE(tf, nullptr);
    EXPECT_TRUE(tf->isVisible());
    EXPECT_EQ(tf->Exercise().Rows().size(), 2u);
    test::Click(*tf->MImage[0]);
    EXPECT_TRUE(mc->isVisible());
    EXPECT_FALSE(tf->isVisible());
    EXPECT_FALSE(mc->Exercise().State().Touched()) << "opened afresh";
}

TEST_F(McWindow, AgainStartsAFreshAttemptWithTheAnswersShuffledAnew) {
    Add(1, "MC#Q=A=T_B=C#", 40, 1);
    Start();
    auto* form = OpenFromChart<TC_MC_Form>(1, 1);
    ASSERT_NE(form, nullptr);
    ClickAnswer(*form, 0, 0);
    test::Click(*form->btn_check);
    test::Click(*form->lbl_jeszcze_raz);
    const McQuestionState& question = form->Exercise().Questions()[0];
    EXPECT_EQ(question.Answers[0].Text, "A");
    EXPECT_FALSE(question.Answers[0].Selected);
    EXPECT_FALSE(form->Exercise().State().Evaluated());
    EXPECT_TRUE(form->btn_check->isVisible());
    EXPECT_FALSE(form->lbl_jeszcze_raz->isVisible());
    EXPECT_FALSE(form->panel_wynik->isVisible());
    // The next shuffle swaps B and C, then the first two answers three times: C, A, B.
    random.values = {1, 2, 0, 1, 0, 1, 0, 1};
    test::Click(*form->btn_check);
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_EQ(form->Exercise().Questions()[0].Answers[0].Text, "C");
    EXPECT_EQ(form->Exercise().Questions()[0].Answers[2].Text, "B");
    EXPECT_EQ(RightAnswer(*form, 0), 2);
}

TEST_F(McWindow, AContentTallerThanTheBoxScrolls) {
    std::string content = "MC#";
    for (int q = 1; q <= 10; ++q) content += "Question " + std::to_string(q) + "?=one=two=three=T_four#";
    Add(1, content, 40, 1);
    Start();
    auto* form = OpenFromChart<TC_MC_Form>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->btn_dn->isVisible());
    EXPECT_FALSE(form->btn_up->isVisible());
    EXPECT_EQ(form->btn_dn->x(), 35 + 615 + 5);
    const int top = form->Layout().Answers[0].Y1;
    test::Click(*form->btn_dn);
    EXPECT_EQ(form->Layout().Answers[0].Y1, top - 24);
    EXPECT_TRUE(form->btn_up->isVisible());
    for (int i = 0; i < 100 && form->btn_dn->isVisible(); ++i) test::Click(*form->btn_dn);
    EXPECT_FALSE(form->btn_dn->isVisible());
    // 10 questions of five lines and an empty one: 1440 pixels in a box of 575.
    EXPECT_EQ(form->Layout().Answers[0].Y1, top - 24 * ((1440 - 575) / 25 + 1));
    // The last answer, scrolled into view, takes a click.
    ClickAnswer(*form, 9, 3);
    EXPECT_TRUE(form->Exercise().Questions()[9].Answers[3].Selected);
    test::Click(*form->btn_up);
    EXPECT_TRUE(form->btn_dn->isVisible());
}

TEST_F(McWindow, AChartLineWhoseTextIsNoNumberIsToldAndOpensNothing) {
    Add(1, "MC#Q=A=T_B#", 40, 1);
    table.records[0].Id = "tek_x";  // a learner's file spoilt by hand
    Start();
    EXPECT_EQ(OpenFromChart<TC_MC_Form>(1, 1), nullptr);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("x"), std::string::npos) << messages.errors[0];
}

TEST_F(McWindow, FaultyContentOpensWithWhatCouldBeReadAndIsTold) {
    Add(1, "MC#Q=only one#R=x=y", 40, 1);
    Start();
    auto* form = OpenFromChart<TC_MC_Form>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Exercise().Questions().size(), 2u);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("St_a.txt:2: question 1 has a single answer"), std::string::npos) << messages.errors[0];
    EXPECT_NE(messages.errors[0].find("no right answer"), std::string::npos);
    ClickAnswer(*form, 0, 0);
    test::Click(*form->btn_check);  // a question without a right answer: no crash, it counts as wrong
    EXPECT_EQ(form->panel_wynik->Wynik(), 0);
    form->grab();
}

}  // namespace
}  // namespace quillan
