// The recorder's rules over a sound input that is faked: what is saved, when, and what the
// learner is told. Also the special-letter keys of the typing fields.

#include "audio/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "session/app_context.h"
#include "audio/accent_keys.h"
#include "audio/wav_file.h"
#include "platform/paths.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

// Gives `milliseconds` of silence at 8000 Hz per capture, or fails to start when there is
// no input.
class FakeCapture : public AudioCapture {
public:
    bool Start(std::string& problem) override {
        ++starts;
        if (!input) {
            problem = "no input";
            return false;
        }
        capturing = true;
        return true;
    }
    CapturedSound Stop() override {
        capturing = false;
        return {std::vector<int16_t>(static_cast<size_t>(milliseconds) * 8, 0), 8000};
    }
    bool IsCapturing() const override { return capturing; }

    bool input = true, capturing = false;
    int milliseconds = 500, starts = 0;
};

class RecorderRules : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.startup.ProgramDir = dir.Path();
        ctx.startup.ResultsDirectory = dir.Path() + "learner\\";
        std::filesystem::create_directory(dir.Path() + "learner");
        ctx.services.messages = &messages;
        ctx.services.soundPlayer = &player;
    }
    test::TempDir dir;
    test::FakeMessages messages;
    test::FakeSoundPlayer player;
    FakeCapture capture;
    AppContext ctx;
    SharedRecorder recorder{capture, ctx};
};

TEST_F(RecorderRules, ATakeIsSavedAsAWavOfItsLengthReplacingTheLastOne) {
    EXPECT_EQ(recorder.TakePath(), dir.Path() + "learner\\tmp1.Wav") << "the learner's own, not the installation's";
    EXPECT_FALSE(recorder.StopTake()) << "no take runs";
    EXPECT_FALSE(FileExists(recorder.TakePath()));

    recorder.StartTake();
    EXPECT_TRUE(recorder.TakeRecording());
    recorder.StartTake();  // ignored while a take runs
    EXPECT_EQ(capture.starts, 1);
    EXPECT_TRUE(recorder.StopTake());
    EXPECT_FALSE(recorder.TakeRecording());
    EXPECT_EQ(player.closes, 1) << "the player lets go of the file before it is replaced";
    EXPECT_EQ(SoundFileLengthMs(dir.Path() + "learner/tmp1.wav"), 500);
    EXPECT_FALSE(FileExists(dir.Path() + "tmp1.wav")) << "nothing is written into the installation";

    capture.milliseconds = 1200;
    recorder.StartTake();
    recorder.StopTake();
    EXPECT_EQ(SoundFileLengthMs(dir.Path() + "learner/tmp1.Wav"), 1200);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RecorderRules, WithoutAnInputTheLearnerIsToldOnceAndNothingIsSaved) {
    capture.input = false;
    dir.Write("learner/tmp1.Wav", "older take");
    for (int i = 0; i < 3; ++i) {
        recorder.StartTake();
        EXPECT_FALSE(recorder.TakeRecording());
        EXPECT_FALSE(recorder.StopTake());
        recorder.StartRecording();
        EXPECT_FALSE(recorder.StopRecording(dir.Path() + "save_1"));
    }
    EXPECT_EQ(messages.shown, std::vector<std::string>{"no input"});
    EXPECT_EQ(dir.Read("learner/tmp1.Wav"), "older take");
    EXPECT_FALSE(FileExists(dir.Path() + "save_1.Wav"));

    // Once recording works again, a later failure is told again.
    capture.input = true;
    recorder.StartTake();
    recorder.StopTake();
    capture.input = false;
    recorder.StartTake();
    recorder.StopTake();
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(RecorderRules, RecordingsGoToTheirBasePath) {
    EXPECT_FALSE(recorder.StopRecording(dir.Path() + "save_1")) << "a stop without a start";
    EXPECT_FALSE(FileExists(dir.Path() + "save_1.Wav"));

    recorder.StartRecording();
    EXPECT_TRUE(recorder.StopRecording(dir.Path() + "save_1"));
    capture.milliseconds = 700;
    recorder.StartRecording();
    EXPECT_TRUE(recorder.StopRecording(dir.Path() + "save_1"));
    EXPECT_EQ(SoundFileLengthMs(dir.Path() + "save_1.Wav"), 700) << "the second recording";

    // A directory that does not exist: nothing is written and nothing is said.
    recorder.StartRecording();
    EXPECT_FALSE(recorder.StopRecording(dir.Path() + "missing\\save_2"));
    EXPECT_FALSE(DirectoryExists(dir.Path() + "missing"));
    EXPECT_TRUE(messages.shown.empty());

    // A take that cannot be saved is told.
    ctx.startup.ResultsDirectory = dir.Path() + "missing\\";
    recorder.StartTake();
    EXPECT_FALSE(recorder.StopTake());
    EXPECT_EQ(messages.shown.size(), 1u);

    // Before a learner has signed in there is no place for a take: nothing is saved anywhere.
    ctx.startup.ResultsDirectory.clear();
    EXPECT_EQ(recorder.TakePath(), "");
    recorder.StartTake();
    EXPECT_FALSE(recorder.StopTake());
    EXPECT_FALSE(capture.capturing);
    EXPECT_FALSE(FileExists(dir.Path() + "tmp1.Wav"));
}

TEST(SoundFileLength, NotASoundIsZero) {
    test::TempDir dir;
    dir.Write("x.wav", "RIFF but nothing else");
    EXPECT_EQ(SoundFileLengthMs(dir.Path() + "x.wav"), 0);
    EXPECT_EQ(SoundFileLengthMs(dir.Path() + "none.wav"), 0);
}

TEST(AccentKeys, CtrlLettersByCourse) {
    struct Case {
        int variant;
        char key;
        bool shift, ctrl, alt;
        unsigned char letter;  // 0: the key types what it types
        bool despiteCtrl;      // typed also where Ctrl types nothing
    } cases[] = {
        {1, 'A', false, true, false, 0, false},    // this course changes nothing
        {2, 'A', false, true, false, 228, true},   // ä
        {2, 'A', true, true, false, 196, true},    // Ä
        {2, 'S', true, true, false, 223, true},    // ß has no capital
        {2, 'A', false, true, true, 0, false},     // Ctrl+Alt is the right Alt key
        {2, 'A', false, false, false, 0, false},
        {2, 'B', false, true, false, 0, false},
        {3, 'E', false, true, false, 231, false},  // ç
        {3, 'E', true, true, false, 231, false},
        {3, 'A', false, true, false, 0, false},
    };
    for (const Case& c : cases) {
        AccentKeys letters(c.variant);
        letters.TakeKeyDown(c.key, c.shift, c.ctrl, c.alt);
        const char typed = letters.TakeKeyPress('x');
        EXPECT_EQ(static_cast<unsigned char>(typed), c.letter ? c.letter : 'x') << c.variant << c.key;
        EXPECT_EQ(letters.TypedDespiteCtrl(), c.despiteCtrl) << c.variant << c.key;
    }
}

}  // namespace
}  // namespace quillan
