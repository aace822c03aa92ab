// classroom-load: a classroom of simulated learners against a quillan-classroom server on this
// machine. Every learner logs in, downloads its results and then records results one after
// another, as the program does when exercise windows close; the figures are the logins (the
// password hashing) and the recorded results after all logins.
//
//   classroom-load [--db DB] [--learners N] [--results N] [--records N] [--gap-ms MS[,MS...]]
//                  [--store-threads N] [--hash-threads N] [--server PROGRAM]
//
// DB is an SQLite file (by default a new one in a temporary directory) or a postgresql:// URI.
// Learners "load0001"... are made in DB when missing (with their results), so a database can
// be used again without hashing every password anew. --gap-ms is the mean pause of a learner
// before each result (0: as fast as the server answers); with several, the learners send their
// results once for each, one phase after another, after one login.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "classroom/protocol.h"
#include "classroom/server/classroom_store.h"
#include "classroom/server/passwords.h"
#include "classroom/server/plain_client.h"
#include "classroom/server/server_process.h"
#include "platform/system_clock.h"

namespace quillan::classroom {
namespace {

using SteadyClock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr const char* kCourse = "qlr2_55";

struct Options {
    std::string db;
    std::string server;
    int learners = 1000;
    int results = 20;
    int records = 1000;
    std::vector<int> gapsMs{1000};
    int storeThreads = 16;
    int hashThreads = 0;  // the server's default
};

std::string LearnerName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "load%04d", i + 1);
    return name;
}
std::string Password(int i) { return "haslo-" + std::to_string(i + 1); }

// A learner's table as the program builds it from a course: the exercises of each unit of the
// course in the families of the course, until the table has `count` records.
std::vector<CW_Info> CourseTable(int count, DayNumber now) {
    struct Family {
        const char* prefix;
        int firstKind, kinds;
        bool keyed;  // the exercises of one text tell themselves apart by the key
    };
    const Family families[] = {{"tek_", 40, 8, true}, {"slo_", 60, 5, false}, {"zda_", 50, 3, false},
                               {"dia_", 70, 5, false}, {"rpg_", 54, 1, false}, {"zdn_", 56, 1, false},
                               {"lst_", 57, 1, false}, {"cie_", 58, 1, false}, {"zdd_", 59, 1, false}};
    ResultsTable table;
    for (int unit = 1; static_cast<int>(table.records.size()) < count; ++unit)
        for (const Family& f : families)
            for (int k = 0; k < f.kinds && static_cast<int>(table.records.size()) < count; ++k) {
                CW_Info& r = AppendRecord(table, now, f.prefix + std::to_string(unit), "Exercise", f.firstKind + k, 1);
                if (f.keyed) r.Key = static_cast<std::uint8_t>(table.records.size());
                char lesson[32];
                std::snprintf(lesson, sizeof lesson, "L%d", unit);
                r.LessonCode = lesson;
                std::snprintf(lesson, sizeof lesson, "Lesson %d", unit);
                r.LessonName = lesson;
            }
    return table.records;
}

// Makes the learners that are missing, hashing on every core.
void MakeLearners(const Options& o, StoreFactory& factory) {
    const auto start = SteadyClock::now();
    std::atomic<int> next{0}, made{0};
    const std::string table = EncodeResults(CourseTable(o.records, SystemClock().Now()));
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
        threads.emplace_back([&] {
            std::unique_ptr<ClassroomStore> store = factory();
            for (int i; (i = next++) < o.learners;) {
                std::optional<Account> account = store->FindAccount(LearnerName(i), kCourse);
                if (!account) {
                    store->AddUser(LearnerName(i), HashPassword(Password(i)), {});
                    account = store->FindAccount(LearnerName(i), kCourse);
                    ++made;
                }
                if (!account->hasResults) store->StoreFirstResults(account->id, kCourse, table);
            }
        });
    for (std::thread& t : threads) t.join();
    std::cout << "learners: " << made << " of " << o.learners << " made in "
              << std::chrono::duration<double>(SteadyClock::now() - start).count() << " s" << std::endl;
}

// The processor time a process has used so far, user and system, in seconds.
double ProcessorSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15) ticks += std::stod(field);  // utime, stime
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// Latencies of one kind of request.
class Figures {
public:
    void Add(double ms) {
        std::lock_guard lock(mutex_);
        values_.push_back(ms);
    }
    void Fail() { ++failures_; }
    size_t Count() const { return values_.size(); }
    double Percentile(double p) {
        if (values_.empty()) return 0;
        std::sort(values_.begin(), values_.end());
        return values_[std::min(values_.size() - 1, static_cast<size_t>(p / 100 * values_.size()))];
    }
    int Failures() const { return failures_; }

private:
    std::mutex mutex_;
    std::vector<double> values_;
    std::atomic<int> failures_{0};
};

void Report(const char* what, Figures& f, double seconds) {
    std::printf("%-9s %6zu in %7.2f s = %8.1f requests/s; latency p50 %8.2f ms, p99 %8.2f ms, max %8.2f ms;"
                " failed %d\n",
                what, f.Count(), seconds, f.Count() / seconds, f.Percentile(50), f.Percentile(99),
                f.Percentile(100), f.Failures());
}

int Run(const Options& o) {
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);

    const std::string workDir = std::filesystem::temp_directory_path() / ("classroom-load-" + std::to_string(getpid()));
    std::filesystem::create_directories(workDir);
    const std::string db = o.db.empty() ? workDir + "/load.db" : o.db;
    std::cout << "database: " << (IsPostgresUri(db) ? "PostgreSQL " : "SQLite ") << db
              << "; load average " << LoadAverage() << std::endl;
    StoreFactory factory = OpenStoreFactory(db);
    MakeLearners(o, factory);

    std::vector<std::string> serve{"--db",           db,
                                   "--listen",       "127.0.0.1",
                                   "--port",         "0",
                                   "--max-connections", std::to_string(o.learners + 100),
                                   "--store-threads", std::to_string(o.storeThreads)};
    if (o.hashThreads > 0) serve.insert(serve.end(), {"--hash-threads", std::to_string(o.hashThreads)});
    ServerProcess server(o.server, serve, workDir + "/server.log");
    const PlainClient client("127.0.0.1", server.Port(), std::chrono::minutes(60));

    // One phase of logins, then one phase of results for each pause asked for.
    Figures logins, downloads;
    std::vector<Figures> results(o.gapsMs.size());
    std::vector<double> resultSeconds(o.gapsMs.size()), resultServerCpu(o.gapsMs.size());
    double loginSeconds = 0, loginServerCpu = 0, phaseCpu = 0;
    SteadyClock::time_point phaseStart;
    size_t phase = 0;  // 0 logins, then 1 + the pause's index
    std::barrier nextPhase(o.learners, [&]() noexcept {
        const auto now = SteadyClock::now();
        const double cpu = ProcessorSeconds(server.Pid());
        if (phase == 1) {
            loginSeconds = std::chrono::duration<double>(now - phaseStart).count();
            loginServerCpu = cpu - phaseCpu;
        }
        if (phase > 1) {
            resultSeconds[phase - 2] = std::chrono::duration<double>(now - phaseStart).count();
            resultServerCpu[phase - 2] = cpu - phaseCpu;
        }
        phaseCpu = cpu;
        if (phase == 0) std::cout << "server " << server.Pid() << ": " << o.learners << " learners log in" << std::endl;
        if (phase >= 1 && phase <= o.gapsMs.size())
            std::cout << "server " << server.Pid() << ": the learners send results, mean pause "
                      << o.gapsMs[phase - 1] << " ms" << std::endl;
        ++phase;
        phaseStart = SteadyClock::now();
    });

    auto timed = [&client](const std::string& request, std::string& reply) {
        const auto start = SteadyClock::now();
        reply = client.Exchange(request);
        return Milliseconds(SteadyClock::now() - start).count();
    };

    std::vector<std::thread> learners;
    learners.reserve(o.learners);
    for (int i = 0; i < o.learners; ++i)
        learners.emplace_back([&, i] {
            const Identity who{LearnerName(i), Password(i), kCourse};
            std::mt19937 random(static_cast<unsigned>(i));
            std::string reply;
            ResultsTable table;
            nextPhase.arrive_and_wait();
            try {
                const double ms = timed(LoginRequest(who), reply);
                reply.starts_with("1#1#") ? logins.Add(ms) : logins.Fail();
                const double downloadMs = timed(DownloadResultsRequest(who), reply);
                table.records = DecodeResults(reply);
                !table.records.empty() ? downloads.Add(downloadMs) : downloads.Fail();
            } catch (const ClientError&) {
                logins.Fail();
            }
            for (size_t p = 0; p < o.gapsMs.size(); ++p) {
                nextPhase.arrive_and_wait();
                std::uniform_int_distribution<int> pause(0, 2 * o.gapsMs[p]);
                for (int n = 0; n < o.results && !table.records.empty(); ++n) {
                    if (o.gapsMs[p] > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
                    const CW_Info& picked = table.records[random() % table.records.size()];
                    const CW_Info* recorded = RecordExerciseResult(
                        table, SystemClock().Now(), static_cast<int>(random() % 101), picked.Id, picked.Kind, 1, picked.Key);
                    try {
                        const double ms = timed(RecordResultRequest(who, *recorded), reply);
                        reply == "TRUE\r\n" ? results[p].Add(ms) : results[p].Fail();
                    } catch (const ClientError&) {
                        results[p].Fail();
                    }
                }
            }
            nextPhase.arrive_and_wait();
        });
    for (std::thread& learner : learners) learner.join();
    server.Terminate();

    std::cout << o.learners << " learners, " << o.records << " records each, " << o.results
              << " results each per phase; load average at the end " << LoadAverage() << "\n";
    Report("LOG", logins, loginSeconds);
    Report("GCW", downloads, loginSeconds);
    std::printf("          server processor time %.1f s for the logins and downloads\n", loginServerCpu);
    int failures = logins.Failures() + downloads.Failures();
    for (size_t p = 0; p < o.gapsMs.size(); ++p) {
        const std::string what = "RCW " + std::to_string(o.gapsMs[p]);
        Report(what.c_str(), results[p], resultSeconds[p]);
        if (results[p].Count() > 0)
            std::printf("          server processor time %.1f s, %.0f us a result\n", resultServerCpu[p],
                        resultServerCpu[p] * 1e6 / results[p].Count());
        failures += results[p].Failures();
    }
    std::cout << "server log: " << workDir << "/server.log\n";
    return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace quillan::classroom

int main(int argc, char** argv) {
    quillan::classroom::Options o;
    o.server = (std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "quillan-classroom" /
                "quillan-classroom")
                   .string();
    const std::map<std::string, int*> numbers{{"--learners", &o.learners},       {"--results", &o.results},
                                              {"--records", &o.records},
                                              {"--store-threads", &o.storeThreads}, {"--hash-threads", &o.hashThreads}};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) {
            std::cerr << "classroom-load: " << a << " wants a value\n";
            return 2;
        }
        if (a == "--db") {
            o.db = argv[++i];
        } else if (a == "--gap-ms") {
            o.gapsMs.clear();
            std::stringstream list(argv[++i]);
            for (std::string gap; std::getline(list, gap, ',');) o.gapsMs.push_back(std::atoi(gap.c_str()));
        } else if (a == "--server") {
            o.server = argv[++i];
        } else if (auto it = numbers.find(a); it != numbers.end()) {
            *it->second = std::atoi(argv[++i]);
        } else {
            std::cerr << "classroom-load: unknown argument " << a << "\n";
            return 2;
        }
    }
    if (o.learners < 1 || o.records < 1 || o.records > 2000 || o.results < 0 || o.gapsMs.empty() ||
        *std::min_element(o.gapsMs.begin(), o.gapsMs.end()) < 0) {
        std::cerr << "classroom-load: --learners 1.., --records 1..2000, --results 0.., --gap-ms MS[,MS...] 0..\n";
        return 2;
    }
    try {
        return quillan::classroom::Run(o);
    } catch (const std::exception& e) {
        std::cerr << "classroom-load: " << e.what() << "\n";
        return 1;
    }
}
