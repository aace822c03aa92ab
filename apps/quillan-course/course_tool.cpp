#include "course_tool.h"

#include <algorithm>
#include <filesystem>

#include "app/installation.h"
#include "course/data_errors.h"
#include "course/load_course.h"
#include "content_dumps.h"
#include "course_tables.h"
#include "exercise_table_command.h"
#include "exercises/texts/text_exercise_content.h"
#include "exercises/vocab/word_list.h"
#include "json_lines.h"
#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "progress/exercise_table.h"

namespace quillan {

namespace {

constexpr int kOk = 0, kProblems = 1, kUsage = 2;

const char* const kUsageText =
    "usage: quillan-course check DIR [--lang N]\n"
    "       quillan-course dump DIR TABLE [--lang N]\n"
    "       quillan-course words FILE\n"
    "       quillan-course exercise-table DIR [--lang N]\n"
    "Checks and shows the course data of a Quillan installation with the program's own loaders.\n"
    "Run 'quillan-course COMMAND --help' for one command.\n";

const char* const kCheckHelp =
    "usage: quillan-course check DIR [--lang N]\n"
    "Loads the installation DIR as the program does at start and prints one line per table,\n"
    "'NAME COUNT', in load order, then every problem as 'FILE:LINE: message' (line 0: the file\n"
    "as a whole). Unlike the program, an error ends only the load of its own file. The exercise\n"
    "table a new learner gets is built from the tables too, and what stops it is a problem. The\n"
    "content of every text exercise (St_a.txt and the typing exercises' files) and of every\n"
    "gap-sentence exercise of the catalog is read as its window reads it, and what the window\n"
    "cannot show as written is a problem too.\n"
    "--lang N reads the interface tables of Lang_r\\N\\ (default: 1 with be.ini, else 0).\n"
    "Exit status: 0 no problem, 1 problems, 2 DIR is no installation or a wrong argument.\n";

const char* const kWordsHelp =
    "usage: quillan-course words FILE\n"
    "Reads the word list FILE (cw_r\\*.bc4) and prints one JSON object per entry, then\n"
    "{\"ItemEntries\":[...],\"ItemCount\":N} after mapping the items to entries.\n"
    "Exit status: 0 read, 1 the list stops with an error (FILE:LINE: message), 2 a wrong argument.\n";

std::string DumpHelp() {
    std::string help =
        "usage: quillan-course dump DIR TABLE [--lang N]\n"
        "Loads the installation DIR and prints the records of one table as JSON Lines (UTF-8),\n"
        "in table order, the keys named as the record fields. TABLE is one of:\n ";
    for (const CourseTable& table : CourseTables()) help += " " + std::string(table.Name);
    help += "\nor the content the exercise windows read, parsed, one object per exercise:\n ";
    for (const ContentDump& dump : ContentDumps()) help += " " + std::string(dump.Name);
    return help + "\nExit status: 0 printed, 2 DIR is no installation or a wrong argument.\n";
}

// Collects what ResolveInstallation would show in message boxes.
class CollectedMessages : public Messages {
public:
    void Show(const std::string& text) override { texts.push_back(text); }
    void Warn(const std::string& text) override { texts.push_back(text); }
    bool Ask(const std::string& text) override {
        texts.push_back(text);
        return false;
    }
    void Error(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

struct Options {
    std::vector<std::string> positional;
    int lang = -1;
    bool help = false;
};

// Positional arguments and the options; false (with a message) for anything else.
bool ParseOptions(const std::vector<std::string>& args, bool langAllowed, Options& options, std::ostream& err) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--lang" && langAllowed) {
            if (i + 1 >= args.size() || (args[i + 1] != "0" && args[i + 1] != "1")) {
                err << "quillan-course: --lang takes 0 or 1\n";
                return false;
            }
            options.lang = args[++i][0] - '0';
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "quillan-course: unknown option " << arg << "\n";
            return false;
        } else {
            options.positional.push_back(arg);
        }
    }
    return true;
}

// Loads the installation in `dir` as the program's start-up does; false (with a message) when
// it is no installation.
bool LoadInstallation(const std::string& dir, int lang, StartupState& state, Course& course, Problems& problems,
                      std::ostream& err) {
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(dir, ec);
    if (ec || !std::filesystem::is_directory(path)) {
        err << "quillan-course: " << dir << " is not a directory\n";
        return false;
    }
    CollectedMessages messages;
    try {
        if (!ResolveInstallation(state, WithTrailingSeparator(Utf8ToCp1250(path.string())), messages)) {
            err << "quillan-course: " << dir << " is no installation:";
            for (const std::string& text : messages.texts) err << " " << Cp1250ToUtf8(text);
            err << "\n";
            return false;
        }
    } catch (const ConversionError& error) {
        // The program reports a bad number in "prof_r.txt" and goes on.
        problems.Add("prof_r.txt", 0, error.what());
    }
    ChooseInterfaceLanguage(state);
    if (lang >= 0) SetLanguage(state, lang);
    CheckCourseData(state, course, problems);
    return true;
}

// Builds the exercise table of a new learner as his first sign-in does; what stops it is noted
// with its file and line ("exercise-table" when it has none), unless a problem of that line is
// noted already.
void CheckExerciseTable(const StartupState& state, const Course& course, Problems& problems) {
    ResultsTable table;
    try {
        BuildExerciseTable(table, course, state, 0);
    } catch (const DataLineError& error) {
        const auto& noted = problems.List();
        const bool known = std::any_of(noted.begin(), noted.end(), [&](const Problem& problem) {
            return problem.File == error.Place().File && problem.Line == error.Place().Line;
        });
        if (!known) problems.Add(error.Place().File, error.Place().Line, error.Place().Detail);
    } catch (const std::exception& error) {
        problems.Add("exercise-table", 0, error.what());
    }
}

// The text-exercise list as the program names it: "St_" + CourseLetter + ".txt".
std::string TextExerciseListFile(const StartupState& state) { return "St_" + state.CourseLetter + ".txt"; }

std::string ProblemLine(const Problem& problem) {
    return Cp1250ToUtf8(problem.File) + ":" + std::to_string(problem.Line) + ": " + Cp1250ToUtf8(problem.Message);
}

int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (!ParseOptions(args, true, options, err)) return kUsage;
    if (options.help) {
        out << kCheckHelp;
        return kOk;
    }
    if (options.positional.size() != 1) {
        err << kCheckHelp;
        return kUsage;
    }
    StartupState state;
    Course course;
    Problems problems;
    if (!LoadInstallation(options.positional[0], options.lang, state, course, problems, err)) return kUsage;
    CheckTextExerciseContents(course, state.ProgramDir, TextExerciseListFile(state), problems);
    CheckExerciseTable(state, course, problems);
    for (const CourseLoadStep& step : CourseLoadSteps())
        for (std::string_view name : step.Tables) out << name << " " << FindCourseTable(name)->Count(course) << "\n";
    for (const Problem& problem : problems.List()) out << ProblemLine(problem) << "\n";
    return problems.Empty() ? kOk : kProblems;
}

int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (!ParseOptions(args, true, options, err)) return kUsage;
    if (options.help) {
        out << DumpHelp();
        return kOk;
    }
    if (options.positional.size() != 2) {
        err << DumpHelp();
        return kUsage;
    }
    const CourseTable* table = FindCourseTable(options.positional[1]);
    const ContentDump* contentDump = FindContentDump(options.positional[1]);
    if (!table && !contentDump) {
        err << "quillan-course: no table '" << options.positional[1] << "'\n" << DumpHelp();
        return kUsage;
    }
    StartupState state;
    Course course;
    Problems problems;
    if (!LoadInstallation(options.positional[0], options.lang, state, course, problems, err)) return kUsage;
    if (!problems.Empty())
        err << "quillan-course: " << problems.List().size() << " problem(s) in the installation; see quillan-course check\n";
    if (contentDump)
        contentDump->Dump(course, state.ProgramDir, TextExerciseListFile(state), out);
    else
        table->Dump(course, out);
    return kOk;
}

int Words(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (!ParseOptions(args, false, options, err)) return kUsage;
    if (options.help) {
        out << kWordsHelp;
        return kOk;
    }
    if (options.positional.size() != 1) {
        err << kWordsHelp;
        return kUsage;
    }
    const std::string& file = options.positional[0];
    if (!std::filesystem::is_regular_file(file)) {
        err << "quillan-course: no file " << file << "\n";
        return kUsage;
    }
    VocabStore store;
    Problems problems;
    try {
        LoadWordList(Utf8ToCp1250(file), store, problems);
    } catch (const DataLineError& error) {
        err << ProblemLine(Problem{error.Place().File, error.Place().Line, error.Place().Detail}) << "\n";
        return kProblems;
    } catch (const FileError& error) {
        err << "quillan-course: " << Cp1250ToUtf8(error.what()) << "\n";
        return kUsage;
    }
    for (const VocabEntry& e : store.Entries)
        out << JsonObject()
                   .Number("Group", e.Group)
                   .Number("SoundByName", e.SoundByName)
                   .Number("EntryId", e.EntryId)
                   .Number("Column11", e.Column11)
                   .Number("WordClass", e.WordClass)
                   .Text("Headword", e.Headword)
                   .Text("Translation", e.Translation)
                   .Text("SecondText", e.SecondText)
                   .Text("Alternatives", e.Alternatives)
                   .Text("Note", e.Note)
                   .Text("SoundRef", e.SoundRef)
                   .Boolean("Flag6", e.Flag6)
                   .Boolean("IsItem", e.IsItem)
                   .Number("ExampleId", e.ExampleId)
                   .str()
            << "\n";
    MapItems(store);
    out << JsonObject().Numbers("ItemEntries", store.ItemEntries).Number("ItemCount", store.ItemCount).str() << "\n";
    for (const Problem& problem : problems.List()) err << ProblemLine(problem) << "\n";
    return kOk;
}

}  // namespace

int RunCourseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsageText;
        return kUsage;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsageText;
        return kOk;
    }
    if (command == "check") return Check(rest, out, err);
    if (command == "dump") return Dump(rest, out, err);
    if (command == "words") return Words(rest, out, err);
    if (command == "exercise-table") return ExerciseTableCommand(rest, out, err);
    err << "quillan-course: unknown command '" << command << "'\n" << kUsageText;
    return kUsage;
}

}  // namespace quillan
