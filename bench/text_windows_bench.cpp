// Each text-exercise window on the largest content it holds (10 questions of a question and
// four answers; 18 statements; 1400 items, every one a gap; 12 definitions): the exercise
// prepared (its content read and parsed, shuffled and laid out, as "again" does it), and one
// full paint as the window shows it: the whole 1024 x 768 window rendered into a picture,
// before and after the check. A paint should stay below 4 ms, a quarter of a 60 Hz frame.

// GCC 12 warns wrongly about "text" + std::string (its bug 105329).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/program.h"
#include "controls/transparent_button.h"
#include "course/current_text.h"
#include "exercises/exercise_windows.h"
#include "exercises/texts/text_exercise_frame.h"
#include "forms/shared_forms.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/system_clock.h"
#include "progress/results_store.h"
#include "session/app_context.h"
#include "session/learner_session.h"

namespace {

using namespace quillan;

std::string N(int n) { return std::to_string(n); }

class NoPrinter : public Printer {
public:
    PrintOutcome PrintHtml(const std::string&, const std::string&) override { return {}; }
};

// The last fault a window reported: the bench measures nothing when the content did not read.
class FaultMessages : public SilentMessages {
public:
    void Error(const std::string& text) override { last = text; }
    std::string last;
};

// An installation with the pictures of the windows and one course text holding the four
// exercises at their largest, and a learner with their records.
class LargestTexts {
    // The services come first: the windows made from them use them to the end.
    std::string dir_;
    SystemRandom random_;
    SystemClock clock_;
    NoPrinter printer_;

public:
    FaultMessages messages;

    LargestTexts() {
        dir_ = (std::filesystem::temp_directory_path() / "quillan-bench-text-windows").string() + "/";
        std::filesystem::remove_all(dir_);
        Picture("teksty_gfx_r/tlo.jpg", 1024, 768, QColor(233, 247, 250));
        Picture("gfx_r/panel_prawy_teksty_a.bmp", 100, 768, Qt::white);
        for (int n = 1; n <= 4; ++n) {
            Picture("but_r/zakl/_" + N(n) + ".bmp", 64, 22, Qt::lightGray);
            Picture("but_r/zakl/_" + N(n) + "a.bmp", 64, 22, Qt::darkBlue);
        }
        std::string typing = "GapWidth80\r\nTranslation:1\r\nBlankGaps:1\r\n";
        for (int line = 0; line < 70; ++line) {
            for (int i = 0; i < 20; ++i) typing += "&look+after\\take+care+of ";
            typing += "\r\n";
        }
        Write("Wpisywania/largest.fcs", typing);

        std::string mc = "MC#";
        for (int q = 1; q <= 10; ++q)
            mc += "Which sentence about the meeting number " + N(q) +
                  " is right?=It starts at nine.=T_It starts at ten o'clock.=It is cancelled.=It is on Friday.#";
        std::string tf = "TF#Prawda#True#True#Fa\xB3sz#False#False#";
        for (int i = 1; i <= 18; ++i) tf += (i % 2 ? "T_" : "") + std::string("The delivery number ") + N(i) + " arrives on time.#";
        std::string df = "DF#";
        for (int i = 1; i <= 12; ++i) df += "term " + N(i) + "*a rather long definition of the business term number " + N(i) + "#";

        context.startup.ProgramDir = dir_;
        context.startup.MediaDir = dir_ + "media\\";
        context.startup.ResultsDirectory = dir_ + "learner\\";
        std::filesystem::create_directories(dir_ + "learner");
        context.services.messages = &messages;
        context.services.random = &random_;
        context.services.clock = &clock_;
        for (int n = 1; n <= 200; ++n) context.course.interfaceTexts.push_back("Text " + N(n));
        const std::string instruction = "Read the text and <B> choose </B> the right answer to each question.";
        int key = 0;
        for (const std::string& type : {mc, tf, std::string("WP#largest"), df}) {
            context.course.textExercises.push_back(
                TextExercise{"x#1#tlo#" + instruction + "#" + instruction + "#" + instruction + "##", type, "", "St_a.txt", 1});
            AppendRecord(context.learner.results, 46000.0, "tek_1", "T1", 40 + key, 1).Key = static_cast<std::uint8_t>(key + 1);
            ++key;
        }
        context.learner.results.file.path = ResultsPath(context);
        SaveResults(context.learner.results);
        LoadResults(context);
        LoadRepetitions(context);
        forms = std::make_unique<SharedForms>(context, printer_);
        windows = std::make_unique<ExerciseWindows>(context, *forms);
        context.learner.settings.ShowTipOnce = false;
        context.exercise.CurrentExerciseId = "tek_1";
    }

    // The window of exercise `position` of the text, opened, and checked when asked.
    TextExerciseFrame& Open(int position, bool checked) {
        messages.last.clear();
        windows->Text().OpenText(1, position, {1, 2, 3, 4});
        TextExerciseFrame& form = *windows->TextWindow(windows->Text().CurrentExerciseWindow());
        if (checked && form.btn_check->isVisible()) emit form.btn_check->clicked();
        return form;
    }

    AppContext context;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<ExerciseWindows> windows;

private:
    void Write(const std::string& relative, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(dir_ + relative).parent_path());
        std::ofstream(dir_ + relative, std::ios::binary) << bytes;
    }
    void Picture(const std::string& relative, int width, int height, const QColor& colour) {
        std::filesystem::create_directories(std::filesystem::path(dir_ + relative).parent_path());
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(colour);
        picture.save(QString::fromStdString(dir_ + relative));
    }

};

LargestTexts& Texts() {
    static LargestTexts texts;
    return texts;
}

// state.range(0): the position of the exercise (1 MC, 2 TF, 3 WP, 4 DF).
void PrepareWindow(benchmark::State& state) {
    TextExerciseFrame& form = Texts().Open(static_cast<int>(state.range(0)), false);
    const int entry = form.Entry();
    if (!Texts().messages.last.empty()) state.SkipWithError(Texts().messages.last.c_str());
    for (auto _ : state) form.PrepareExercise(entry);
    form.close();
}

// state.range(0): the position of the exercise (1 MC, 2 TF, 3 WP, 4 DF); range(1): 1 after the check.
void PaintWindow(benchmark::State& state) {
    TextExerciseFrame& form = Texts().Open(static_cast<int>(state.range(0)), state.range(1) == 1);
    QImage picture(form.size(), QImage::Format_RGB32);
    if (!Texts().messages.last.empty()) state.SkipWithError(Texts().messages.last.c_str());
    for (auto _ : state) {
        QPainter painter(&picture);
        form.render(&painter);
    }
    form.close();
}

}  // namespace

BENCHMARK(PrepareWindow)->ArgName("exercise")->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintWindow)
    ->ArgNames({"exercise", "checked"})
    ->ArgsProduct({{1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quillan::SetUpFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
