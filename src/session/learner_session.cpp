#include "session/learner_session.h"

#include "course/load_course.h"
#include "platform/paths.h"
#include "progress/exercise_table.h"

namespace quillan {
namespace {

DayNumber Now(AppContext& ctx) { return ctx.services.clock->Now(); }

void TellLoadProblem(AppContext& ctx, const LearnerFile& file, const char* fileName, const char* records,
                     size_t capacity) {
    const std::string message = LoadProblemMessage(file, fileName, records, capacity);
    if (!message.empty()) ctx.services.messages->Warn(message);
}

}  // namespace

std::string ResultsPath(const AppContext& ctx) {
    return ResultsPath(ctx.startup.ResultsDirectory, ctx.startup.CourseFileId);
}

std::string RepetitionsPath(const AppContext& ctx) {
    return RepetitionsPath(ctx.startup.ResultsDirectory, ctx.startup.CourseFileId);
}

std::string SettingsPath(const AppContext& ctx) {
    return SettingsPath(ctx.startup.ResultsDirectory, ctx.startup.CourseFileId);
}

bool OpenLearnerFiles(AppContext& ctx, int newLearnerLanguage) {
    if (!DirectoryExists(ctx.startup.ResultsDirectory)) MakeDirectories(ctx.startup.ResultsDirectory);
    LoadResults(ctx);
    ResultsTable& results = ctx.learner.results;
    if (!results.file.SaveAllowed()) return false;
    if (results.records.empty()) {
        BuildExerciseTable(results, ctx.course, ctx.startup, Now(ctx));
        SaveResults(results);
    }
    LoadRepetitions(ctx);
    LoadSettings(ctx, newLearnerLanguage);
    return true;
}

void LoadResults(AppContext& ctx) {
    LoadResults(ctx.learner.results, ResultsPath(ctx), Now(ctx));
    TellLoadProblem(ctx, ctx.learner.results.file, "wyników", "rekordów", kMaxResults);
}

void LoadRepetitions(AppContext& ctx) {
    LoadRepetitions(ctx.learner.repetitions, RepetitionsPath(ctx), Now(ctx));
    TellLoadProblem(ctx, ctx.learner.repetitions.file, "powtórek", "powtórek", kMaxRepetitions);
}

void LoadSettings(AppContext& ctx, int newLearnerLanguage) {
    ctx.learner.settings = LoadSettings(SettingsPath(ctx), newLearnerLanguage);
    SetLanguage(ctx.startup, ctx.learner.settings.LangIndex);
    LoadLanguageResources(ctx.startup, ctx.course);
}

void SaveSettings(AppContext& ctx) { WriteSettingsFile(SettingsPath(ctx), ctx.learner.settings); }

void SaveResults(AppContext& ctx) {
    if (ctx.learner.results.file.SaveAllowed()) SaveResults(ctx.learner.results);
}

void SaveRepetitions(AppContext& ctx) {
    if (ctx.learner.repetitions.file.SaveAllowed()) SaveRepetitions(ctx.learner.repetitions);
}

CW_Info* RecordExerciseResult(AppContext& ctx, int percent, const std::string& id, int kind, int completed,
                              int key) {
    return RecordExerciseResult(ctx.learner.results, Now(ctx), percent, id, kind, completed, key);
}

void RecordRepetition(AppContext& ctx, int percent, const std::string& id, int kind, int completed, int key,
                      int index) {
    try {
        RecordRepetition(ctx.learner.repetitions, RepetitionSettingsOf(ctx.learner.settings), Now(ctx), percent,
                         id, kind, completed, key, index);
    } catch (const TableFullError& e) {
        ctx.services.messages->Warn(e.what());
    }
}

int AddOpenExerciseRecord(AppContext& ctx, int number, const std::string& title) {
    try {
        return AddOpenExerciseRecord(ctx.learner.results, Now(ctx), number, title);
    } catch (const TableFullError& e) {
        ctx.services.messages->Warn(e.what());
        return -1;
    }
}

void FinishExercise(AppContext& ctx, const ExerciseReport* report) {
    if (report) {
        RecordExerciseResult(ctx, report->percent, report->id, report->kind, report->completed, report->key);
        if (KindReportsRepetition(report->kind))
            RecordRepetition(ctx, report->percent, report->id, report->kind, report->completed, report->key,
                             report->index);
    }
    SaveResults(ctx);
    SaveRepetitions(ctx);
}

}  // namespace quillan
