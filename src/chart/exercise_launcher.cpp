#include "chart/exercise_launcher.h"

#include <string>

#include "session/app_context.h"
#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

// A letter's number; 0 when the text is no number.
size_t LetterNumber(const std::string& text) {
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) return 0;
    return static_cast<size_t>(std::stoi(text));
}

}  // namespace

int ExerciseStart::Number() const { return StrToInt(numberText); }

std::string LessonNameOf(const AppContext& context, const std::string& lessonCode) {
    for (const Section& section : context.course.sections)
        if (SameIgnoringCase(section.SectionCode.substr(0, kLessonCodeCapacity), lessonCode))
            return section.SectionName;
    return lessonCode;
}

ExerciseStart ExerciseStartOf(const AppContext& context, size_t recordIndex, int position) {
    const CW_Info& record = context.learner.results.records.at(recordIndex - 1);
    ExerciseStart start;
    ExerciseContext& c = start.context;
    c.CurrentExerciseId = record.Id;
    c.Kind = record.Kind;
    c.Key = record.Key;
    c.Title = record.Title;
    c.Position = position;
    c.RequestedStage = position;
    // The variant follows the line's kind (70..74), which is what its position counts when
    // a dialogue has no third part.
    c.DialogueVariant = record.Kind >= 70 && record.Kind <= 74 ? record.Kind - 69 : 1;
    c.LessonName = LessonNameOf(context, record.LessonCode);

    start.prefix = record.Id.substr(0, 4);
    start.numberText = record.Id.size() > 4 ? record.Id.substr(4) : std::string();
    const std::string& dir = context.startup.ProgramDir;
    if (start.prefix == "lst_") {
        const Letters& letters = context.course.letters;
        const size_t n = LetterNumber(start.numberText);
        if (n >= 1 && n <= letters.size()) start.letterPage = dir + "Listy_r\\" + letters[n - 1].FileName + ".htm";
    } else if (start.prefix == "slo_") {
        start.wordList = record.Title.empty() ? std::string() : record.Title.substr(1);
    }
    return start;
}

void ExerciseLauncher::SetOpener(const std::string& prefix, Opener opener) { openers_[prefix] = std::move(opener); }

bool ExerciseLauncher::Start(AppContext& context, size_t recordIndex, int position) {
    const ExerciseStart start = ExerciseStartOf(context, recordIndex, position);
    context.exercise = start.context;
    const auto opener = openers_.find(start.prefix);
    if (opener == openers_.end()) return false;
    opener->second(start);
    return true;
}

}  // namespace quillan
