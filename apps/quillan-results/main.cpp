// quillan-results: reads and writes a learner's files for teachers, support and scripts.
//
//   quillan-results dump FILE                 a results file as JSON Lines
//   quillan-results repetitions FILE          a repetitions file as JSON Lines
//   quillan-results new INSTALLDIR LEARNERDIR a new learner's exercise table, saved
//   quillan-results record LEARNERDIR --percent P --id ID --kind K --completed C --key K
//                   --index I [--now "yyyy-mm-dd hh:nn:ss"]
//                                             what an exercise window does when it closes
//   quillan-results chart INSTALLDIR LEARNERDIR [--expand]
//                                             the printout of the learner's results chart (HTML)

#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/installation.h"
#include "progress/settings.h"
#include "course/load_course.h"
#include "platform/cp1250.h"
#include "platform/day_date.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system_clock.h"
#include "chart/chart_printout.h"
#include "chart/chart_tree.h"
#include "progress/exercise_table.h"
#include "session/learner_session.h"
#include "progress/results_json.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr const char* kUsage =
    "usage: quillan-results dump FILE\n"
    "       quillan-results repetitions FILE\n"
    "       quillan-results new INSTALLDIR LEARNERDIR\n"
    "       quillan-results record LEARNERDIR --percent P --id ID --kind K --completed C --key K --index I\n"
    "                       [--now \"yyyy-mm-dd hh:nn:ss\"]\n"
    "       quillan-results chart INSTALLDIR LEARNERDIR [--expand]\n";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Prints the records of a file of fixed-size records, one JSON object a line. A trailing part
// record is told on stderr and gives exit code 1.
template <typename Decode, typename ToJson>
int Dump(const std::string& path, size_t recordSize, Decode decode, ToJson toJson) {
    const std::string bytes = ReadWholeFile(path);
    for (const auto& record : decode(bytes)) std::cout << toJson(record) << '\n';
    if (const size_t rest = bytes.size() % recordSize) {
        std::cerr << "quillan-results: the file ends inside a record (" << rest << " bytes after the last whole "
                  << "record)\n";
        return 1;
    }
    return 0;
}

// --name value pairs after the fixed arguments.
std::map<std::string, std::string> Options(const std::vector<std::string>& args, size_t from) {
    std::map<std::string, std::string> options;
    for (size_t i = from; i < args.size(); i += 2) {
        if (args[i].rfind("--", 0) != 0 || i + 1 >= args.size()) throw UsageError("unexpected argument " + args[i]);
        options[args[i].substr(2)] = args[i + 1];
    }
    return options;
}

std::string Required(const std::map<std::string, std::string>& options, const std::string& name) {
    auto it = options.find(name);
    if (it == options.end()) throw UsageError("--" + name + " is missing");
    return it->second;
}

// The learner's settings, as the program takes them: the defaults when there is no file, or
// (told on stderr) when it cannot be read or understood.
std::optional<Settings> LearnersSettings(AppContext& ctx) {
    try {
        return ReadSettingsFile(SettingsPath(ctx));
    } catch (const std::exception& error) {
        std::cerr << "quillan-results: " << Cp1250ToUtf8(NativePath(SettingsPath(ctx))) << ": " << Cp1250ToUtf8(error.what())
                  << "; the default settings are used\n";
        return std::nullopt;
    }
}

// Records one closed exercise in the learner's files, as the exercise window does, and prints
// {"Record": the updated record, "Repetition": its repetition or null}. The learner's settings
// file is read (the defaults when there is none; nothing is created).
int RecordForLearner(AppContext& ctx, const ExerciseReport& report) {
    LoadResults(ctx);
    const LearnerFile& file = ctx.learner.results.file;
    if (file.state == LearnerFile::State::Missing)
        throw std::runtime_error("no results file " + Cp1250ToUtf8(NativePath(file.path)));
    if (!file.SaveAllowed()) return 1;
    ctx.learner.settings = LearnersSettings(ctx).value_or(Settings{});
    LoadRepetitions(ctx);

    FinishExercise(ctx, &report);

    const CW_Info* record = FindRecord(ctx.learner.results, report.id, report.kind, report.key);
    if (!record) {
        std::cerr << "quillan-results: no record of id " << Cp1250ToUtf8(report.id) << ", kind " << report.kind
                  << ", key " << report.key << "; nothing was recorded\n";
        return 1;
    }
    const RepetitionEntry* repetition =
        FindRepetition(ctx.learner.repetitions, report.id, report.kind, report.index);
    std::cout << "{\"Record\":" << CwInfoJson(*record)
              << ",\"Repetition\":" << (repetition ? RepetitionJson(*repetition) : "null") << "}\n";
    return 0;
}

int Record(const std::vector<std::string>& args) {
    const auto options = Options(args, 3);
    ExerciseReport report;
    report.percent = StrToInt(Required(options, "percent"));
    report.id = Utf8ToCp1250(Required(options, "id"));
    report.kind = StrToInt(Required(options, "kind"));
    report.completed = StrToInt(Required(options, "completed"));
    report.key = StrToInt(Required(options, "key"));
    report.index = StrToInt(Required(options, "index"));

    std::optional<FixedClock> fixed;
    SystemClock system;
    if (auto now = options.find("now"); now != options.end()) {
        DayNumber at = 0;
        if (!ParseDateTime(now->second, at)) throw UsageError("--now wants \"yyyy-mm-dd hh:nn:ss\"");
        fixed.emplace(at);
    }
    for (const auto& [name, value] : options)
        if (name != "percent" && name != "id" && name != "kind" && name != "completed" && name != "key" &&
            name != "index" && name != "now")
            throw UsageError("unknown option --" + name);

    StreamMessages messages(std::cerr, "quillan-results: ");  // the learner is told on stderr
    AppContext ctx;
    ctx.services.messages = &messages;
    ctx.services.clock = fixed ? static_cast<Clock*>(&*fixed) : &system;
    ctx.startup.ResultsDirectory = WithTrailingSeparator(Utf8ToCp1250(args[2]));
    return RecordForLearner(ctx, report);
}

// Builds the exercise table of a new learner of the installation and saves it in the learner's
// directory (made when missing). A learner who has a results file keeps it.
int NewLearner(const std::string& installDir, const std::string& learnerDir) {
    const std::string path = ResultsPath(WithTrailingSeparator(learnerDir), StartupState{}.CourseFileId);
    if (FileExists(path) || DirectoryExists(path))
        throw std::runtime_error(Cp1250ToUtf8(NativePath(path)) + " exists already; it is left as it is");
    StreamMessages messages(std::cerr, "quillan-results: ");  // the learner is told on stderr
    SystemClock clock;
    ResultsTable table = InstallationExerciseTable(installDir, clock.Now(), messages);
    MakeDirectories(learnerDir);
    table.file.path = path;
    SaveResults(table);
    std::cout << Cp1250ToUtf8(NativePath(path)) << ": " << table.records.size() << " records\n";
    return 0;
}

// Prints the printout of the learner's results chart (every exercise, collapsed or with every
// line expanded), built as the program's chart builds it, in UTF-8. The pictures it names are
// those of the installation, by its absolute path. Gives 1 when a learner's file did not load
// whole (nothing is printed when his results cannot be read at all).
int Chart(const std::string& installDir, const std::string& learnerDir, bool expand) {
    StreamMessages messages(std::cerr, "quillan-results: ");
    SystemClock clock;
    AppContext ctx;
    ctx.services.messages = &messages;
    ctx.services.clock = &clock;
    StartupState& s = ctx.startup;
    std::string installation = std::filesystem::absolute(NativePath(installDir)).lexically_normal().string();
    if (installation.back() != '/') installation += '/';
    s.ProgramDir = Utf8ToCp1250(installation);
    std::optional<LineReader> profile = LineReader::OpenIfExists(s.ProgramDir + "prof_r.txt");
    if (!profile) throw FileError(MissingProfileMessage());
    ReadProfile(*profile, s);
    ChooseInterfaceLanguage(s);
    s.ResultsDirectory = WithTrailingSeparator(learnerDir);
    // The names of the learner's interface language, unless the installation has English only.
    if (!s.EnglishOnly)
        if (const std::optional<Settings> settings = LearnersSettings(ctx))
            SetLanguage(s, settings->LangIndex);
    Problems problems;
    LoadCourseData(s, ctx.course, problems, &messages);

    LoadResults(ctx);
    const LearnerFile& file = ctx.learner.results.file;
    if (file.state == LearnerFile::State::Missing)
        throw std::runtime_error("no results file " + Cp1250ToUtf8(NativePath(file.path)));
    if (file.state == LearnerFile::State::Unreadable) return 1;  // told on stderr
    LoadRepetitions(ctx);

    ChartTree tree;
    tree.Build(ctx, 1, clock.Now());
    tree.SetAllExpanded(expand);
    std::cout << Cp1250ToUtf8(ChartHtml(tree, s.ProgramDir)) << '\n';
    // A file that did not load whole has been told on stderr; the chart shows what was read.
    return file.LoadedWhole() && ctx.learner.repetitions.file.LoadedWhole() ? 0 : 1;
}

int Run(const std::vector<std::string>& args) {
    const std::string command = args.size() > 1 ? args[1] : "";
    if (command == "dump" && args.size() == 3)
        return Dump(Utf8ToCp1250(args[2]), kCwInfoSize, DecodeResults, CwInfoJson);
    if (command == "repetitions" && args.size() == 3)
        return Dump(Utf8ToCp1250(args[2]), kRepetitionSize, DecodeRepetitions, RepetitionJson);
    if (command == "new" && args.size() == 4) return NewLearner(Utf8ToCp1250(args[2]), Utf8ToCp1250(args[3]));
    if (command == "record" && args.size() >= 3) return Record(args);
    if (command == "chart" && (args.size() == 4 || (args.size() == 5 && args[4] == "--expand")))
        return Chart(Utf8ToCp1250(args[2]), Utf8ToCp1250(args[3]), args.size() == 5);
    throw UsageError("");
}

}  // namespace
}  // namespace quillan

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    try {
        return quillan::Run(args);
    } catch (const quillan::UsageError& e) {
        if (*e.what()) std::cerr << "quillan-results: " << e.what() << '\n';
        std::cerr << quillan::kUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quillan-results: " << quillan::Cp1250ToUtf8(e.what()) << '\n';
        return 1;
    }
}
