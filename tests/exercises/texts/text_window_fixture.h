#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "chart/exercise_launcher.h"
#include "exercises/exercise_windows.h"
#include "forms/shared_forms.h"
#include "platform/paths.h"
#include "progress/repetitions.h"
#include "progress/results_store.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan::test {

// A learner on a temporary installation with the pictures of the text-exercise windows, fakes
// for every service and the shared windows. Interface text n reads "Tn". The exercises of the
// course texts are added with Add and the learner's table made with Start.
class TextWindowFixture {
public:
    TempDir dir;
    FakeMessages messages;
    FakeClock clock{46365.5};
    FakeRandom random;
    FakeSoundPlayer player;
    FakeRecorder recorder;
    FakePrinter printer;
    AppContext ctx;
    ResultsTable table;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<ExerciseWindows> windows;  // made by OpenFromChart

    TextWindowFixture() {
        ctx.startup.ProgramDir = dir.Path();
        ctx.startup.MediaDir = dir.Path() + "media\\";
        ctx.startup.ResultsDirectory = dir.Path() + "learner\\";
        std::filesystem::create_directory(dir.Path() + "learner");
        ctx.services.messages = &messages;
        ctx.services.clock = &clock;
        ctx.services.random = &random;
        ctx.services.recorder = &recorder;
        for (int n = 1; n <= 200; ++n) ctx.course.interfaceTexts.push_back("T" + std::to_string(n));
        Picture("teksty_gfx_r/tlo1.jpg", 1024, 768, QColor(233, 247, 250));
        Picture("gfx_r/panel_prawy_teksty_a.bmp", 100, 768, Qt::white);
        for (int n = 1; n <= 8; ++n) {
            Picture("but_r/zakl/_" + std::to_string(n) + ".bmp", 64, 22, Qt::lightGray);
            Picture("but_r/zakl/_" + std::to_string(n) + "a.bmp", 64, 22, Qt::darkBlue);
        }
    }

    void Picture(const std::string& relative, int width, int height, const QColor& colour) {
        std::filesystem::create_directories(std::filesystem::path(dir.Path() + relative).parent_path());
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(colour);
        picture.save(QString::fromStdString(dir.Path() + relative));
    }

    // An exercise of course text `text` at the end of the text-exercise list, its header
    // naming the background "tlo1", and the learner's record "tek_" + text of its kind with
    // `key`. Returns its list number.
    int Add(int text, const std::string& typeLine, int kind, int key, const std::string& layout = "") {
        const std::string number = std::to_string(text);
        ctx.course.textExercises.push_back(TextExercise{"x#" + number + "#tlo1#two#zero#one##", typeLine, layout,
                                                        "St_a.txt", 3 * static_cast<int>(ctx.course.textExercises.size()) + 1});
        AppendRecord(table, 46000.0, "tek_" + number, "T" + number, kind, 1).Key = static_cast<std::uint8_t>(key);
        return static_cast<int>(ctx.course.textExercises.size());
    }

    // Saves the learner's table and opens his files; makes the shared windows (with the fake
    // player in place of the real one).
    void Start() {
        table.file.path = ResultsPath(ctx);
        SaveResults(table);
        LoadResults(ctx);
        LoadRepetitions(ctx);
        forms = std::make_unique<SharedForms>(ctx, printer);
        ctx.services.soundPlayer = &player;
    }

    // Opens the exercise of record `recordIndex` (1-based) at `position` of its text, as a click
    // on its chart line does, and returns its window.
    template <typename Window>
    Window* OpenFromChart(size_t recordIndex, int position) {
        if (!windows) windows = std::make_unique<ExerciseWindows>(ctx, *forms);
        if (!windows->Launcher().Start(ctx, recordIndex, position)) return nullptr;
        return dynamic_cast<Window*>(windows->TextWindow(windows->Text().CurrentExerciseWindow()));
    }

    // Closes the windows before the shared windows they use.
    void CloseAll() {
        windows.reset();
        forms.reset();
    }

    // The saved record of an exercise.
    CW_Info Saved(int kind, int key) {
        ResultsTable saved;
        LoadResults(saved, ResultsPath(ctx), clock.now);
        for (const CW_Info& r : saved.records)
            if (r.Kind == kind && r.Key == key) return r;
        return {};
    }

    RepetitionList SavedRepetitions() {
        RepetitionList list;
        LoadRepetitions(list, RepetitionsPath(ctx), clock.now);
        return list;
    }

    // The learner's files are removed; FilesSaved tells whether both were written again.
    void RemoveFiles() {
        std::filesystem::remove(NativePath(ResultsPath(ctx)));
        std::filesystem::remove(NativePath(RepetitionsPath(ctx)));
    }
    bool FilesSaved() { return FileExists(ResultsPath(ctx)) && FileExists(RepetitionsPath(ctx)); }
};

}  // namespace quillan::test
