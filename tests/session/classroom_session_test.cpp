#include "session/classroom_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "classroom/classroom_messages.h"
#include "classroom/classroom_records.h"
#include "classroom/protocol.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "session/learner_session.h"
#include "session/unsent_results.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

using namespace classroom;

LinkReply Ok(std::string bytes) { return {true, {}, std::move(bytes)}; }
LinkReply Failed(std::string error = "Connection refused") { return {false, std::move(error), {}}; }

std::string Table(std::initializer_list<std::pair<const char*, int>> records) {
    ResultsTable table;
    for (const auto& [id, kind] : records) AppendRecord(table, 46000.5, id, std::string("Title ") + id, kind, 1);
    return EncodeResults(table.records);
}

std::string Lessons(std::vector<LessonExercise> exercises, int assignments) {
    TeacherLesson lesson{LessonFileName(12), "Meetings", std::move(exercises)};
    std::vector<Assignment> given(static_cast<size_t>(assignments), Assignment{12, 46000, true, 0});
    return LessonsReplyBytes({lesson}, given);
}

// A classroom installation on a temporary directory; the server is a script.
class ClassroomSession : public ::testing::Test {
protected:
    test::TempDir dir;
    test::FakeMessages messages;
    test::FakeClock clock{46365.5};
    test::FakeClassroomLink server;
    AppContext ctx;

    void SetUp() override {
        // The interface texts a sign-in reads again.
        for (const char* file : {"Lang_r/0/infa_r.txt", "Lang_r/0/nazwy_r.txt", "Lang_r/0/gra.txt"}) dir.Write(file, "");
        ctx.startup.ProgramDir = dir.Path();
        ctx.startup.LearnerDataDir = dir.Path();
        ctx.startup.ServerHost = "10.0.0.5";
        ctx.startup.ClassroomMode = 1;
        ctx.services.messages = &messages;
        ctx.services.clock = &clock;
        ctx.services.classroomLink = &server;
        ctx.learner.loginName = "before";
    }

    // The replies of a login that finds the learner's results on the server.
    void ScriptLogin(const std::string& loginLine, const std::string& results, bool wholeCourse, int assignments,
                     std::vector<LessonExercise> exercises = {}) {
        server.replies = {Ok(loginLine), Ok(results), Ok(EncodeUserRecord("ola", wholeCourse)),
                          Ok(Lessons(std::move(exercises), assignments))};
    }

    std::string TmpResults() const { return dir.Path() + "0_tmp\\qlr2_55"; }
};

TEST_F(ClassroomSession, ALoginDownloadsTheResultsAndAddsTheTeachersOpenExercises) {
    ScriptLogin("1#1#7#8#0#9#", Table({{"slo_1", 61}, {"tek_3", 40}}), false, 1,
                {{2500, "Write a memo"}, {17, "Reading"}});
    ASSERT_TRUE(ClassroomSignIn(ctx, "  ola ", " secret "));

    EXPECT_EQ(server.Lines(), (std::vector<std::string>{"LOG:ola#secret#qlr2_55#", "GCW:ola#secret#qlr2_55#",
                                                        "GUI:ola#secret#qlr2_55#", "GIL:ola#secret#qlr2_55#"}));
    for (const LinkRequest& r : server.requests) EXPECT_EQ(r.host, "10.0.0.5");
    EXPECT_EQ(server.requests[1].form, ReplyForm::Stream);
    EXPECT_EQ(server.requests[2].form, ReplyForm::Block);
    EXPECT_EQ(server.requests[2].blockSize, kUserRecordSize);
    EXPECT_EQ(ctx.startup.ClassroomMode, 1);
    EXPECT_EQ(ctx.startup.ResultsDirectory, dir.Path() + "0_tmp\\");
    EXPECT_EQ(ctx.learner.loginName, "ola");
    EXPECT_EQ(ctx.classroom.identity.password, "secret");
    EXPECT_EQ(ctx.classroom.login.field3, 7);
    EXPECT_EQ(ctx.classroom.login.field6, 9);
    EXPECT_TRUE(ctx.classroom.TypingLocked());
    ASSERT_EQ(ctx.learner.results.records.size(), 3u) << "reference 17 is no open exercise";
    EXPECT_EQ(ctx.learner.results.records[2].Id, "Otw_2500");
    EXPECT_EQ(ctx.learner.results.records[2].Title, "Write a memo");
    EXPECT_EQ(DecodeResults(ReadWholeFile(TmpResults())).size(), 3u) << "saved at the end of the login";
    EXPECT_TRUE(messages.shown.empty());

    // The next login downloads the file with the open exercise in it: none is added twice.
    ScriptLogin("1#1#0#0#1#0#", ReadWholeFile(TmpResults()), false, 1, {{2500, "Write a memo"}});
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "secret"));
    EXPECT_EQ(ctx.learner.results.records.size(), 3u);
    EXPECT_FALSE(ctx.classroom.TypingLocked());
}

TEST_F(ClassroomSession, ALearnerNewToTheServerUploadsTheTableBuiltForHim) {
    server.replies = {Ok("1#0#0#0#1#0#"), Ok({}), Ok(EncodeUserRecord("ola", true)), Ok(Lessons({}, 0))};
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "pw"));
    ASSERT_EQ(server.Lines().size(), 4u);
    EXPECT_EQ(server.Lines()[1], "PCW:ola#pw#qlr2_55#");
    EXPECT_EQ(server.requests[1].form, ReplyForm::None);
    const std::string& upload = server.requests[1].bytes;
    EXPECT_EQ(upload.substr(upload.find("\r\n") + 2), ReadWholeFile(TmpResults())) << "the file follows the line";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ClassroomSession, FailuresThatStopTheLoginKeepTheLearnerSignedInBefore) {
    struct Case {
        const char* what;
        std::vector<LinkReply> replies;
        std::string message;
    };
    const std::string user = EncodeUserRecord("ola", false);
    const std::vector<Case> cases = {
        {"server unreachable", {Failed()}, LoginConnectionErrorMessage("Connection refused")},
        {"wrong password", {Ok("0#0#0#0#0#0#")}, WrongCredentialsMessage()},
        {"a refusal with nothing after it", {Ok("0#")}, WrongCredentialsMessage()},
        {"no access", {Ok("2#1#0#0#1#0#")}, NoAccessMessage()},
        {"download failed", {Ok("1#1#0#0#1#0#"), Failed("Connection reset")}, DownloadErrorMessage()},
        {"download cut inside a record", {Ok("1#1#0#0#1#0#"), Ok(Table({{"slo_1", 61}}).substr(1))}, DownloadErrorMessage()},
        {"no lessons, no whole course, no local work",
         {Ok("1#1#0#0#1#0#"), Ok(Table({{"slo_1", 61}})), Ok(user), Ok(Lessons({}, 0))},
         NoLessonsMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.requests.clear();
        server.replies.assign(c.replies.begin(), c.replies.end());
        messages.shown.clear();
        ctx.startup.ClassroomMode = -1;
        ctx.startup.ResultsDirectory = dir.Path() + "1\\";
        EXPECT_FALSE(ClassroomSignIn(ctx, "ola", "pw"));
        EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
        EXPECT_EQ(ctx.learner.loginName, "before");
        EXPECT_EQ(ctx.startup.ClassroomMode, -1);
        EXPECT_EQ(ctx.startup.ResultsDirectory, dir.Path() + "1\\");
    }
}

TEST_F(ClassroomSession, ALoginReplyWithoutNumbersIsToldClearly) {
    server.replies = {Ok("1#1#x#0#1#0#")};
    EXPECT_FALSE(ClassroomSignIn(ctx, "ola", "pw"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(Cp1250ToUtf8(messages.shown[0]).find("pole 3 („x”) nie jest liczbą całkowitą"), std::string::npos)
        << Cp1250ToUtf8(messages.shown[0]);
    EXPECT_EQ(server.requests.size(), 1u);
}

TEST_F(ClassroomSession, WhatCannotBeSentIsRefusedBeforeAnythingGoes) {
    for (auto [user, password] : {std::pair{"ola", ""}, std::pair{" ", "pw"}, std::pair{"o#la", "pw"},
                                  std::pair{"ola", "p#w"}}) {
        messages.shown.clear();
        EXPECT_FALSE(ClassroomSignIn(ctx, user, password));
        EXPECT_EQ(messages.shown.size(), 1u);
    }
    EXPECT_TRUE(server.requests.empty());
    EXPECT_EQ(messages.shown.back(), CredentialsProblem("ola", "p#w"));
}

TEST_F(ClassroomSession, TheLoginGoesOnWithoutTheUserRecordOrWithTheLessonsReceived) {
    // The lessons' reply breaks off: the lesson that came whole counts, the assignments did not come.
    std::string lessons = Lessons({{2100, "Open one"}}, 1);
    lessons.resize(4 + kLessonRecordSize + 2);
    server.replies = {Ok("1#1#0#0#1#0#"), Ok(Table({{"slo_1", 61}})), Failed("timeout"),
                      LinkReply{false, "Connection reset", lessons}};
    ctx.startup.LocalFallbackAllowed = true;  // without assignments only local work lets him in
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "pw"));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{UserRecordErrorMessage(), LessonsErrorMessage()}));
    EXPECT_TRUE(ctx.classroom.userRecord.empty());
    ASSERT_EQ(ctx.learner.results.records.size(), 2u);
    EXPECT_EQ(ctx.learner.results.records[1].Id, "Otw_2100");
}

TEST_F(ClassroomSession, AnUploadThatFailsIsToldAndTheLoginGoesOn) {
    server.replies = {Ok("1#0#0#0#1#0#"), Failed("Broken pipe"), Ok(EncodeUserRecord("ola", true)), Ok(Lessons({}, 0))};
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "pw"));
    EXPECT_EQ(messages.shown, std::vector<std::string>{UploadErrorMessage("Broken pipe")});
}

TEST_F(ClassroomSession, TheLearnersSettingsComeFromTheClassroomDirectoryNotFromWhoeverWasBefore) {
    ctx.learner.settings.TypingAfterOthers = true;  // the learner before
    ctx.learner.repetitions.entries.push_back({"slo_9", 61, 0, 3, 46000, 46000, 0});
    Settings his;
    his.CaseSensitive = false;
    std::filesystem::create_directories(dir.Path() + "0_tmp");
    WriteSettingsFile(SettingsPath(dir.Path() + "0_tmp\\", "qlr2_55"), his);
    ScriptLogin("1#1#0#0#1#0#", Table({{"slo_1", 61}}), true, 0);
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "pw"));
    EXPECT_FALSE(ctx.learner.settings.CaseSensitive);
    EXPECT_FALSE(ctx.learner.settings.TypingAfterOthers);
    EXPECT_TRUE(ctx.learner.repetitions.entries.empty()) << "repetitions are not read in classroom work";
    EXPECT_EQ(ctx.learner.repetitions.file.path, RepetitionsPath(ctx));
}

TEST_F(ClassroomSession, EveryRecordedResultGoesToTheServerAndStaysLocalWhenItDoesNotGetThere) {
    ScriptLogin("1#1#0#0#1#0#", Table({{"slo_1", 61}, {"zdn_4", 56}}), true, 0);
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "pw"));
    server.requests.clear();

    server.replies = {Ok("TRUE")};
    ExerciseReport report{80, "SLO_1", 61, 1, 0, 1};
    FinishExercise(ctx, &report);
    ASSERT_EQ(server.requests.size(), 1u);
    const CW_Info& recorded = ctx.learner.results.records[0];
    EXPECT_EQ(server.requests[0].bytes, RecordResultRequest(ctx.classroom.identity, recorded));
    EXPECT_TRUE(server.requests[0].bytes.starts_with("RCW:ola#pw#qlr2_55#slo_1#Title slo_1#61#0#1#"));
    EXPECT_EQ(server.requests[0].form, ReplyForm::Line);
    EXPECT_TRUE(messages.shown.empty());

    struct Case {
        LinkReply reply;
        std::string message;
    };
    for (const Case& c : {Case{Ok("FALSE"), RecordNotAcceptedMessage()}, Case{Ok("garbage\x01"), RecordNotAcceptedMessage()},
                          Case{Failed("Connection refused"), RecordErrorMessage("Connection refused")}}) {
        messages.shown.clear();
        server.replies = {c.reply};
        const int before = ctx.learner.results.records[1].DoneCount;
        ExerciseReport recording{55, "zdn_4", 56, 1, 0, 0};
        FinishExercise(ctx, &recording);
        EXPECT_EQ(messages.shown, std::vector<std::string>{c.message}) << "once per result";
        EXPECT_EQ(ctx.learner.results.records[1].DoneCount, before + 1);
        EXPECT_EQ(DecodeResults(ReadWholeFile(TmpResults()))[1].DoneCount, before + 1) << "saved as usual";
    }

    // A result of no record of the table sends nothing; local work sends nothing.
    server.requests.clear();
    RecordExerciseResult(ctx, 50, "slo_77", 61, 1, 0);
    ctx.startup.ClassroomMode = -1;
    RecordExerciseResult(ctx, 50, "slo_1", 61, 1, 0);
    EXPECT_TRUE(server.requests.empty());
}

// A server that cannot be reached when a result is recorded must not cost the learner that
// result: the next login downloads the server's table over the local one, so the result is kept
// aside and sent again first (and as soon as another result gets through).
TEST_F(ClassroomSession, AResultThatDidNotGetToTheServerIsSentAgainBeforeItCouldBeLost) {
    ScriptLogin("1#1#0#0#1#0#", Table({{"slo_1", 61}, {"zdn_4", 56}, {"tek_3", 40}}), true, 0);
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "pw"));
    const std::string unsent = dir.Path() + "0_tmp\\unsent_6f6c61";
    auto kept = [&] {
        std::vector<std::string> ids;
        for (const CW_Info& r : DecodeResults(ReadFileIfExists(unsent).value_or(""))) ids.push_back(r.Id + ":" + std::to_string(r.DoneCount));
        return ids;
    };

    // Unreachable twice for slo_1 (the latest record of an exercise is what is kept) and once for zdn_4.
    for (ExerciseReport report : {ExerciseReport{40, "slo_1", 61, 1, 0, 1}, ExerciseReport{90, "slo_1", 61, 1, 0, 1},
                                  ExerciseReport{55, "zdn_4", 56, 1, 0, 0}})
        FinishExercise(ctx, &report);
    EXPECT_EQ(kept(), (std::vector<std::string>{"slo_1:2", "zdn_4:1"}));
    const std::string latestSlo = RecordResultRequest(ctx.classroom.identity, ctx.learner.results.records[0]);

    // The next login sends them before the download; the first one that cannot go keeps the rest.
    server.requests.clear();
    server.replies = {Ok("1#1#0#0#1#0#"), Failed()};
    for (const auto& r : {Ok(Table({{"slo_1", 61}})), Ok(EncodeUserRecord("ola", true)), Ok(Lessons({}, 0))}) server.replies.push_back(r);
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "pw"));
    EXPECT_EQ(server.Lines().size(), 5u);
    EXPECT_TRUE(server.Lines()[1].starts_with("RCW:ola#pw#qlr2_55#slo_1#"));
    EXPECT_EQ(kept(), (std::vector<std::string>{"slo_1:2", "zdn_4:1"}));

    server.requests.clear();
    server.replies = {Ok("1#1#0#0#1#0#"), Ok("TRUE"), Ok("FALSE")};
    for (const auto& r : {Ok(Table({{"slo_1", 61}, {"zdn_4", 56}, {"tek_3", 40}})), Ok(EncodeUserRecord("ola", true)), Ok(Lessons({}, 0))})
        server.replies.push_back(r);
    ASSERT_TRUE(ClassroomSignIn(ctx, "ola", "pw"));
    const std::vector<std::string> lines = server.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(server.requests[1].bytes, latestSlo) << "the latest record of the exercise";
    EXPECT_TRUE(lines[2].starts_with("RCW:ola#pw#qlr2_55#zdn_4#"));
    EXPECT_EQ(lines[3], "GCW:ola#pw#qlr2_55#");
    EXPECT_TRUE(kept().empty()) << "a refusal is the server's answer: nothing is sent again";
    EXPECT_FALSE(std::filesystem::exists(NativePath(unsent)));

    // During work, a result that gets through takes the kept ones along; another learner's stay his.
    server.replies = {Failed()};
    ExerciseReport missed{70, "tek_3", 40, 1, 0, 0};
    FinishExercise(ctx, &missed);
    EXPECT_EQ(kept(), std::vector<std::string>{"tek_3:1"});
    KeepUnsentResult(dir.Path() + "0_tmp\\unsent_6a616e", ctx.learner.results.records[0]);
    server.requests.clear();
    server.replies = {Ok("TRUE"), Ok("TRUE")};
    ExerciseReport reached{80, "slo_1", 61, 1, 0, 1};
    FinishExercise(ctx, &reached);
    ASSERT_EQ(server.Lines().size(), 2u);
    EXPECT_TRUE(server.Lines()[0].starts_with("RCW:ola#pw#qlr2_55#slo_1#"));
    EXPECT_TRUE(server.Lines()[1].starts_with("RCW:ola#pw#qlr2_55#tek_3#"));
    EXPECT_TRUE(kept().empty());
    EXPECT_TRUE(FileExists(dir.Path() + "0_tmp\\unsent_6a616e"));
}

TEST_F(ClassroomSession, APasswordChangeIsCheckedInOrderBeforeItIsSent) {
    struct Case {
        const char *user, *password, *new1, *new2;
        std::string message;
    };
    for (const Case& c : {Case{"", "", "", "", NoUserNameMessage()}, Case{"ola", " ", "", "", NoPasswordMessage()},
                          Case{"ola", "a", "", "x", NoNewPasswordMessage()},
                          Case{"ola", "a", "b", "", NoRepeatedPasswordMessage()},
                          Case{"ola", "a", "b", "c", PasswordsDifferMessage()},
                          Case{"ola", "a", "b#", "b#", CredentialsProblem("ola", "a", "b#")}}) {
        messages.shown.clear();
        ChangeClassroomPassword(ctx, c.user, c.password, c.new1, c.new2);
        EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
    }
    EXPECT_TRUE(server.requests.empty());

    for (const auto& [reply, message] : {std::pair{Ok("TRUE"), PasswordChangedMessage()},
                                         std::pair{Ok("FALSE"), PasswordNotChangedMessage()},
                                         std::pair{Failed(), PasswordChangeErrorMessage()}}) {
        messages.shown.clear();
        server.replies = {reply};
        EXPECT_TRUE(ChangeClassroomPassword(ctx, "ola", "a", "b", "b"));
        EXPECT_EQ(messages.shown, std::vector<std::string>{message});
    }
    EXPECT_EQ(server.Lines().back(), "CHP:ola#a#b#");
}

}  // namespace
}  // namespace quillan
