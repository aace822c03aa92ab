// The dialogue window with the real player and the real sound input (scripts/test runs a private
// sound server with a silent output and a sine-wave input when the machine has none): a line is
// recorded from the input and heard inside the dialogue, whose lines follow each other by the
// player's end notification; a role reads the other lines by the window's timer.

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QMouseEvent>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "audio/recorder.h"
#include "audio/resource_form.h"
#include "audio/wav_file.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "dialogue_fixture.h"
#include "exercises/dialogues/dialogue_window.h"
#include "forms/shared_forms.h"
#include "platform/qt/qt_audio_capture.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

// The shared player as the window uses it, noting each line it is asked to play.
class NotingPlayer : public SoundPlayer {
public:
    explicit NotingPlayer(SoundPlayer& real) : real_(real) {}
    void PlaySound(const std::string& path, bool wait) override { real_.PlaySound(path, wait); }
    void PlayLine(const std::string& audioName) override {
        lines.push_back(audioName);
        real_.PlayLine(audioName);
    }
    void PauseSound() override { real_.PauseSound(); }
    void StopSound() override { real_.StopSound(); }
    int OpenAndMeasure(const std::string& path) override { return real_.OpenAndMeasure(path); }
    void Close() override { real_.Close(); }
    bool IsPlaying() const override { return real_.IsPlaying(); }
    void SetPlaybackEndedHandler(std::function<void()> handler) override { real_.SetPlaybackEndedHandler(std::move(handler)); }
    void SetExerciseTimer(std::function<void(bool)> timer) override { real_.SetExerciseTimer(std::move(timer)); }

    std::vector<std::string> lines;

private:
    SoundPlayer& real_;
};

class DialogueSound : public ::testing::Test, public test::DialogueFixture {
protected:
    void SetUp() override {
        if (QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "no sound output on this machine";
        ctx.course.dialogues = {test::Alternating(3)};
        RecordLines(300);
        forms = std::make_unique<SharedForms>(ctx, printer);
        noting = std::make_unique<NotingPlayer>(forms->form5->Player());
        ctx.services.soundPlayer = noting.get();
        ctx.services.recorder = &realRecorder;
        form = std::make_unique<TDialogi_Form>(ctx, *forms);
        form->Exercise().showInfo = [this](const std::string& text) { told.push_back(text); };
    }
    void TearDown() override {
        form.reset();
        noting.reset();
        forms.reset();
    }

    test::FakePrinter printer;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<NotingPlayer> noting;
    QtAudioCapture capture;
    SharedRecorder realRecorder{capture, ctx};
    std::unique_ptr<TDialogi_Form> form;
    std::vector<std::string> told;
};

TEST_F(DialogueSound, ARecordedLineIsHeardInTheDialogue) {
    if (QMediaDevices::audioInputs().isEmpty()) GTEST_SKIP() << "no sound input on this machine";
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 2));
    TMImage& nag = *form->Nag[1];
    ASSERT_TRUE(nag.isVisible());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), nag.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&nag, &press);
    test::WaitFor([] { return false; }, 800);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), nag.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&nag, &release);
    ASSERT_EQ(form->Exercise().Lines()[1].audio, "save_2.wav") << (told.empty() ? "" : told[0]);
    const int length = SoundFileLengthMs(ctx.startup.ResultsDirectory + "save_2.Wav");
    EXPECT_GE(length, 600);
    EXPECT_LE(length, 1500) << "no more than was held";

    const auto start = std::chrono::steady_clock::now();
    test::Click(*form->btn_playAll);
    ASSERT_TRUE(test::WaitFor([&] { return form->Exercise().PlaybackState().empty(); }, 20000)) << "the dialogue did not end";
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(noting->lines, (std::vector<std::string>{"d1", "save_2.wav", "d3"}));
    EXPECT_GE(took, 300 + length + 300 - 100) << "each line played to its end";
    EXPECT_TRUE(told.empty()) << told[0];
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DialogueSound, ARoleWaitsOnTheOthersLinesAndStopsAtOnce) {
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 1));
    test::Click(*form->btn_play[0]);  // A: line 1, a pause of 24 x 70 ms on line 2, line 3
    ASSERT_TRUE(test::WaitFor([&] { return form->Exercise().CurrentLine() == 2; }, 5000));
    EXPECT_TRUE(form->PauseTimer->isActive());
    ASSERT_TRUE(test::WaitFor([&] { return form->Exercise().PlaybackState().empty(); }, 10000));
    EXPECT_EQ(noting->lines, (std::vector<std::string>{"d1", "d3"}));

    // Line 1 plays; the play button starts again from line 1 at once.
    test::Click(*form->btn_play[0]);
    test::WaitFor([] { return false; }, 100);
    test::Click(*form->btn_playAll);
    EXPECT_EQ(form->Exercise().PlaybackState(), "dialogi_All");
    EXPECT_EQ(form->Exercise().CurrentLine(), 1);
    ASSERT_TRUE(test::WaitFor([&] { return form->Exercise().PlaybackState().empty(); }, 10000));
    EXPECT_EQ(noting->lines, (std::vector<std::string>{"d1", "d3", "d1", "d1", "d2", "d3"}));
}

}  // namespace
}  // namespace quillan
