// The true/false window offscreen: opened from the chart, ticked with the mouse, checked,
// closed, and the result found in the learner's files.

#include "exercises/texts/true_false_window.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "audio/resource_form.h"
#include "controls/picture_controls.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "exercises/texts/paint_box.h"
#include "support/ui_helpers.h"
#include "text_window_fixture.h"

namespace quillan {
namespace {

class TfWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    void TearDown() override { CloseAll(); }

    // The row (0-based) on screen that shows `statement`.
    static size_t Row(TC_TF_Form& form, const std::string& statement) {
        const auto& rows = form.Exercise().Rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].Statement == statement) return i;
        ADD_FAILURE() << statement << " is not on screen";
        return 0;
    }
    static bool Shows(const QLabel& label, const QPixmap& picture) {
        return label.pixmap().toImage() == picture.toImage();
    }
};

TEST_F(TfWindow, FromTheChartToTheResultsOnDisk) {
    ctx.startup.LangIndex = 1;
    Add(1, "MC#Q=T_A=B#", 40, 1);
    Add(1, "TF#Prawda#True#Vrai#Falsz#False#Faux#T_Anna works at the reception.#Mr Clark is from Berlin.#T_ The meeting "
           "starts at ten. #",
        41, 2);
    Start();
    auto* form = OpenFromChart<TC_TF_Form>(2, 2);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Exercise().HeadingLeft(), "True") << "the headings of the English interface";
    EXPECT_EQ(form->pb_tresc->geometry(), QRect(50, 150, 607, 575));
    EXPECT_EQ(form->pb_polecenie->width(), 865) << "50 + 607 does not pass 865";
    EXPECT_TRUE(form->L[2]->isVisible());
    EXPECT_FALSE(form->L[3]->isVisible()) << "only the rows of the three statements";
    EXPECT_LT(form->L[0]->x(), form->R[0]->x());
    EXPECT_LT(form->L[0]->y(), form->L[1]->y());

    const size_t anna = Row(*form, "Anna works at the reception."), berlin = Row(*form, "Mr Clark is from Berlin."),
                 ten = Row(*form, "The meeting starts at ten.");
    test::Click(*form->R[anna]);
    test::Click(*form->L[anna]);  // changed to "true": only the left box ticked
    test::Click(*form->R[berlin]);
    test::Click(*form->R[ten]);   // wrong
    EXPECT_TRUE(form->Exercise().Rows()[anna].ChoseLeft);
    EXPECT_FALSE(form->Exercise().Rows()[anna].ChoseRight);
    form->grab();

    test::Click(*form->btn_check);
    EXPECT_EQ(form->panel_wynik->Wynik(), 67);
    EXPECT_TRUE(form->wyk[anna]->isVisible());
    EXPECT_TRUE(Shows(*form->wyk[anna], forms->form5->stan_ok));
    EXPECT_TRUE(Shows(*form->wyk[ten], forms->form5->stan_bad));
    EXPECT_EQ(form->wyk[ten]->x(), 50 - 15);
    EXPECT_EQ(form->wyk[ten]->y(), form->L[ten]->y());
    EXPECT_EQ(form->Exercise().Rows()[ten].RightBox, TfBox::Bad);
    EXPECT_EQ(form->Exercise().Rows()[ten].LeftBox, TfBox::Checked);

    test::Click(*form->L[berlin]);  // after the check the boxes do not change
    EXPECT_TRUE(form->Exercise().Rows()[berlin].ChoseRight);
    form->grab();

    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(41, 2);
    EXPECT_EQ(record.Result, 67);
    EXPECT_EQ(record.Completed, 1);
    EXPECT_EQ(SavedRepetitions().entries.at(0).Index, 2);
}

TEST_F(TfWindow, ClosingAfterAgainWithTicksButNoCheckRecordsZero) {
    Add(1, "TF#P#T#T#F#F#F#T_one#two#", 41, 1);
    Start();
    auto* form = OpenFromChart<TC_TF_Form>(1, 1);
    ASSERT_NE(form, nullptr);
    test::Click(*form->L[0]);
    test::Click(*form->R[1]);
    test::Click(*form->btn_check);
    ASSERT_EQ(form->panel_wynik->Wynik(), form->Exercise().Rows()[0].IsTrue ? 100 : 0);
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_FALSE(form->wyk[0]->isVisible());
    test::Click(*form->L[0]);
    form->close();
    const CW_Info record = Saved(41, 1);
    EXPECT_EQ(record.Result, 0) << "this attempt's percent, not the last check's";
    EXPECT_EQ(record.Completed, 0);
}

TEST_F(TfWindow, AContentWithoutStatementsOpensAndIsTold) {
    Add(1, "TF#P#T#T#F#F", 41, 1);
    Start();
    auto* form = OpenFromChart<TC_TF_Form>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->L[0]->isVisible());
    EXPECT_EQ(messages.errors.size(), 1u);
    test::Click(*form->btn_check);
    EXPECT_EQ(form->panel_wynik->Wynik(), 0);
    form->grab();
}

}  // namespace
}  // namespace quillan
