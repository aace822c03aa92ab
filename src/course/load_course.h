#pragma once

#include <string_view>
#include <vector>

#include "context/startup_state.h"
#include "course/course.h"
#include "course/problems.h"
#include "platform/messages.h"

namespace quillan {

// Loading the course data files of an installation into a Course.
//
// Errors stop the load: a number field that is no number throws DataLineError (a
// ConversionError naming file and line), a missing required file DataFileError (a FileError),
// and more glossary lines than the glossary holds CourseStop (the program shows its text and
// ends). Lines beyond the size of another table are left out and noted in `problems`, which the
// program may ignore. `messages`, when given, shows what the program tells the learner while
// loading (a missing catalog file).

// One step of the start-up load, with the tables it fills, named as the check tool names them.
struct CourseLoadStep {
    std::vector<std::string_view> Tables;
    void (*Run)(const StartupState& state, Course& course, Problems& problems, Messages* messages);
};

// The steps in the program's start-up order: the language tables (interface texts, display
// names, sections), contractions, course texts, sentences and their packages, the catalog,
// comprehension, recording and drag-and-drop sentences, letters, glossary, text exercises,
// open tasks, "kom_c_gr.txt" (read, nothing kept) and dialogues.
const std::vector<CourseLoadStep>& CourseLoadSteps();

// The tables that depend on the interface language (LangDir); run again when it changes. They
// are replaced only when all of them could be read: an error is thrown with the course as it was.
void LoadLanguageResources(const StartupState& state, Course& course);
void LoadLanguageResources(const StartupState& state, Course& course, Problems& problems);

// Every course data file, in the program's start-up order. The first error ends the load.
void LoadCourseData(const StartupState& state, Course& course, Problems& problems, Messages* messages);

// The same for a check of the installation: an error ends only its own step and is noted in
// `problems` with its file and line, and loading goes on with the next step.
void CheckCourseData(const StartupState& state, Course& course, Problems& problems);

}  // namespace quillan
