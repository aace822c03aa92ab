#pragma once

#include <string>

#include "session/app_context.h"

namespace quillan {

// The learner's files as the program uses them: paths from ResultsDirectory, "now" from the
// clock, problems told through the messages.

std::string ResultsPath(const AppContext& ctx);
std::string RepetitionsPath(const AppContext& ctx);
std::string SettingsPath(const AppContext& ctx);

// Builds a new learner's exercise table from the course (BuildExerciseTable). A course of more
// exercises than a results file holds gives the first ones, with a warning; a course-data error
// throws.
void BuildTableWithinLimit(AppContext& ctx, ResultsTable& results);

// The learner's part of signing in with his directory `resultsDirectory`: his results are
// loaded, or, when there are none yet, his exercise table is built from the course and only
// then his directory made and the table saved; then his repetitions and settings are read (see
// LoadLearnerSettings). Once all is read, they and ResultsDirectory replace the signed-in
// learner's in the context and his interface language is taken.
// Returns false when his results cannot be read (he has been told): nothing is built or written
// over them. A course-data error while building the table (ConversionError, TableFullError) or
// a file error throws. Whenever it does not return true, the context keeps the learner signed in
// before, and a table that could not be built has written nothing.
bool OpenLearnerFiles(AppContext& ctx, const std::string& resultsDirectory, int newLearnerLanguage);

// The settings of the learner in `resultsDirectory`. A missing file is made with the defaults
// and the language of a new learner: English under "be.ini", else `newLearnerLanguage`. A
// language that is not installed is never taken: the interface language in use stays. A file
// that is no settings file (a number that is no number) is told, left as it is, and the
// defaults serve.
Settings LoadLearnerSettings(AppContext& ctx, const std::string& resultsDirectory, int newLearnerLanguage);

// Loads the results file into the learner's table. A file that could not be taken whole is
// told to the learner (which file was kept as a copy, or that the file stays untouched).
void LoadResults(AppContext& ctx);
// The same for the repetitions.
void LoadRepetitions(AppContext& ctx);
void SaveSettings(AppContext& ctx);

// Makes `langIndex` the interface language: LangIndex, LangDir and the tables read from it
// (interface texts, exercise names, sections). Throws when those cannot be read; the language
// in force then stays, tables and all.
void UseInterfaceLanguage(AppContext& ctx, int langIndex);
// The same for the language of the signed-in learner's settings; when it cannot be read he is
// told and works in the language in force.
void UseLearnersLanguage(AppContext& ctx);

// Save the table and the repetitions. A file that may not be replaced (the learner was told
// when it was loaded) is left untouched.
void SaveResults(AppContext& ctx);
void SaveRepetitions(AppContext& ctx);

// Records an attempt (see the table's RecordExerciseResult); returns the updated record, null
// when the table has none of that id, kind and key. In classroom work the updated record goes
// to the server at once; when it does not get there the learner is told and the local record
// stays updated.
CW_Info* RecordExerciseResult(AppContext& ctx, int percent, const std::string& id, int kind, int completed,
                              int key);

// Updates the repetitions with the learner's settings. A full list is told to the learner.
void RecordRepetition(AppContext& ctx, int percent, const std::string& id, int kind, int completed, int key,
                      int index);

// A teacher's open task; a full table is told to the learner and gives -1.
int AddOpenExerciseRecord(AppContext& ctx, int number, const std::string& title);

// What an exercise window reports when it closes after the learner worked in it.
struct ExerciseReport {
    int percent = 0;
    std::string id;  // CurrentExerciseId
    int kind = 0;
    int completed = 0;
    int key = 0;
    int index = 0;   // position for the repetitions (RepetitionIndexFor)
};

// The closing of an exercise window: when the learner worked in it (`report` given), the
// result is recorded and, for the kinds that report to the repetitions, the repetition
// updated; then, always, both files are saved.
void FinishExercise(AppContext& ctx, const ExerciseReport* report);

}  // namespace quillan
