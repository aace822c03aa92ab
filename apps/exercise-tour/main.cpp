// Works through every exercise of an installation as a learner would: each line of the exercise
// chart is opened the way a click on it opens it, its window is worked with the mouse and the
// keyboard (synthesized through the window), pictures are saved before and after the check, and
// the window is closed, so that the results reach OUT_DIR/learner, to be read with
// quillan-results.
//
//   exercise-tour INSTALLATION_DIR OUT_DIR [--answers right|first] [--only PREFIX] [--learner NAME]
//
// --answers right (the default) answers everything right; first takes the first option
// everywhere. --only tours the exercises whose name begins so: a family ("tek_", "dia_", ...) or
// one exercise ("dia_4_1": the record's Id and its position in its package). --learner signs in
// the local learner NAME of the installation (made when he is new) as the program does, so that
// his files lie where the program keeps them: in the installation, or in the user's data home
// when the installation is not his to write. Offscreen it saves pictures of the windows; under an
// X server (xvfb-run) of the screen. With a sound server (scripts/test starts a
// private one) sounds play and takes are recorded for real.

#include <QDir>
#include <filesystem>
#include <iostream>

#include "app/installation.h"
#include "app/learner_data.h"
#include "app/local_learners.h"
#include "app/program.h"
#include "app/quillan_application.h"
#include "audio/recorder.h"
#include "audio/resource_form.h"
#include "chart/chart_tree.h"
#include "chart/exercise_launcher.h"
#include "course/load_course.h"
#include "exercises/exercise_windows.h"
#include "forms/shared_forms.h"
#include "platform/cp1250.h"
#include "platform/ascii.h"
#include "platform/paths.h"
#include "platform/qt/qt_audio_capture.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_printer.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "tour.h"

namespace {

using namespace quillan;

// Messages go to the standard output, so that the tour never waits for a click.
class PrintedMessages : public Messages {
public:
    void Show(const std::string& text) override { Print("message", text); }
    void Warn(const std::string& text) override { Print("warning", text); }
    bool Ask(const std::string& text) override {
        Print("question", text);
        return false;
    }
    void Error(const std::string& text) override { Print("error", text); }

private:
    static void Print(const char* what, const std::string& text) { std::cout << what << ": " << Cp1250ToUtf8(text) << "\n"; }
};

int Usage() {
    std::cerr << "usage: exercise-tour INSTALLATION_DIR OUT_DIR [--answers right|first] [--only PREFIX] [--learner NAME]\n";
    return 2;
}

// The exercise lines of the chart, every lesson and package expanded, in the chart's order.
std::vector<const ChartNode*> ExerciseLines(const ChartTree& tree) {
    std::vector<const ChartNode*> lines;
    for (const ChartRow& row : tree.VisibleRows())
        if (!row.node->HasChildren() && row.node->depth == 3) lines.push_back(row.node);
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    QuillanApplication app(argc, argv);
    SetUpFonts();
    if (argc < 3) return Usage();
    tour::Answers answers = tour::Answers::Right;
    std::string only, learnerName;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--answers" && i + 1 < argc) {
            const std::string value = argv[++i];
            if (value != "right" && value != "first") return Usage();
            answers = value == "right" ? tour::Answers::Right : tour::Answers::First;
        } else if (arg == "--only" && i + 1 < argc) {
            only = argv[++i];
        } else if (arg == "--learner" && i + 1 < argc) {
            learnerName = argv[++i];
        } else {
            return Usage();
        }
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);

    AppContext context;
    PrintedMessages messages;
    SystemRandom random;
    QtClock clock;
    QtAudioCapture capture;
    SharedRecorder recorder(capture, context);
    context.services.messages = &messages;
    context.services.random = &random;
    context.services.clock = &clock;
    context.services.recorder = &recorder;
    app.SetMessages(&messages);
    if (!ResolveInstallation(context.startup, WithTrailingSeparator(Utf8ToCp1250(argv[1])), messages)) return 1;
    ChooseInterfaceLanguage(context.startup);
    Problems problems;
    LoadCourseData(context.startup, context.course, problems, &messages);
    QtPrinter printer([&] { return context.startup.ResultsDirectory; }, QtPrinter::Target::Pdf);
    SharedForms forms(context, printer);
    forms.form5->LoadButtonPictures();

    std::unique_ptr<LocalLearners> learners;
    if (learnerName.empty()) {
        std::filesystem::remove_all((out + "/learner").toStdString());
        QDir().mkpath(out + "/learner");
        const std::string learner = WithTrailingSeparator(Utf8ToCp1250((out + "/learner").toStdString()));
        if (!OpenLearnerFiles(context, learner, context.startup.LangIndex)) return 1;
    } else {
        if (!ChooseLearnerDataDir(context.startup, messages)) return 1;
        learners = std::make_unique<LocalLearners>(context);
        const std::string name = Utf8ToCp1250(learnerName);
        int position = learners->Create(name, context.startup.LangIndex);
        for (size_t i = 0; position == 0 && i < learners->List().size(); ++i)
            if (learners->List()[i].Name == name) position = static_cast<int>(i) + 1;
        if (position == 0 || !learners->SignIn(position)) return 1;
    }
    ExerciseWindows windows(context, forms);
    tour::Tour tour{context, forms, windows, out, answers};

    ChartTree chart;
    chart.Build(context, 1, clock.Now());
    chart.SetAllExpanded(true);
    std::map<std::string, int> worked, untoured;
    for (const ChartNode* line : ExerciseLines(chart)) {
        const CW_Info& record = context.learner.results.records.at(line->recordIndex - 1);
        const std::string prefix = record.Id.substr(0, 4);
        const std::string name = record.Id + "_" + std::to_string(line->position);
        if ((!only.empty() && name.rfind(only, 0) != 0) || LowerAscii(prefix) == "otw_") continue;  // open tasks have no window
        const auto family = tour::Families().find(prefix);
        if (family == tour::Families().end()) {
            ++untoured[prefix];
            continue;
        }
        std::cout << "exercise " << name << " (kind " << static_cast<int>(record.Kind) << ")\n";
        if (!windows.Launcher().Start(context, line->recordIndex, line->position)) {
            std::cout << "error: the chart opened no window for " << name << "\n";
            continue;
        }
        family->second(tour, *line, name);
        ++worked[prefix];
    }
    for (const auto& [prefix, count] : worked) std::cout << "worked " << count << " " << prefix << " exercises\n";
    for (const auto& [prefix, count] : untoured)
        std::cout << "no tour yet for " << count << " " << prefix << " exercises\n";
    std::cout << "results in " << NativePath(context.startup.ResultsDirectory) << "\n";
    return 0;
}
