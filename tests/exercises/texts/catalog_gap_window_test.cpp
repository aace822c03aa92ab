// The catalog's gap sentences offscreen: a zdd_ line of the chart opens its window, labels are
// dragged onto the gaps, the check shows the flags and voice buttons, a recording is played,
// and closing records the result under kind 59 and key 0.

#include "exercises/texts/catalog_gap_window.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "audio/media_paths.h"
#include "controls/picture_controls.h"
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

class CatalogWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    void SetUp() override {
        ctx.course.dragDrop = {{"00601", "He <went> home.", "On poszed\xB3 do domu."},
                               {"00602", "She <is> at work.", "Ona jest w pracy."},
                               {"00602", "She <is> at <work>.", "Ona jest w pracy."}};
        Catalog("00601=00602=");
    }
    void TearDown() override { CloseAll(); }

    // Catalog entry n (the next one) listing `ids`, and the learner's record "zdd_" + n.
    void Catalog(const std::string& ids) {
        CatalogEntry entry;
        entry.Code = "0004600101";
        entry.Line4 = ids;
        entry.File = "kurs_cwicz2.vrk";
        entry.Line = 3;
        ctx.course.catalog.push_back(entry);
        AppendRecord(table, 46000.0, "zdd_" + std::to_string(ctx.course.catalog.size()), "ZDD_0004", 59, 1);
    }
    TZdaniaDDSameForm* Open(size_t record) {
        if (!windows) windows = std::make_unique<ExerciseWindows>(ctx, *forms);
        if (!windows->Launcher().Start(ctx, record, 1)) return nullptr;
        return &windows->CatalogGapWindow();
    }
    static QLabel& Label(TZdaniaDDSameForm& form, int g) { return *form.Board().lbl[static_cast<size_t>(g)]; }
    static QPoint OnGap(TZdaniaDDSameForm& form, int g) {
        const GapRect area = form.Board().DropAreas().at(static_cast<size_t>(g));
        return form.Board().Pb->pos() + QPoint(area.X + area.W / 2, area.Y + area.H / 2);
    }
};

TEST_F(CatalogWindow, FromTheChartToTheResultsOnDisk) {
    Start();
    TZdaniaDDSameForm* form = Open(1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ctx.exercise.CurrentExerciseId, "zdd_1");
    EXPECT_EQ(FromQt(form->Label3->text()), "Fill in the gaps with words from the right to make correct sentences.");
    // The last record with an identifier counts: three gaps.
    ASSERT_EQ(form->Exercise().Board().GapCount(), 3);
    // Before the check no icon shows, yet each sentence starts past their room.
    for (size_t i = 0; i < form->fla.size(); ++i) {
        EXPECT_FALSE(form->fla[i]->isVisible());
        EXPECT_FALSE(form->glo[i]->isVisible());
    }
    EXPECT_EQ(form->Board().Layout().Drawn.front().X, 18 + 5 + 18 + 5);

    // A label in the bin goes home.
    test::DragLabel(Label(*form, 0), OnGap(*form, 0));
    EXPECT_EQ(form->Exercise().Board().GapStates()[0].Label, 0);
    test::DragLabel(Label(*form, 0), form->lbl_kosz->geometry().center());
    EXPECT_EQ(form->Exercise().Board().GapStates()[0].Label, -1);
    EXPECT_EQ(Label(*form, 0).x(), kGapLabelLeft);
    for (int g = 0; g < 3; ++g) test::DragLabel(Label(*form, g), OnGap(*form, g));
    EXPECT_TRUE(form->Exercise().State().Touched());
    form->grab();

    test::Click(*form->btn_wyniki);
    EXPECT_FALSE(form->btn_wyniki->isVisible());
    EXPECT_EQ(form->panel_wynik->Wynik(), 100);
    EXPECT_TRUE(form->panel_wynik->isVisible());
    EXPECT_TRUE(form->lbl_jeszcze_raz->isVisible());
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(form->fla[i]->isVisible());
        EXPECT_TRUE(form->glo[i]->isVisible());
    }
    EXPECT_FALSE(form->fla[2]->isVisible());
    EXPECT_EQ(FromQt(form->fla[0]->toolTip()), "On poszed\xB3 do domu.");
    // The voice button plays the sentence's recording, without waiting.
    test::Click(*form->glo[1]);
    ASSERT_EQ(player.played.size(), 1u);
    EXPECT_EQ(player.played[0].path, SentenceAudioPath(ctx.startup, 602));
    EXPECT_FALSE(player.played[0].wait);
    form->grab();

    test::Click(*form->btn_exit);
    EXPECT_FALSE(form->isVisible());
    const CW_Info record = Saved(59, 0);
    EXPECT_EQ(record.Id, "zdd_1");
    EXPECT_EQ(record.Result, 100);
    EXPECT_EQ(record.Completed, 1);
}

TEST_F(CatalogWindow, AgainIsAFreshAttemptAndClosingRecordsIt) {
    Start();
    TZdaniaDDSameForm* form = Open(1);
    ASSERT_NE(form, nullptr);
    test::Click(*form->btn_wyniki);
    EXPECT_EQ(form->panel_wynik->Wynik(), 0);
    EXPECT_EQ(FromQt(form->Board().wyk[0]->toolTip()), "There was no answer");
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_TRUE(form->btn_wyniki->isVisible());
    EXPECT_FALSE(form->panel_wynik->isVisible());
    EXPECT_FALSE(form->fla[0]->isVisible());
    EXPECT_TRUE(Label(*form, 0).isVisible());
    test::DragLabel(Label(*form, 0), OnGap(*form, 0));
    form->close();
    const CW_Info record = Saved(59, 0);
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 0);
}

// "again" after a check records the checked result at once; closing the untouched new attempt
// records nothing more.
TEST_F(CatalogWindow, AgainHandsOverTheCheckedResultAtOnce) {
    Start();
    TZdaniaDDSameForm* form = Open(1);
    ASSERT_NE(form, nullptr);
    for (int g = 0; g < 3; ++g) test::DragLabel(Label(*form, g), OnGap(*form, g));
    test::Click(*form->btn_wyniki);
    ASSERT_EQ(form->panel_wynik->Wynik(), 100);
    RemoveFiles();
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_TRUE(FilesSaved());
    CW_Info record = Saved(59, 0);
    EXPECT_EQ(record.Result, 100);
    EXPECT_EQ(record.Completed, 1);
    EXPECT_EQ(record.DoneCount, 1);
    form->close();
    record = Saved(59, 0);
    EXPECT_EQ(record.Result, 100);
    EXPECT_EQ(record.DoneCount, 1) << "no second record";
}

// An entry listing more sentences than the window holds opens with the first ten and says so;
// the program goes on.
TEST_F(CatalogWindow, ElevenSentencesOpenTheFirstTenWithTheMessage) {
    std::string ids;
    for (int i = 1; i <= 11; ++i) {
        const std::string id = "007" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        ctx.course.dragDrop.push_back({id, "A <b> c.", ""});
        ids += id + "=";
    }
    Catalog(ids);
    Start();
    TZdaniaDDSameForm* form = Open(2);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], kTooManyCatalogSentences);
    EXPECT_EQ(form->Exercise().Sentences().size(), 10u);
    EXPECT_EQ(form->Exercise().Board().GapCount(), 10);
}

}  // namespace
}  // namespace quillan
