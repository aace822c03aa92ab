#include "classroom/server/classroom_command.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <map>
#include <optional>
#include <regex>
#include <stdexcept>
#include <thread>

#include "classroom/classroom_records.h"
#include "classroom/protocol.h"
#include "classroom/server/classroom_server.h"
#include "classroom/server/classroom_store.h"
#include "classroom/server/passwords.h"
#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/system_clock.h"
#include "progress/results_json.h"
#include "text/text_utils.h"

namespace quillan::classroom {
namespace {

constexpr const char* kUsage =
    "usage: quillan-classroom serve --db DB [--listen ADDRESS] [--port N] [--max-connections N]\n"
    "                               [--store-threads N] [--hash-threads N] [--silence-limit SECONDS]\n"
    "                               [--log-requests]\n"
    "       quillan-classroom user add --db DB NAME [--whole-course] [--no-access] [--no-typing]\n"
    "       quillan-classroom user set --db DB NAME [--whole-course] [--no-access] [--no-typing]\n"
    "       quillan-classroom user password --db DB NAME\n"
    "       quillan-classroom lesson add --db DB NUMBER NAME [--exercise REF=NAME]...\n"
    "       quillan-classroom assign --db DB USER LESSON [--from DATE] [--until DATE]\n"
    "       quillan-classroom results --db DB USER [--course FILE]\n"
    "       quillan-classroom users --db DB\n"
    "DB: an SQLite file or a postgresql:// URI; DATE: yyyy-mm-dd or yyyy-mm-ddTHH:MM;\n"
    "user add and user password read the password from standard input.\n";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Refused input or a failed operation: exit code 1.
class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the command words: positional ones in order, options by name (an
// option given several times keeps every value).
struct Arguments {
    std::vector<std::string> positional;
    std::multimap<std::string, std::string> options;
    std::vector<std::string> flags;

    bool Flag(const std::string& name) const {
        return std::find(flags.begin(), flags.end(), name) != flags.end();
    }
    std::optional<std::string> Option(const std::string& name) const {
        auto it = options.find(name);
        if (it == options.end()) return std::nullopt;
        return it->second;
    }
};

Arguments ParseArguments(const std::vector<std::string>& args, size_t from, const std::vector<std::string>& valued,
                         const std::vector<std::string>& flags) {
    Arguments parsed;
    for (size_t i = from; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!a.starts_with("--")) {
            parsed.positional.push_back(a);
            continue;
        }
        const std::string name = a.substr(2);
        if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
            parsed.flags.push_back(name);
        } else if (std::find(valued.begin(), valued.end(), name) != valued.end()) {
            if (i + 1 >= args.size()) throw UsageError(a + " wants a value");
            parsed.options.emplace(name, args[++i]);
        } else {
            throw UsageError("unknown option " + a);
        }
    }
    return parsed;
}

std::string Database(const Arguments& a) {
    std::optional<std::string> db = a.Option("db");
    if (!db) throw UsageError("--db is missing");
    return *db;
}

std::unique_ptr<ClassroomStore> OpenStore(const Arguments& a) { return OpenStoreFactory(Database(a))(); }

void ExpectPositional(const Arguments& a, size_t count) {
    if (a.positional.size() != count) throw UsageError("wrong number of arguments");
}

int PositiveNumber(const std::string& text, const std::string& what) {
    try {
        const int value = StrToInt(text);
        if (value >= 0) return value;
    } catch (const ConversionError&) {
    }
    throw UsageError(what + " wants a number, not " + text);
}

// A learner's name as the program sends it: what is typed, trimmed, in Windows-1250.
std::string LearnerName(const std::string& utf8) {
    const std::string name = Utf8ToCp1250(utf8);
    if (name.empty() || Trim(name) != name)
        throw Refusal("a learner's name must not be empty nor begin or end with a space (the program trims "
                      "what is typed)");
    if (name.find_first_of("#\r\n") != std::string::npos)
        throw Refusal("a learner's name must not hold \"#\" or a line end: the program cannot send it");
    if (name.size() > 100) throw Refusal("a learner's name must not be longer than 100 characters");
    return name;
}

// The password on the first line of standard input, trimmed as the program trims what is typed.
std::string PasswordFromInput(std::istream& in) {
    std::string line;
    std::getline(in, line);
    const std::string password = Trim(Utf8ToCp1250(line));
    if (password.empty()) throw Refusal("no password on standard input");
    if (password.find('#') != std::string::npos)
        throw Refusal("a password must not hold \"#\": the program cannot send it");
    return password;
}

AccountFlags FlagsOf(const Arguments& a) {
    return {a.Flag("whole-course"), !a.Flag("no-access"), !a.Flag("no-typing")};
}

// ---- serve ----

int SignalPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(SignalPipe[1], &byte, 1);
}

// As many open files as the system lets this process have, for the connections.
void RaiseOpenFileLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

size_t Count(const Arguments& a, const std::string& name, size_t fallback) {
    const std::optional<std::string> value = a.Option(name);
    if (!value) return fallback;
    const int n = PositiveNumber(*value, "--" + name);
    if (n == 0) throw UsageError("--" + name + " wants a number above 0");
    return static_cast<size_t>(n);
}

int Serve(const Arguments& a, std::ostream& out, std::ostream& err) {
    ExpectPositional(a, 0);
    ServerOptions options;
    if (const std::optional<std::string> listen = a.Option("listen")) {
        if (!options.address.setAddress(QString::fromStdString(*listen)))
            throw UsageError("--listen wants an IP address, not " + *listen);
    }
    if (const std::optional<std::string> port = a.Option("port")) {
        const int n = PositiveNumber(*port, "--port");
        if (n > 65535) throw UsageError("--port wants a number up to 65535");
        options.port = static_cast<std::uint16_t>(n);
    }
    options.maxConnections = Count(a, "max-connections", options.maxConnections);
    options.storeThreads = Count(a, "store-threads", options.storeThreads);
    options.hashThreads = Count(a, "hash-threads", std::max(1u, std::thread::hardware_concurrency()));
    options.silenceLimit = std::chrono::seconds(Count(a, "silence-limit", 10));
    options.logRequests = a.Flag("log-requests");

    StoreFactory stores = OpenStoreFactory(Database(a));
    RaiseOpenFileLimit();
    std::signal(SIGPIPE, SIG_IGN);

    int argc = 1;
    char name[] = "quillan-classroom";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ClassroomServer server(options, std::move(stores), err);
    std::string error;
    if (!server.Listen(error)) throw Refusal("cannot listen on " + options.address.toString().toStdString() + ":" +
                                             std::to_string(options.port) + ": " + error);

    if (socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0) throw Refusal("cannot watch for stop signals");
    QSocketNotifier stopSignals(SignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopSignals, &QSocketNotifier::activated, &app, [&] {
        stopSignals.setEnabled(false);
        err << FormatDateTime(SystemClock().Now()) << " - stopping" << std::endl;
        server.Stop([] { QCoreApplication::quit(); });
    });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    out << "listening on " << server.Address().toString().toStdString() << ":" << server.Port() << std::endl;
    std::fflush(stdout);
    return app.exec();
}

// ---- administration ----

int User(const std::vector<std::string>& args, std::istream& in, std::ostream& out) {
    const std::string action = args.size() > 1 ? args[1] : "";
    const Arguments a = ParseArguments(args, 2, {"db"}, {"whole-course", "no-access", "no-typing"});
    ExpectPositional(a, 1);
    const std::string name = LearnerName(a.positional[0]);
    if (action == "add") {
        const std::string password = PasswordFromInput(in);
        OpenStore(a)->AddUser(name, HashPassword(password), FlagsOf(a));
        out << "learner " << a.positional[0] << " added\n";
        return 0;
    }
    if (action == "set") {
        if (!OpenStore(a)->SetUserFlags(name, FlagsOf(a))) throw Refusal("no learner " + a.positional[0]);
        out << "learner " << a.positional[0] << " set\n";
        return 0;
    }
    if (action == "password") {
        if (!a.flags.empty()) throw UsageError("user password takes no flags");
        const std::string password = PasswordFromInput(in);
        if (!OpenStore(a)->SetPasswordHash(name, HashPassword(password))) throw Refusal("no learner " + a.positional[0]);
        out << "password of " << a.positional[0] << " changed\n";
        return 0;
    }
    throw UsageError("user wants add, set or password");
}

int Lesson(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() < 2 || args[1] != "add") throw UsageError("lesson wants add");
    const Arguments a = ParseArguments(args, 2, {"db", "exercise"}, {});
    ExpectPositional(a, 2);
    const int number = PositiveNumber(a.positional[0], "the lesson");
    TeacherLesson lesson;
    lesson.fileName = LessonFileName(number);
    lesson.name = Utf8ToCp1250(a.positional[1]);
    if (lesson.name.size() > kLessonNameCapacity)
        throw Refusal("a lesson name must not be longer than " + std::to_string(kLessonNameCapacity) + " characters");
    for (auto [it, end] = a.options.equal_range("exercise"); it != end; ++it) {
        const size_t equals = it->second.find('=');
        if (equals == std::string::npos) throw UsageError("--exercise wants REF=NAME, not " + it->second);
        LessonExercise exercise;
        try {
            exercise.reference = StrToInt(it->second.substr(0, equals));
        } catch (const ConversionError&) {
            throw UsageError("--exercise wants a number before \"=\", not " + it->second);
        }
        exercise.name = Utf8ToCp1250(it->second.substr(equals + 1));
        if (exercise.name.size() > kLessonExerciseNameCapacity)
            throw Refusal("an exercise name must not be longer than " + std::to_string(kLessonExerciseNameCapacity) +
                          " characters");
        lesson.exercises.push_back(exercise);
    }
    if (lesson.exercises.size() > kMaxLessonExercises)
        throw Refusal("a lesson holds at most " + std::to_string(kMaxLessonExercises) + " exercises");
    OpenStore(a)->AddLesson(number, lesson);
    out << "lesson " << number << " added with " << lesson.exercises.size() << " exercises\n";
    return 0;
}

int Assign(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments a = ParseArguments(args, 1, {"db", "from", "until"}, {});
    ExpectPositional(a, 2);
    AssignmentPlan plan;
    plan.lessonNumber = PositiveNumber(a.positional[1], "the lesson");
    auto date = [&a](const std::string& option, bool endOfDay) -> std::optional<DayNumber> {
        const std::optional<std::string> text = a.Option(option);
        if (!text) return std::nullopt;
        DayNumber value = 0;
        if (!ParseAssignmentDate(*text, endOfDay, value))
            throw UsageError("--" + option + " wants yyyy-mm-dd or yyyy-mm-ddTHH:MM, not " + *text);
        return value;
    };
    plan.from = date("from", false);
    plan.until = date("until", true);
    if (plan.from && plan.until && *plan.until <= *plan.from) throw Refusal("--until is not after --from");
    OpenStore(a)->Assign(LearnerName(a.positional[0]), plan, SystemClock().Now());
    out << "lesson " << plan.lessonNumber << " assigned to " << a.positional[0] << "\n";
    return 0;
}

int Results(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments a = ParseArguments(args, 1, {"db", "course"}, {});
    ExpectPositional(a, 1);
    const std::string course = Utf8ToCp1250(a.Option("course").value_or("qlr2_55"));
    std::unique_ptr<ClassroomStore> store = OpenStore(a);
    const std::optional<Account> account = store->FindAccount(LearnerName(a.positional[0]), course);
    if (!account) throw Refusal("no learner " + a.positional[0]);
    const std::optional<std::string> results = store->LoadResults(account->id, course);
    if (!results) throw Refusal("no results stored for " + a.positional[0]);
    for (const CW_Info& record : DecodeResults(*results)) out << CwInfoJson(record) << '\n';
    return 0;
}

int Users(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments a = ParseArguments(args, 1, {"db"}, {});
    ExpectPositional(a, 0);
    for (const UserSummary& user : OpenStore(a)->Users()) {
        JsonFields json;
        json.Text("Name", user.name);
        json.Number("WholeCourse", user.flags.wholeCourse);
        json.Number("Access", user.flags.access);
        json.Number("Typing", user.flags.typing);
        json.Number("ResultsFiles", user.resultsFiles);
        json.Number("Records", user.records);
        json.Number("Assignments", user.assignments);
        out << json.Finish() << '\n';
    }
    return 0;
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::string command = args.empty() ? "" : args[0];
    if (command == "serve")
        return Serve(ParseArguments(args, 1,
                                    {"db", "listen", "port", "max-connections", "store-threads", "hash-threads",
                                     "silence-limit"},
                                    {"log-requests"}),
                     out, err);
    if (command == "user") return User(args, in, out);
    if (command == "lesson") return Lesson(args, out);
    if (command == "assign") return Assign(args, out);
    if (command == "results") return Results(args, out);
    if (command == "users") return Users(args, out);
    throw UsageError(command.empty() ? "" : "unknown command " + command);
}

}  // namespace

bool ParseAssignmentDate(const std::string& text, bool endOfDay, double& out) {
    static const std::regex form(R"((\d{4}-\d{2}-\d{2})(T(\d{2}):(\d{2}))?)");
    std::smatch m;
    if (!std::regex_match(text, m, form)) return false;
    if (!m[2].matched) {
        if (!ParseDateTime(m[1].str(), out)) return false;
        if (endOfDay) out += 1;
        return true;
    }
    return ParseDateTime(m[1].str() + " " + m[3].str() + ":" + m[4].str() + ":00", out);
}

int RunClassroomCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                        std::ostream& err) {
    try {
        return Run(args, in, out, err);
    } catch (const UsageError& e) {
        if (*e.what()) err << "quillan-classroom: " << e.what() << '\n';
        err << kUsage;
        return 2;
    } catch (const std::exception& e) {
        err << "quillan-classroom: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace quillan::classroom
