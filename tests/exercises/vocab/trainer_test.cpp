// The vocabulary trainer's passes, scores and reports, its questions and the word list.

#include "exercises/vocab/trainer.h"

#include <gtest/gtest.h>

#include <functional>

#include "exercises/vocab/trainer_fixture.h"
#include "support/wav.h"

namespace quillan {
namespace {

using test::Word;

class Trainer : public ::testing::Test, public test::TrainerFixture {
protected:
    VocabTrainer trainer{ctx};

    // Items with recordings "1".."n"; item k is "wk" translated "pk".
    void Items(int n) {
        std::vector<VocabEntry> entries;
        for (int k = 1; k <= n; ++k) entries.push_back(Word(k, "w" + std::to_string(k), "p" + std::to_string(k), std::to_string(k)));
        Fill(trainer.Store(), entries);
    }

    void AnswerRight() { trainer.ChooseOption(trainer.Question().Choice.CorrectOption); }
    void AnswerWrong() {
        const ChoiceOptions& choice = trainer.Question().Choice;
        for (int n = 1; n <= 4; ++n)
            if (n != choice.CorrectOption && choice.Used[static_cast<size_t>(n - 1)]) return trainer.ChooseOption(n);
        FAIL() << "no wrong option shown";
    }
    std::string Asked() const { return trainer.Store().Entries[static_cast<size_t>(trainer.CurrentWordEntry() - 1)].Headword; }
};

TEST(PassPercent, RoundsHalvesToEven) {
    struct Case {
        int correct, wrong, items, percent;
    } cases[] = {
        {3, 1, 3, 75},    // one wrong answer among three items
        {10, 5, 10, 67},
        {2, 0, 10, 20},   // left after two of ten
        {10, 0, 10, 100},
        {1, 0, 8, 12},    // 12.5
        {3, 0, 8, 38},    // 37.5
        {0, 0, 10, 0},
        {0, 4, 4, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PassPercent(c.correct, c.wrong, c.items), c.percent) << c.correct << "/" << c.wrong << "/" << c.items;
}

TEST_F(Trainer, AWrongItemComesBackAfterTheOthersAndCostsOneInTheScore) {
    Items(3);
    trainer.Open("slo_1", 2);
    std::vector<std::string> asked;
    asked.push_back(Asked());
    AnswerWrong();
    EXPECT_TRUE(trainer.Screen().badIconVisible);
    EXPECT_EQ(player.played.back(), (test::FakeSoundPlayer::Play{dir.Path() + "zla.wav", true}));
    for (int answers = 0; answers < 3; ++answers) {
        trainer.OkClicked("");
        asked.push_back(Asked());
        AnswerRight();
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"w1", "w2", "w3", "w1"})) << "three items keep their order";
    trainer.OkClicked("");

    EXPECT_TRUE(trainer.Screen().repeatVisible);
    EXPECT_FALSE(trainer.Screen().okVisible);
    EXPECT_EQ(trainer.CorrectCount(), 3);
    EXPECT_EQ(trainer.WrongCount(), 1);
    EXPECT_EQ(Saved(61).Result, 75);
    EXPECT_EQ(Saved(61).DoneCount, 1);
    const RepetitionList repetitions = SavedRepetitions();
    ASSERT_EQ(repetitions.entries.size(), 1u);
    EXPECT_EQ(repetitions.entries[0].Kind, 61);
    EXPECT_EQ(repetitions.entries[0].Index, 2);

    // Again: a new pass; closing the window right away records nothing, the finished pass
    // is not reported twice.
    trainer.Repeat();
    EXPECT_EQ(Saved(61).DoneCount, 1);
    trainer.Close();
    EXPECT_EQ(Saved(61).DoneCount, 1);
    EXPECT_EQ(Saved(61).Result, 75);
}

TEST_F(Trainer, EveryTabChangeReportsTheStageLeftWhenSomethingWasAnswered) {
    Items(10);
    trainer.Open("slo_1", 2);
    trainer.ClickTab(3);
    EXPECT_EQ(Saved(61).DoneCount, 0) << "nothing answered";
    AnswerRight();
    trainer.OkClicked("");
    AnswerRight();
    trainer.ClickTab(4);
    EXPECT_EQ(Saved(62).Result, 20) << "two right answers of ten items";
    trainer.Close();
    EXPECT_EQ(Saved(62).DoneCount, 1);
    EXPECT_EQ(Saved(63).DoneCount, 0);
    EXPECT_EQ(Saved(60).DoneCount, 0);
    EXPECT_EQ(Saved(64).DoneCount, 0);
}

TEST_F(Trainer, TheWordListReportsWithoutARepetition) {
    Items(4);
    trainer.Open("slo_1", 1);
    EXPECT_TRUE(trainer.Screen().wordListVisible);
    EXPECT_EQ(trainer.Screen().instruction, "T144");
    trainer.Close();
    EXPECT_EQ(Saved(60).DoneCount, 0) << "nothing clicked";

    trainer.Open("slo_1", 1);
    trainer.LayOutPage(20, [](const std::string& t) { return static_cast<int>(t.size()) * 10; });
    trainer.PagePressed(110, 25, true);  // the text of the second row
    EXPECT_EQ(player.played.back().path, ctx.startup.BsgramDir + "D_00\\dd_000\\00002.wav");
    trainer.Close();
    EXPECT_EQ(Saved(60).Result, 100);
    EXPECT_EQ(Saved(60).DoneCount, 1);
    EXPECT_TRUE(SavedRepetitions().entries.empty());
}

// Items a stage cannot ask (no recording in the listening stages, example sentences in every
// asking stage) are not counted against the learner: a pass without mistakes ends at 100.
TEST_F(Trainer, APassIsScoredOnTheItemsTheStageAsks) {
    Fill(trainer.Store(), {Word(1, "heard", "a", "11"), Word(2, "silent", "b"), Word(60001, "A <sentence>.", "c", "12", 1, 5)});
    struct Case {
        int stage;
        bool firstWrong;  // the first item is answered wrongly once
        int percent;
    } cases[] = {
        {2, false, 100}, {3, false, 100}, {4, false, 100}, {5, false, 100},
        {2, true, 50},   // one item asked, one wrong answer: 1 / (1 + 1)
        {5, true, 67},   // two items asked, one wrong answer: 2 / (2 + 1)
    };
    for (const Case& c : cases) {
        trainer.Open("slo_1", c.stage);
        bool wrongGiven = !c.firstWrong;
        for (int answers = 0; !trainer.Screen().repeatVisible && answers < 6; ++answers) {
            const bool typing = c.stage >= 4;
            if (!wrongGiven) {
                wrongGiven = true;
                typing ? trainer.CheckTypedAnswer("nonsense") : AnswerWrong();
            } else {
                typing ? trainer.CheckTypedAnswer(trainer.Question().ExpectedAnswer) : AnswerRight();
            }
            EXPECT_LE(trainer.Screen().gauge, 100) << "stage " << c.stage;
            trainer.OkClicked("");
        }
        EXPECT_TRUE(trainer.Screen().repeatVisible) << "stage " << c.stage;
        EXPECT_EQ(static_cast<int>(Saved(59 + c.stage).Result), c.percent) << "stage " << c.stage << (c.firstWrong ? " with a mistake" : "");
        trainer.Close();
    }
}

// A stage left with nothing answered records nothing: its stored result and repetitions stay,
// however it is left. A word clicked on the word list still counts that stage as done.
TEST_F(Trainer, AStageLeftUnansweredKeepsItsStoredResult) {
    Items(4);
    for (int kind = 60; kind <= 64; ++kind) RecordExerciseResult(ctx, 100, "slo_1", kind, 1, 0);
    SaveResults(ctx);
    struct Case {
        const char* how;
        int stage;
        std::function<void()> leave;
    } cases[] = {
        {"closed at once", 1, [&] { trainer.Close(); }},
        {"closed at once", 2, [&] { trainer.Close(); }},
        {"closed at once", 5, [&] { trainer.Close(); }},
        {"another tab", 1, [&] { trainer.ClickTab(3); }},
        {"another tab", 3, [&] { trainer.ClickTab(4); }},
        {"again and closed", 2, [&] { trainer.Repeat(); trainer.Close(); }},
        {"a microphone only", 1, [&] {
             trainer.LayOutPage(20, [](const std::string& t) { return static_cast<int>(t.size()) * 10; });
             trainer.PagePressed(5, 5, true);
             trainer.PageReleased(5, 5, true);
             trainer.Close();
         }},
    };
    for (const Case& c : cases) {
        const CW_Info before = Saved(59 + c.stage);
        trainer.Open("slo_1", c.stage);
        c.leave();
        const CW_Info after = Saved(59 + c.stage);
        EXPECT_EQ(static_cast<int>(after.Result), 100) << c.how << ", stage " << c.stage;
        EXPECT_EQ(after.DoneCount, before.DoneCount) << c.how << ", stage " << c.stage;
        EXPECT_TRUE(SavedRepetitions().entries.empty()) << c.how << ", stage " << c.stage;
        trainer.Close();
    }

    // The word list after a pass with a mistake: the pass's counters are not the list's result.
    const int listDone = Saved(60).DoneCount;
    trainer.Open("slo_1", 3);
    AnswerWrong();
    for (trainer.OkClicked(""); !trainer.Screen().repeatVisible; trainer.OkClicked("")) AnswerRight();
    EXPECT_EQ(Saved(62).Result, 80);
    trainer.ClickTab(1);
    trainer.Close();
    EXPECT_EQ(Saved(60).Result, 100);
    EXPECT_EQ(Saved(60).DoneCount, listDone);
}

TEST_F(Trainer, AnOpeningOutsideTheStagesShowsNoStageAndReportsNothing) {
    Items(3);
    trainer.Open("slo_1", 0);
    EXPECT_EQ(trainer.Screen().stage, 0);
    EXPECT_FALSE(trainer.Screen().wordListVisible);
    EXPECT_FALSE(trainer.Screen().optionsVisible);
    trainer.Close();
    for (int kind = 60; kind <= 64; ++kind) EXPECT_EQ(Saved(kind).DoneCount, 0);
}

TEST_F(Trainer, ShortListsKeepTheirOrderLongerOnesAreShuffled) {
    Items(4);
    trainer.BuildModeTable();
    random.values = {1, 2, 3, 0, 1, 2};
    trainer.StartPass();
    std::vector<int> order;
    for (const TrainerItem& item : trainer.Items()) order.push_back(item.Entry);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(random.values.size(), 6u) << "no draw for four items";

    // Five items: Round(0.6 x 5) = 3, raised to 5 swaps. Each position i is swapped with a
    // draw that is neither i nor the previous draw; the first draw below (1) is refused.
    Items(5);
    trainer.BuildModeTable();
    random.values = {0, 2, 4, 0, 1, 3};
    trainer.StartPass();
    order.clear();
    for (const TrainerItem& item : trainer.Items()) order.push_back(item.Entry);
    EXPECT_EQ(order, (std::vector<int>{1, 4, 3, 2, 5}));
    EXPECT_TRUE(random.values.empty());
}

TEST_F(Trainer, ItemsLeftOutOfAStage) {
    std::vector<VocabEntry> entries = {Word(1, "heard", "a", "11"), Word(2, "silent", "b"),
                                       Word(60001, "A <sentence>.", "c", "12", 1, 5)};
    Fill(trainer.Store(), entries);
    trainer.Open("slo_1", 1);
    trainer.LayOutPage(20, [](const std::string& t) { return static_cast<int>(t.size()) * 10; });
    ASSERT_EQ(trainer.Page().Rows().size(), 3u) << "the sentence is on the word list";
    EXPECT_EQ(trainer.Page().Rows()[2].text, "A sentence.");
    EXPECT_EQ(trainer.Page().Rows()[2].speakerX, 70);
    EXPECT_EQ(trainer.Page().Rows()[1].speakerX, -1);

    struct Case {
        int stage;
        std::vector<std::string> asked;
    } cases[] = {{2, {"heard"}}, {3, {"heard", "silent"}}, {4, {"heard"}}, {5, {"heard", "silent"}}};
    for (const Case& c : cases) {
        trainer.ClickTab(c.stage);
        std::vector<std::string> asked;
        while (!trainer.Screen().repeatVisible && asked.size() < 5) {
            asked.push_back(Asked());
            if (c.stage <= 3)
                AnswerRight();
            else
                trainer.CheckTypedAnswer(trainer.Question().ExpectedAnswer);
            trainer.OkClicked("");
        }
        EXPECT_EQ(asked, c.asked) << "stage " << c.stage;
    }
}

TEST_F(Trainer, AStageWithNothingToAskEndsAtOnceAndRecordsNothing) {
    Fill(trainer.Store(), {Word(1, "silent", "a"), Word(2, "quiet", "b")});
    trainer.Open("slo_1", 2);
    EXPECT_TRUE(trainer.Screen().repeatVisible);
    EXPECT_FALSE(trainer.Screen().optionsVisible);
    trainer.Close();
    EXPECT_EQ(Saved(61).DoneCount, 0);
}

TEST_F(Trainer, TypedAnswersAndWhatTheVerdictShows) {
    VocabEntry go = Word(1, "go", "iść", "5", 1, 3);
    go.Alternatives = "leave";
    go.ExampleId = 60001;
    VocabEntry example = Word(60001, "Let's <go> now.", "", "9", 1, 5);
    example.SecondText = "Chodźmy już.";
    example.IsItem = false;
    Fill(trainer.Store(), {go, example});
    ctx.learner.settings.ShowLetterCount = true;
    ctx.learner.settings.CaseSensitive = true;

    struct Case {
        std::string typed;
        bool right, okIcon;
        int left;
        std::string badHint, rightAnswer;
        bool soundAfter;
    } cases[] = {
        {" go ", true, true, 80, "", "go", true},
        {"to leave", true, false, 46, "", "to leave", false},  // accepted: no icon, no sound
        {"Go", false, false, 80, "Your answer: Go", "go", true},
        {"  ", false, false, 80, "There was no answer", "go", true},
    };
    for (const Case& c : cases) {
        trainer.Open("slo_1", 5);
        EXPECT_EQ(trainer.Screen().instruction, "T148 (2 letters)");
        EXPECT_EQ(trainer.Screen().word, "iść");
        EXPECT_TRUE(trainer.Screen().replayVisible == false) << "no sound before the answer";
        player.played.clear();
        trainer.CheckTypedAnswer(c.typed);
        const TrainerScreen& s = trainer.Screen();
        EXPECT_EQ(trainer.Question().AnswerRight, c.right) << c.typed;
        EXPECT_EQ(s.okIconVisible, c.okIcon) << c.typed;
        EXPECT_EQ(s.badIconVisible, !c.right) << c.typed;
        EXPECT_EQ(s.rightAnswerLeft, c.left) << c.typed;
        if (!c.right) {
            EXPECT_EQ(s.badIconHint, c.badHint);
        }
        EXPECT_EQ(s.rightAnswer, c.rightAnswer) << c.typed;
        const bool heard = !player.played.empty() && player.played.back().path == ctx.startup.BsgramDir + "D_00\\dd_000\\00005.wav";
        EXPECT_EQ(heard, c.soundAfter) << c.typed;
        EXPECT_EQ(s.replayVisible, c.soundAfter) << c.typed;
        EXPECT_TRUE(s.exampleVisible);
        EXPECT_EQ(s.example, "Let's go now.");
        EXPECT_EQ(s.exampleHint, "Chodźmy już.");
        trainer.PlayExample();
        EXPECT_EQ(player.played.back().path, ctx.startup.BsgramDir + "D_00\\dd_000\\00009.wav");
        trainer.Close();
    }
}

TEST_F(Trainer, DictationPlaysTheWordAndShowsItsTranslationAfterwards) {
    Fill(trainer.Store(), {Word(1, "invoice", "faktura", "7")});
    trainer.Open("slo_1", 4);
    EXPECT_EQ(player.played.back(), (test::FakeSoundPlayer::Play{ctx.startup.BsgramDir + "D_00\\dd_000\\00007.wav", false}));
    EXPECT_TRUE(trainer.Screen().typingVisible);
    EXPECT_TRUE(trainer.Screen().playVisible);
    EXPECT_EQ(trainer.Screen().word, "");
    trainer.OkClicked("invoice");
    EXPECT_EQ(trainer.Screen().word, "faktura");
    EXPECT_FALSE(trainer.Screen().typingVisible);
    EXPECT_EQ(trainer.Question().GivenAnswer, "invoice");
    trainer.OkClicked("");
    EXPECT_TRUE(trainer.Screen().repeatVisible);
    EXPECT_EQ(Saved(63).Result, 100);
}

TEST_F(Trainer, LongPromptsArePaintedInTheFrame) {
    Items(1);
    trainer.Open("slo_1", 0);
    const std::string fifty(50, 'a');
    trainer.ShowWord(fifty, true);
    EXPECT_TRUE(trainer.Screen().wordVisible);
    EXPECT_EQ(trainer.Screen().word, fifty);
    EXPECT_FALSE(trainer.Screen().frameVisible);
    trainer.ShowWord(fifty + "b", true);
    EXPECT_TRUE(trainer.Screen().frameVisible);
    EXPECT_EQ(trainer.Screen().frameText, fifty + "b");
    EXPECT_EQ(trainer.Screen().word, "");
}

TEST_F(Trainer, ChoiceKeysIgnoreOptionsNotShown) {
    // Only the right answer can be found: the question shows it alone.
    Fill(trainer.Store(), {Word(1, "go", "iść", "1", 1, 1)});
    trainer.Open("slo_1", 2);
    const ChoiceOptions& choice = trainer.Question().Choice;
    int shown = 0;
    for (bool used : choice.Used) shown += used;
    EXPECT_EQ(shown, 1);
    trainer.ChooseOption(choice.CorrectOption == 1 ? 2 : 1);
    EXPECT_FALSE(trainer.Question().Answered);
    AnswerRight();
    EXPECT_TRUE(trainer.Question().Answered);
    EXPECT_TRUE(trainer.Question().GivenAnswer.empty()) << "a right choice leaves nothing to show with F5";
}

TEST_F(Trainer, ChoosingTheMeaningShowsTheWordAndTheTranslationAfterAListeningAnswer) {
    Items(6);
    trainer.Open("slo_1", 3);
    EXPECT_TRUE(trainer.Screen().wordVisible);
    EXPECT_EQ(trainer.Screen().word, Asked());
    EXPECT_EQ(trainer.Question().ExpectedAnswer, "p" + Asked().substr(1));
    trainer.ClickTab(2);
    AnswerWrong();
    EXPECT_TRUE(trainer.Screen().translationVisible);
    EXPECT_EQ(trainer.Screen().translation, "p" + Asked().substr(1));
    EXPECT_EQ(trainer.Question().GivenAnswer.empty(), false);
    EXPECT_EQ(trainer.Screen().badIconHint, "Your answer: " + trainer.Question().GivenAnswer);
}

// ----- the word list and the take -----

class WordListStage : public Trainer {
protected:
    void SetUp() override {
        VocabEntry first = Word(1, "meeting", "spotkanie", "1");
        first.ExampleId = 60001;
        VocabEntry example = Word(60001, "A <meeting> at ten.", "", "2", 1, 5);
        example.IsItem = false;
        example.SecondText = "Spotkanie o dziesiątej.";
        Fill(trainer.Store(), {first, Word(2, "client", "klient", "3"), example});
        trainer.showInfo = [this](const std::string& text) { infos.push_back(text); };
        trainer.Open("slo_1", 1);
        trainer.LayOutPage(20, [](const std::string& t) { return static_cast<int>(t.size()) * 10; });
    }
    std::vector<std::string> infos;
};

TEST_F(WordListStage, PointingShowsTheTranslationOnlyOverTheText) {
    const WordListPage& page = trainer.Page();
    EXPECT_FALSE(page.HoverAt(60, 5).translation) << "on the speaker";
    EXPECT_TRUE(page.HoverAt(60, 5).hand);
    const WordListPage::Hover hover = page.HoverAt(120, 25);
    EXPECT_TRUE(hover.translation);
    EXPECT_EQ(hover.row, 2);
    EXPECT_EQ(hover.labelX, 100 + 60 + 25);
    EXPECT_EQ(hover.labelY, 20);
    EXPECT_TRUE(page.HoverAt(5, 25).hand) << "on a microphone";
    EXPECT_FALSE(page.HoverAt(5, 25).translation);
    EXPECT_FALSE(page.HoverAt(400, 5).hand) << "past the word";
}

TEST_F(WordListStage, ClickingAWordShowsItsExampleAndAWordWithoutOneHidesIt) {
    trainer.PagePressed(110, 5, true);
    EXPECT_TRUE(trainer.Screen().exampleVisible);
    EXPECT_EQ(trainer.Screen().example, "A meeting at ten.");
    trainer.PagePressed(110, 25, true);
    EXPECT_FALSE(trainer.Screen().exampleVisible);
    trainer.PagePressed(110, 5, true);
    trainer.PagePressed(60, 5, true);  // the speaker: the word only
    EXPECT_FALSE(trainer.Screen().exampleVisible);
    EXPECT_EQ(player.played.back().path, ctx.startup.BsgramDir + "D_00\\dd_000\\00001.wav");
}

TEST_F(WordListStage, ATakeIsRecordedWhileTheMicrophoneIsHeldAndPlayedBack) {
    recorder.bytes = test::WavBytes(600);
    trainer.PagePressed(5, 25, true);
    EXPECT_TRUE(recorder.takeRecording);
    EXPECT_TRUE(trainer.Screen().takeTimerRunning);
    EXPECT_EQ(player.closes, 1) << "the player lets go of the take file first";
    trainer.PageReleased(5, 25, true);
    EXPECT_FALSE(trainer.Screen().takeTimerRunning);
    EXPECT_EQ(recorder.takeStops, 1);
    EXPECT_TRUE(trainer.Screen().takeReplayVisible);
    EXPECT_EQ(trainer.Screen().takeReplayRow, 2);
    EXPECT_EQ(player.played.back(), (test::FakeSoundPlayer::Play{trainer.TakePath(), true}));
    EXPECT_TRUE(infos.empty());

    trainer.ReplayTake();
    EXPECT_EQ(player.played.size(), 2u);

    // The time limit ends a take; letting go afterwards starts nothing and plays nothing again.
    trainer.PagePressed(5, 5, true);
    trainer.TakeTimerFired();
    EXPECT_EQ(trainer.Screen().takeReplayRow, 1);
    EXPECT_EQ(player.played.size(), 3u);
    trainer.PageReleased(5, 5, true);
    EXPECT_EQ(player.played.size(), 3u);
    EXPECT_EQ(recorder.takeStarts, 2);
}

TEST_F(WordListStage, AClickInsteadOfATakeIsToldAndNotPlayed) {
    recorder.bytes = test::WavBytes(100);
    trainer.PagePressed(5, 5, true);
    trainer.PageReleased(5, 5, true);
    EXPECT_FALSE(trainer.Screen().takeReplayVisible);
    EXPECT_EQ(infos, std::vector<std::string>{"T81"});
    EXPECT_TRUE(player.played.empty());
}

TEST_F(WordListStage, ATakeThatWasNotSavedDoesNotReplayAnOlderOne) {
    dir.Write("tmp1.wav", test::WavBytes(900));  // an older take
    recorder.bytes.clear();                       // this one is not saved
    trainer.PagePressed(5, 5, true);
    trainer.PageReleased(5, 5, true);
    EXPECT_TRUE(player.played.empty());
    EXPECT_FALSE(trainer.Screen().takeReplayVisible);
}

TEST_F(WordListStage, ClosingDuringATakeEndsIt) {
    recorder.bytes = test::WavBytes(600);
    trainer.PagePressed(5, 5, true);
    trainer.Close();
    EXPECT_FALSE(recorder.takeRecording);
    EXPECT_EQ(player.stops, 1);
    EXPECT_TRUE(player.played.empty()) << "nothing is played back once the window is gone";
}

TEST(WordListPageScrolling, RowsBelowThePageAreReachedByScrolling) {
    VocabStore store;
    std::vector<int> entries;
    for (int k = 1; k <= 30; ++k) {
        store.Entries.push_back(Word(k, "word" + std::to_string(k), "t"));
        entries.push_back(k);
    }
    WordListPage page;
    page.Layout(store, entries, "", "", 20, [](const std::string& t) { return static_cast<int>(t.size()) * 10; });
    EXPECT_TRUE(page.Scrollable());
    bool mic = false;
    EXPECT_EQ(page.RowPressed(110, 410, true, mic), 0) << "below the page";
    EXPECT_EQ(page.RowPressed(110, 390, true, mic), 20);
    page.Scroll(100);
    EXPECT_TRUE(page.AtBottom());
    EXPECT_EQ(page.TopRow(), 10) << "the last row stands at the bottom of the page";
    EXPECT_EQ(page.RowPressed(110, 390, true, mic), 30);
    EXPECT_EQ(page.HoverAt(110, 390).labelY, 380);
    EXPECT_EQ(page.MicrophoneRowAt(5, 5), 11);
    page.Scroll(-100);
    EXPECT_TRUE(page.AtTop());

    // Rows 21 pixels high: 19 whole rows fit; the part below them is empty.
    page.Layout(store, entries, "", "", 21, [](const std::string& t) { return static_cast<int>(t.size()) * 10; });
    EXPECT_EQ(page.RowPressed(110, 398, true, mic), 19);
    EXPECT_EQ(page.RowPressed(110, 402, true, mic), 0);
    EXPECT_FALSE(page.Shown(page.Rows()[19]));
}

}  // namespace
}  // namespace quillan
