// The administration commands of quillan-classroom.

#include "classroom/server/classroom_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "classroom/server/classroom_store.h"
#include "classroom/server/passwords.h"
#include "platform/day_date.h"
#include "support/temp_dir.h"

namespace quillan::classroom {
namespace {

struct CommandRun {
    int code;
    std::string out, err;
};

class Command : public ::testing::Test {
protected:
    CommandRun Do(std::vector<std::string> args, const std::string& input = "") {
        // --db goes right after the command words.
        const size_t words = args[0] == "user" || args[0] == "lesson" ? 2 : 1;
        args.insert(args.begin() + static_cast<long>(std::min(words, args.size())), {"--db", db_});
        std::istringstream in(input);
        std::ostringstream out, err;
        const int code = RunClassroomCommand(args, in, out, err);
        return {code, out.str(), err.str()};
    }
    std::unique_ptr<ClassroomStore> Store() { return OpenStoreFactory(db_)(); }

    quillan::test::TempDir dir_;
    std::string db_ = dir_.Path() + "classroom.db";
};

TEST_F(Command, LearnersAddedSetAndGivenNewPasswords) {
    ASSERT_EQ(Do({"user", "add", "Łucja", "--no-typing"}, "  złoto 1 \n").code, 0);
    const std::optional<Account> lucja = Store()->FindAccount("\xA3ucja", "qlr2_55");
    ASSERT_TRUE(lucja) << "kept in Windows-1250, as the program sends it";
    EXPECT_TRUE(VerifyPassword(lucja->passwordHash, "z\xB3oto 1")) << "trimmed as the program trims it";
    EXPECT_EQ(lucja->flags, (AccountFlags{false, true, false}));

    EXPECT_EQ(Do({"user", "set", "Łucja", "--whole-course", "--no-access"}).code, 0);
    EXPECT_EQ(Store()->FindAccount("\xA3ucja", "qlr2_55")->flags, (AccountFlags{true, false, true}));
    EXPECT_EQ(Do({"user", "password", "Łucja"}, "nowe\n").code, 0);
    EXPECT_TRUE(VerifyPassword(Store()->FindAccount("\xA3ucja", "qlr2_55")->passwordHash, "nowe"));

    const CommandRun users = Do({"users"});
    EXPECT_EQ(users.out,
              "{\"Name\":\"Łucja\",\"WholeCourse\":1,\"Access\":0,\"Typing\":1,\"ResultsFiles\":0,\"Records\":0,"
              "\"Assignments\":0}\n");
}

TEST_F(Command, WhatTheProgramCouldNeverSendIsRefused) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int code;
        std::string error;
    };
    const std::vector<Case> cases = {
        {{"user", "add", "ja#n"}, "x\n", 1, "must not hold \"#\""},
        {{"user", "add", " jan"}, "x\n", 1, "begin or end with a space"},
        {{"user", "add", "jan"}, "  \n", 1, "no password"},
        {{"user", "add", "jan"}, "ta#jne\n", 1, "must not hold \"#\""},
        {{"user", "set", "nobody"}, "", 1, "no learner nobody"},
        {{"user", "password", "nobody"}, "x\n", 1, "no learner nobody"},
        {{"user", "add", "jan", "--sudo"}, "x\n", 2, "unknown option --sudo"},
        {{"user", "drop", "jan"}, "", 2, "user wants add, set or password"},
        {{"lesson", "add", "x", "Name"}, "", 2, "wants a number"},
        {{"lesson", "add", "3", "Name", "--exercise", "2500"}, "", 2, "REF=NAME"},
        {{"lesson", "add", "3", std::string(193, 'n')}, "", 1, "lesson name must not be longer than 192"},
        {{"assign", "jan", "3", "--from", "2026-02-30"}, "", 2, "--from wants"},
        {{"assign", "jan", "3", "--until", "2026-01-01T25:00"}, "", 2, "--until wants"},
        {{"assign", "nobody", "3"}, "", 1, "no learner of that name"},
        {{"results", "nobody"}, "", 1, "no learner nobody"},
        {{"serve", "--port", "70000"}, "", 2, "--port wants"},
        {{"frobnicate"}, "", 2, "unknown command frobnicate"},
    };
    for (const Case& c : cases) {
        const CommandRun run = Do(c.args, c.input);
        EXPECT_EQ(run.code, c.code) << c.args[0] << " " << c.args[1] << ": " << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
    std::vector<std::string> tooMany{"lesson", "add", "4", "Many"};
    for (int i = 0; i < 101; ++i) {
        tooMany.push_back("--exercise");
        tooMany.push_back(std::to_string(2000 + i) + "=E");
    }
    EXPECT_EQ(Do(tooMany).code, 1);
    EXPECT_TRUE(Store()->Users().empty()) << "nothing was added";
}

TEST_F(Command, LessonsAssignedAndResultsListedAsJsonLines) {
    ASSERT_EQ(Do({"user", "add", "jan"}, "tajne\n").code, 0);
    const CommandRun lesson = Do({"lesson", "add", "12", "Spotkania", "--exercise", "2500=Wypracowanie o firmie",
                           "--exercise", "17=Tekst"});
    ASSERT_EQ(lesson.code, 0) << lesson.err;
    EXPECT_EQ(Do({"lesson", "add", "12", "Again"}).code, 1);
    ASSERT_EQ(Do({"assign", "jan", "12", "--from", "2026-01-05T08:30", "--until", "2026-01-31"}).code, 0);

    std::unique_ptr<ClassroomStore> store = Store();
    const std::int64_t jan = store->FindAccount("jan", "qlr2_55")->id;
    std::vector<TeacherLesson> lessons;
    std::vector<Assignment> assignments;
    store->OpenLessons(jan, ToDayNumber({2026, 1, 31, 23, 0, 0}), lessons, assignments);
    ASSERT_EQ(lessons.size(), 1u);
    EXPECT_EQ(lessons[0].fileName, "12.fcs");
    EXPECT_EQ(lessons[0].exercises[0].name, "Wypracowanie o firmie");
    ASSERT_EQ(assignments.size(), 1u);
    EXPECT_EQ(assignments[0].availableFrom, ToDayNumber({2026, 1, 5, 8, 30, 0}));
    EXPECT_FALSE(assignments[0].availableAtOnce);
    EXPECT_EQ(assignments[0].availableUntil, ToDayNumber({2026, 2, 1})) << "through the last day";

    EXPECT_EQ(Do({"results", "jan"}).code, 1) << "nothing stored yet";
    ResultsTable table;
    AppendRecord(table, ToDayNumber({2026, 1, 6, 9, 0, 0}), "tek_1", "Spotkanie", 40, 2).LessonCode = "D01";
    ASSERT_TRUE(store->StoreFirstResults(jan, "qlr2_55", EncodeResults(table.records)));
    const CommandRun results = Do({"results", "jan"});
    EXPECT_EQ(results.code, 0);
    EXPECT_EQ(results.out.rfind("{\"Id\":\"tek_1\",\"Title\":\"Spotkanie\",\"Kind\":40,\"Key\":0,\"Level\":2,"
                                "\"LastDone\":46028.375,\"LastDoneText\":\"2026-01-06 09-00-00\",",
                                0),
              0u)
        << results.out;
    EXPECT_EQ(Do({"results", "jan", "--course", "qlr2_66"}).code, 1);
}

TEST(AssignmentDates, DatesAndTimesOfTheCommandLine) {
    double value = 0;
    ASSERT_TRUE(ParseAssignmentDate("2026-03-05", false, value));
    EXPECT_EQ(value, ToDayNumber({2026, 3, 5}));
    ASSERT_TRUE(ParseAssignmentDate("2026-03-05", true, value));
    EXPECT_EQ(value, ToDayNumber({2026, 3, 6}));
    ASSERT_TRUE(ParseAssignmentDate("2026-03-05T14:45", true, value));
    EXPECT_EQ(value, ToDayNumber({2026, 3, 5, 14, 45, 0}));
    for (const char* wrong : {"2026-3-5", "2026-03-05 14:45", "2026-03-05T14:45:10", "05.03.2026", "2026-02-29"})
        EXPECT_FALSE(ParseAssignmentDate(wrong, false, value)) << wrong;
}

}  // namespace
}  // namespace quillan::classroom
