// The comprehension exercise without its window: the examples of a catalog entry, the clicks,
// the attempts, the score and what reaches the learner's files.

#include "exercises/reading/comprehension.h"

#include <gtest/gtest.h>

#include "exercises/exercise_fixture.h"

namespace quillan {
namespace {

TEST(ComprehensionKeys, AreTheTextsBeforeEachEqualsSign) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"r01=r02=", {"r01", "r02"}},
        {"r01=r02", {"r01", "r02"}},  // a last key without its "=" (no endless search for it)
        {"", {}},
        {"   ", {}},
        {"a==b=", {"a", "", "b"}},
        {"r01=  ", {"r01"}},
    };
    for (const auto& [line, keys] : cases) EXPECT_EQ(Comprehension::ExampleKeys(line), keys) << line;
}

class ComprehensionTest : public ::testing::Test, public test::ExerciseFixture {
protected:
    ComprehensionTest() : exercise(ctx) {
        exercise.beep = [this] { ++beeps; };
        for (int i = 1; i <= 30; ++i) {
            const std::string n = std::to_string(i);
            ctx.course.comprehension.push_back(
                {"k" + n, "rec" + n, "Polskie " + n, " English " + n + " ", {"right" + n, "wrong" + n, "other" + n, ""}});
        }
        dir.Write("rozumienia_wav_r/rec1.wav", "RIFF");
        dir.Write("media/Rozumienia_gfx_r/right1.bmp", "BM");
        dir.Write("media/Rozumienia_gfx_r/wrong1.bmp", "BM");
    }

    void Catalog(const std::string& line4) { ctx.course.catalog = {{"0001110101", "Opis", "Description", line4}}; }
    // Clicks a picture: the right one or the first wrong one.
    void Answer(bool right) {
        const int correct = exercise.Screen().rightPicture;
        exercise.PictureClicked(right ? correct : (correct == 1 ? 2 : 1));
    }

    Comprehension exercise;
    int beeps = 0;
};

TEST_F(ComprehensionTest, AWrongExampleComesBackAndTheScoreCountsEveryClick) {
    Catalog("k1=k2=k3=k4=");
    ASSERT_TRUE(exercise.Open("rpg_1", 1));
    ASSERT_EQ(exercise.Examples().size(), 4u);
    const ComprehensionScreen& s = exercise.Screen();
    EXPECT_EQ(s.instruction, "T12");
    EXPECT_TRUE(s.picturesActive);
    EXPECT_EQ(player.played.back(), (test::FakeSoundPlayer::Play{dir.Path() + "rozumienia_wav_r\\rec1.wav", false}));

    // Example 1 wrong twice, then right; the others right at once.
    Answer(false);
    EXPECT_EQ(s.cross, 0) << "the cross goes after the pause";
    EXPECT_EQ(clock.waited, (std::vector<unsigned>{1500}));
    EXPECT_FALSE(s.polishVisible) << "not finished after one wrong answer";
    EXPECT_TRUE(s.nextVisible);
    Answer(true);  // a second click on the same presentation counts for nothing
    EXPECT_EQ(exercise.RightCount(), 0);
    std::vector<std::string> order = {exercise.Examples()[static_cast<size_t>(exercise.ExampleIndex()) - 1].Key};
    while (!exercise.NextClicked()) {
        order.push_back(exercise.Examples()[static_cast<size_t>(exercise.ExampleIndex()) - 1].Key);
        const bool right = order.back() != "k1" || order.size() >= 6;
        Answer(right);
        if (right) {
            EXPECT_EQ(s.tick, s.rightPicture);
            EXPECT_FALSE(s.tickAtCorner);
            EXPECT_TRUE(s.polishVisible);
            EXPECT_EQ(s.english, "English " + order.back().substr(1)) << "trimmed";
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"k1", "k2", "k3", "k4", "k1", "k1"}));
    EXPECT_TRUE(exercise.Completed());
    EXPECT_EQ(exercise.Percent(), 67);  // 4 / (4 + 2)

    const SummaryRequest summary = exercise.Close();
    EXPECT_EQ(summary.lines, (std::array<std::string, 4>{"4", "2", "67", "4"}));
    EXPECT_FALSE(summary.backShown);
    const CW_Info record = Saved("rpg_1", 54);
    EXPECT_EQ(record.Result, 67);
    EXPECT_EQ(record.Completed, 1);
    const RepetitionList repetitions = SavedRepetitions();
    ASSERT_EQ(repetitions.entries.size(), 1u);
    EXPECT_EQ(repetitions.entries[0].Kind, 54);
    EXPECT_EQ(repetitions.entries[0].Index, 0);
}

TEST_F(ComprehensionTest, TheThirdWrongAnswerShowsTheRightPictureAndFinishesTheExample) {
    Catalog("k1=");
    ASSERT_TRUE(exercise.Open("rpg_1", 1));
    const ComprehensionScreen& s = exercise.Screen();
    for (int attempt = 1; attempt <= 3; ++attempt) {
        Answer(false);
        EXPECT_EQ(s.tick != 0, attempt == 3);
        EXPECT_EQ(s.polishVisible, attempt == 3);
        if (attempt < 3) {
            EXPECT_FALSE(exercise.NextClicked());
        }
    }
    EXPECT_EQ(s.tick, s.rightPicture);
    EXPECT_TRUE(s.tickAtCorner);
    EXPECT_EQ(clock.waited.size(), 3u);
    EXPECT_TRUE(exercise.NextClicked());
    EXPECT_EQ(exercise.Close().lines, (std::array<std::string, 4>{"0", "3", "0", "1"}));
    EXPECT_EQ(Saved("rpg_1", 54).Completed, 1);
}

TEST_F(ComprehensionTest, ClosingAtOnceRecordsNothing) {
    Catalog("k1=k2=");
    ASSERT_TRUE(exercise.Open("rpg_1", 1));
    EXPECT_EQ(exercise.Close().lines, (std::array<std::string, 4>{"0", "0", "0", "2"}));
    EXPECT_EQ(Saved("rpg_1", 54).DoneCount, 0);
    EXPECT_TRUE(SavedRepetitions().entries.empty());
}

TEST_F(ComprehensionTest, PicturesAreShuffledWithTheRightOneAndMissingFilesHavePlaceholders) {
    Catalog("k1=k2=");
    random.values = {0, 2, 1, 1, 1, 0};  // example 1: pictures 1 and 3 swap; example 2: 2 and 1 (after equal draws)
    ASSERT_TRUE(exercise.Open("rpg_1", 1));
    const ComprehensionExample& one = exercise.Examples()[0];
    EXPECT_EQ(one.Pictures, (std::array<std::string, 3>{"other1", "wrong1", "right1"}));
    EXPECT_EQ(one.RightPicture, 3);
    EXPECT_EQ(exercise.Examples()[1].RightPicture, 2);
    const std::string dir = ctx.startup.MediaDir + "Rozumienia_gfx_r\\";
    EXPECT_EQ(exercise.Screen().pictures,
              (std::array<std::string, 3>{dir + "tmp_1.bmp", dir + "wrong1.bmp", dir + "right1.bmp"}));
    EXPECT_EQ(exercise.Screen().rightPicture, 3);
    EXPECT_EQ(beeps, 0);

    exercise.PictureClicked(3);
    exercise.NextClicked();
    EXPECT_EQ(beeps, 1) << "the second example has no recording";
}

TEST_F(ComprehensionTest, TooManyKeysGiveTheFirstTwentyAndUnknownKeysAreLeftOut) {
    std::string keys;
    for (int i = 1; i <= 25; ++i) keys += "k" + std::to_string(i) + "=";
    Catalog(keys);
    ASSERT_TRUE(exercise.Open("rpg_1", 1));
    EXPECT_EQ(exercise.Examples().size(), 20u);
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_EQ(messages.warnings[0], "Za duzo przyk\xB3" "ad\xF3w w cwiczeniu!!!");

    Catalog("k1=nothing=k2=");
    ASSERT_TRUE(exercise.Open("rpg_1", 1));
    EXPECT_EQ(exercise.Examples().size(), 2u);
    EXPECT_EQ(exercise.Examples()[1].Key, "k2");

    // An entry without examples opens, shows nothing to click, and closes.
    Catalog("");
    ASSERT_TRUE(exercise.Open("rpg_1", 1));
    EXPECT_FALSE(exercise.Screen().picturesActive);
    exercise.PictureClicked(1);
    EXPECT_EQ(exercise.Close().lines, (std::array<std::string, 4>{"0", "0", "0", "0"}));

    EXPECT_FALSE(exercise.Open("rpg_9", 9));
    EXPECT_EQ(messages.errors.size(), 1u);
}

}  // namespace
}  // namespace quillan
