#pragma once

#include <functional>
#include <map>
#include <string>

#include "progress/exercise_context.h"

namespace quillan {

struct AppContext;
struct CW_Info;

// What a line of the exercise chart starts: the exercise's context, its family (the prefix of
// its Id) and the number after the prefix, with what the family's window is opened on.
struct ExerciseStart {
    ExerciseContext context;
    std::string prefix;      // "tek_", "slo_", "dia_", ...; the Id's first four characters
    std::string numberText;  // the rest of the Id
    std::string letterPage;  // lst_: ProgramDir + "Listy_r\" + the letter's name + ".htm"
    std::string wordList;    // slo_: the title without its first character, the word list "cw_r\" + it + ".bc4"

    // The number after the prefix; ConversionError when it is no number.
    int Number() const;
};

// The start of the exercise of record `recordIndex` (1-based) from a line at `position` in its
// package (1 outside packages).
ExerciseStart ExerciseStartOf(const AppContext& context, size_t recordIndex, int position);

// The name of the course lesson of a lesson code (letter case not counting); the code itself
// when no lesson has it.
std::string LessonNameOf(const AppContext& context, const std::string& lessonCode);

// Opens the exercise windows by the family of the exercise: every family whose window exists
// registers its opener under its Id prefix.
class ExerciseLauncher {
public:
    using Opener = std::function<void(const ExerciseStart&)>;

    void SetOpener(const std::string& prefix, Opener opener);
    bool HasOpener(const std::string& prefix) const { return openers_.count(prefix) > 0; }

    // Makes the exercise of the record the current exercise of `context`, then opens the window
    // of its family. Returns false when the family has no window (nothing is opened then).
    bool Start(AppContext& context, size_t recordIndex, int position);

private:
    std::map<std::string, Opener> openers_;
};

}  // namespace quillan
