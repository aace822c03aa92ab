#include "chart/exercise_launcher.h"

#include <gtest/gtest.h>

#include "chart/chart_fixture.h"

namespace quillan {
namespace {

class ExerciseLauncherTest : public ::testing::Test, protected test::ChartFixture {
protected:
    void SetUp() override {
        Lesson("Lesson one", "L01");
        ctx.course.letters = {{"list1", "1", "1", "", ""}, {"list2", "1", "1", "", ""}};
        Add("tek_3", "Text", 40, 1, "l01", 1);                                       // 1
        Add("tek_3", "Text", 41, 1, "l01", 2);                                       // 2
        for (int kind = 60; kind <= 64; ++kind) Add("slo_2", "S0203", kind, 1, "L01");  // 3..7
        for (int kind : {70, 71, 73, 74}) Add("dia_5", "Dialogue", kind, 1, "L01");   // 8..11
        Add("lst_2", "L2", 57, 1, "L01");                                            // 12
        Add("zdn_4", "ZDN_0004", 56, 1, "L01");                                      // 13
        Add("zdd_6", "ZDD_0006", 59, 1, "L01");                                      // 14
        Add("cie_8", "C_0008", 58, 1, "L01");                                        // 15
        Add("zda_1", "DZIAL=L01=(1)", 51, 1, "L01");                                 // 16
        Add("rpg_9", "P0009", 54, 1, "L01");                                         // 17
        Add("otw_1", "Task", 90, 1, "L01");                                          // 18
        Add("Otw_2001", "Teacher's task", 90, 1, "Otw");                             // 19
        for (int kind = 70; kind <= 74; ++kind) Add("dia_7", "Every part", kind, 1, "L01");  // 20..24
    }
};

TEST_F(ExerciseLauncherTest, EveryFamilyGetsItsContextFromTheRecordAndTheLine) {
    const struct {
        size_t record;
        int position;
        const char* prefix;
        int number;
        int kind, key, stage, variant;
        const char* lesson;
    } cases[] = {
        {2, 2, "tek_", 3, 41, 2, 2, 1, "Lesson one"},  // the lesson code is matched without letter case
        {6, 4, "slo_", 2, 63, 0, 4, 1, "Lesson one"},
        {9, 2, "dia_", 5, 71, 0, 2, 2, "Lesson one"},
        {10, 3, "dia_", 5, 73, 0, 3, 4, "Lesson one"},
        {11, 4, "dia_", 5, 74, 0, 4, 5, "Lesson one"},
        {23, 4, "dia_", 7, 73, 0, 4, 4, "Lesson one"},  // after a third part: the variant of the kind
        {24, 5, "dia_", 7, 74, 0, 5, 5, "Lesson one"},
        {12, 1, "lst_", 2, 57, 0, 1, 1, "Lesson one"},
        {13, 1, "zdn_", 4, 56, 0, 1, 1, "Lesson one"},
        {14, 1, "zdd_", 6, 59, 0, 1, 1, "Lesson one"},
        {15, 1, "cie_", 8, 58, 0, 1, 1, "Lesson one"},
        {16, 2, "zda_", 1, 51, 0, 2, 1, "Lesson one"},
        {17, 1, "rpg_", 9, 54, 0, 1, 1, "Lesson one"},
        {19, 1, "Otw_", 2001, 90, 0, 1, 1, "Otw"},  // no lesson has the code: the code itself
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        const CW_Info& record = ctx.learner.results.records[c.record - 1];
        const ExerciseStart start = ExerciseStartOf(ctx, c.record, c.position);
        EXPECT_EQ(start.prefix, c.prefix);
        EXPECT_EQ(start.Number(), c.number);
        EXPECT_EQ(start.context.CurrentExerciseId, record.Id);
        EXPECT_EQ(start.context.Title, record.Title);
        EXPECT_EQ(start.context.Kind, c.kind);
        EXPECT_EQ(start.context.Key, c.key);
        EXPECT_EQ(start.context.Position, c.position);
        EXPECT_EQ(start.context.RequestedStage, c.stage);
        EXPECT_EQ(start.context.DialogueVariant, c.variant);
        EXPECT_EQ(start.context.LessonName, c.lesson);
    }
}

TEST_F(ExerciseLauncherTest, LettersAndWordListsNameTheirFiles) {
    EXPECT_EQ(ExerciseStartOf(ctx, 12, 1).letterPage, dir.Path() + "Listy_r\\list2.htm");
    EXPECT_EQ(ExerciseStartOf(ctx, 3, 1).wordList, "0203");
    ctx.learner.results.records[11].Id = "lst_7";  // beyond the letters list: no page
    EXPECT_EQ(ExerciseStartOf(ctx, 12, 1).letterPage, "");
}

TEST_F(ExerciseLauncherTest, TheFamilyOpenerOfTheIdPrefixOpensTheWindow) {
    ExerciseLauncher launcher;
    std::vector<std::string> opened;
    launcher.SetOpener("tek_", [&](const ExerciseStart& s) { opened.push_back("text " + std::to_string(s.Number())); });
    launcher.SetOpener("slo_", [&](const ExerciseStart& s) { opened.push_back("words " + s.wordList); });

    EXPECT_TRUE(launcher.Start(ctx, 2, 2));
    EXPECT_EQ(ctx.exercise.CurrentExerciseId, "tek_3");
    EXPECT_EQ(ctx.exercise.Key, 2);
    EXPECT_TRUE(launcher.Start(ctx, 5, 3));
    EXPECT_EQ(ctx.exercise.RequestedStage, 3);
    EXPECT_EQ(opened, (std::vector<std::string>{"text 3", "words 0203"}));

    // Families without a window: the context is set, nothing opens.
    for (size_t record : {16u, 17u, 18u, 19u}) {
        EXPECT_FALSE(launcher.Start(ctx, record, 1));
        EXPECT_EQ(ctx.exercise.CurrentExerciseId, ctx.learner.results.records[record - 1].Id);
    }
    EXPECT_EQ(opened.size(), 2u);
}

}  // namespace
}  // namespace quillan
