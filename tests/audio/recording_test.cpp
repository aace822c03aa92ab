// A real take from the sound input (scripts/test gives the machine a sine-wave source when it
// has no sound server), saved, measured and played back.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "session/app_context.h"
#include "audio/recorder.h"
#include "audio/shared_player.h"
#include "audio/wav_file.h"
#include "platform/paths.h"
#include "platform/qt/qt_audio_capture.h"
#include "platform/qt/qt_media_device.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

// The loudest sample of a 16-bit WAV file.
int Peak(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(NativePath(path).c_str(), SFM_READ, &info);
    if (!file) return -1;
    std::vector<short> samples(static_cast<size_t>(info.frames * info.channels));
    sf_read_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
    int peak = 0;
    for (short s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

TEST(Recording, ATakeFromTheInputIsARealWavThatPlays) {
    if (QMediaDevices::audioInputs().isEmpty()) GTEST_SKIP() << "no sound input on this machine";
    test::TempDir dir;
    test::FakeMessages messages;
    AppContext ctx;
    ctx.startup.ProgramDir = dir.Path();
    ctx.services.messages = &messages;
    QtMediaDevice device;
    SharedPlayer player(device, messages, ctx.startup);
    ctx.services.soundPlayer = &player;
    QtAudioCapture capture;
    SharedRecorder recorder(capture, ctx);

    recorder.StartTake();
    ASSERT_TRUE(capture.IsCapturing()) << (messages.shown.empty() ? "" : messages.shown[0]);
    test::WaitFor([] { return false; }, 1000);
    ASSERT_TRUE(recorder.StopTake());
    EXPECT_TRUE(messages.shown.empty());

    const std::string take = dir.Path() + "tmp1.wav";
    const int length = SoundFileLengthMs(take);
    EXPECT_GE(length, 600) << "a second was recorded";
    EXPECT_LE(length, 3000);
    if (std::getenv("QUILLAN_SINE_INPUT")) {
        EXPECT_GT(Peak(take), 1000) << "the sine wave is in the take";
    }

    // The shared player plays it to its end.
    int ends = 0;
    player.SetPlaybackEndedHandler([&] { ++ends; });
    EXPECT_NEAR(player.OpenAndMeasure(take), length, 100);
    player.PlaySound(take, false);
    EXPECT_TRUE(test::WaitFor([&] { return ends > 0; }, 15000)) << "the take did not play to its end";
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace quillan
