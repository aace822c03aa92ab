#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>

#include "audio/shared_player.h"
#include "platform/paths.h"
#include "platform/qt/qt_media_device.h"
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

}  // namespace
}  // namespace quillan
