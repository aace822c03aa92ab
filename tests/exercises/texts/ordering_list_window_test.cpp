// The ordering list offscreen: opened from the chart, labels dragged from row to row with
// press, moves and release, checked, closed, and the result found in the learner's files.

#include "exercises/texts/ordering_list_window.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "exercises/texts/paint_box.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"
#include "text_window_fixture.h"
#include "window_mouse.h"

namespace quillan {
namespace {

class DvWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    // No values for the random draws: the shuffle's eight swaps of the first two items leave
    // the content's order, so label i (a, b, c, d) starts in row i + 1, its right row.
    void SetUp() override { Add(1, "DV#a*1#b*2#c*3#d*4#", 46, 2); }
    void TearDown() override { CloseAll(); }

    static QPoint OnRow(TC_DDVForm& form, int row) {
        const DvListGeometry& l = form.List();
        return QPoint(l.Left + l.Width / 2, l.Top + kDvRowHeight * (row - 1) + 12);
    }
    static QLabel& Item(TC_DDVForm& form, int label) { return *form.lbl[static_cast<size_t>(label)]; }
    // The labels' texts from the top row down, as they stand on the screen.
    static std::string Order(TC_DDVForm& form) {
        std::string order;
        for (int row = 1; row <= 4; ++row)
            for (int i = 0; i < 4; ++i)
                if (Item(form, i).y() == form.List().LabelTop(row)) order += FromQt(Item(form, i).text());
        return order;
    }
};

TEST_F(DvWindow, FromTheChartToTheResultsOnDisk) {
    Start();
    auto* form = OpenFromChart<TC_DDVForm>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->List().Top, 250);
    EXPECT_EQ(form->List().Rows, 4);
    EXPECT_EQ(Order(*form), "abcd");
    EXPECT_FALSE(form->lbl[4]->isVisible());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Item(*form, i).x(), form->List().Left + (form->List().Width - Item(*form, i).width()) / 2) << "centred";

    // Row 1 onto row 3: the labels of rows 2 and 3 move up; back onto row 1: they move down.
    test::DragLabel(Item(*form, 0), OnRow(*form, 3));
    EXPECT_EQ(Order(*form), "bcad");
    test::DragLabel(Item(*form, 0), OnRow(*form, 1));
    EXPECT_EQ(Order(*form), "abcd");
    // Outside the frame the label goes back to its row; on its own row it stays.
    test::DragLabel(Item(*form, 3), QPoint(form->List().Left - 40, form->List().Top + 30));
    EXPECT_EQ(Order(*form), "abcd");
    test::DragLabel(Item(*form, 3), OnRow(*form, 4) + QPoint(30, 3));
    EXPECT_EQ(Order(*form), "abcd");
    // Two labels change places.
    test::DragLabel(Item(*form, 0), OnRow(*form, 2));
    EXPECT_EQ(Order(*form), "bacd");
    form->grab();

    test::Click(*form->btn_check);
    EXPECT_EQ(form->lbl_proc->text(), "50");
    EXPECT_TRUE(form->ptoc_panel->isVisible());
    EXPECT_FALSE(form->panel_wynik->isVisible());
    EXPECT_EQ(form->lbl_komentarz->text(), "T73");
    EXPECT_EQ(form->lbl_komentarz->pos(), QPoint(form->List().Left, form->List().Top - 25));
    // The rows whose labels stood wrong show "!" with the text that stood there.
    EXPECT_TRUE(form->img[0]->isVisible());
    EXPECT_EQ(FromQt(form->img[0]->toolTip()), "b");
    EXPECT_TRUE(form->img[1]->isVisible());
    EXPECT_EQ(FromQt(form->img[1]->toolTip()), "a");
    EXPECT_EQ(form->img[1]->pos(), QPoint(form->List().Left - 18, form->List().LabelTop(2)));
    EXPECT_FALSE(form->img[2]->isVisible());
    EXPECT_FALSE(form->img[3]->isVisible());
    EXPECT_EQ(Order(*form), "abcd") << "all in order after the check";
    // After the check nothing is dragged.
    test::DragLabel(Item(*form, 0), OnRow(*form, 4));
    EXPECT_EQ(Order(*form), "abcd");
    form->grab();

    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(46, 2);
    EXPECT_EQ(record.Result, 50);
    EXPECT_EQ(record.Completed, 1);
}

TEST_F(DvWindow, AllRightShowsTheGoodVerdictAndNoMarks) {
    Start();
    auto* form = OpenFromChart<TC_DDVForm>(1, 1);
    ASSERT_NE(form, nullptr);
    test::DragLabel(Item(*form, 1), OnRow(*form, 2));
    test::Click(*form->btn_check);
    EXPECT_EQ(form->lbl_proc->text(), "100");
    EXPECT_EQ(form->lbl_komentarz->text(), "T72");
    for (QLabel* mark : form->img) EXPECT_FALSE(mark->isVisible());
}

// Closing after "again" hands over this attempt (0, completed 0), not the check before it.
TEST_F(DvWindow, ClosingAfterAgainRecordsTheNewAttempt) {
    Start();
    auto* form = OpenFromChart<TC_DDVForm>(1, 1);
    ASSERT_NE(form, nullptr);
    test::Click(*form->btn_check);
    ASSERT_EQ(form->lbl_proc->text(), "100");
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_TRUE(form->btn_check->isVisible());
    EXPECT_FALSE(form->img[0]->isVisible());
    test::DragLabel(Item(*form, 0), OnRow(*form, 2));
    EXPECT_EQ(Order(*form), "bacd") << "dragging works again";
    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(46, 2);
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 0);
}

}  // namespace
}  // namespace quillan
