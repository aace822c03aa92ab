// Opening the exercises of a course text: which entry and which window is shown, and when not.

#include <gtest/gtest.h>

#include "course/current_text.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

// Records what the opening logic asks of the windows.
class FakeWindows : public TextExerciseWindows {
public:
    void StopMedia() override { calls.push_back("stop"); }
    void Close(TextExerciseWindow window) override { calls.push_back("close " + Name(window)); }
    void Prepare(TextExerciseWindow window, int entry) override {
        calls.push_back("prepare " + Name(window) + " " + std::to_string(entry));
    }
    void RunShowHandler(TextExerciseWindow window) override { calls.push_back("show " + Name(window)); }

    static std::string Name(TextExerciseWindow window) {
        switch (window) {
            case TextExerciseWindow::MultipleChoice: return "MC";
            case TextExerciseWindow::TrueFalse: return "TF";
            case TextExerciseWindow::Typing: return "WP";
            case TextExerciseWindow::GapTexts: return "ZDD";
            default: return "other";
        }
    }
    std::vector<std::string> calls;
};

class CurrentTextTest : public ::testing::Test {
protected:
    CurrentTextTest() {
        for (int n = 1; n <= 90; ++n) course.interfaceTexts.push_back("text " + std::to_string(n));
        // Text 12 has four exercises (entries 1, 2, 4, 5); text 13 one (entry 3).
        Add("h#12#", "MC#q", "0=120==");
        Add("h#12#", "TF#q", "");
        Add("h#13#", "MC#q", "");
        Add("h#12#", "ZDD#q", "");
        Add("h#12#", "WP#q", "");
    }
    void Add(const std::string& header, const std::string& type, const std::string& layout) {
        course.textExercises.push_back(TextExercise{header, type, layout});
    }
    std::vector<std::string> Calls() {
        std::vector<std::string> calls;
        calls.swap(windows.calls);
        return calls;
    }

    test::TempDir dir;
    Course course;
    FakeWindows windows;
    test::FakeMessages messages;
    TextOpeningSettings settings;
    CurrentText text{course, dir.Path(), windows, messages, settings};
};

TEST_F(CurrentTextTest, OpensATextAndSwitchesAmongItsExercises) {
    text.OpenText(12, 1, {7, 8, 9, 10});
    EXPECT_EQ(text.ExerciseCount(), 4);
    EXPECT_EQ(text.ExerciseEntry(3), 4);
    EXPECT_EQ(text.ExerciseKey(2), 8);
    EXPECT_EQ(text.CurrentPosition(), 1);
    EXPECT_EQ(text.CurrentEntry(), 1);
    EXPECT_EQ(text.CurrentExerciseWindow(), TextExerciseWindow::MultipleChoice);
    EXPECT_EQ(text.Layout()[1], 120);
    EXPECT_EQ(text.Layout()[0], -1);
    EXPECT_TRUE(text.Visited(1));
    // Nothing was current, so the show handler runs once more.
    EXPECT_EQ(Calls(), (std::vector<std::string>{"stop", "prepare MC 1", "show MC"}));

    text.OpenTextExercise(1);  // already shown
    EXPECT_TRUE(Calls().empty());

    text.OpenTextExercise(2);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"stop", "close MC", "prepare TF 2"}));
    EXPECT_EQ(text.CurrentExerciseWindow(), TextExerciseWindow::TrueFalse);

    text.OpenTextExercise(3);
    text.OpenTextExercise(2);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"stop", "close TF", "prepare ZDD 4", "stop", "close ZDD", "prepare TF 2"}));

    // Positions the text does not have change nothing.
    text.OpenTextExercise(0);
    text.OpenTextExercise(5);
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(text.CurrentPosition(), 2);
    EXPECT_TRUE(messages.shown.empty());

    // Opening the text again clears the visited marks and shows its window afresh.
    text.OpenText(12, 2, {});
    EXPECT_EQ(Calls(), (std::vector<std::string>{"stop", "prepare TF 2", "show TF"}));
    EXPECT_FALSE(text.Visited(1));
    EXPECT_EQ(text.ExerciseKey(1), 0);
}

TEST_F(CurrentTextTest, TheSameWindowForTheNextExerciseRunsItsShowHandlerAgain) {
    Add("h#14#", "MC#a", "");
    Add("h#14#", "MC#b", "");
    text.OpenText(14, 1, {});
    Calls();
    text.OpenTextExercise(2);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"stop", "close MC", "prepare MC 7", "show MC"}));
}

TEST_F(CurrentTextTest, TypingOpensAfterTheOthersWhenTheLearnerWantsIt) {
    settings.TypingAfterOthers = true;
    text.OpenText(12, 4, {});
    EXPECT_EQ(messages.shown, std::vector<std::string>{"text 84"});
    EXPECT_FALSE(text.Visited(4));
    EXPECT_EQ(text.CurrentExerciseWindow(), TextExerciseWindow::None);
    text.OpenTextExercise(1);
    text.OpenTextExercise(2);
    text.OpenTextExercise(4);  // two of three others visited: still locked
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(text.CurrentPosition(), 2);
    text.OpenTextExercise(3);
    text.OpenTextExercise(4);
    EXPECT_EQ(text.CurrentPosition(), 4);
    EXPECT_EQ(text.CurrentExerciseWindow(), TextExerciseWindow::Typing);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(CurrentTextTest, TheTeacherCanLockTyping) {
    settings.ClassroomTypingLocked = true;
    text.OpenText(12, 1, {});
    text.OpenTextExercise(2);
    text.OpenTextExercise(3);
    text.OpenTextExercise(4);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"text 84"});
    EXPECT_EQ(text.CurrentPosition(), 3);
}

TEST_F(CurrentTextTest, TheTipShowsWithTheFirstExerciseOnly) {
    settings.ShowTipOnce = true;
    text.OpenText(12, 1, {});
    EXPECT_EQ(messages.shown, std::vector<std::string>{"text 63"});
    EXPECT_FALSE(settings.ShowTipOnce);
    text.OpenTextExercise(2);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CurrentTextTest, MediaKindAndBookmarks) {
    text.OpenText(12, 1, {});
    EXPECT_EQ(text.MediaKind(), 2);
    EXPECT_EQ(text.BookmarkTimes(), (std::array<int, 4>{-1, -1, -1, -1}));

    dir.Write("Teksty_htm_r/12.htm", "");
    text.OpenText(12, 1, {});
    EXPECT_EQ(text.MediaKind(), 3);
    dir.Write("teksty_mpg_r/12.MPG", "");  // found whatever the letter case
    text.OpenText(12, 1, {});
    EXPECT_EQ(text.MediaKind(), 1);

    // Fields 8 to 10 of a header with five "#" or more are times in seconds.
    Add("a#15#c#d#e#f#g# 5 #10##", "MC#", "");
    Add("a#15#c#d#e#f#g##7#", "TF#", "");  // only what is not empty overwrites
    text.OpenText(15, 1, {});
    EXPECT_EQ(text.BookmarkTimes(), (std::array<int, 4>{0, 5000, 7000, -1}));
    Add("a#16#c#d#", "MC#", "");
    text.OpenText(16, 1, {});
    EXPECT_EQ(text.BookmarkTimes(), (std::array<int, 4>{-1, -1, -1, -1}));
}

TEST_F(CurrentTextTest, UnknownTypeCodesAndLongTexts) {
    Add("h#20#", "XX#", "");
    text.OpenText(20, 1, {});
    EXPECT_EQ(Calls(), std::vector<std::string>{"stop"});
    EXPECT_EQ(text.CurrentExerciseWindow(), TextExerciseWindow::None);
    EXPECT_EQ(text.CurrentEntry(), 6);

    // A text holds as many exercises as the windows have tabs.
    for (int i = 0; i < 10; ++i) Add("h#21#", "MC#", "");
    text.OpenText(21, 8, {});
    EXPECT_EQ(text.ExerciseCount(), CurrentText::kPositions);
    EXPECT_EQ(text.CurrentPosition(), 8);
}

}  // namespace
}  // namespace quillan
