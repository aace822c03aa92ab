#include "course/load_course.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <string_view>
#include <thread>

#include "course/data_file.h"

namespace quillan {

namespace {

// File names that follow the course letter and the interface language.
std::string LangFile(const StartupState& state, const std::string& name) { return state.LangDir + name; }

// Empties the table and reads the file into it, the table sized once for the file's lines.
template <class Table, class Read>
void ReadInto(DataFile& file, Table& table, size_t limit, Problems& problems, Read read) {
    table.clear();
    table.reserve(std::min(file.LineCount, limit));
    read(file.Reader, table, problems);
}

template <class Table, class Read>
void LoadRequired(const StartupState& state, const std::string& name, Table& table, size_t limit, Problems& problems, Read read) {
    table.clear();
    DataFile file = OpenRequiredFile(state.ProgramDir, name);
    ReadInto(file, table, limit, problems, read);
}

template <class Table, class Read>
void LoadOptional(const StartupState& state, const std::string& name, Table& table, size_t limit, Problems& problems, Read read) {
    table.clear();
    if (auto file = OpenOptionalFile(state.ProgramDir, name)) ReadInto(*file, table, limit, problems, read);
}

void LoadInterfaceTexts(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadRequired(state, LangFile(state, "infa_r.txt"), course.interfaceTexts, kInterfaceTextLimit, problems, ReadInterfaceTexts);
}

void LoadDisplayNames(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadRequired(state, LangFile(state, "nazwy_r.txt"), course.displayNames, kDisplayNameLimit, problems, ReadDisplayNames);
}

void LoadSections(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadRequired(state, LangFile(state, "gr" + state.CourseLetter + ".txt"), course.sections, kSectionLimit, problems, ReadSections);
}

void LoadContractionTable(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadContractions(state.ProgramDir, course.contractions, problems);
}

void LoadTexts(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadRequired(state, "rozumienie_" + state.CourseLetter + ".txt", course.texts, kCourseTextLimit, problems, ReadCourseTexts);
}

void LoadSentences(const StartupState& state, Course& course, Problems& problems, Messages*) {
    const std::string file = "zd" + state.CourseLetter + "_rozum.txt";
    course.packages.clear();
    LoadOptional(state, file, course.sentences, kSentenceLimit, problems, ReadSentences);
    course.packages = BuildPackages(course.sentences, file, problems);
}

void LoadCatalogs(const StartupState& state, Course& course, Problems& problems, Messages* messages) {
    course.catalog.clear();
    LoadCatalog(state.ProgramDir, "kurs_cwicz.vrk", course.catalog, problems, messages);
    LoadCatalog(state.ProgramDir, "kurs_cwicz2.vrk", course.catalog, problems, messages);
}

void LoadComprehensionSentences(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadOptional(state, "rozum_pig.txt", course.comprehension, kComprehensionLimit, problems, ReadComprehensionSentences);
}

void LoadRecordingSentences(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadOptional(state, "kurs.zdn", course.recording, kRecordingLimit, problems, ReadRecordingSentences);
}

void LoadDragDropSentences(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadOptional(state, "kurs.zdd", course.dragDrop, kDragDropLimit, problems, ReadDragDropSentences);
}

void LoadLetters(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadOptional(state, "Listy_r\\index.txt", course.letters, kLetterLimit, problems, ReadLetters);
}

void LoadGlossary(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadOptional(state, "slowniczek.txt", course.glossary, kGlossaryLimit, problems,
                 [](LineReader& reader, Glossary& glossary, Problems&) { ReadGlossary(reader, glossary); });
}

void LoadTextExerciseList(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadRequired(state, "St_" + state.CourseLetter + ".txt", course.textExercises, kTextExerciseLimit, problems, ReadTextExerciseList);
}

void LoadOpenTasks(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadOptional(state, "otwarte.txt", course.openTasks, kOpenTaskLimit, problems, ReadOpenTasks);
}

// "kom_c_gr.txt" is read at this point of start-up; the program keeps nothing of it.
void ReadKomCGr(const StartupState& state, Course&, Problems&, Messages*) {
    OpenOptionalFile(state.ProgramDir, "kom_c_gr.txt");
}

void LoadDialogues(const StartupState& state, Course& course, Problems& problems, Messages*) {
    LoadOptional(state, "dialogi.txt", course.dialogues, kDialogueLimit, problems, ReadDialogues);
}

constexpr size_t kLanguageSteps = 3;

}  // namespace

const std::vector<CourseLoadStep>& CourseLoadSteps() {
    static const std::vector<CourseLoadStep> steps = {
        {{"ui-texts"}, LoadInterfaceTexts},
        {{"display-names"}, LoadDisplayNames},
        {{"sections"}, LoadSections},
        {{"contractions"}, LoadContractionTable},
        {{"texts"}, LoadTexts},
        {{"sentences", "packages"}, LoadSentences},
        {{"catalog"}, LoadCatalogs},
        {{"comprehension"}, LoadComprehensionSentences},
        {{"recording"}, LoadRecordingSentences},
        {{"dragdrop"}, LoadDragDropSentences},
        {{"letters"}, LoadLetters},
        {{"glossary"}, LoadGlossary},
        {{"text-exercises"}, LoadTextExerciseList},
        {{"open-tasks"}, LoadOpenTasks},
        {{}, ReadKomCGr},
        {{"dialogues"}, LoadDialogues},
    };
    return steps;
}

void LoadLanguageResources(const StartupState& state, Course& course, Problems& problems) {
    // Read beside the tables in use, which are replaced only once all three were read.
    Course read;
    for (size_t i = 0; i < kLanguageSteps; ++i) CourseLoadSteps()[i].Run(state, read, problems, nullptr);
    course.interfaceTexts = std::move(read.interfaceTexts);
    course.displayNames = std::move(read.displayNames);
    course.sections = std::move(read.sections);
}

void LoadLanguageResources(const StartupState& state, Course& course) {
    Problems ignored;
    LoadLanguageResources(state, course, ignored);
}

namespace {

// The tables read on a second thread while the others are read: the largest of those whose
// reading tells the learner nothing and that no other step looks at.
bool ReadAlongside(const CourseLoadStep& step) {
    static constexpr std::string_view kAlongside[] = {"sentences", "comprehension", "recording", "dragdrop"};
    return !step.Tables.empty() && std::find(std::begin(kAlongside), std::end(kAlongside), step.Tables.front()) != std::end(kAlongside);
}

struct StepOutcome {
    Problems problems;
    std::exception_ptr error;
};

// Runs, in order, the steps on one side (alongside or not), up to the first that fails.
void RunSide(bool alongside, const StartupState& state, Course& course, Messages* messages, std::vector<StepOutcome>& outcomes) {
    const std::vector<CourseLoadStep>& steps = CourseLoadSteps();
    for (size_t i = 0; i < steps.size(); ++i) {
        if (ReadAlongside(steps[i]) != alongside) continue;
        try {
            steps[i].Run(state, course, outcomes[i].problems, messages);
        } catch (...) {
            outcomes[i].error = std::current_exception();
            return;
        }
    }
}

}  // namespace

void LoadCourseData(const StartupState& state, Course& course, Problems& problems, Messages* messages) {
    // Two threads share the reading (each step fills its own tables); the outcome is that of
    // reading the steps one after another: their problems in step order, and the error of the
    // first step in that order that failed.
    std::vector<StepOutcome> outcomes(CourseLoadSteps().size());
    std::thread second([&] { RunSide(true, state, course, nullptr, outcomes); });
    RunSide(false, state, course, messages, outcomes);
    second.join();
    for (StepOutcome& outcome : outcomes) {
        for (const Problem& problem : outcome.problems.List()) problems.Add(problem.File, problem.Line, problem.Message);
        if (outcome.error) std::rethrow_exception(outcome.error);
    }
}

void CheckCourseData(const StartupState& state, Course& course, Problems& problems) {
    auto note = [&](const DataPlace& place) { problems.Add(place.File, place.Line, place.Detail); };
    for (const CourseLoadStep& step : CourseLoadSteps()) {
        try {
            step.Run(state, course, problems, nullptr);
        } catch (const DataLineError& error) {
            note(error.Place());
        } catch (const DataFileError& error) {
            note(error.Place());
        } catch (const CourseStop& error) {
            note(error.Place());
        }
    }
}

}  // namespace quillan
