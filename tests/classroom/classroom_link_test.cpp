// The program's classroom connection: against servers that misbehave on purpose, and the whole
// classroom login against the classroom server itself.
#include "classroom/qt_classroom_link.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "classroom/classroom_client.h"
#include "classroom/classroom_messages.h"
#include "classroom/server/classroom_store.h"
#include "classroom/server/passwords.h"
#include "classroom/server/server_process.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/qt/input_guard.h"
#include "session/classroom_session.h"
#include "session/learner_session.h"
#include "platform/paths.h"
#include "session/unsent_results.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan::classroom {
namespace {

using namespace std::chrono_literals;

// A server on a free loopback port that does with each connection what `serve` says, once the
// request line has come (`serve` gets the socket and the bytes received so far).
class ScriptedServer {
public:
    explicit ScriptedServer(std::function<void(QTcpSocket&, const QByteArray&)> serve) : serve_(std::move(serve)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                auto* received = new QByteArray;
                QObject::connect(socket, &QObject::destroyed, [received] { delete received; });
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket, received] {
                    const bool lineBefore = received->contains('\n');
                    *received += socket->readAll();
                    requests.push_back(*received);
                    if (!lineBefore && received->contains('\n')) serve_(*socket, *received);
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    std::uint16_t Port() const { return server_.serverPort(); }

    std::vector<QByteArray> requests;

private:
    QTcpServer server_;
    std::function<void(QTcpSocket&, const QByteArray&)> serve_;
};

LinkRequest Request(std::string bytes, ReplyForm form, size_t block = 0) {
    LinkRequest r;
    r.host = "127.0.0.1";
    r.bytes = std::move(bytes);
    r.form = form;
    r.blockSize = block;
    return r;
}

TEST(ClassroomLink, RepliesAreReadInTheirForms) {
    ScriptedServer server([](QTcpSocket& s, const QByteArray& line) {
        if (line.startsWith("GUI:")) s.write(QByteArray(292, 'u') + "more than the block");
        if (line.startsWith("GCW:")) {
            s.write(QByteArray(5000, 'r'));
            s.disconnectFromHost();
        }
        if (line.startsWith("RCW:")) s.write("TRUE\r\nignored");
    });
    QtClassroomLink link(server.Port());
    LinkReply line = link.Exchange(Request("RCW:a#b#\r\n", ReplyForm::Line));
    EXPECT_TRUE(line.ok) << line.error;
    EXPECT_EQ(line.bytes, "TRUE");
    LinkReply block = link.Exchange(Request("GUI:a#b#\r\n", ReplyForm::Block, 292));
    EXPECT_TRUE(block.ok);
    EXPECT_EQ(block.bytes, std::string(292, 'u'));
    LinkReply stream = link.Exchange(Request("GCW:a#b#\r\n", ReplyForm::Stream));
    EXPECT_TRUE(stream.ok);
    EXPECT_EQ(stream.bytes.size(), 5000u);
}

TEST(ClassroomLink, AnUploadIsSentWholeAndTheConnectionClosed) {
    ScriptedServer server([](QTcpSocket&, const QByteArray&) {});
    QtClassroomLink link(server.Port());
    const std::string upload = "PCW:a#b#qlr2_55#\r\n" + std::string(548 * 300, 'x');
    EXPECT_TRUE(link.Exchange(Request(upload, ReplyForm::None)).ok);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 2000 && (server.requests.empty() || server.requests.back().size() < static_cast<qsizetype>(upload.size())))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(server.requests.empty());
    EXPECT_EQ(server.requests.back().size(), static_cast<qsizetype>(upload.size()));
}

// A server that breaks the connection while the results are still coming: the upload failed,
// and the learner must not be told it went through.
TEST(ClassroomLink, AnUploadCutOffByTheServerIsAFailure) {
    ScriptedServer breaks([](QTcpSocket& s, const QByteArray&) { s.abort(); });
    QtClassroomLink link(breaks.Port(), 5s);
    // More than the loopback connection buffers, so that most of it is still to be sent.
    const std::string upload = "PCW:a#b#qlr2_55#\r\n" + std::string(32 << 20, 'x');
    const LinkReply reply = link.Exchange(Request(upload, ReplyForm::None));
    EXPECT_FALSE(reply.ok);
    EXPECT_FALSE(reply.error.empty());
}

// A server that refuses, closes early, says nothing or answers garbage: the request ends with
// its failure or its refusal, never later than the time limit.
TEST(ClassroomLink, AServerThatMisbehavesEndsTheRequestWithinTheLimit) {
    ScriptedServer closes([](QTcpSocket& s, const QByteArray&) { s.disconnectFromHost(); });
    ScriptedServer silent([](QTcpSocket&, const QByteArray&) {});
    ScriptedServer halfBlock([](QTcpSocket& s, const QByteArray&) {
        s.write(QByteArray(100, 'u'));
        s.disconnectFromHost();
    });
    ScriptedServer garbage([](QTcpSocket& s, const QByteArray&) { s.write("\x01\x02garbage\r\n"); });
    std::uint16_t refused = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        refused = probe.serverPort();
    }
    const auto limit = 400ms;
    struct Case {
        const char* what;
        std::uint16_t port;
        ReplyForm form;
        bool ok;
    };
    for (const Case& c : {Case{"refused", refused, ReplyForm::Line, false},
                          Case{"closed before the line", closes.Port(), ReplyForm::Line, false},
                          Case{"silent", silent.Port(), ReplyForm::Line, false},
                          Case{"silent, stream", silent.Port(), ReplyForm::Stream, false},
                          Case{"a block cut short", halfBlock.Port(), ReplyForm::Block, false},
                          Case{"garbage is a line all the same", garbage.Port(), ReplyForm::Line, true}}) {
        SCOPED_TRACE(c.what);
        QtClassroomLink link(c.port, limit);
        QElapsedTimer t;
        t.start();
        const LinkReply reply = link.Exchange(Request("RCW:a#b#\r\n", c.form, 292));
        EXPECT_LT(t.elapsed(), 3000);
        EXPECT_EQ(reply.ok, c.ok);
        EXPECT_EQ(reply.error.empty(), c.ok);
    }
    QtClassroomLink link(silent.Port(), limit);
    EXPECT_EQ(Cp1250ToUtf8(link.Exchange(Request("LOG:a#b#\r\n", ReplyForm::Line)).error),
              "serwer nie odpowiedział w ciągu 0 s")
        << "a limit under a second reads as 0 s";

    // What the learner is told: the request's own failure message.
    test::FakeMessages none;
    QtClassroomLink garbageLink(garbage.Port(), limit), silentLink(silent.Port(), limit);
    ClassroomClient toGarbage(garbageLink, "127.0.0.1"), toSilent(silentLink, "127.0.0.1");
    const Identity who{"ola", "pw", "qlr2_55"};
    const ClassroomClient::Recorded garbled = toGarbage.RecordResult(who, CW_Info{});
    EXPECT_EQ(garbled.message, RecordNotAcceptedMessage());
    EXPECT_TRUE(garbled.reached) << "an answer, if not the one hoped for";
    EXPECT_FALSE(toSilent.RecordResult(who, CW_Info{}).reached);
    EXPECT_FALSE(toGarbage.LogIn(who).loggedIn);
    EXPECT_EQ(toSilent.ChangePassword("ola", "a", "b"), PasswordChangeErrorMessage());
}

// Sends `head`, then more and more for as long as the connection lasts.
void Flood(QTcpSocket& socket, const QByteArray& head) {
    const QByteArray more(1 << 20, 'x');
    QObject::connect(&socket, &QTcpSocket::bytesWritten, &socket, [&socket, more] {
        if (socket.state() == QAbstractSocket::ConnectedState && socket.bytesToWrite() < more.size())
            socket.write(more);
    });
    socket.write(head + more);
}

QByteArray Bytes(const std::string& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

// A faulty service on the port: a reply that grows beyond what its request can hold ends the
// request with its failure message at once, rather than after the time limit with the
// program's memory grown meanwhile. Replies as large as the program takes still come through.
TEST(ClassroomLink, AReplyBeyondWhatItsRequestCanHoldEndsTheRequestAtOnce) {
    const auto limit = 20s;
    const Identity who{"ola", "pw", "qlr2_55"};
    const std::string tooMuch = "odpowiedź serwera jest dłuższa, niż program przyjmuje (ponad ";
    struct Case {
        const char* what;
        std::function<void(QTcpSocket&)> serve;
        std::function<std::string(ClassroomClient&)> ask;  // the message the learner is shown
        std::string shown;
    };
    const Case cases[] = {
        {"a reply line that never ends", [](QTcpSocket& s) { Flood(s, {}); },
         [&](ClassroomClient& c) { return c.RecordResult(who, CW_Info{}).message; },
         RecordErrorMessage(Utf8ToCp1250(tooMuch + "65536 bajtów)"))},
        {"a login reply line that never ends", [](QTcpSocket& s) { Flood(s, "1#1#"); },
         [&](ClassroomClient& c) { return c.LogIn(who).message; },
         LoginConnectionErrorMessage(Utf8ToCp1250(tooMuch + "65536 bajtów)"))},
        {"a whole results table",
         [](QTcpSocket& s) {
             s.write(QByteArray(static_cast<qsizetype>(kMaxResults * kCwInfoSize), '\0'));
             s.disconnectFromHost();
         },
         [&](ClassroomClient& c) { return c.DownloadResults(who).message; }, ""},
        {"a results file of a record more than the table holds",
         [](QTcpSocket& s) {
             s.write(QByteArray(static_cast<qsizetype>((kMaxResults + 1) * kCwInfoSize), '\0'));
             s.disconnectFromHost();
         },
         [&](ClassroomClient& c) { return c.DownloadResults(who).message; }, DownloadErrorMessage()},
        {"a results file that never ends", [](QTcpSocket& s) { Flood(s, {}); },
         [&](ClassroomClient& c) { return c.DownloadResults(who).message; }, DownloadErrorMessage()},
        {"lessons whose counts say more than the program holds",
         [](QTcpSocket& s) { Flood(s, Bytes(BigEndianInt(0x7fffffff))); },
         [&](ClassroomClient& c) { return c.GetLessons(who).message; }, LessonsErrorMessage()},
        {"lessons as many as their counts say, and more after them",
         [](QTcpSocket& s) { Flood(s, Bytes(LessonsReplyBytes({TeacherLesson{}}, {}))); },
         [&](ClassroomClient& c) { return c.GetLessons(who).message; }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedServer server([&c](QTcpSocket& s, const QByteArray&) { c.serve(s); });
        QtClassroomLink link(server.Port(), limit);
        ClassroomClient client(link, "127.0.0.1");
        QElapsedTimer t;
        t.start();
        EXPECT_EQ(Cp1250ToUtf8(c.ask(client)), Cp1250ToUtf8(c.shown));
        EXPECT_LT(t.elapsed(), 10000) << "well within the time limit";
    }
}

TEST(ClassroomLink, WhileItWaitsNoInputReachesTheWindowsAndNoSecondRequestStarts) {
    QtClassroomLink* linkInUse = nullptr;
    bool guarded = false;
    LinkReply second;
    ScriptedServer slow([&](QTcpSocket& s, const QByteArray&) {
        guarded = InputGuard::Active();
        second = linkInUse->Exchange(Request("LOG:x#y#\r\n", ReplyForm::Line));
        QTimer::singleShot(100, &s, [&s] { s.write("TRUE\r\n"); });
    });
    QtClassroomLink link(slow.Port());
    linkInUse = &link;
    EXPECT_TRUE(link.Exchange(Request("RCW:a#b#\r\n", ReplyForm::Line)).ok);
    EXPECT_TRUE(guarded);
    EXPECT_FALSE(second.ok);
    EXPECT_FALSE(InputGuard::Active());
}

// ---- Against the classroom server ----

// A learner who types the right password after many wrong ones waits for the server's slowing
// down, and then for the hashing: the longest wait must leave the program's reply limit room.
TEST(ClassroomLink, TheServersLongestWaitAfterWrongPasswordsIsWellWithinTheReplyLimit) {
    EXPECT_LE(LoginThrottle::DelayAfter(1000) * 3, QtClassroomLink::kReplyLimit);
}

const std::string kServerProgram = std::string(QUILLAN_BINARY_DIR) + "/apps/quillan-classroom/quillan-classroom";

TEST(ClassroomLink, ALearnerLogsInWorksAndChangesHisPasswordOnTheClassroomServer) {
    quillan::test::TempDir dir;
    const std::string db = dir.Path() + "classroom.db";
    auto store = OpenStoreFactory(db)();
    store->AddUser("jan", HashPassword("tajne"), {});
    store->AddUser("ewa", HashPassword("inne"), {true, true, false});
    store->AddLesson(5, {"5.fcs", "Lekcja", {{2500, "Wypracowanie"}}});
    store->Assign("jan", {5, {}, {}}, 46000);
    ResultsTable janTable;
    AppendRecord(janTable, 46000.5, "slo_1", "Words", 61, 1);
    const std::int64_t jan = store->FindAccount("jan", "qlr2_55")->id;
    ASSERT_TRUE(store->StoreFirstResults(jan, "qlr2_55", EncodeResults(janTable.records)));
    ServerProcess server(kServerProgram, {"--db", db, "--listen", "127.0.0.1", "--port", "0"}, dir.Path() + "server.log");
    QtClassroomLink link(server.Port());

    for (const char* file : {"Lang_r/0/infa_r.txt", "Lang_r/0/nazwy_r.txt", "Lang_r/0/gra.txt"}) dir.Write(file, "");
    quillan::test::FakeMessages messages;
    quillan::test::FakeClock clock{46365.5};
    AppContext ctx;
    ctx.startup.ProgramDir = dir.Path();
    ctx.startup.LearnerDataDir = dir.Path();
    ctx.startup.ServerHost = "127.0.0.1";
    ctx.services.messages = &messages;
    ctx.services.clock = &clock;
    ctx.services.classroomLink = &link;

    // His results come down; the teacher's open exercise gets its record.
    ASSERT_TRUE(ClassroomSignIn(ctx, "jan", "tajne")) << (messages.shown.empty() ? "" : messages.shown[0]);
    ASSERT_EQ(ctx.learner.results.records.size(), 2u);
    EXPECT_EQ(ctx.learner.results.records[1].Id, "Otw_2500");
    EXPECT_FALSE(ctx.classroom.TypingLocked());

    // A result of his is on the server as soon as the window has closed.
    ExerciseReport report{90, "slo_1", 61, 1, 0, 0};
    FinishExercise(ctx, &report);
    EXPECT_TRUE(messages.shown.empty()) << Cp1250ToUtf8(messages.shown.empty() ? "" : messages.shown[0]);
    const std::vector<CW_Info> onServer = DecodeResults(store->LoadResults(jan, "qlr2_55").value_or(""));
    ASSERT_FALSE(onServer.empty());
    EXPECT_EQ(onServer[0].Result, 90);
    EXPECT_EQ(onServer[0].DoneCount, 1);

    // A learner new to the server, let work on the whole course, without typing exercises.
    ASSERT_TRUE(ClassroomSignIn(ctx, "ewa", "inne"));
    EXPECT_TRUE(ctx.classroom.TypingLocked());
    EXPECT_TRUE(WholeCourseAllowed(ctx.classroom.userRecord));
    EXPECT_EQ(ctx.learner.loginName, "ewa");

    EXPECT_FALSE(ClassroomSignIn(ctx, "jan", "zle"));
    EXPECT_EQ(messages.shown, std::vector<std::string>{WrongCredentialsMessage()});
    messages.shown.clear();
    EXPECT_TRUE(ChangeClassroomPassword(ctx, "jan", "tajne", "nowe", "nowe"));
    EXPECT_EQ(messages.shown, std::vector<std::string>{PasswordChangedMessage()});
    EXPECT_TRUE(ClassroomSignIn(ctx, "jan", "nowe"));
    EXPECT_EQ(ctx.learner.results.records[0].Result, 90);

    // The server gone: the result stays here, and the learner is told.
    server.Kill();
    messages.shown.clear();
    FinishExercise(ctx, &report);
    EXPECT_EQ(ctx.learner.results.records[0].DoneCount, 2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].starts_with(RecordErrorMessage("").substr(0, 10)));
    EXPECT_TRUE(FileExists(UnsentResultsPath(dir.Path() + "0_tmp\\", "jan"))) << "kept to be sent again";
}

}  // namespace
}  // namespace quillan::classroom
