// A course text with the four exercises whose learner drags or pairs words: the chart opens
// the first, and the tabs of each window open the others, each in its own window, closing the
// one before with its result.

#include <gtest/gtest.h>

#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "exercises/texts/drag_drop_table_window.h"
#include "exercises/texts/gap_text_window.h"
#include "exercises/texts/ordering_list_window.h"
#include "exercises/texts/pair_matching_window.h"
#include "support/ui_helpers.h"
#include "text_window_fixture.h"
#include "window_mouse.h"

namespace quillan {
namespace {

class DraggingTabs : public ::testing::Test, public test::TextWindowFixture {
protected:
    void TearDown() override { CloseAll(); }
};

TEST_F(DraggingTabs, EachTabOpensItsWindowAndTheOneBeforeRecordsItsWork) {
    Add(1, "DD#2#2#People#Things#client*1#contract*2#", 42, 1);
    Add(1, "DV#a*1#b*2#", 46, 2);
    Add(1, "HH#a*x#b*y#", 43, 3);
    Add(1, "ZDD#He <went> home.=She <is> at work.=", 47, 4);
    Start();
    auto* dd = OpenFromChart<TC_DDForm>(1, 1);
    ASSERT_NE(dd, nullptr);
    for (int tab = 0; tab < 4; ++tab) EXPECT_TRUE(dd->MImage[static_cast<size_t>(tab)]->isVisible());
    EXPECT_FALSE(dd->MImage[4]->isVisible());
    test::DragLabel(*dd->lbl[0], QPoint(dd->Table().Left + 10, dd->Table().Top + 30));

    test::Click(*dd->MImage[1]);
    auto* dv = dynamic_cast<TC_DDVForm*>(windows->TextWindow(TextExerciseWindow::DragDropVariant));
    ASSERT_NE(dv, nullptr);
    EXPECT_TRUE(dv->isVisible());
    EXPECT_FALSE(dd->isVisible());
    EXPECT_EQ(Saved(42, 1).Completed, 0) << "the table was worked, not checked";
    EXPECT_EQ(Saved(42, 1).Result, 0);

    test::Click(*dv->MImage[2]);
    auto* hh = dynamic_cast<TC_HForm*>(windows->TextWindow(TextExerciseWindow::ExerciseH));
    ASSERT_NE(hh, nullptr);
    EXPECT_TRUE(hh->isVisible());
    EXPECT_FALSE(dv->isVisible());

    test::Click(*hh->MImage[3]);
    auto* zdd = dynamic_cast<TZdaniaDDForm*>(windows->TextWindow(TextExerciseWindow::GapTexts));
    ASSERT_NE(zdd, nullptr);
    EXPECT_TRUE(zdd->isVisible());
    EXPECT_FALSE(hh->isVisible());

    test::Click(*zdd->MImage[0]);
    EXPECT_TRUE(dd->isVisible());
    EXPECT_FALSE(zdd->isVisible());
    EXPECT_TRUE(dd->btn_check->isVisible());
    EXPECT_EQ(dd->lbl[0]->pos(), dd->BankPos(0)) << "a fresh attempt";
}

}  // namespace
}  // namespace quillan
