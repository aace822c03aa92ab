#include "exercise_table_command.h"

#include <filesystem>

#include "platform/cp1250.h"
#include "platform/system_clock.h"
#include "app/installation.h"
#include "progress/exercise_table.h"
#include "progress/results_json.h"

namespace quillan {
namespace {

const char* const kHelp =
    "usage: quillan-course exercise-table DIR [--lang N]\n"
    "Builds the exercise table a new learner of the installation DIR gets, as the program does\n"
    "at his first sign-in, and prints it as JSON Lines in the form of 'quillan-results dump'.\n"
    "--lang N takes the section names of Lang_r\\N\\ (default: 1 with be.ini, else 0).\n"
    "Exit status: 0 printed, 1 the table cannot be built, 2 DIR is no installation or a wrong argument.\n";

}  // namespace

int ExerciseTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string dir;
    int lang = -1;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            out << kHelp;
            return 0;
        }
        if (args[i] == "--lang" && i + 1 < args.size() && (args[i + 1] == "0" || args[i + 1] == "1")) {
            lang = args[++i][0] - '0';
        } else if (dir.empty() && !args[i].empty() && args[i][0] != '-') {
            dir = args[i];
        } else {
            err << kHelp;
            return 2;
        }
    }
    if (dir.empty() || !std::filesystem::is_directory(dir)) {
        err << (dir.empty() ? std::string(kHelp) : "quillan-course: " + dir + " is not a directory\n");
        return 2;
    }

    // What loading would tell the learner goes to stderr.
    StreamMessages messages(err, "quillan-course: ");
    SystemClock clock;
    try {
        const ResultsTable table = InstallationExerciseTable(Utf8ToCp1250(dir), clock.Now(), messages, lang);
        for (const CW_Info& record : table.records) out << CwInfoJson(record) << "\n";
    } catch (const std::exception& error) {
        err << "quillan-course: " << Cp1250ToUtf8(error.what()) << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quillan
