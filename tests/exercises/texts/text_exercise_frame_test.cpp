// The frame every text-exercise window shares, on a member that only counts: opening through the
// text-opening logic, the tab strip, the check, "again", the media, the glossary and help, and
// what the closing hands to the learner's files.

#include "exercises/texts/text_exercise_frame.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "audio/multimedia_form.h"
#include "controls/picture_controls.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "course/current_text.h"
#include "course/exercise_kinds.h"
#include "exercises/texts/paint_box.h"
#include "guidance/information_form.h"
#include "help/help_form.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"
#include "support/wav.h"
#include "text_window_fixture.h"

namespace quillan {
namespace {

const TextExerciseWindowTraits kTraits{"TC_Test_Form", 41, "btn_ok", 26, 137, "#filmy"};

// A member that counts: the test says what the learner did and what the check finds.
class CountingMember : public TextExerciseFrame {
public:
    using TextExerciseFrame::TextExerciseFrame;

    ClosingReport Closing() const override { return attempt.Closing(); }
    void Work() { attempt.Touch(); }

    Attempt attempt;
    FrameState frame;
    int right = 0, wrong = 0;
    std::vector<std::string> prepared;  // the type lines, in the order they were prepared
    int shown = 0, closed = 0;

protected:
    void PrepareContent(const TextExercise& exercise) override {
        attempt.Start();
        frame = FrameState();
        prepared.push_back(exercise.TypeLine);
    }
    int InstructionWidth(int left, int) const override { return 657 - left; }
    void ApplyLayout(const LayoutValues&) override {}
    void CheckContent() override {
        attempt.Finish(right, wrong);
        frame.CheckVisible = false;
        frame.AgainVisible = frame.GaugeVisible = true;
        frame.Percent = attempt.Percent();
    }
    const FrameState& Frame() const override { return frame; }
    void ShowContent() override { ++shown; }
    void CloseContent() override { ++closed; }
};

// Every type of the text opens in the one counting member.
class MemberHost : public TextExerciseWindows {
public:
    void StopMedia() override {}
    void Close(TextExerciseWindow) override { member->close(); }
    void Prepare(TextExerciseWindow, int entry) override { member->PrepareExercise(entry); }
    void RunShowHandler(TextExerciseWindow) override { member->RunShowHandler(); }
    CountingMember* member = nullptr;
};

class TextFrame : public ::testing::Test, public test::TextWindowFixture {
protected:
    void SetUp() override {
        // The counting member records every exercise as kind 41; the type lines name the kinds
        // of the tabs.
        Add(1, "MC#q", 41, 7);
        Add(1, "TF#s", 41, 8);
        Add(1, "DF#d", 41, 9);
        Add(2, "MC#other text", 41, 1);
        ctx.exercise.CurrentExerciseId = "tek_1";
        ctx.course.glossary.push_back(GlossaryEntry{1, "glossary of text one"});
        Start();
        member = std::make_unique<CountingMember>(ctx, *forms, text, kTraits);
        host.member = member.get();
    }
    void TearDown() override {
        member.reset();
        forms.reset();
    }
    void Open(int position) { text.OpenText(1, position, {7, 8, 9}); }
    void Check() { test::Click(*member->btn_check); }

    MemberHost host;
    TextOpeningSettings settings;
    CurrentText text{ctx.course, dir.Path(), host, messages, settings};
    std::unique_ptr<CountingMember> member;
};

TEST_F(TextFrame, ClosingWhereNothingWasDoneRecordsNothingButSavesTheFiles) {
    Open(2);
    EXPECT_TRUE(member->isVisible());
    EXPECT_EQ(member->prepared, (std::vector<std::string>{"TF#s"}));
    EXPECT_EQ(member->shown, 1) << "the show handler runs once per opening";
    RemoveFiles();
    const int stops = player.stops;
    test::Click(*member->lbl_exit);
    EXPECT_FALSE(member->isVisible());
    EXPECT_GT(player.stops, stops) << "the exit button stops the sound";
    EXPECT_TRUE(FilesSaved());
    EXPECT_EQ(Saved(41, 8).DoneCount, 0);
    EXPECT_TRUE(SavedRepetitions().entries.empty());
    member->close();
    EXPECT_EQ(member->closed, 1) << "a closed window does not hand over again";
}

TEST_F(TextFrame, ACheckedAttemptIsRecordedWithTheKeyAndPositionOfTheOpenText) {
    Open(2);
    member->Work();
    member->right = 2;
    member->wrong = 1;
    Check();
    EXPECT_FALSE(member->btn_check->isVisible());
    EXPECT_TRUE(member->lbl_jeszcze_raz->isVisible());
    EXPECT_TRUE(member->panel_wynik->isVisible());
    EXPECT_EQ(member->panel_wynik->Wynik(), 67);
    EXPECT_GE(player.stops, 1) << "the check stops the sound";
    member->close();
    const CW_Info record = Saved(41, 8);
    EXPECT_EQ(record.Result, 67);
    EXPECT_EQ(record.Completed, 1);
    EXPECT_EQ(record.DoneCount, 1);
    const RepetitionList repetitions = SavedRepetitions();
    ASSERT_EQ(repetitions.entries.size(), 1u);
    EXPECT_EQ(repetitions.entries[0].Kind, 41);
    EXPECT_EQ(repetitions.entries[0].Key, 8);
    EXPECT_EQ(repetitions.entries[0].Index, 2);
}

// An attempt after "again" hands over its own percent, not the last check's.
TEST_F(TextFrame, AfterAgainAnUncheckedAttemptRecordsZeroNotCompleted) {
    Open(1);
    member->Work();
    member->right = 1;
    member->wrong = 0;
    Check();
    test::Click(*member->lbl_jeszcze_raz);
    EXPECT_EQ(member->prepared.size(), 2u);
    EXPECT_EQ(member->shown, 2);
    EXPECT_TRUE(member->btn_check->isVisible());
    EXPECT_FALSE(member->lbl_jeszcze_raz->isVisible());
    EXPECT_FALSE(member->panel_wynik->isVisible());
    member->Work();
    member->close();
    const CW_Info record = Saved(41, 7);
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 0);
}

// "again" after a check hands the checked attempt over at once, as closing would (result,
// repetition, both files saved); the new attempt starts from nothing.
TEST_F(TextFrame, AgainHandsOverTheCheckedAttemptAtOnce) {
    Open(2);
    member->Work();
    member->right = 2;
    member->wrong = 1;
    Check();
    RemoveFiles();
    test::Click(*member->lbl_jeszcze_raz);
    EXPECT_TRUE(FilesSaved());
    const CW_Info record = Saved(41, 8);
    EXPECT_EQ(record.Result, 67);
    EXPECT_EQ(record.Completed, 1);
    EXPECT_EQ(record.DoneCount, 1);
    const RepetitionList repetitions = SavedRepetitions();
    ASSERT_EQ(repetitions.entries.size(), 1u);
    EXPECT_EQ(repetitions.entries[0].Key, 8);
    EXPECT_EQ(repetitions.entries[0].Index, 2);
    EXPECT_FALSE(member->Closing().Record) << "the new attempt holds nothing yet";
}

// Closing after "again" hands over what the new attempt did, and the checked attempt is not
// recorded a second time.
TEST_F(TextFrame, ClosingAfterAgainHandsOverOnlyTheNewAttempt) {
    struct Case {
        const char* what;
        bool work, check;
        int doneCount, result, completed;
    };
    const Case cases[] = {
        {"nothing done", false, false, 1, 67, 1},
        {"worked, not checked", true, false, 2, 0, 0},
        {"checked again", true, true, 2, 100, 1},
    };
    int position = 0;
    for (const Case& c : cases) {
        Open(++position);  // each case on an exercise of its own (keys 7, 8, 9)
        member->Work();
        member->right = 2;
        member->wrong = 1;
        Check();
        test::Click(*member->lbl_jeszcze_raz);
        if (c.work) member->Work();
        member->right = 1;
        member->wrong = 0;
        if (c.check) Check();
        member->close();
        const CW_Info record = Saved(41, 6 + position);
        EXPECT_EQ(record.DoneCount, c.doneCount) << c.what;
        EXPECT_EQ(record.Result, c.result) << c.what;
        EXPECT_EQ(record.Completed, c.completed) << c.what;
    }
}

TEST_F(TextFrame, TheTabStripShowsTheTextsExercisesAndSwitchesAmongThem) {
    Open(1);
    for (size_t n = 0; n < member->MImage.size(); ++n) EXPECT_EQ(member->MImage[n]->isVisible(), n < 3) << n;
    const std::vector<int> kinds = {40, 41, 45};
    for (size_t n = 0; n < kinds.size(); ++n)
        EXPECT_EQ(FromQt(member->MImage[n]->toolTip()), ExerciseKindName(kinds[n], 1, ctx.course.interfaceTexts))
            << "the hint names the kind of the tab's own exercise";
    EXPECT_EQ(member->MImage[0]->pixmap().toImage().pixelColor(5, 5), QColor(Qt::darkBlue)) << "the open tab";
    EXPECT_EQ(member->MImage[1]->pixmap().toImage().pixelColor(5, 5), QColor(Qt::lightGray));

    member->Work();
    test::Click(*member->MImage[2]);
    EXPECT_EQ(Saved(41, 7).DoneCount, 1) << "the tab closed the first exercise";
    EXPECT_EQ(text.CurrentPosition(), 3);
    EXPECT_EQ(member->prepared.back(), "DF#d");
    EXPECT_TRUE(member->isVisible());
    EXPECT_EQ(member->MImage[2]->pixmap().toImage().pixelColor(5, 5), QColor(Qt::darkBlue));
}

TEST_F(TextFrame, TheHeaderGivesTheBackgroundAndTheInstruction) {
    Open(1);
    const QColor background = member->img_tlo->pixmap().toImage().pixelColor(10, 10);
    EXPECT_NEAR(background.green(), 247, 4) << "the picture of header field 3";
    EXPECT_EQ(member->img_tlo->objectName(), "img_tlo");
    EXPECT_EQ(member->pb_polecenie->objectName(), "pb_polecenie");
    EXPECT_EQ(member->pb_polecenie->geometry(), QRect(50, 50, 607, 96));
    EXPECT_FALSE(member->Image2->pixmap().isNull());
    EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
    EXPECT_EQ(member->lbl_jeszcze_raz->toolTip(), "T26");
    EXPECT_EQ(member->btn_tlumacz->toolTip(), "T160");
    EXPECT_EQ(member->btn_slownik->toolTip(), "T161");
}

TEST_F(TextFrame, AMissingBackgroundIsToldAndTheWindowStillOpens) {
    std::filesystem::remove(dir.Path() + "teksty_gfx_r/tlo1.jpg");
    Open(1);
    EXPECT_TRUE(member->isVisible());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("tlo1.jpg"), std::string::npos);
}

TEST_F(TextFrame, ATextWithSoundOpensItsStripAtOnce) {
    dir.Write("media/Teksty_wav/1.wav", test::WavBytes(800));
    Open(1);
    EXPECT_FALSE(member->btn_media->isVisible());
    EXPECT_TRUE(forms->multimedia->isVisible());
    EXPECT_EQ(forms->multimedia->MediaType(), 2);
    member->close();
    EXPECT_FALSE(forms->multimedia->isVisible());
    EXPECT_FALSE(forms->multimedia->IsMarkedOpen());
}

TEST_F(TextFrame, ATextWithAPageShowsTheMediaButton) {
    dir.Write("Teksty_htm_r/1.htm", "<html></html>");
    Open(1);
    EXPECT_TRUE(member->btn_media->isVisible());
    EXPECT_EQ(member->btn_media->BitmapNormal(), 58);
    EXPECT_FALSE(forms->multimedia->isVisible());
}

TEST_F(TextFrame, F1OpensTheHelpPageOfTheTextExercises) {
    dir.Write("Htm_r/h_comp.html", "<html><body><a name=\"filmy\">Texts</a></body></html>");
    Open(1);
    test::Press(*member, Qt::Key_F1);
    EXPECT_TRUE(forms->help->isVisible());
    EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
    forms->help->hide();
}

TEST_F(TextFrame, GlossaryAndHelpOpenTheInformationPanel) {
    Open(1);
    std::string shown;
    test::WhenModal(forms->informacja.get(), [&] {
        shown = forms->informacja->PanelKey;
        forms->informacja->reject();
    });
    test::Click(*member->btn_tlumacz);
    EXPECT_EQ(shown, "glossary of text one");
    test::WhenModal(forms->informacja.get(), [&] {
        shown = forms->informacja->PanelKey;
        forms->informacja->reject();
    });
    test::Click(*member->btn_help);
    EXPECT_EQ(shown, "HH_T137");
}

}  // namespace
}  // namespace quillan
