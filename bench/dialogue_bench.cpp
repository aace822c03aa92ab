// The dialogue exercise: a dialogue of 25 long lines started in each variant (its draws, the
// layout of every line and the painting of the text box as the window shows it), and, with the
// real player on the sound server, the time from a line's end notification to the next line's
// playback start.
//
//   build-release/bench/dialogue_bench      (offscreen; the playback case needs a sound server)

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QMediaDevices>
#include <QTimer>
#include <filesystem>

#include "app/program.h"
#include "audio/resource_form.h"
#include "audio/shared_player.h"
#include "audio/wav_file.h"
#include "exercises/dialogues/dialogue_window.h"
#include "forms/shared_forms.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_media_device.h"
#include "platform/qt/qt_printer.h"
#include "session/app_context.h"

namespace {

using namespace quillan;

// A player that plays nothing: the layout case measures no sound.
class SilentPlayer : public SoundPlayer {
public:
    void PlaySound(const std::string&, bool) override {}
    void PlayLine(const std::string&) override {}
    void PauseSound() override {}
    void StopSound() override {}
    int OpenAndMeasure(const std::string&) override { return 0; }
    void Close() override {}
    bool IsPlaying() const override { return false; }
    void SetPlaybackEndedHandler(std::function<void()>) override {}
    void SetExerciseTimer(std::function<void(bool)>) override {}
};

std::string Tone(int milliseconds) {
    std::vector<int16_t> samples(static_cast<size_t>(22050 * milliseconds / 1000));
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>((i / 25) % 2 ? 6000 : -6000);
    return WavFileBytes(samples, 22050);
}

// An installation with one dialogue of 25 lines of 24 words and its recordings.
class Installation {
public:
    Installation() {
        dir_ = (std::filesystem::temp_directory_path() / "quillan-bench-dialogue").string() + "/";
        std::filesystem::create_directories(dir_ + "learner");
        std::filesystem::create_directories(dir_ + "media/Dialogi");
        context.startup.ProgramDir = dir_;
        context.startup.MediaDir = dir_ + "media\\";
        context.startup.ResultsDirectory = dir_ + "learner\\";
        context.course.interfaceTexts.assign(200, "Posluchaj dialogu i kliknij kwestie.");
        Dialogue d;
        d.Code = "D_99";
        d.Title = "Negotiating the terms of delivery";
        d.VariantFlags = "TTTTT";
        d.Layout = 1;
        for (int n = 1; n <= 25; ++n) {
            std::string text = n % 2 ? "Sarah: " : "Tom: ";
            for (int w = 1; w <= 24; ++w) text += (w > 1 ? " " : "") + std::string(w % 3 ? "delivery" : "price,") + std::to_string(n * 100 + w);
            d.Lines.push_back({"b" + std::to_string(n), 1 + (n - 1) % 4, text, "Tlumaczenie kwestii " + std::to_string(n)});
            WriteFileAtomically(context.startup.MediaDir + "Dialogi\\b" + std::to_string(n) + ".wav", Tone(n <= 2 ? 300 : 100));
        }
        context.course.dialogues = {d};
        context.learner.results.file.path = dir_ + "learner/qlr2_55";
        context.learner.repetitions.file.path = dir_ + "learner/powt_qlr2_55";
        context.services.messages = &messages_;
        context.services.random = &random_;
        context.services.clock = &clock_;
    }
    ~Installation() { std::filesystem::remove_all(dir_); }

    AppContext context;

private:
    std::string dir_;
    SilentMessages messages_;
    SystemRandom random_;
    QtClock clock_;
};

Installation& Course() {
    static Installation installation;
    return installation;
}

// A variant started afresh (its draws and gaps), every line laid out, the text box painted, as
// "Wylosuj jeszcze raz" or a tab does it.
void StartLayOutAndPaint(benchmark::State& state) {
    Installation& course = Course();
    AppContext& context = course.context;
    QtPrinter printer([] { return std::string(); }, QtPrinter::Target::Pdf);
    SharedForms forms(context, printer);
    SilentPlayer silent;
    context.services.soundPlayer = &silent;
    TDialogi_Form form(context, forms);
    const int variant = static_cast<int>(state.range(0));
    form.OpenExercise("dia_1", 1, variant);
    QImage box(form.PaintBox1->size(), QImage::Format_ARGB32_Premultiplied);
    const int part = static_cast<int>(state.range(1));
    for (auto _ : state) {
        if (part == 0) form.Exercise().DrawAgain();  // the variant afresh, laid out
        form.PaintBox1->render(&box);
        benchmark::DoNotOptimize(box.bits());
    }
    state.counters["rows"] = form.Exercise().Layout().rows;
    state.counters["gaps"] = static_cast<double>(form.Exercise().Gaps().size());
    form.hide();
}
// Arguments: the variant; 0 starts it afresh each time, 1 only paints it again.
BENCHMARK(StartLayOutAndPaint)->ArgsProduct({{1, 2, 3, 4, 5}, {0}})->Unit(benchmark::kMicrosecond);
BENCHMARK(StartLayOutAndPaint)->ArgsProduct({{1, 5}, {1}})->Unit(benchmark::kMicrosecond);

// The real player on the sound server: line 1 (300 ms) ends, the end notification reaches the
// exercise, which opens line 2 and plays it. Timed from the end notification to the moment the
// player reports line 2 playing with its position moving (what the media backend needs to get
// a file's sound going is most of it); the counter "command_us" gives the exercise's own part,
// up to the play command, and "line1_ms" the time from line 1's play command to its end
// notification (300 ms when the end is told on time).
void EndToNextLine(benchmark::State& state) {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        state.SkipWithError("no sound output (start a sound server)");
        return;
    }
    Installation& course = Course();
    AppContext& context = course.context;
    QtMediaDevice device;
    device.Prepare();  // as the program does soon after its start
    SilentMessages messages;
    SharedPlayer player(device, messages, context.startup);

    // The player as the exercise sees it, noting when the end is told and when line 2 is asked for.
    class Timing : public SoundPlayer {
    public:
        Timing(SharedPlayer& real, QElapsedTimer& clock) : real_(real), clock_(clock) {}
        void PlaySound(const std::string& p, bool w) override { real_.PlaySound(p, w); }
        void PlayLine(const std::string& name) override {
            if (name == "b1") firstAt = clock_.nsecsElapsed();
            if (name == "b2") commandAt = clock_.nsecsElapsed();
            real_.PlayLine(name);
        }
        void PrepareLine(const std::string& name) override {
            if (prepare) real_.PrepareLine(name);
        }
        void PauseSound() override { real_.PauseSound(); }
        void StopSound() override { real_.StopSound(); }
        int OpenAndMeasure(const std::string& p) override { return real_.OpenAndMeasure(p); }
        void Close() override { real_.Close(); }
        bool IsPlaying() const override { return real_.IsPlaying(); }
        void SetPlaybackEndedHandler(std::function<void()> handler) override {
            real_.SetPlaybackEndedHandler([this, handler] {
                endedAt = clock_.nsecsElapsed();
                if (handler) handler();
            });
        }
        void SetExerciseTimer(std::function<void(bool)> t) override { real_.SetExerciseTimer(std::move(t)); }
        qint64 firstAt = -1, endedAt = -1, commandAt = -1;
        bool prepare = true;

    private:
        SharedPlayer& real_;
        QElapsedTimer& clock_;
    };
    QElapsedTimer clock;
    clock.start();
    Timing timing(player, clock);
    timing.prepare = state.range(0) == 1;
    context.services.soundPlayer = &timing;
    DialogueExercise exercise(context);
    exercise.Open(1, 1, "dia_1");

    // One round: line 1 plays to its end and line 2 starts; false when it does not.
    qint64 startedAt = -1;
    auto round = [&] {
        timing.firstAt = timing.endedAt = timing.commandAt = startedAt = -1;
        exercise.PlayAll();
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (timing.commandAt >= 0 && device.GetMode() == MediaDevice::Mode::Playing && device.PositionMs() > 0) {
                startedAt = clock.nsecsElapsed();
                loop.quit();
            }
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        poll.start(0);
        loop.exec();
        exercise.StopPlayback();
        return startedAt >= 0 && timing.endedAt >= 0 && timing.commandAt >= timing.endedAt;
    };
    round();  // the sound server's stream is set up once, before the rounds that count

    double commandTotal = 0, lineTotal = 0;
    int measured = 0, retried = 0;
    for (auto _ : state) {
        // A round the sound server did not finish in time is played again (counted).
        bool done = round();
        for (int again = 0; !done && again < 3; ++again, ++retried) done = round();
        if (!done) {
            state.SkipWithError("line 2 did not start");
            break;
        }
        state.SetIterationTime(static_cast<double>(startedAt - timing.endedAt) / 1e9);
        commandTotal += static_cast<double>(timing.commandAt - timing.endedAt) / 1e3;
        lineTotal += static_cast<double>(timing.endedAt - timing.firstAt) / 1e6;
        ++measured;
    }
    if (measured) state.counters["command_us"] = commandTotal / measured;
    if (measured) state.counters["line1_ms"] = lineTotal / measured;
    state.counters["retried"] = retried;
    exercise.Close();
    context.services.soundPlayer = nullptr;
}
// Argument 1: the next line made ready while one plays, as the exercise asks; 0: not. The Qt
// devices make nothing ready in advance (the sound device opens a WAV file in a fraction of a
// millisecond), so both figures measure the same path there; a device that preloads shows the
// difference.
BENCHMARK(EndToNextLine)->Arg(1)->Arg(0)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    using namespace quillan;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
