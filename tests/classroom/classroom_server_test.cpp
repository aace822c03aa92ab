// The classroom server program over real sockets on this machine, against SQLite and
// PostgreSQL.

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <thread>

#include "classroom/classroom_records.h"
#include "classroom/protocol.h"
#include "classroom/server/classroom_command.h"
#include "classroom/server/classroom_store.h"
#include "classroom/server/passwords.h"
#include "classroom/server/plain_client.h"
#include "classroom/server/requests.h"
#include "classroom/server/server_process.h"
#include "classroom/test_database.h"

namespace quillan::classroom {
namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

constexpr const char* kCourse = "qlr2_55";
const std::string kProgram = std::string(QUILLAN_BINARY_DIR) + "/apps/quillan-classroom/quillan-classroom";

std::string Table(const std::vector<std::string>& ids) {
    ResultsTable table;
    for (const std::string& id : ids) AppendRecord(table, 46000.5, id, "Title " + id, 40, 1);
    return EncodeResults(table.records);
}

class Server : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        database_ = std::make_unique<test::TestDatabase>(GetParam());
        if (!database_->Available()) GTEST_SKIP() << database_->Unavailable();
        store_ = OpenStoreFactory(database_->Uri())();
    }

    void AddLearner(const std::string& name, const std::string& password, AccountFlags flags = {}) {
        store_->AddUser(name, HashPassword(password), flags);
    }

    void Start(std::vector<std::string> options = {}) {
        std::vector<std::string> arguments{"--db", database_->Uri(), "--listen", "127.0.0.1", "--port", "0"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        server_ = std::make_unique<ServerProcess>(kProgram, arguments, LogPath());
        client_ = std::make_unique<PlainClient>("127.0.0.1", server_->Port(), 20s);
    }

    std::string LogPath() const { return database_->Dir() + "server.log"; }
    std::string Log() const {
        std::ifstream in(LogPath());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string Ask(const std::string& request) const { return client_->Exchange(request); }
    std::string Login(const Identity& who) const { return Ask(LoginRequest(who)); }

    // An upload is stored after the client has gone; waits until the server tells it has it.
    bool Upload(const Identity& who, const std::string& bytes) const {
        client_->Send(UploadResultsRequest(who) + bytes);
        for (auto until = SteadyClock::now() + 5s; SteadyClock::now() < until; std::this_thread::sleep_for(20ms))
            if (Login(who).starts_with("1#1#")) return true;
        return false;
    }

    std::unique_ptr<test::TestDatabase> database_;
    std::unique_ptr<ClassroomStore> store_;
    std::unique_ptr<ServerProcess> server_;
    std::unique_ptr<PlainClient> client_;
};

TEST_P(Server, ALoginAsTheProgramMakesItFromTheFirstUploadToAPasswordChange) {
    AddLearner("jan", "tajne");
    store_->AddLesson(5, {"5.fcs", "Lekcja", {{2500, "Wypracowanie"}, {12, "Tekst"}}});
    store_->Assign("jan", {5, {}, {}}, 46000);
    Start();
    const Identity jan{"jan", "tajne", kCourse};

    EXPECT_EQ(Login(jan), "1#0#0#0#1#0#\r\n") << "no results on the server yet";
    const std::string table = Table({"tek_1", "tek_2"});
    ASSERT_TRUE(Upload(jan, table));
    EXPECT_EQ(Ask(DownloadResultsRequest(jan)), table);

    const std::string user = Ask(UserRecordRequest(jan));
    ASSERT_EQ(user.size(), kUserRecordSize);
    EXPECT_FALSE(WholeCourseAllowed(user));
    const LessonsReply lessons = ParseLessonsReply(Ask(LessonsRequest(jan)));
    EXPECT_TRUE(lessons.complete);
    ASSERT_EQ(lessons.lessons.size(), 1u);
    EXPECT_EQ(lessons.lessons[0].exercises[0].reference, 2500);
    ASSERT_EQ(lessons.assignments.size(), 1u);

    ResultsTable local;
    local.records = DecodeResults(table);
    const CW_Info* recorded = RecordExerciseResult(local, ToDayNumber({2026, 12, 9, 10, 0, 0}), 75, "tek_2", 40, 1, 0);
    ASSERT_TRUE(recorded);
    EXPECT_EQ(Ask(RecordResultRequest(jan, *recorded)), "TRUE\r\n");
    EXPECT_EQ(Ask(DownloadResultsRequest(jan)), EncodeResults(local.records));

    EXPECT_EQ(Ask(ChangePasswordRequest("jan", "tajne", "nowe")), "TRUE\r\n");
    EXPECT_EQ(Login(jan), "0#0#0#0#0#0#\r\n") << "the old password no longer";
    EXPECT_EQ(Login({"jan", "nowe", kCourse}), "1#1#0#0#1#0#\r\n");
    EXPECT_EQ(Ask(ChangePasswordRequest("jan", "tajne", "trzecie")), "FALSE\r\n");
    EXPECT_EQ(server_->Terminate(), 0) << "stopped by SIGTERM, it ends cleanly";
}

// The program closes after an upload and asks its next request at once: the upload is stored
// after the close, and the learner's next request, whatever it is, sees it.
TEST_P(Server, TheRequestAfterAnUploadSeesIt) {
    const std::string table = Table({"tek_1", "tek_2"}), other = Table({"slo_1"});
    CW_Info worked = DecodeResults(table)[1];
    worked.Result = 64;
    worked.DoneCount = 1;
    struct Case {
        const char* what;
        std::vector<std::string> uploads;  // sent one after another, each closed at once
        std::function<std::string(const Identity&)> next;
        std::string reply;
    };
    const Case cases[] = {
        {"login", {table}, [this](const Identity& who) { return Login(who); }, "1#1#0#0#1#0#\r\n"},
        {"download", {table}, [this](const Identity& who) { return Ask(DownloadResultsRequest(who)); }, table},
        {"result", {table}, [&](const Identity& who) { return Ask(RecordResultRequest(who, worked)); }, "TRUE\r\n"},
        {"a second upload", {table, other}, [this](const Identity& who) { return Ask(DownloadResultsRequest(who)); },
         table},
    };
    for (size_t n = 0; n < std::size(cases); ++n) AddLearner("uczen" + std::to_string(n), "haslo");
    Start();
    int n = 0;
    for (const Case& c : cases) {
        // Each learner new to the server, so that the upload waits for the password's check.
        const Identity who{"uczen" + std::to_string(n++), "haslo", kCourse};
        for (const std::string& upload : c.uploads) client_->Send(UploadResultsRequest(who) + upload);
        EXPECT_EQ(c.next(who), c.reply) << c.what;
    }
    // A wrong password's upload keeps nothing and holds up the right one's only until checked.
    AddLearner("nowy", "haslo");
    client_->Send(UploadResultsRequest({"nowy", "zle", kCourse}) + other);
    client_->Send(UploadResultsRequest({"nowy", "haslo", kCourse}) + table);
    EXPECT_EQ(Ask(DownloadResultsRequest({"nowy", "haslo", kCourse})), table);
}

// A result sent by another program, whose system writes the time of day its own way, is kept;
// so is one whose time cannot be read, with the day alone.
TEST_P(Server, AResultIsKeptWhateverLongTimeFormatItsTimeOfDayComesIn) {
    AddLearner("jan", "tajne");
    Start();
    const Identity jan{"jan", "tajne", kCourse};
    ASSERT_TRUE(Upload(jan, Table({"tek_1", "tek_2", "tek_3"})));
    struct Case {
        const char* id;
        const char* time;
        const char* kept;
    };
    const Case cases[] = {{"tek_1", "9-05-03 PM", "2026-12-09 21-05-03"},
                          {"tek_2", "9-5-3", "2026-12-09 09-05-03"},
                          {"tek_3", "o 9 rano", "2026-12-09 00-00-00"}};
    for (const Case& c : cases)
        EXPECT_EQ(Ask(std::string("RCW:jan#tajne#qlr2_55#") + c.id + "#Title " + c.id + "#40#0#1#2026-12-09#75#1#1#D##0#0#" +
                      c.time + "#L#0##\r\n"),
                  "TRUE\r\n")
            << c.time;
    const std::vector<CW_Info> stored = DecodeResults(Ask(DownloadResultsRequest(jan)));
    ASSERT_EQ(stored.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(stored[i].Result, 75) << cases[i].time;
        EXPECT_EQ(FormatDateTime(stored[i].LastDone), cases[i].kept) << cases[i].time;
        EXPECT_EQ(FormatTime(stored[i].TimeDone), std::string(cases[i].kept).substr(11)) << cases[i].time;
    }
}

// A program that cuts "id#title#" to 255 characters cuts a long title's closing "#" with it.
TEST_P(Server, AResultWhoseTitleRanIntoItsKindIsKept) {
    AddLearner("jan", "tajne");
    Start();
    const Identity jan{"jan", "tajne", kCourse};
    ResultsTable table;
    AppendRecord(table, 46000.5, "tek_1", std::string(250, 'T'), 40, 1).Key = 2;
    ASSERT_TRUE(Upload(jan, EncodeResults(table.records)));
    const std::string piece = ("tek_1#" + std::string(250, 'T') + "#").substr(0, 255);
    EXPECT_EQ(Ask("RCW:jan#tajne#qlr2_55#" + piece + "40#2#1#2026-12-09#75#1#1#D##0#0#10-00-00#L#0##\r\n"), "TRUE\r\n");
    const std::vector<CW_Info> stored = DecodeResults(Ask(DownloadResultsRequest(jan)));
    ASSERT_EQ(stored.size(), 1u) << "the record matched, nothing appended";
    EXPECT_EQ(stored[0].Result, 75);
    EXPECT_EQ(stored[0].Title, std::string(250, 'T'));
}

TEST_P(Server, AWrongPasswordChangesNothingAndNobodyReachesAnotherLearnersData) {
    AddLearner("jan", "tajne");
    AddLearner("ewa", "inne", {true, true, false});
    AddLearner("ola", "trzecie");
    Start();
    const Identity jan{"jan", "tajne", kCourse}, ewa{"ewa", "inne", kCourse};
    const std::string janTable = Table({"tek_1"}), ewaTable = Table({"slo_7", "slo_8"});
    ASSERT_TRUE(Upload(jan, janTable));

    // Wrong passwords (each learner's tried twice at most, so that no login is slowed down):
    // nothing sent is kept, nothing is sent back.
    client_->Send(UploadResultsRequest({"ewa", "tajne", kCourse}) + ewaTable);
    EXPECT_EQ(Login({"ewa", "tajne", kCourse}), "0#0#0#0#0#0#\r\n");
    EXPECT_EQ(Ask(DownloadResultsRequest({"jan", "inne", kCourse})), "");
    EXPECT_EQ(Ask(RecordResultRequest({"jan", "inne", kCourse}, DecodeResults(janTable)[0])), "FALSE\r\n");
    EXPECT_EQ(Ask(UserRecordRequest({"ola", "inne", kCourse})), "");
    EXPECT_EQ(Ask(LessonsRequest({"ola", "tajne", kCourse})), "");
    EXPECT_EQ(Ask(ChangePasswordRequest("nobody", "tajne", "moje")), "FALSE\r\n");
    EXPECT_EQ(Login({"nobody", "tajne", kCourse}), "0#0#0#0#0#0#\r\n");
    EXPECT_EQ(Login(ewa), "1#0#0#0#0#0#\r\n") << "still no results of ewa's; typing locked for her";
    EXPECT_EQ(Ask(DownloadResultsRequest(jan)), janTable);

    // With her own password she reaches her own data only.
    ASSERT_TRUE(Upload(ewa, ewaTable));
    EXPECT_EQ(Ask(DownloadResultsRequest(ewa)), ewaTable);
    EXPECT_TRUE(WholeCourseAllowed(Ask(UserRecordRequest(ewa))));
    CW_Info janRecord = DecodeResults(janTable)[0];
    janRecord.Result = 99;
    EXPECT_EQ(Ask(RecordResultRequest(ewa, janRecord)), "TRUE\r\n") << "kept as ewa's own";
    EXPECT_EQ(Ask(DownloadResultsRequest(jan)), janTable);
    EXPECT_EQ(DecodeResults(Ask(DownloadResultsRequest(ewa))).size(), 3u);
    EXPECT_NE(Log().find("wrong password for ewa"), std::string::npos);
    EXPECT_NE(Log().find("no learner nobody"), std::string::npos);
}

TEST_P(Server, ALearnerWithoutAccessIsToldSoAndGetsNothing) {
    AddLearner("jan", "tajne", {true, false, true});
    ASSERT_TRUE(store_->StoreFirstResults(store_->FindAccount("jan", kCourse)->id, kCourse, Table({"tek_1"})));
    Start();
    const Identity jan{"jan", "tajne", kCourse};
    EXPECT_EQ(Login(jan), "2#0#0#0#0#0#\r\n");
    EXPECT_EQ(Ask(DownloadResultsRequest(jan)), "");
    EXPECT_EQ(Ask(RecordResultRequest(jan, DecodeResults(Table({"tek_1"}))[0])), "FALSE\r\n");
    EXPECT_EQ(Login({"jan", "zle", kCourse}), "0#0#0#0#0#0#\r\n") << "a wrong password is told as such";
}

TEST_P(Server, APasswordChangedByAnotherProcessCountsAtOnce) {
    AddLearner("jan", "tajne");
    Start();
    const Identity jan{"jan", "tajne", kCourse};
    ASSERT_EQ(Login(jan), "1#0#0#0#1#0#\r\n");
    ASSERT_EQ(Login(jan), "1#0#0#0#1#0#\r\n");  // now known to the server

    std::istringstream in("nowe\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunClassroomCommand({"user", "password", "--db", database_->Uri(), "jan"}, in, out, err), 0)
        << err.str();
    EXPECT_EQ(Login(jan), "0#0#0#0#0#0#\r\n");
    EXPECT_EQ(Login({"jan", "nowe", kCourse}), "1#0#0#0#1#0#\r\n");
}

TEST_P(Server, RepeatedWrongPasswordsSlowDownThatLearnersLoginsOnly) {
    // Only lower bounds and orders of time are checked: hashing takes as long as a busy
    // machine makes it take.
    AddLearner("jan", "tajne");
    AddLearner("ewa", "inne");
    Start();
    for (int i = 0; i < 3; ++i) ASSERT_EQ(Login({"jan", "zle", kCourse}), "0#0#0#0#0#0#\r\n");

    std::atomic<bool> janDone{false}, ewaFirst{false};
    SteadyClock::duration janTime{};
    std::thread jan([&] {
        const auto start = SteadyClock::now();
        EXPECT_EQ(Login({"jan", "tajne", kCourse}), "1#0#0#0#1#0#\r\n");
        janTime = SteadyClock::now() - start;
        janDone = true;
    });
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(Login({"ewa", "inne", kCourse}), "1#0#0#0#1#0#\r\n");
    ewaFirst = !janDone;
    jan.join();
    EXPECT_GE(janTime, 1s) << "the fourth try waits";
    EXPECT_TRUE(ewaFirst) << "another learner does not wait behind it";

    // The right password cleared the wrong ones: after three more the wait is 1 s again, not
    // the 8 s of six in a row.
    for (int i = 0; i < 3; ++i) ASSERT_EQ(Login({"jan", "zle", kCourse}), "0#0#0#0#0#0#\r\n");
    const auto start = SteadyClock::now();
    EXPECT_EQ(Login({"jan", "tajne", kCourse}), "1#0#0#0#1#0#\r\n");
    EXPECT_LT(SteadyClock::now() - start, 6s);
}

TEST_P(Server, RecordsAcknowledgedBeforeTheServerIsKilledAreThereAfterItsRestart) {
    const std::vector<std::string> names{"jan", "ewa", "ola"};
    for (const std::string& name : names) {
        AddLearner(name, "haslo");
        ASSERT_TRUE(store_->StoreFirstResults(store_->FindAccount(name, kCourse)->id, kCourse, Table({"tek_0"})));
    }
    Start();

    // Each learner sends new results one after another until the server is gone.
    std::vector<std::vector<std::string>> acknowledged(names.size());
    std::atomic<int> answered{0};
    std::vector<std::thread> learners;
    for (size_t l = 0; l < names.size(); ++l)
        learners.emplace_back([&, l] {
            const Identity who{names[l], "haslo", kCourse};
            ResultsTable table;
            for (int n = 1; n < 1900; ++n) {
                CW_Info& r = AppendRecord(table, 46000.5, "tek_" + std::to_string(n), "T", 40, 1);
                r.DoneCount = 1;
                try {
                    if (client_->Exchange(RecordResultRequest(who, r)) != "TRUE\r\n") return;
                } catch (const ClientError&) {
                    return;
                }
                acknowledged[l].push_back(r.Id);
                ++answered;
            }
        });
    for (auto until = SteadyClock::now() + 10s; answered < 60 && SteadyClock::now() < until;)
        std::this_thread::sleep_for(10ms);
    server_->Kill();
    for (std::thread& learner : learners) learner.join();
    ASSERT_GE(answered, 60);

    Start();
    for (size_t l = 0; l < names.size(); ++l) {
        std::set<std::string> stored;
        for (const CW_Info& r : DecodeResults(Ask(DownloadResultsRequest({names[l], "haslo", kCourse}))))
            stored.insert(r.Id);
        for (const std::string& id : acknowledged[l]) EXPECT_TRUE(stored.count(id)) << names[l] << " lost " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, Server, ::testing::ValuesIn(test::kBackends),
                         [](const auto& info) { return info.param; });

// What the server does with clients that do not keep to the protocol: each is closed and
// told in the log, and the server goes on.
class Defence : public Server {
protected:
    void SetUp() override {
        Server::SetUp();
        if (IsSkipped()) return;
        AddLearner("jan", "tajne");
        Start({"--silence-limit", "1", "--max-connections", "3"});
        ASSERT_EQ(Login(jan_), "1#0#0#0#1#0#\r\n");
    }

    // The server closed the connection that sent these bytes (without waiting for the time
    // limit) and still serves.
    void ExpectClosed(const std::string& bytes, const std::string& logged) {
        const int fd = client_->OpenAndSend(bytes);
        std::string received;
        EXPECT_TRUE(ClosedByPeer(fd, 5s, &received)) << logged;
        close(fd);
        EXPECT_EQ(Login(jan_), "1#0#0#0#1#0#\r\n") << "the server goes on after: " << logged;
        EXPECT_NE(Log().find(logged), std::string::npos) << Log();
    }

    const Identity jan_{"jan", "tajne", kCourse};
};

TEST_P(Defence, ARequestLineLongerThan64KiBIsCutOff) {
    ExpectClosed(std::string(70000, 'A'), "a request line longer than 65536 bytes");
    ExpectClosed("LOG:jan#" + std::string(66000, 'x') + "#qlr2_55#\r\n", "longer than 65536");
}

TEST_P(Defence, AnUploadLargerThanAResultsTableIsCutOffAndNothingIsStored) {
    ExpectClosed(UploadResultsRequest(jan_) + std::string(kMaxUploadBytes + kCwInfoSize, '\0'), "an upload larger");
    client_->Send(UploadResultsRequest(jan_) + std::string(3 * kCwInfoSize + 5, '\0'));
    client_->Send(UploadResultsRequest(jan_));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(Login(jan_), "1#0#0#0#1#0#\r\n") << "no results stored";
    EXPECT_NE(Log().find("upload of 1649 bytes is no whole results file"), std::string::npos);
    EXPECT_NE(Log().find("upload of 0 bytes"), std::string::npos);
}

TEST_P(Defence, ASilentClientIsDropped) {
    const auto start = SteadyClock::now();
    ExpectClosed("LOG:jan#ta", "silent for 1 s");
    EXPECT_GE(SteadyClock::now() - start, 900ms);
}

TEST_P(Defence, ConnectionsBeyondTheLimitAreClosedAtOnce) {
    std::vector<int> held;
    for (int i = 0; i < 3; ++i) held.push_back(client_->OpenAndSend(""));
    std::this_thread::sleep_for(200ms);
    const int extra = client_->OpenAndSend("LOG:jan#tajne#qlr2_55#\r\n");
    std::string received;
    EXPECT_TRUE(ClosedByPeer(extra, 2s, &received));
    EXPECT_EQ(received, "");
    close(extra);
    for (int fd : held) close(fd);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(Login(jan_), "1#0#0#0#1#0#\r\n");
    EXPECT_NE(Log().find("more than 3 connections at once"), std::string::npos);
}

TEST_P(Defence, LinesThatAreNoRequestsAreRefused) {
    struct Case {
        std::string line, reply, logged;
    };
    const Case cases[] = {
        {"HELLO\r\n", "", "no request line"},
        {"XYZ:jan#tajne#qlr2_55#\r\n", "", "unknown command XYZ:"},
        {"LOG:jan#tajne#\r\n", "0#0#0#0#0#0#\r\n", "LOG: with 2 fields"},
        {"LOG:jan#tajne#qlr2_55#extra\r\n", "", "no request line"},
        {"GCW:jan#tajne##\r\n", "", "no results file name"},
        {"RCW:jan#tajne#qlr2_55#tek_1#T#40#0#1#2026-13-01#5#1#1#D##0#0#10-00-00#L#0##\r\n", "FALSE\r\n",
         "a record that cannot be read"},
        {"CHP:jan#tajne##\r\n", "FALSE\r\n", "empty new password"},
        {"CHP:jan#tajne# nowe#\r\n", "FALSE\r\n", "beginning or ending with a space"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Ask(c.line), c.reply) << c.line;
        EXPECT_NE(Log().find(c.logged), std::string::npos) << c.logged;
    }
    EXPECT_EQ(Login(jan_), "1#0#0#0#1#0#\r\n");
}

INSTANTIATE_TEST_SUITE_P(Backends, Defence, ::testing::Values("sqlite"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quillan::classroom
