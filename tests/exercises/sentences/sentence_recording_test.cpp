// The sentence recording exercise without its window: the rows of a catalog entry, takes, the
// take followed by the model, and the result on closing.

#include "exercises/sentences/sentence_recording.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "exercises/learner_fixture.h"
#include "platform/paths.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/wav.h"

namespace quillan {
namespace {

TEST(RecordingKeys, EachEndedByAnEqualsSign) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"00001=00002=", {"00001", "00002"}},
        {" 00001 = 00002=  ", {"00001", "00002"}},
        {"00001=00002", {"00001", "00002"}},  // the last "=" missing: no endless loop
        {"", {}},
        {"   ", {}},
        {"==", {"", ""}},
    };
    for (const auto& [line, keys] : cases) EXPECT_EQ(RecordingKeys(line), keys) << line;
}

class SentenceRecordingTest : public ::testing::Test, public test::LearnerFixture {
protected:
    SentenceRecordingTest() : LearnerFixture({{"zdn_1", "ZDN_1", 56}}) {}

    void SetUp() override {
        ctx.course.catalog = {{"0001530101", "", "", "00001=00002=00009="}};
        std::string many;
        for (int k = 1; k <= 17; ++k) many += "0000" + std::to_string(k % 10) + "=";
        ctx.course.catalog.push_back({"0002530101", "", "", many});
        ctx.course.recording = {{"00001", "zdn_00001", "Good morning."},
                                {"00002", "zdn_00002", "An older text."},
                                {"00002", "zdn_00002b", "Please take a seat."}};
        exercise.showInfo = [this](const std::string& text) { infos.push_back(text); };
    }

    SentenceRecording exercise{ctx};
    std::vector<std::string> infos;
};

TEST_F(SentenceRecordingTest, RowsComeFromTheKeysAndTheRecordingSentences) {
    ASSERT_TRUE(exercise.Open("zdn_1", 1));
    const std::vector<RecordingRow>& rows = exercise.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text, "Good morning.");
    EXPECT_EQ(exercise.ModelPath(1), ctx.startup.BsgramDir + "sample\\zdn_00001.wav");
    EXPECT_EQ(rows[1].text, "Please take a seat.") << "the last sentence of a key wins";
    EXPECT_EQ(rows[1].sample, "zdn_00002b");
    EXPECT_EQ(rows[2].text, "00009") << "a key no sentence has shows itself";
    EXPECT_EQ(exercise.ModelPath(3), "");
    EXPECT_EQ(exercise.HelpKey(), "HH_T141");
    EXPECT_TRUE(infos.empty());
}

TEST_F(SentenceRecordingTest, MoreThanFifteenKeysShowTheFirstFifteenAndSaySo) {
    ASSERT_TRUE(exercise.Open("zdn_2", 2));
    EXPECT_EQ(exercise.Rows().size(), 15u);
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(exercise.Rows()[14].key, "00005");
    EXPECT_FALSE(exercise.Open("zdn_3", 3));
    EXPECT_EQ(messages.shown.size(), 1u) << "no such catalog entry";
}

TEST_F(SentenceRecordingTest, BackgroundFallsBackToTheWordListOne) {
    random.values = {2};
    ASSERT_TRUE(exercise.Open("zdn_1", 1));
    EXPECT_EQ(exercise.Background(), ctx.startup.MediaDir + "tla\\slow_0.jpg");
    dir.Write("media/tla/zdn_3.jpg", "x");
    random.values = {2};
    exercise.RandomBackground();
    EXPECT_EQ(exercise.Background(), ctx.startup.MediaDir + "tla\\zdn_3.jpg");
}

TEST_F(SentenceRecordingTest, ATakeIsRecordedWhileHeldAndPlayedBeforeTheModel) {
    ASSERT_TRUE(exercise.Open("zdn_1", 1));
    recorder.bytes = test::WavBytes(800);
    exercise.RecordPressed(2, true);
    EXPECT_TRUE(exercise.Rows()[1].recording);
    EXPECT_EQ(recorder.recordingStarts, 1);
    exercise.RecordReleased(2);
    EXPECT_FALSE(exercise.Rows()[1].recording);
    EXPECT_EQ(recorder.saved, std::vector<std::string>{dir.Path() + "learner\\savez_2.Wav"});
    EXPECT_EQ(exercise.Rows()[1].take, dir.Path() + "learner\\savez_2.Wav");
    EXPECT_GE(player.closes, 1) << "the player lets go of the file";

    exercise.PlayRow(2);
    EXPECT_EQ(player.played, (std::vector<test::FakeSoundPlayer::Play>{{dir.Path() + "learner\\savez_2.Wav", false}}));
    player.Finish();
    EXPECT_EQ(player.played.back(), (test::FakeSoundPlayer::Play{ctx.startup.BsgramDir + "sample\\zdn_00002b.wav", false}));
    player.Finish();
    EXPECT_EQ(player.played.size(), 2u) << "the model ends the comparison";

    // A row without a take plays its model; another row's click stops the take at once.
    exercise.PlayRow(1);
    EXPECT_EQ(player.played.back().path, ctx.startup.BsgramDir + "sample\\zdn_00001.wav");
    exercise.PlayRow(2);
    const int stops = player.stops;
    exercise.PlayRow(1);
    EXPECT_EQ(player.stops, stops + 1);
    player.Finish();
    EXPECT_EQ(player.played.back().path, ctx.startup.BsgramDir + "sample\\zdn_00001.wav") << "the stopped take's model does not follow";
}

TEST_F(SentenceRecordingTest, ShortUnsavedOrNonLeftTakesAreNotTaken) {
    ASSERT_TRUE(exercise.Open("zdn_1", 1));
    recorder.bytes = test::WavBytes(800);
    exercise.RecordPressed(1, true);
    exercise.RecordReleased(1);
    ASSERT_FALSE(exercise.Rows()[0].take.empty());

    recorder.bytes = test::WavBytes(200);
    exercise.RecordPressed(1, true);
    exercise.RecordReleased(1);
    EXPECT_EQ(infos, std::vector<std::string>{"T81"});
    EXPECT_EQ(exercise.Rows()[0].take, dir.Path() + "learner\\savez_1.Wav") << "the row keeps its take";

    // No input: an older take of row 3 is not taken for this one.
    dir.Write("learner/savez_3.Wav", test::WavBytes(900));
    recorder.bytes.clear();
    exercise.RecordPressed(3, true);
    exercise.RecordReleased(3);
    EXPECT_TRUE(exercise.Rows()[2].take.empty());

    // A right-button press records nothing; its release only restores the picture.
    exercise.RecordPressed(2, false);
    EXPECT_FALSE(exercise.Rows()[1].recording);
    exercise.RecordReleased(2);
    EXPECT_EQ(recorder.recordingStarts, 3);
    EXPECT_EQ(infos.size(), 1u);
}

TEST_F(SentenceRecordingTest, ClosingRecordsZeroCompletedEvenAtOnce) {
    ASSERT_TRUE(exercise.Open("zdn_1", 1));
    exercise.Close();
    const CW_Info saved = Saved(56);
    EXPECT_EQ(saved.DoneCount, 1);
    EXPECT_EQ(saved.Result, 0);
    EXPECT_EQ(saved.Completed, 1);
    RepetitionList reps;
    LoadRepetitions(reps, RepetitionsPath(ctx), clock.now);
    EXPECT_TRUE(reps.entries.empty()) << "no repetition for sentence recording";
    EXPECT_EQ(player.ended, nullptr);
}

TEST_F(SentenceRecordingTest, ClosingDuringATakeEndsIt) {
    ASSERT_TRUE(exercise.Open("zdn_1", 1));
    recorder.bytes = test::WavBytes(800);
    exercise.RecordPressed(1, true);
    exercise.Close();
    EXPECT_FALSE(recorder.recording);
    EXPECT_TRUE(infos.empty());
}

}  // namespace
}  // namespace quillan
