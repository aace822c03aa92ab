#include "progress/exercise_table.h"

#include "course/data_errors.h"
#include "course/load_course.h"
#include "course/problems.h"
#include "course/text_exercises.h"
#include "platform/errors.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

// Section n of the course (1-based); null for a number no line of the section file defines.
const Section* SectionOf(const Course& course, int n) {
    if (n < 1 || static_cast<size_t>(n) > course.sections.size()) return nullptr;
    return &course.sections[n - 1];
}

// Appends the records of one building run, each with the code and name of its section.
class TableBuilder {
public:
    TableBuilder(ResultsTable& table, const Course& course, DayNumber now)
        : table_(table), course_(course), now_(now) {}

    CW_Info& Append(const std::string& id, const std::string& title, int kind, int level, int section) {
        CW_Info& r = AppendRecord(table_, now_, id, title, kind, level);
        if (const Section* s = SectionOf(course_, section)) {
            r.LessonCode = s->SectionCode.substr(0, kLessonCodeCapacity);
            r.LessonName = s->SectionName.substr(0, kLessonNameCapacity);
        }
        return r;
    }

    size_t Count() const { return table_.records.size(); }

private:
    ResultsTable& table_;
    const Course& course_;
    DayNumber now_;
};

// A conversion of a course file's text, as the program converts every number; a failure names
// the file and line.
template <typename Convert>
auto ConvertedAt(Convert convert, const std::string& file, int line) {
    try {
        return convert();
    } catch (const ConversionError& e) {
        throw DataLineError(DataPlace{file, line, e.what()});
    }
}

int NumberAt(std::string_view text, const std::string& file, int line) {
    return ConvertedAt([text] { return StrToInt(text); }, file, line);
}

void AddTexts(TableBuilder& b, const Course& course) {
    for (const CourseText& text : course.texts)
        for (const TextExercise& exercise : course.textExercises) {
            if (ConvertedAt([&exercise] { return TextNumberOf(exercise); }, exercise.File, exercise.Line) != text.TextNumber)
                continue;
            const TextExerciseType* type = FindTextExerciseType(TypeCode(exercise));
            CW_Info& r = b.Append("tek_" + std::to_string(text.TextNumber), text.Title, type ? type->Kind : 0,
                                  text.Level, text.Section);
            r.Key = static_cast<std::uint8_t>(b.Count() % 256);
        }
}

void AddLetters(TableBuilder& b, const Course& course) {
    const std::string file = "Listy_r\\index.txt";
    for (size_t i = 1; i <= course.letters.size(); ++i) {
        const Letter& letter = course.letters[i - 1];
        const int line = static_cast<int>(i);
        const int level = NumberAt(letter.Level, file, line);
        const int section = NumberAt(letter.Section, file, line);
        b.Append("lst_" + std::to_string(i), "L" + std::to_string(i), 57, level, section);
    }
}

void AddCatalog(TableBuilder& b, const Course& course) {
    struct Family {
        const char* code;
        const char* prefix;
        const char* titlePrefix;
        int kind;
    };
    static const Family families[] = {
        {"11", "rpg_", "P", 54}, {"53", "zdn_", "ZDN_", 56}, {"60", "zdd_", "ZDD_", 59}, {"48", "cie_", "C_", 58}};
    for (size_t i = 1; i <= course.catalog.size(); ++i) {
        const CatalogEntry& entry = course.catalog[i - 1];
        const std::string& code = entry.Code;
        for (const Family& family : families) {
            if (Copy(code, 5, 2) != family.code) continue;
            b.Append(family.prefix + std::to_string(i), family.titlePrefix + Copy(code, 1, 4), family.kind,
                     NumberAt(Copy(code, 7, 2), entry.File, entry.Line),
                     NumberAt(Copy(code, 9, 2), entry.File, entry.Line));
        }
    }
}

void AddSentencePackages(TableBuilder& b, const Course& course, int courseVariant) {
    for (size_t k = 1; k <= course.packages.size(); ++k) {
        const Package& package = course.packages[k - 1];
        const size_t significant = package.GroupCode.find_first_not_of('0');
        const std::string group = significant == std::string::npos ? "" : package.GroupCode.substr(significant);
        const Section* section = SectionOf(course, package.Section);
        const std::string title = "DZIAL=" + (section ? section->SectionCode : "") + "=(" + group + ")";
        const std::string id = "zda_" + std::to_string(k);
        for (int kind = 50; kind <= (courseVariant == 2 ? 51 : 52); ++kind)
            b.Append(id, title, kind, package.Level, package.Section);
    }
}

void AddDialogues(TableBuilder& b, const Course& course) {
    for (size_t d = 1; d <= course.dialogues.size(); ++d) {
        const Dialogue& dialogue = course.dialogues[d - 1];
        for (int p = 1; p <= 5; ++p)
            if (Copy(dialogue.VariantFlags, p, 1) == "T")
                b.Append("dia_" + std::to_string(d), dialogue.Title, 69 + p, dialogue.Level, dialogue.Lesson);
    }
}

void AddVocabulary(TableBuilder& b, const std::string& programDir) {
    const std::vector<std::string> files = VocabularyFiles(programDir);
    for (size_t i = 1; i <= files.size(); ++i) {
        const std::string file = "cw_r\\" + files[i - 1];
        if (!FileExists(programDir + file)) continue;  // gone, or a directory entry
        std::optional<LineReader> reader = LineReader::OpenIfExists(programDir + file);
        if (!reader) continue;
        reader->ReadLine();
        const std::string code = reader->ReadLine();
        const int level = NumberAt(Copy(code, 7, 2), file, 2);
        const int section = NumberAt(Copy(code, 9, 2), file, 2) - 59;
        const std::string id = "slo_" + std::to_string(i), title = "S" + Copy(code, 1, 4);
        for (int kind = 60; kind <= 64; ++kind) b.Append(id, title, kind, level, section);
    }
}

}  // namespace

const char* const kOpenTaskTitle = "Nazwa1 PL=Nazwa2 ANG=Nazwa3 NIEM=";

namespace {

void AddOpenTasks(TableBuilder& b, const Course& course) {
    for (size_t i = 1; i <= course.openTasks.size(); ++i) {
        const OpenTask& task = course.openTasks[i - 1];
        b.Append("otw_" + std::to_string(i), kOpenTaskTitle, 90, task.Level, task.Section);
    }
}

}  // namespace

std::vector<std::string> VocabularyFiles(const std::string& programDir) {
    // Directory entries take their numbers too; they give no exercises (they cannot be read).
    return ListEntries(programDir + "cw_r\\", ".bc4");
}

void BuildExerciseTable(ResultsTable& table, const Course& course, const StartupState& state, DayNumber now) {
    table.records.clear();
    TableBuilder builder(table, course, now);
    AddTexts(builder, course);
    AddLetters(builder, course);
    AddCatalog(builder, course);
    AddSentencePackages(builder, course, state.CourseVariant);
    AddDialogues(builder, course);
    AddVocabulary(builder, state.ProgramDir);
    AddOpenTasks(builder, course);
}

std::string OpenTaskLineName(const Course& course, const std::string& id, const std::string& title, int langIndex) {
    if (title != kOpenTaskTitle || id.rfind("otw_", 0) != 0) return {};
    const std::string number = id.substr(4);
    if (number.empty() || number.size() > 6 || number.find_first_not_of("0123456789") != std::string::npos) return {};
    const size_t n = static_cast<size_t>(std::stoi(number));
    if (n < 1 || n > course.openTasks.size()) return {};
    const OpenTask& task = course.openTasks[n - 1];
    return langIndex == 0 || task.Text2.empty() ? task.Text1 : task.Text2;
}

}  // namespace quillan
