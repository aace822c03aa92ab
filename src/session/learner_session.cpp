#include "session/learner_session.h"

#include "course/load_course.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "progress/exercise_table.h"
#include "session/classroom_session.h"

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

void BuildTableWithinLimit(AppContext& ctx, ResultsTable& results) {
    try {
        BuildExerciseTable(results, ctx.course, ctx.startup, Now(ctx));
    } catch (const TableFullError& full) {
        // A course of more exercises than a results file holds: the learner gets the first
        // ones, and is told which was the first left out.
        ctx.services.messages->Warn(full.what());
    }
}

bool OpenLearnerFiles(AppContext& ctx, const std::string& resultsDirectory, int newLearnerLanguage) {
    const std::string& fileId = ctx.startup.CourseFileId;
    ResultsTable results;
    LoadResults(results, ResultsPath(resultsDirectory, fileId), Now(ctx));
    TellLoadProblem(ctx, results.file, "wyników", "rekordów", kMaxResults);
    if (!results.file.SaveAllowed()) return false;
    if (results.records.empty()) {
        // Built before anything is written: a course-data error leaves no trace of the learner.
        BuildTableWithinLimit(ctx, results);
        if (!DirectoryExists(resultsDirectory)) MakeDirectories(resultsDirectory);
        SaveResults(results);
    }
    RepetitionList repetitions;
    LoadRepetitions(repetitions, RepetitionsPath(resultsDirectory, fileId), Now(ctx));
    TellLoadProblem(ctx, repetitions.file, "powtórek", "powtórek", kMaxRepetitions);
    const Settings settings = LoadLearnerSettings(ctx, resultsDirectory, newLearnerLanguage);

    ctx.startup.ResultsDirectory = resultsDirectory;
    ctx.learner.results = std::move(results);
    ctx.learner.repetitions = std::move(repetitions);
    ctx.learner.settings = settings;
    UseLearnersLanguage(ctx);
    return true;
}

Settings LoadLearnerSettings(AppContext& ctx, const std::string& resultsDirectory, int newLearnerLanguage) {
    const StartupState& state = ctx.startup;
    auto installed = [&state](int language) { return LanguageInstalled(state.ProgramDir, language); };
    int language = state.EnglishOnly ? 1 : newLearnerLanguage;
    if (!installed(language)) language = state.LangIndex;
    Settings settings;
    // A settings file that cannot be read or understood is told and left as it is; the learner
    // works with the default settings.
    auto defaults = [&](const std::string& message) {
        ctx.services.messages->Error(message);
        settings = Settings{};
        settings.LangIndex = state.LangIndex;
    };
    try {
        settings = LoadSettings(SettingsPath(resultsDirectory, state.CourseFileId), language);
    } catch (const ConversionError& error) {
        defaults("ustaw_" + state.CourseFileId + ".txt: " + error.what());
    } catch (const FileError& error) {
        defaults(error.what());
    }
    if (!installed(settings.LangIndex)) settings.LangIndex = state.LangIndex;
    return settings;
}

void LoadResults(AppContext& ctx) {
    LoadResults(ctx.learner.results, ResultsPath(ctx), Now(ctx));
    TellLoadProblem(ctx, ctx.learner.results.file, "wyników", "rekordów", kMaxResults);
}

void LoadRepetitions(AppContext& ctx) {
    LoadRepetitions(ctx.learner.repetitions, RepetitionsPath(ctx), Now(ctx));
    TellLoadProblem(ctx, ctx.learner.repetitions.file, "powtórek", "powtórek", kMaxRepetitions);
}

void SaveSettings(AppContext& ctx) { WriteSettingsFile(SettingsPath(ctx), ctx.learner.settings); }

void UseInterfaceLanguage(AppContext& ctx, int langIndex) {
    StartupState chosen = ctx.startup;
    SetLanguage(chosen, langIndex);
    LoadLanguageResources(chosen, ctx.course);
    SetLanguage(ctx.startup, langIndex);
}

void UseLearnersLanguage(AppContext& ctx) {
    try {
        UseInterfaceLanguage(ctx, ctx.learner.settings.LangIndex);
    } catch (const std::exception& error) {
        // His language cannot be read: told, and he works in the one in force.
        ctx.services.messages->Error(error.what());
        ctx.learner.settings.LangIndex = ctx.startup.LangIndex;
    }
}

void SaveResults(AppContext& ctx) {
    if (ctx.learner.results.file.SaveAllowed()) SaveResults(ctx.learner.results);
}

void SaveRepetitions(AppContext& ctx) {
    if (ctx.learner.repetitions.file.SaveAllowed()) SaveRepetitions(ctx.learner.repetitions);
}

CW_Info* RecordExerciseResult(AppContext& ctx, int percent, const std::string& id, int kind, int completed,
                              int key) {
    CW_Info* record = RecordExerciseResult(ctx.learner.results, Now(ctx), percent, id, kind, completed, key);
    if (record && ctx.startup.ClassroomMode == 1) SendRecordedResult(ctx, *record);
    return record;
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
