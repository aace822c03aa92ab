#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>

#include "audio/shared_player.h"
#include "platform/paths.h"
#include "platform/qt/qt_media_device.h"
#include "platform/qt/qt_sound_device.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"
#include "support/wav.h"

namespace quillan {
namespace {

// Real playback through the sound system (scripts/test runs a private sound server with a
// silent output when the machine has none).
class PlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "no sound output on this machine";
        state.ProgramDir = dir.Path();
        dir.Write("Wav_r/ok.wav", test::WavBytes(400));
        ok = dir.Path() + "Wav_r\\ok.wav";
        player.SetPlaybackEndedHandler([this] { ++ends; });
    }

    test::TempDir dir;
    StartupState state;
    test::FakeMessages messages;
    QtMediaDevice device;
    SharedPlayer player{device, messages, state};
    std::string ok;
    int ends = 0;
};

TEST_F(PlaybackTest, SoundPlaysToItsEndAndTellsIt) {
    EXPECT_NEAR(player.OpenAndMeasure(ok), 400, 30);
    player.PlaySound(ok, false);
    EXPECT_TRUE(player.IsPlaying());
    ASSERT_TRUE(test::WaitFor([&] { return ends > 0; }, 15000)) << "the end of the sound was not told";
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_TRUE(messages.shown.empty());

    // Played again from the end: it starts over and ends again.
    player.PlaySound(ok, false);
    ASSERT_TRUE(test::WaitFor([&] { return ends > 1; }, 15000));
}

TEST_F(PlaybackTest, WaitingPlayReturnsWhenTheSoundHasEnded) {
    // Should the wait never end, the watchdog stops the sound, which ends it too.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] { player.StopSound(); });
    watchdog.start(15000);
    bool eventsRan = false;
    QTimer::singleShot(50, [&] { eventsRan = true; });
    player.PlaySound(ok, true);
    EXPECT_TRUE(watchdog.isActive()) << "the wait was ended by the watchdog";
    EXPECT_TRUE(eventsRan) << "the window system stood still during the wait";
    EXPECT_FALSE(player.IsPlaying());
    ASSERT_TRUE(test::WaitFor([&] { return ends == 1; }, 5000));
}

// The next line made ready while one plays: it plays at once when opened, to its end; a line
// made ready but not asked for leaves the one asked for to play.
TEST_F(PlaybackTest, ALineMadeReadyPlaysWhenOpened) {
    dir.Write("Wav_r/no.wav", test::WavBytes(300));
    const std::string no = dir.Path() + "Wav_r\\no.wav";
    player.PlaySound(ok, false);
    device.Preload(NativePath(no));
    ASSERT_TRUE(test::WaitFor([&] { return ends == 1; }, 15000));
    EXPECT_EQ(player.OpenAndMeasure(no), 300);
    player.PlaySound(no, false);
    EXPECT_TRUE(player.IsPlaying());
    ASSERT_TRUE(test::WaitFor([&] { return ends == 2; }, 15000)) << "the line made ready did not play to its end";

    device.Preload(NativePath(no));
    player.PlaySound(ok, false);
    ASSERT_TRUE(test::WaitFor([&] { return ends == 3; }, 15000));
    EXPECT_NEAR(device.PositionMs(), 400, 60) << "the file asked for, not the one made ready";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlaybackTest, StoppedOrReplacedSoundsAreNotToldAsEnded) {
    dir.Write("Wav_r/no.wav", test::WavBytes(300));
    player.PlaySound(ok, false);
    player.StopSound();
    player.PlaySound(dir.Path() + "Wav_r\\no.wav", false);
    player.PlaySound(ok, false);  // replaces the sound before it ends
    ASSERT_TRUE(test::WaitFor([&] { return ends > 0; }, 15000));
    // Only the last one ran to its end; give a late report of the others time to come.
    test::WaitFor([] { return false; }, 300);
    EXPECT_EQ(ends, 1);
}

// The media window's controls on a sound: a pause holds the position, a seek moves it, a play
// goes on from there to the end, which is told once; a stop goes back to the start untold.
TEST_F(PlaybackTest, PauseSeekAndStopOnASound) {
    dir.Write("Teksty_wav/long.wav", test::WavBytes(1500));
    ASSERT_TRUE(device.Open(NativePath(dir.Path() + "Teksty_wav\\long.wav")));
    EXPECT_EQ(device.LengthMs(), 1500);
    EXPECT_EQ(device.KnownLengthMs(), 1500);
    EXPECT_EQ(device.GetMode(), MediaDevice::Mode::Stopped);
    device.Play();
    ASSERT_TRUE(test::WaitFor([&] { return device.PositionMs() >= 200; }, 15000)) << "the sound did not start";
    device.Pause();
    EXPECT_EQ(device.GetMode(), MediaDevice::Mode::Paused);
    const int paused = device.PositionMs();
    EXPECT_GE(paused, 200);
    test::WaitFor([] { return false; }, 200);
    EXPECT_EQ(device.PositionMs(), paused) << "a paused sound went on";

    device.Seek(1200);
    EXPECT_EQ(device.PositionMs(), 1200);
    EXPECT_EQ(device.GetMode(), MediaDevice::Mode::Paused);
    device.Play();
    EXPECT_EQ(device.GetMode(), MediaDevice::Mode::Playing);
    ASSERT_TRUE(test::WaitFor([&] { return ends == 1; }, 15000)) << "the end was not told";
    EXPECT_EQ(device.PositionMs(), 1500);
    EXPECT_EQ(device.GetMode(), MediaDevice::Mode::Stopped);

    device.Play();  // from the start again
    ASSERT_TRUE(test::WaitFor([&] { return device.PositionMs() > 0 && device.PositionMs() < 1500; }, 15000));
    device.Stop();
    EXPECT_EQ(device.GetMode(), MediaDevice::Mode::Stopped);
    EXPECT_EQ(device.PositionMs(), 0);
    test::WaitFor([] { return false; }, 300);
    EXPECT_EQ(ends, 1) << "a stopped sound was told as ended";
}

// Feedback sounds and recordings need not share a format: sounds of several formats, in turn,
// each play to their end.
TEST_F(PlaybackTest, SoundsOfDifferentFormatsPlayInTurn) {
    const std::vector<std::pair<int, int>> formats = {{22050, 1}, {44100, 2}, {8000, 1}, {22050, 1}, {44100, 2}};
    for (size_t i = 0; i < formats.size(); ++i) {
        const std::string name = "Wav_r\\f" + std::to_string(i) + ".wav";
        dir.Write("Wav_r/f" + std::to_string(i) + ".wav", test::WavBytes(150, formats[i].first, formats[i].second));
        EXPECT_NEAR(player.OpenAndMeasure(dir.Path() + name), 150, 1) << i;
        player.PlaySound(dir.Path() + name, false);
        ASSERT_TRUE(test::WaitFor([&] { return ends == static_cast<int>(i) + 1; }, 15000)) << "sound " << i << " did not end";
    }
    EXPECT_TRUE(messages.shown.empty());
}

// A file the sound device cannot read goes to the media player, which reports nothing of its own
// (a broken sound plays nothing); a missing one is the shared player's message.
TEST_F(PlaybackTest, BrokenAndMissingSoundsDoNotPlay) {
    dir.Write("Wav_r/broken.wav", "RIFF1234WAVEfmt not a sound");
    const std::string broken = dir.Path() + "Wav_r\\broken.wav";
    player.PlaySound(broken, false);
    test::WaitFor([&] { return !player.IsPlaying(); }, 5000);
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(messages.shown.empty());

    player.PlaySound(dir.Path() + "Wav_r\\none.wav", false);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Brak pliku: " + dir.Path() + "Wav_r\\none.wav.");

    player.PlaySound(ok, false);  // the sound device is still there for the next sound
    ASSERT_TRUE(test::WaitFor([&] { return ends == 1; }, 15000));
}

// Which files the sound device takes: WAV files libsndfile reads, of one or two channels.
TEST(SoundDevice, TakesWavFilesItCanRead) {
    test::TempDir dir;
    const struct {
        const char* name;
        std::string bytes;
        bool taken;
    } cases[] = {
        {"mono.wav", test::WavBytes(100), true},
        {"stereo.wav", test::WavBytes(100, 44100, 2), true},
        {"garbage.wav", "RIFF1234WAVEfmt not a sound", false},
        {"empty.wav", "", false},
        {"text.wav", "just some text that is no sound at all", false},
        {"no_frames.wav", test::WavBytes(0), false},
    };
    for (const auto& c : cases) {
        dir.Write(c.name, c.bytes);
        EXPECT_EQ(QtSoundDevice::CanPlay(NativePath(dir.Path() + c.name)), c.taken) << c.name;
    }
    EXPECT_FALSE(QtSoundDevice::CanPlay(NativePath(dir.Path() + "missing.wav")));
}

}  // namespace
}  // namespace quillan
