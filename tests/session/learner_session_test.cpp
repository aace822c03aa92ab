#include "session/learner_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/cp1250.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

class LearnerSession : public ::testing::Test {
protected:
    test::TempDir dir;
    test::FakeMessages messages;
    test::FakeClock clock{46365.5};  // 2026-12-09 12:00
    AppContext ctx;

    void SetUp() override {
        ctx.startup.ResultsDirectory = dir.Path() + "1\\";
        std::filesystem::create_directory(dir.Path() + "1");
        ctx.services.messages = &messages;
        ctx.services.clock = &clock;
    }

    void SaveTable(std::initializer_list<std::pair<std::string, int>> records) {
        ResultsTable table;
        for (const auto& [id, kind] : records) AppendRecord(table, 46000.0, id, "t", kind, 1);
        table.file.path = ResultsPath(ctx);
        SaveResults(table);
    }
};

TEST_F(LearnerSession, AClosedExerciseRecordsReportsAndSavesBothFiles) {
    SaveTable({{"slo_1", 61}, {"zdn_4", 56}});
    LoadResults(ctx);
    LoadRepetitions(ctx);

    ExerciseReport vocabulary{80, "SLO_1", 61, 1, 0, 2};
    FinishExercise(ctx, &vocabulary);
    ExerciseReport recording{0, "zdn_4", 56, 1, 0, 0};
    FinishExercise(ctx, &recording);

    ResultsTable saved;
    LoadResults(saved, ResultsPath(ctx), clock.now);
    EXPECT_EQ(saved.records[0].Result, 80);
    EXPECT_EQ(saved.records[0].DoneCount, 1);
    EXPECT_EQ(saved.records[1].DoneCount, 1);

    RepetitionList repetitions;
    LoadRepetitions(repetitions, RepetitionsPath(ctx), clock.now);
    ASSERT_EQ(repetitions.entries.size(), 1u) << "sentence recording does not report to the repetitions";
    EXPECT_EQ(repetitions.entries[0].Id, "slo_1");
    EXPECT_EQ(repetitions.entries[0].Index, 2);
    EXPECT_TRUE(messages.warnings.empty());
}

TEST_F(LearnerSession, AWindowLeftAtOnceStillRewritesTheFilesUnchanged) {
    SaveTable({{"tek_1", 40}});
    const std::string before = dir.Read("1/qlr2_55");
    LoadResults(ctx);
    LoadRepetitions(ctx);
    FinishExercise(ctx, nullptr);
    EXPECT_EQ(dir.Read("1/qlr2_55"), before);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() + "1/powt_qlr2_55"));
}

TEST_F(LearnerSession, TheLearnerIsToldWhichCopyKeepsADamagedFile) {
    SaveTable({{"tek_1", 40}});
    dir.Write("1/qlr2_55", dir.Read("1/qlr2_55") + "partial");
    LoadResults(ctx);
    ASSERT_EQ(messages.warnings.size(), 1u);
    const std::string message = Cp1250ToUtf8(messages.warnings[0]);
    EXPECT_NE(message.find("Plik wyników"), std::string::npos) << message;
    EXPECT_NE(message.find("1/qlr2_55.damaged-2026-12-09"), std::string::npos) << message;
    EXPECT_EQ(ctx.learner.results.records.size(), 1u);
}

TEST_F(LearnerSession, UnreadableRepetitionsAreToldAndLeftAlone) {
    SaveTable({{"tek_1", 40}});
    std::filesystem::create_directory(dir.Path() + "1/powt_qlr2_55");
    LoadResults(ctx);
    LoadRepetitions(ctx);
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_NE(Cp1250ToUtf8(messages.warnings[0]).find("Nie można odczytać pliku powtórek"), std::string::npos);

    ExerciseReport report{50, "tek_1", 40, 1, 0, 1};
    EXPECT_NO_THROW(FinishExercise(ctx, &report));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "1/powt_qlr2_55"));
    EXPECT_EQ(dir.Read("1/qlr2_55").size(), 548u);
}

TEST_F(LearnerSession, AFullRepetitionListIsToldAndTheResultStillSaved) {
    SaveTable({{"tek_1", 40}});
    LoadResults(ctx);
    ctx.learner.repetitions.file.path = RepetitionsPath(ctx);
    ctx.learner.repetitions.entries.assign(kMaxRepetitions, RepetitionEntry{"zda_1", 50, 0, 3, 1, 1, 1});

    ExerciseReport report{50, "tek_1", 40, 1, 0, 1};
    FinishExercise(ctx, &report);
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_EQ(messages.warnings[0], RepetitionsFullMessage());
    ResultsTable saved;
    LoadResults(saved, ResultsPath(ctx), clock.now);
    EXPECT_EQ(saved.records[0].Result, 50);
}

TEST_F(LearnerSession, AFullTableRefusesATeachersTaskWithAMessage) {
    ctx.learner.results.records.resize(kMaxResults);
    EXPECT_EQ(AddOpenExerciseRecord(ctx, 2500, "Essay"), -1);
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_NE(Cp1250ToUtf8(messages.warnings[0]).find("Otw_2500"), std::string::npos);
}

// Signing in: the learner's table is built only when he has none.
class OpenLearner : public LearnerSession {
protected:
    void SetUp() override {
        LearnerSession::SetUp();
        ctx.startup.ProgramDir = dir.Path();
        for (const char* file : {"infa_r.txt", "nazwy_r.txt", "gra.txt"}) dir.Write(std::string("Lang_r/0/") + file, "");
        ctx.course.openTasks = {{1, 1, 2, "", ""}, {2, 1, 3, "", ""}};
    }
    const std::string learner2 = dir.Path() + "2\\";
};

TEST_F(OpenLearner, ANewLearnerGetsHisTableAndSettingsFile) {
    ASSERT_TRUE(OpenLearnerFiles(ctx, learner2, 0));
    EXPECT_EQ(ctx.startup.ResultsDirectory, learner2);
    EXPECT_EQ(ctx.learner.results.records.size(), 2u);
    EXPECT_EQ(dir.Read("2/qlr2_55").size(), 2 * 548u);
    EXPECT_FALSE(dir.Read("2/ustaw_qlr2_55.txt").empty());
    EXPECT_TRUE(messages.warnings.empty());

    ctx.course.openTasks.resize(1);
    ASSERT_TRUE(OpenLearnerFiles(ctx, learner2, 0));
    EXPECT_EQ(ctx.learner.results.records.size(), 2u) << "an existing table is read, not built again";
}

// A course of more exercises than a results file holds does not lock new learners out.
TEST_F(OpenLearner, ACourseBeyondTheTablesCapacityGivesTheFirstExercisesAndAWarning) {
    ctx.course.openTasks.resize(kMaxResults + 5, {1, 1, 2, "", ""});
    ASSERT_TRUE(OpenLearnerFiles(ctx, learner2, 0));
    EXPECT_EQ(ctx.learner.results.records.size(), kMaxResults);
    EXPECT_EQ(dir.Read("2/qlr2_55").size(), kMaxResults * 548u);
    EXPECT_EQ(messages.warnings.size(), 1u);
}

TEST_F(OpenLearner, AnUnreadableResultsFileStopsTheSignInAndIsLeftAlone) {
    std::filesystem::create_directories(dir.Path() + "2/qlr2_55");
    EXPECT_FALSE(OpenLearnerFiles(ctx, learner2, 0));
    EXPECT_EQ(ctx.startup.ResultsDirectory, dir.Path() + "1\\") << "the learner before stays";
    EXPECT_EQ(messages.warnings.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "2/qlr2_55"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "2/ustaw_qlr2_55.txt"));
}

TEST_F(OpenLearner, AFileWithoutOneWholeRecordIsKeptAndATableBuilt) {
    dir.Write("2/qlr2_55", "0123456789");
    ASSERT_TRUE(OpenLearnerFiles(ctx, learner2, 0));
    EXPECT_EQ(dir.Read("2/qlr2_55.damaged-2026-12-09"), "0123456789");
    EXPECT_EQ(dir.Read("2/qlr2_55").size(), 2 * 548u);
    EXPECT_EQ(messages.warnings.size(), 1u);
}

}  // namespace
}  // namespace quillan
