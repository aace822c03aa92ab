// The gap text offscreen: opened from the chart, labels dragged onto the gaps with press, moves
// and release, checked, closed, and the result found in the learner's files.

#include "exercises/texts/gap_text_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>

#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "exercises/texts/gap_board_view.h"
#include "exercises/texts/paint_box.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"
#include "text_window_fixture.h"
#include "window_mouse.h"

namespace quillan {
namespace {

class ZddWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    // No values for the random draws: the two swaps of the first two slots leave label g in
    // slot g + 1.
    void SetUp() override { Add(1, "ZDD#He <went> home.=She <is> at work.=", 47, 4); }
    void TearDown() override { CloseAll(); }

    static QLabel& Label(TZdaniaDDForm& form, int g) { return *form.Board().lbl[static_cast<size_t>(g)]; }
    // The middle of gap g's drop area, in the window.
    static QPoint OnGap(TZdaniaDDForm& form, int g) {
        const GapRect area = form.Board().DropAreas().at(static_cast<size_t>(g));
        return form.Board().Pb->pos() + QPoint(area.X + area.W / 2, area.Y + area.H / 2);
    }
    static QPoint Home(int slot) { return QPoint(kGapLabelLeft, GapSlotTop(slot)); }
};

TEST_F(ZddWindow, FromTheChartToTheResultsOnDisk) {
    Start();
    auto* form = OpenFromChart<TZdaniaDDForm>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->btn_check->objectName(), "btn_wyniki");
    EXPECT_EQ(form->lbl_exit->objectName(), "btn_exit");
    EXPECT_EQ(FromQt(Label(*form, 0).text()), "went");
    EXPECT_EQ(FromQt(Label(*form, 1).text()), "is");
    EXPECT_EQ(Label(*form, 0).pos(), Home(1));
    EXPECT_EQ(Label(*form, 1).pos(), Home(2));
    EXPECT_FALSE(form->Board().lbl[2]->isVisible());
    const GapRect firstGap = form->Board().DropAreas()[0];

    // "is" onto the first gap: it lies there, grey; "went" onto that filled gap goes back home.
    test::DragLabel(Label(*form, 1), OnGap(*form, 0));
    EXPECT_EQ(Label(*form, 1).pos(), form->Board().Pb->pos() + QPoint(firstGap.X, firstGap.Y));
    EXPECT_TRUE(Label(*form, 1).styleSheet().contains("136"));
    test::DragLabel(Label(*form, 0), OnGap(*form, 0));
    EXPECT_EQ(Label(*form, 0).pos(), Home(1));
    // "is" moves on to the second gap, which empties the first; "went" fills the first.
    test::DragLabel(Label(*form, 1), OnGap(*form, 1));
    EXPECT_EQ(form->Exercise().Board().GapStates()[0].Label, -1);
    EXPECT_EQ(form->Exercise().Board().GapStates()[1].Label, 1);
    test::DragLabel(Label(*form, 0), OnGap(*form, 0));
    // Beside the text a label lets go of its gap and goes home, black again.
    test::DragLabel(Label(*form, 0), QPoint(400, 600));
    EXPECT_EQ(Label(*form, 0).pos(), Home(1));
    EXPECT_EQ(Label(*form, 0).styleSheet(), "color: black;");
    EXPECT_EQ(form->Exercise().Board().GapStates()[0].Label, -1);
    test::DragLabel(Label(*form, 0), OnGap(*form, 0));
    // Filling the first gap moves the second to the right of where it was painted empty: the
    // label of the second gap follows it.
    const GapRect second = form->Board().Layout().GapPositions[1];
    EXPECT_EQ(Label(*form, 1).pos(), form->Board().Pb->pos() + QPoint(second.X, second.Y));
    form->grab();

    test::Click(*form->btn_check);
    EXPECT_EQ(form->panel_wynik->Wynik(), 100);
    EXPECT_TRUE(form->panel_wynik->isVisible());
    EXPECT_TRUE(form->lbl_jeszcze_raz->isVisible());
    EXPECT_FALSE(Label(*form, 0).isVisible()) << "the labels hide after the check";
    EXPECT_TRUE(form->Board().wyk[0]->isVisible());
    EXPECT_TRUE(form->Board().wyk[1]->isVisible());
    EXPECT_FALSE(form->Board().wyk[2]->isVisible());
    // The answers stand in the text, the full stop after "went" too.
    bool fullStop = false;
    for (const GapDrawn& drawn : form->Board().Layout().Drawn) fullStop = fullStop || drawn.Text == "home. ";
    EXPECT_TRUE(fullStop);
    form->grab();

    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(47, 4);
    EXPECT_EQ(record.Result, 100);
    EXPECT_EQ(record.Completed, 1);
}

TEST_F(ZddWindow, WrongAndMissingAnswersAreMarkedWithWhatWasThere) {
    Start();
    auto* form = OpenFromChart<TZdaniaDDForm>(1, 1);
    ASSERT_NE(form, nullptr);
    test::DragLabel(Label(*form, 1), OnGap(*form, 0));
    test::Click(*form->btn_check);
    EXPECT_EQ(form->panel_wynik->Wynik(), 0);
    EXPECT_EQ(FromQt(form->Board().wyk[0]->toolTip()), "Your answer: is");
    EXPECT_EQ(FromQt(form->Board().wyk[1]->toolTip()), "There was no answer");
    // A drag after the check is not taken.
    EXPECT_FALSE(form->Exercise().StartDrag(0));
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_TRUE(Label(*form, 0).isVisible());
    EXPECT_EQ(Label(*form, 1).pos(), Home(2));
    EXPECT_FALSE(form->Board().wyk[0]->isVisible());
}

// The check leaves the text's sound playing; a missing background is told in the window's own words.
TEST_F(ZddWindow, TheCheckLeavesTheSoundAndAMissingBackgroundIsTold) {
    std::filesystem::remove(dir.Path() + "teksty_gfx_r/tlo1.jpg");
    Start();
    auto* form = OpenFromChart<TZdaniaDDForm>(1, 1);
    ASSERT_NE(form, nullptr);
    ASSERT_FALSE(messages.errors.empty());
    EXPECT_EQ(messages.errors[0], "Brak tla!");
    EXPECT_TRUE(form->isVisible());
    const int stops = player.stops;
    test::Click(*form->btn_check);
    EXPECT_EQ(player.stops, stops);
    test::Click(*form->lbl_exit);
    EXPECT_EQ(player.stops, stops) << "nor does the exit button stop it";
}

// A window closed after dragging without the check records 0 with completed 0.
TEST_F(ZddWindow, ClosingWithoutTheCheckRecordsZero) {
    Start();
    auto* form = OpenFromChart<TZdaniaDDForm>(1, 1);
    ASSERT_NE(form, nullptr);
    test::DragLabel(Label(*form, 0), OnGap(*form, 0));
    test::DragLabel(Label(*form, 1), OnGap(*form, 1));
    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(47, 4);
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 0);
}

}  // namespace
}  // namespace quillan
