// The drag-and-drop table offscreen: opened from the chart, words dragged into the columns with
// press, moves and release on their labels, checked, the corrected cells' marks pointed at,
// closed, and the result found in the learner's files.

#include "exercises/texts/drag_drop_table_window.h"

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

class DdWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    // No values for the random draws: every swap exchanges the first two words, an even number
    // of times, so the labels keep the content's order: client, contract, price list.
    void SetUp() override { Add(1, "DD#2#2#People#Things#client*1#contract*2#price list*2#", 42, 3); }
    void TearDown() override { CloseAll(); }

    // A point inside column `column` (1-based), below its heading.
    static QPoint InColumn(TC_DDForm& form, int column) {
        const DdTableGeometry& t = form.Table();
        return QPoint(t.Left + (column - 1) * t.ColumnWidth + t.ColumnWidth / 2, t.Top + 30);
    }
    static QLabel& Word(TC_DDForm& form, int label) { return *form.lbl[static_cast<size_t>(label)]; }
    static const DdLabel& Model(TC_DDForm& form, int label) { return form.Exercise().Labels()[static_cast<size_t>(label)]; }
};

TEST_F(DdWindow, FromTheChartToTheResultsOnDisk) {
    Start();
    auto* form = OpenFromChart<TC_DDForm>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pb_polecenie->objectName(), "PaintBox1");
    EXPECT_EQ(form->btn_check->objectName(), "btn_ok");
    EXPECT_EQ(form->Table().Top, 250);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Word(*form, i).isVisible());
        EXPECT_EQ(Word(*form, i).pos(), form->BankPos(i));
        EXPECT_EQ(Word(*form, i).y(), 150) << "the bank's first line";
    }
    EXPECT_FALSE(form->lbl[3]->isVisible());
    EXPECT_EQ(Word(*form, 0).x(), 50);

    // client into Things (wrong), contract below it; price list finds Things full and goes back.
    test::DragLabel(Word(*form, 0), InColumn(*form, 2));
    test::DragLabel(Word(*form, 1), InColumn(*form, 2));
    EXPECT_EQ(form->Exercise().CellLabel(2, 1), 0);
    EXPECT_EQ(form->Exercise().CellLabel(2, 2), 1);
    EXPECT_EQ(Word(*form, 1).pos(), form->CellPos(1, 2, 2));
    test::DragLabel(Word(*form, 2), InColumn(*form, 2));
    EXPECT_EQ(Model(*form, 2).Column, 0);
    EXPECT_EQ(Word(*form, 2).pos(), form->BankPos(2));
    // Dropped beside the table, contract goes back to the bank and frees its cell; dragged in
    // again it takes the first free row.
    test::DragLabel(Word(*form, 1), QPoint(880, 600));
    EXPECT_EQ(Word(*form, 1).pos(), form->BankPos(1));
    EXPECT_EQ(form->Exercise().CellLabel(2, 2), -1);
    test::DragLabel(Word(*form, 1), InColumn(*form, 2));
    EXPECT_EQ(form->Exercise().CellLabel(2, 2), 1);
    EXPECT_TRUE(form->Exercise().State().Touched());
    form->grab();

    test::Click(*form->btn_check);
    EXPECT_FALSE(form->btn_check->isVisible());
    EXPECT_TRUE(form->lbl_jeszcze_raz->isVisible());
    EXPECT_TRUE(form->ptoc_panel->isVisible());
    EXPECT_EQ(form->lbl_proc->text(), "33");
    EXPECT_FALSE(form->panel_wynik->isVisible()) << "this window has no gauge";
    EXPECT_TRUE(form->lbl_komentarz->isVisible());
    EXPECT_EQ(form->lbl_komentarz->text(), "T69");
    EXPECT_EQ(form->lbl_komentarz->pos(), QPoint(form->Table().Left, form->Table().Top - 45));
    // Every word now in its column: client in People (a cell left empty: "-"), price list where
    // client had wrongly been (its hint: client).
    EXPECT_EQ(Model(*form, 0).Column, 1);
    EXPECT_EQ(Word(*form, 0).pos(), form->CellPos(0, 1, 1));
    EXPECT_EQ(form->Exercise().CellLabel(2, 1), 2);
    EXPECT_EQ(form->Exercise().CellHint(1, 1), "-");
    EXPECT_EQ(form->Exercise().CellHint(2, 1), "client");
    EXPECT_EQ(form->Exercise().CellHint(2, 2), "");

    // The pointer on the "!" of a corrected cell shows what had been there.
    const DdTableGeometry& t = form->Table();
    test::MoveTo(*form->PaintBox2, QPoint(t.Left + t.ColumnWidth - 3 + 5, t.Top + 20 + 5));
    EXPECT_EQ(FromQt(form->PaintBox2->toolTip()), "client");
    test::MoveTo(*form->PaintBox2, QPoint(t.Left - 3 + 5, t.Top + 20 + 5));
    EXPECT_EQ(FromQt(form->PaintBox2->toolTip()), "-");
    test::MoveTo(*form->PaintBox2, QPoint(10, 700));
    EXPECT_TRUE(form->PaintBox2->toolTip().isEmpty());
    // After the check nothing is dragged.
    const QPoint before = Word(*form, 1).pos();
    test::DragLabel(Word(*form, 1), InColumn(*form, 1));
    EXPECT_EQ(Word(*form, 1).pos(), before);
    form->grab();

    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(42, 3);
    EXPECT_EQ(record.Result, 33);
    EXPECT_EQ(record.Completed, 1);
}

TEST_F(DdWindow, AllRightShowsTheGoodVerdictAndNoMarks) {
    Start();
    auto* form = OpenFromChart<TC_DDForm>(1, 1);
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < 3; ++i) test::DragLabel(Word(*form, i), InColumn(*form, Model(*form, i).RightColumn));
    test::Click(*form->btn_check);
    EXPECT_EQ(form->lbl_proc->text(), "100");
    EXPECT_EQ(form->lbl_komentarz->text(), "T68");
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r) EXPECT_EQ(form->Exercise().CellHint(c, r), "");
}

// Words separated by ";", the last one without a separator: the table opens with its words and
// no message, however often it is prepared.
TEST_F(DdWindow, WordsWithAnotherSeparatorOpenWithoutAMessage) {
    ctx.course.textExercises[0].TypeLine = "DD#2#2#Nouns#Verbs#apple*1;run*2";
    Picture("teksty_gfx_r/tlo1.bmp", 1024, 768, Qt::white);  // this window's background is a bitmap
    Start();
    auto* form = OpenFromChart<TC_DDForm>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
    ASSERT_EQ(form->Exercise().Labels().size(), 2u);
    EXPECT_FALSE(form->lbl[2]->isVisible());
    for (int i = 0; i < 2; ++i) test::DragLabel(Word(*form, i), InColumn(*form, Model(*form, i).RightColumn));
    test::Click(*form->btn_check);
    EXPECT_EQ(form->lbl_proc->text(), "100");
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
    EXPECT_EQ(FromQt(Word(*form, 0).text()) + " " + FromQt(Word(*form, 1).text()), "apple run");
}

// Closing after "again" hands over this attempt: nothing checked since, so 0 with completed 0,
// not the percent of the check before "again".
TEST_F(DdWindow, ClosingAfterAgainRecordsTheNewAttempt) {
    Start();
    auto* form = OpenFromChart<TC_DDForm>(1, 1);
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < 3; ++i) test::DragLabel(Word(*form, i), InColumn(*form, Model(*form, i).RightColumn));
    test::Click(*form->btn_check);
    ASSERT_EQ(form->lbl_proc->text(), "100");
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_TRUE(form->btn_check->isVisible());
    EXPECT_FALSE(form->ptoc_panel->isVisible());
    EXPECT_FALSE(form->lbl_komentarz->isVisible());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Word(*form, i).pos(), form->BankPos(i));
    test::DragLabel(Word(*form, 0), InColumn(*form, 1));
    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(42, 3);
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 0);
}

}  // namespace
}  // namespace quillan
