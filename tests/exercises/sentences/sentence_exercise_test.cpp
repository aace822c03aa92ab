// The sentence exercise as its window drives it: tabs, checks, the order of the sentences, the
// statistics, the summary, takes, and what reaches the learner's files.

#include "exercises/sentences/sentence_exercise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "exercises/exercise_fixture.h"
#include "platform/paths.h"
#include "support/wav.h"

namespace quillan {
namespace {

class SentenceExerciseTest : public ::testing::Test, public test::ExerciseFixture {
protected:
    SentenceExerciseTest() : exercise(ctx) {
        exercise.showSummary = [this](const SummaryRequest& summary) {
            summaries.push_back(summary);
            return endAtSummary;
        };
        exercise.closeWindow = [this] {
            ++closeRequests;
            exercise.Close();
        };
        exercise.showInfo = [this](const std::string& text) { infos.push_back(text); };
        ctx.learner.settings.ShowSentenceTipOnce = false;
        ctx.learner.settings.CaseSensitive = true;
    }

    // Types the sentence on screen (or `wrong`) and checks, then goes on.
    void Dictate(bool right) {
        ASSERT_NE(exercise.Current(), nullptr);
        exercise.KeyTyped();
        exercise.CheckClicked(right ? exercise.Current()->Variant1 : "wrong");
    }

    SentenceExercise exercise;
    std::vector<SummaryRequest> summaries;
    std::vector<std::string> infos;
    bool endAtSummary = true;
    int closeRequests = 0;
};

TEST_F(SentenceExerciseTest, AWrongSentenceComesBackAndTheScoreCountsIt) {
    Package({test::SentenceOf("One is here.", "s1.wav"), test::SentenceOf("Two is there.", "s2.wav"),
             test::SentenceOf("Three is gone.", "s3.wav")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 51));
    EXPECT_EQ(exercise.Screen().tab, kDictationTab);
    EXPECT_TRUE(exercise.Screen().typingVisible);
    EXPECT_EQ(exercise.Screen().info, "T18");
    EXPECT_EQ(exercise.Screen().stats, (std::array<std::string, 4>{"0", "0", "0", "3"}));
    EXPECT_EQ(exercise.Screen().typingLimit, static_cast<int>(exercise.Current()->Variant1.size()) + 25);
    // The sentence plays as it is set up.
    ASSERT_FALSE(player.played.empty());
    EXPECT_EQ(player.played.back(), (test::FakeSoundPlayer::Play{ctx.startup.BsgramDir + exercise.Current()->Extra, false}));

    std::vector<std::string> asked;
    asked.push_back(exercise.Current()->Variant1);
    Dictate(false);
    EXPECT_TRUE(exercise.Screen().infoRed);
    EXPECT_EQ(exercise.Screen().info, "T79");
    EXPECT_EQ(exercise.Screen().answer, asked[0]);
    EXPECT_EQ(exercise.AnswerToShow(), "wrong");
    EXPECT_EQ(exercise.Screen().stats, (std::array<std::string, 4>{"0", "1", "0", "3"}));
    exercise.CheckClicked("");  // next
    while (summaries.empty() && asked.size() < 6) {
        asked.push_back(exercise.Current()->Variant1);
        Dictate(true);
        EXPECT_EQ(exercise.Screen().info, "T78");
        EXPECT_FALSE(exercise.Screen().infoRed);
        exercise.CheckClicked("");
    }
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[3], asked[0]) << "the wrong sentence comes back after the others";
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries[0].lines, (std::array<std::string, 4>{"3", "1", "75", ""}));
    EXPECT_TRUE(summaries[0].backShown);
    EXPECT_EQ(closeRequests, 1);

    const CW_Info record = Saved("zda_1", 51);
    EXPECT_EQ(record.Result, 75);
    EXPECT_EQ(record.Completed, 1);
    EXPECT_EQ(record.DoneCount, 1);
    const RepetitionList repetitions = SavedRepetitions();
    ASSERT_EQ(repetitions.entries.size(), 1u);
    EXPECT_EQ(repetitions.entries[0].Kind, 51);
    EXPECT_EQ(repetitions.entries[0].Index, 2);
}

TEST_F(SentenceExerciseTest, ThePuzzleChecksTheWordsInOrderWithLetterCase) {
    ctx.learner.settings.CaseSensitive = false;  // the puzzle's check counts letter case all the same
    Package({test::SentenceOf("I am late.")});
    random.values = {0, 1, 0, 2, 1, 2};  // "late. am I"
    ASSERT_TRUE(exercise.Open("zda_1", 1, 50));
    EXPECT_TRUE(exercise.Screen().puzzleVisible);
    EXPECT_EQ(exercise.Screen().info, "T19");
    EXPECT_NE(exercise.Puzzle().Sentence(), "I am late.");
    exercise.CheckClicked("");
    EXPECT_TRUE(exercise.Screen().infoRed);
    EXPECT_EQ(exercise.Screen().info, "T77");
    EXPECT_EQ(exercise.Screen().answer, "I am late.");
    EXPECT_FALSE(exercise.Screen().puzzleVisible);
    EXPECT_EQ(exercise.AnswerToShow(), exercise.Puzzle().Sentence());
    EXPECT_TRUE(exercise.ActivityDone());

    // Set up again (the only sentence comes back), then put in order by moving words.
    exercise.CheckClicked("");
    EXPECT_TRUE(exercise.Screen().puzzleVisible);
    exercise.LayOutPuzzle([](const std::string& text) { return 10 * static_cast<int>(text.size()); }, 16);
    for (int round = 0; round < 4 && exercise.Puzzle().Sentence() != "I am late."; ++round) {
        // Move the word that belongs first to the front, then the next, ...
        const std::vector<std::string> words = exercise.Puzzle().Words();
        const std::vector<std::string> target = {"I", "am", "late."};
        const int from = static_cast<int>(std::find(words.begin(), words.end(), target[static_cast<size_t>(round)]) - words.begin()) + 1;
        const WordBox source = exercise.Puzzle().Boxes()[static_cast<size_t>(from) - 1];
        const WordBox destination = exercise.Puzzle().Boxes()[static_cast<size_t>(round)];
        exercise.PuzzlePressed(source.x + 1, source.y + 1, true);
        exercise.PuzzleDraggedTo(destination.x + 1, destination.y + 1);
        exercise.PuzzleDropped(destination.x + 1, destination.y + 1);
        exercise.LayOutPuzzle([](const std::string& text) { return 10 * static_cast<int>(text.size()); }, 16);
    }
    EXPECT_EQ(exercise.Puzzle().Sentence(), "I am late.");
    exercise.CheckClicked("");
    EXPECT_EQ(exercise.Screen().info, "T76");
    EXPECT_EQ(exercise.Screen().answer, "I am late.");
    EXPECT_TRUE(exercise.AllSolved());
    exercise.CheckClicked("");
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries[0].lines[2], "50");
    EXPECT_EQ(Saved("zda_1", 50).Result, 50);
}

TEST_F(SentenceExerciseTest, TheTranslationIsSelfAssessed) {
    Package({test::SentenceOf("Good morning.", "", {}, "Dzien dobry."), test::SentenceOf("Good night.", "", {}, "Dobranoc.")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 52));
    const SentenceScreen& s = exercise.Screen();
    EXPECT_EQ(s.info, "T20");
    EXPECT_TRUE(s.revealVisible);
    EXPECT_FALSE(s.checkVisible);
    EXPECT_FALSE(s.sentenceVisible);
    EXPECT_TRUE(player.played.empty()) << "a sentence without a recording plays nothing";

    const std::string first = exercise.Current()->Variant1;
    exercise.RevealClicked();
    EXPECT_TRUE(s.sentenceVisible && s.translationVisible && s.yesVisible && s.noVisible);
    EXPECT_EQ(s.sentence, first);
    exercise.KnewClicked(false);
    EXPECT_TRUE(s.nextVisible);
    EXPECT_FALSE(s.yesVisible);
    exercise.NextClicked();
    for (int i = 0; i < 2; ++i) {
        exercise.RevealClicked();
        exercise.KnewClicked(true);
        if (i == 1) {
            EXPECT_TRUE(exercise.AllSolved()) << "the last sentence known completes the tab";
        }
        exercise.NextClicked();
    }
    ASSERT_EQ(summaries.size(), 1u);
    // 2 of 3: 66 shown, 67 recorded.
    EXPECT_EQ(summaries[0].lines, (std::array<std::string, 4>{"2", "1", "66", ""}));
    EXPECT_EQ(Saved("zda_1", 52).Result, 67);
    EXPECT_EQ(Saved("zda_1", 52).Completed, 1);
}

TEST_F(SentenceExerciseTest, ATabLeftReportsWithoutRepetitionAndClosingWithoutWorkRecordsNothing) {
    Package({test::SentenceOf("A b.", "a.wav"), test::SentenceOf("C d.", "c.wav")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 51));
    Dictate(true);
    exercise.ClickTab(kDictationTab);  // the active tab: nothing
    EXPECT_EQ(exercise.CorrectCount(), 1);
    exercise.ClickTab(kPuzzleTab);
    EXPECT_EQ(exercise.Screen().tab, kPuzzleTab);
    EXPECT_EQ(exercise.CorrectCount(), 0);
    EXPECT_EQ(exercise.Screen().stats, (std::array<std::string, 4>{"0", "0", "0", "2"}));
    CW_Info left = Saved("zda_1", 51);
    EXPECT_EQ(left.Result, 50);
    EXPECT_EQ(left.Completed, 0);
    EXPECT_TRUE(SavedRepetitions().entries.empty());

    // Nothing done in the puzzle: closing records nothing more.
    EXPECT_TRUE(exercise.ExitClicked());
    EXPECT_TRUE(summaries.empty());
    exercise.Close();
    EXPECT_EQ(Saved("zda_1", 50).DoneCount, 0);
    EXPECT_EQ(Saved("zda_1", 51).DoneCount, 1);
    EXPECT_TRUE(SavedRepetitions().entries.empty());
}

TEST_F(SentenceExerciseTest, LeavingAfterWorkAsksThroughTheSummary) {
    Package({test::SentenceOf("A b.", "a.wav"), test::SentenceOf("C d.", "c.wav")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 51));
    Dictate(false);
    endAtSummary = false;
    EXPECT_FALSE(exercise.ExitClicked()) << "back to the exercise";
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries[0].lines, (std::array<std::string, 4>{"0", "1", "0", "2"}));
    EXPECT_TRUE(exercise.IsOpen());
    endAtSummary = true;
    EXPECT_TRUE(exercise.ExitClicked());
    exercise.Close();
    const CW_Info record = Saved("zda_1", 51);
    EXPECT_EQ(record.DoneCount, 1);
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 0);
}

TEST_F(SentenceExerciseTest, TheTipComesAfterTheFirstWrongCheckOnly) {
    ctx.learner.settings.ShowSentenceTipOnce = true;
    Package({test::SentenceOf("A b.", "a.wav")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 51));
    Dictate(false);
    EXPECT_EQ(infos, (std::vector<std::string>{"T80"}));
    EXPECT_FALSE(ctx.learner.settings.ShowSentenceTipOnce);
    EXPECT_FALSE(LoadSettings(SettingsPath(ctx), 0).ShowSentenceTipOnce) << "kept for this learner";
    exercise.CheckClicked("");
    Dictate(false);
    EXPECT_EQ(infos.size(), 1u);
}

TEST_F(SentenceExerciseTest, PackagesOfOneAndOfManySentences) {
    // One sentence of one word: the puzzle cannot be shuffled and is right at once.
    Package({test::SentenceOf("Hello.")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 50));
    EXPECT_FALSE(exercise.Puzzle().Shuffled());
    exercise.CheckClicked("");
    EXPECT_EQ(exercise.Screen().info, "T76");
    exercise.CheckClicked("");
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(Saved("zda_1", 50).Result, 100);

    // Twenty-five sentences: more than a window of the course held; every one is asked.
    std::vector<Sentence> many;
    for (int i = 1; i <= 25; ++i) many.push_back(test::SentenceOf("Sentence number " + std::to_string(i) + "."));
    Package(many);
    summaries.clear();
    ASSERT_TRUE(exercise.Open("zda_1", 1, 51));
    std::set<std::string> asked;
    for (int i = 0; i < 25; ++i) {
        asked.insert(exercise.Current()->Variant1);
        Dictate(true);
        exercise.CheckClicked("");
    }
    EXPECT_EQ(asked.size(), 25u);
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries[0].lines[0], "25");
    EXPECT_EQ(Saved("zda_1", 51).Result, 100);
    EXPECT_EQ(Saved("zda_1", 51).Completed, 1);
}

TEST_F(SentenceExerciseTest, ANoPackageLineOpensNothing) {
    Package({test::SentenceOf("A b.")});
    EXPECT_FALSE(exercise.Open("zda_7", 7, 50));
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_FALSE(exercise.IsOpen());
}

TEST_F(SentenceExerciseTest, TakesAreRecordedAndComparedWithTheSentence) {
    Package({test::SentenceOf("A b.", "a.wav")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 51));
    const std::string sentence = ctx.startup.BsgramDir + "a.wav";
    exercise.RecordReleased();  // no take started: nothing
    EXPECT_EQ(recorder.takeStops, 0);

    recorder.bytes = test::WavBytes(600);
    exercise.RecordPressed();
    EXPECT_EQ(recorder.takeStarts, 1);
    EXPECT_TRUE(exercise.Screen().recording);
    EXPECT_TRUE(exercise.Screen().takeTimerRunning);
    EXPECT_GE(player.closes, 1) << "the player lets the take's file go";
    player.played.clear();
    exercise.RecordReleased();
    EXPECT_EQ(recorder.takeStops, 1);
    EXPECT_FALSE(exercise.Screen().recording);
    EXPECT_FALSE(exercise.Screen().takeTimerRunning);
    EXPECT_TRUE(exercise.Screen().takeReplayVisible);
    // The take is the learner's own, where the recorder keeps it, never in the installation.
    const std::string take = ctx.startup.ResultsDirectory + "tmp1.Wav";
    EXPECT_EQ(player.played, (std::vector<test::FakeSoundPlayer::Play>{{take, true}, {sentence, false}}));
    EXPECT_FALSE(FileExists(dir.Path() + "tmp1.wav"));
    EXPECT_TRUE(infos.empty());

    // The time limit acts as the release; a take too short is told and compared all the same.
    recorder.bytes = test::WavBytes(100);
    exercise.RecordPressed();
    player.played.clear();
    exercise.TakeTimerFired();
    EXPECT_EQ(infos, (std::vector<std::string>{"T81"}));
    EXPECT_EQ(player.played.size(), 2u);
    exercise.RecordReleased();  // the release after the limit: nothing more
    EXPECT_EQ(recorder.takeStops, 2);
    EXPECT_EQ(infos.size(), 1u);
}

TEST_F(SentenceExerciseTest, ATakeThatCannotStartIsNotMeasured) {
    // No sound input: the recorder tells the learner and starts nothing.
    struct NoInput : test::FakeRecorder {
        void StartTake() override { ++takeStarts; }
    } noInput;
    ctx.services.recorder = &noInput;
    Package({test::SentenceOf("A b.", "a.wav")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 51));
    exercise.RecordPressed();
    player.played.clear();
    exercise.RecordReleased();
    EXPECT_TRUE(infos.empty()) << "no 'too short' after the recorder's own message";
    EXPECT_TRUE(player.played.empty());
    EXPECT_FALSE(exercise.Screen().recording);
    EXPECT_FALSE(exercise.Screen().takeTimerRunning);
}

// A take that cannot be saved (the recorder tells why) is not measured, and the earlier take
// still in the file is not offered or compared as if it were this one.
TEST_F(SentenceExerciseTest, ATakeThatCannotBeSavedDoesNotReplayTheEarlierOne) {
    Package({test::SentenceOf("A b.", "a.wav")});
    ASSERT_TRUE(exercise.Open("zda_1", 1, 51));
    recorder.bytes = test::WavBytes(600);
    exercise.RecordPressed();
    exercise.RecordReleased();
    ASSERT_TRUE(exercise.Screen().takeReplayVisible);

    recorder.bytes.clear();  // the next take is not saved
    exercise.RecordPressed();
    player.played.clear();
    exercise.RecordReleased();
    EXPECT_EQ(recorder.takeStops, 2);
    EXPECT_FALSE(exercise.Screen().takeReplayVisible);
    EXPECT_TRUE(player.played.empty()) << "the earlier take is not played as the new one";
    EXPECT_TRUE(infos.empty());
}

}  // namespace
}  // namespace quillan
