#include <gtest/gtest.h>

#include "audio/shared_player.h"
#include "platform/paths.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

// A media device that logs what it is told; a playback ends only when the test says so.
class FakeDevice : public MediaDevice {
public:
    bool Open(const std::string& path) override {
        log.push_back("open " + path);
        open = path;
        mode = Mode::Stopped;
        return true;
    }
    void Close() override {
        log.push_back("close");
        open.clear();
        mode = Mode::NotReady;
    }
    void Play() override {
        log.push_back("play");
        mode = Mode::Playing;
    }
    void Pause() override {
        log.push_back("pause");
        mode = Mode::Paused;
    }
    void Stop() override {
        log.push_back("stop");
        mode = Mode::Stopped;
    }
    void Seek(int ms) override { log.push_back("seek " + std::to_string(ms)); }
    int LengthMs() override { return open.empty() ? 0 : 1234; }
    int PositionMs() override { return 0; }
    Mode GetMode() const override { return mode; }
    void WaitUntilStopped() override {
        log.push_back("wait");
        End();  // the wait lasts until the end
    }
    void SetEndedHandler(std::function<void()> handler) override { ended = std::move(handler); }

    void End() {
        mode = Mode::Stopped;
        if (ended) ended();
    }

    std::vector<std::string> log;
    std::string open;
    Mode mode = Mode::NotReady;
    std::function<void()> ended;
};

class SharedPlayerTest : public ::testing::Test {
protected:
    SharedPlayerTest() {
        state.ProgramDir = dir.Path();
        state.MediaDir = dir.Path() + "media\\";
        ok = dir.Path() + "Wav_r\\ok.wav";
        no = dir.Path() + "Wav_r\\no.wav";
        dir.Write("Wav_r/ok.wav", "RIFF");
        dir.Write("Wav_r/no.wav", "RIFF");
        player.SetExerciseTimer([this](bool on) { timer.push_back(on); });
    }

    test::TempDir dir;
    StartupState state;
    FakeDevice device;
    test::FakeMessages messages;
    SharedPlayer player{device, messages, state};
    std::string ok, no;
    std::vector<bool> timer;
};

TEST_F(SharedPlayerTest, MissingFileIsReportedAndNothingPlays) {
    const std::string missing = dir.Path() + "Wav_r\\brak.wav";
    player.PlaySound(missing, false);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Brak pliku: " + missing + "."});
    EXPECT_TRUE(device.log.empty());
    EXPECT_TRUE(timer.empty());
}

TEST_F(SharedPlayerTest, TheSameFileIsNotOpenedAgain) {
    player.PlaySound(ok, false);
    player.PlaySound(ok, false);
    EXPECT_EQ(device.log, (std::vector<std::string>{"close", "open " + NativePath(ok), "play", "play"}));
    EXPECT_EQ(player.FileName(), ok);
    EXPECT_EQ(timer, (std::vector<bool>{true, true}));

    device.log.clear();
    player.PlaySound(no, false);
    EXPECT_EQ(device.log, (std::vector<std::string>{"close", "open " + NativePath(no), "play"}));
}

TEST_F(SharedPlayerTest, WaitingPlayReturnsAfterTheEnd) {
    int ends = 0;
    player.SetPlaybackEndedHandler([&] { ++ends; });
    player.PlaySound(ok, true);
    EXPECT_TRUE(player.WaitSwitch());
    EXPECT_EQ(device.log.back(), "wait");
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(SharedPlayerTest, PauseOnlyPausesAPlayingSound) {
    player.PauseSound();
    EXPECT_TRUE(device.log.empty());
    player.PlaySound(ok, false);
    player.PauseSound();
    EXPECT_EQ(device.log.back(), "pause");
    player.PauseSound();  // already paused: stays so
    EXPECT_EQ(device.log.back(), "pause");
    EXPECT_EQ(std::count(device.log.begin(), device.log.end(), "pause"), 1);
    EXPECT_EQ(timer, (std::vector<bool>{false, true, false, false}));  // pausing always stops the timer
    player.PlaySound(ok, false);  // goes on from where it stood
    EXPECT_EQ(device.log.back(), "play");
    EXPECT_TRUE(player.IsPlaying());
}

TEST_F(SharedPlayerTest, StopClosesSoTheNextPlayOpensAgain) {
    player.PlaySound(ok, false);
    player.StopSound();
    EXPECT_EQ(device.log.back(), "close");
    EXPECT_EQ(player.FileName(), "");
    EXPECT_EQ(timer.back(), false);
    device.log.clear();
    player.PlaySound(ok, false);
    EXPECT_EQ(device.log, (std::vector<std::string>{"close", "open " + NativePath(ok), "play"}));

    device.log.clear();
    timer.clear();
    player.StopSound();
    player.StopSound();  // nothing open: nothing to do
    EXPECT_EQ(device.log, std::vector<std::string>{"close"});
    EXPECT_EQ(timer, std::vector<bool>{false});
}

// Stopping the sound stops the program's other players too, whatever the shared one holds.
TEST_F(SharedPlayerTest, StopSilencesTheOtherPlayersToo) {
    FakeDevice media;
    player.AddOtherPlayer([&] { media.Stop(); });
    const std::function<void()> before[] = {
        [] {},                                  // nothing ever played
        [&] { player.PlaySound(ok, false); },   // a sound plays
        [&] { player.PlaySound(ok, false); player.PauseSound(); },
    };
    for (const auto& setUp : before) {
        setUp();
        media.Open("text.wav");
        media.Play();
        player.StopSound();
        EXPECT_EQ(media.GetMode(), MediaDevice::Mode::Stopped);
        EXPECT_FALSE(player.IsPlaying());
    }
}

TEST_F(SharedPlayerTest, DialogueLines) {
    dir.Write("media/Dialogi/d1_01.wav", "RIFF");
    dir.Write("save_2.wav", "RIFF");
    player.PlayLine("d1_01");
    player.PlayLine("save_2.wav");
    player.PlayLine("d1_02");
    const std::string missing = dir.Path() + "media\\Dialogi\\d1_02.wav";
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Nie odnaleziono pliku: " + missing});
    EXPECT_EQ(device.log, (std::vector<std::string>{"close", "open " + NativePath(dir.Path() + "media\\Dialogi\\d1_01.wav"),
                                                    "play", "close", "open " + NativePath(dir.Path() + "save_2.wav"), "play"}));
}

TEST_F(SharedPlayerTest, EndOfPlaybackReachesTheListener) {
    std::vector<std::string> heard;
    player.SetPlaybackEndedHandler([&] { heard.push_back(player.FileName()); });
    player.PlaySound(ok, false);
    device.End();
    EXPECT_EQ(heard, std::vector<std::string>{ok});
    player.SetPlaybackEndedHandler(nullptr);
    device.End();
    EXPECT_EQ(heard.size(), 1u);
}

TEST_F(SharedPlayerTest, MeasuringOpensTheFileAfresh) {
    EXPECT_EQ(player.OpenAndMeasure(dir.Path() + "tmp1.wav"), 0);  // no take yet
    EXPECT_TRUE(device.log.empty());
    EXPECT_EQ(player.OpenAndMeasure(ok), 1234);
    EXPECT_EQ(player.OpenAndMeasure(ok), 1234);  // a take replaced under the same name is read anew
    EXPECT_EQ(std::count(device.log.begin(), device.log.end(), "open " + NativePath(ok)), 2);
    device.log.clear();
    player.PlaySound(ok, true);  // then plays without opening again
    EXPECT_EQ(device.log, (std::vector<std::string>{"play", "wait"}));
    player.Close();
    EXPECT_EQ(player.FileName(), "");
}

}  // namespace
}  // namespace quillan
