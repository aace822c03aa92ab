// Exercise H offscreen: opened from the chart, words paired with clicks on their labels,
// checked, closed, and the result found in the learner's files.

#include "exercises/texts/pair_matching_window.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "exercises/texts/paint_box.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"
#include "text_window_fixture.h"

namespace quillan {
namespace {

class HhWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    // No values for the random draws: each column's three swaps exchange its first two words,
    // so both columns read b, a, c and y, x, z: every row starts right. Layout values that the
    // window does not apply.
    void SetUp() override { Add(1, "HH#a*x#b*y#c*z#", 43, 5, "300=300=200=400=100=500=0=0=0=0"); }
    void TearDown() override { CloseAll(); }

    static int RowTop(int row) { return 24 * (row + 1) + 176; }
    // The words of each row as the screen shows them: "left-right" from the top.
    static std::string Rows(TC_HForm& form) {
        std::string rows;
        for (int row = 0; row < 3; ++row) {
            std::string left, right;
            for (int i = 0; i < 3; ++i) {
                if (form.lbl_L[static_cast<size_t>(i)]->y() == RowTop(row)) left = FromQt(form.lbl_L[static_cast<size_t>(i)]->text());
                if (form.lbl_P[static_cast<size_t>(i)]->y() == RowTop(row)) right = FromQt(form.lbl_P[static_cast<size_t>(i)]->text());
            }
            rows += (row ? " " : "") + left + "-" + right;
        }
        return rows;
    }
    static QString Style(QLabel* label) { return label->styleSheet(); }
};

TEST_F(HhWindow, FromTheChartToTheResultsOnDisk) {
    Start();
    auto* form = OpenFromChart<TC_HForm>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Rows(*form), "b-y a-x c-z");
    // Its design places, whatever the layout values say; no glossary, help or dictionary.
    EXPECT_EQ(form->pb_polecenie->pos(), QPoint(50, 50));
    EXPECT_EQ(form->btn_media->pos(), QPoint(50, 10));
    EXPECT_FALSE(form->btn_tlumacz->isVisible());
    EXPECT_FALSE(form->btn_help->isVisible());
    EXPECT_FALSE(form->btn_slownik->isVisible());
    EXPECT_FALSE(form->lbl_L[3]->isVisible());
    EXPECT_TRUE(form->shp[0]->isVisible());
    EXPECT_TRUE(form->shp[kHhPairLimit]->isVisible());
    EXPECT_TRUE(form->Shape[2]->isVisible());
    EXPECT_FALSE(form->Shape[3]->isVisible());
    const int x0 = form->lbl_L[0]->x();
    EXPECT_EQ(form->lbl_P[0]->x(), x0 + form->lbl_L[0]->width() + 80);
    EXPECT_EQ(form->lbl_L[0]->width(), form->lbl_L[2]->width()) << "a column's labels share the widest width";

    // Two words of the same row: the selection is cleared, nothing moves and nothing counts.
    test::Click(*form->lbl_L[0]);
    EXPECT_TRUE(Style(form->lbl_L[0]).contains("255, 0, 0")) << "the first word of a click shows red";
    test::Click(*form->lbl_P[0]);
    EXPECT_EQ(Rows(*form), "b-y a-x c-z");
    EXPECT_EQ(form->Exercise().SelectedLeft(), -1);
    EXPECT_FALSE(form->Exercise().State().Touched());
    // Two left words in turn only move the selection.
    test::Click(*form->lbl_L[0]);
    test::Click(*form->lbl_L[1]);
    EXPECT_EQ(Style(form->lbl_L[0]), "color: black;");
    EXPECT_TRUE(Style(form->lbl_L[1]).contains("255, 0, 0"));
    EXPECT_EQ(form->Exercise().SelectedLeft(), 1);
    // Then a right word of another row: it moves into the selected word's row (the second
    // word clicked moves), the word there goes to the freed row.
    test::Click(*form->lbl_P[2]);
    EXPECT_EQ(Rows(*form), "b-y a-z c-x");
    EXPECT_TRUE(form->Exercise().State().Touched());
    EXPECT_EQ(Style(form->lbl_P[2]), "color: black;");
    form->grab();

    test::Click(*form->btn_check);
    EXPECT_FALSE(form->btn_check->isVisible());
    EXPECT_TRUE(form->lbl_jeszcze_raz->isVisible());
    EXPECT_FALSE(form->panel_wynik->isVisible());
    EXPECT_FALSE(form->ptoc_panel->isVisible());
    // The right row turns green; the wrong rows show the right partner, in red.
    EXPECT_EQ(Rows(*form), "b-y a-x c-z");
    EXPECT_TRUE(Style(form->lbl_L[0]).contains("0, 255, 0"));
    EXPECT_TRUE(Style(form->lbl_L[1]).contains("255, 0, 0"));
    EXPECT_TRUE(Style(form->lbl_P[2]).contains("255, 0, 0"));
    // After the check clicks change nothing.
    test::Click(*form->lbl_L[0]);
    test::Click(*form->lbl_P[1]);
    EXPECT_EQ(Rows(*form), "b-y a-x c-z");
    form->grab();

    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(43, 5);
    EXPECT_EQ(record.Result, 33);
    EXPECT_EQ(record.Completed, 1);
}

TEST_F(HhWindow, AllRightChangesNoColour) {
    Start();
    auto* form = OpenFromChart<TC_HForm>(1, 1);
    ASSERT_NE(form, nullptr);
    test::Click(*form->btn_check);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Style(form->lbl_L[i]), "color: black;");
        EXPECT_EQ(Style(form->lbl_P[i]), "color: black;");
    }
    form->close();
    EXPECT_EQ(Saved(43, 5).Result, 100);
}

// Closing after "again" hands over this attempt (0, completed 0), not the check before it.
TEST_F(HhWindow, ClosingAfterAgainRecordsTheNewAttempt) {
    Start();
    auto* form = OpenFromChart<TC_HForm>(1, 1);
    ASSERT_NE(form, nullptr);
    test::Click(*form->btn_check);
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_TRUE(form->btn_check->isVisible());
    test::Click(*form->lbl_L[0]);
    test::Click(*form->lbl_P[2]);
    EXPECT_EQ(Rows(*form), "b-z a-x c-y") << "pairing works again";
    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(43, 5);
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 0);
}

}  // namespace
}  // namespace quillan
