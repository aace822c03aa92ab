#include "chart/chart_tree.h"

#include <gtest/gtest.h>

#include <functional>

#include "chart/chart_actions.h"
#include "chart/chart_fixture.h"
#include "progress/exercise_table.h"
#include "session/learner_session.h"

namespace quillan {
namespace {

using test::Day;

// "name (depth, icon, position)" of every line, children indented under their parents.
std::string Outline(const ChartTree& tree) {
    std::string out;
    std::function<void(const ChartNode&, int)> add = [&](const ChartNode& node, int indent) {
        out += std::string(static_cast<size_t>(indent) * 2, ' ') + node.name + " (" + std::to_string(node.depth) +
               ", " + std::to_string(node.icon) + ", " + std::to_string(node.position) + ")\n";
        for (const auto& child : node.children) add(*child, indent + 1);
    };
    for (const auto& lesson : tree.Lessons()) add(*lesson, 0);
    return out;
}

class ChartTreeTest : public ::testing::Test, protected test::ChartFixture {};

TEST_F(ChartTreeTest, NeighbouringRecordsOfOneIdFormPackagesUnderLessonsInCourseOrder) {
    Lesson("Second lesson", "L02");
    Lesson("First lesson", "L01");
    Lesson("Empty lesson", "L03");
    DisplayName("Meeting", "Meeting at the office");
    DisplayName("S0101", "Office words");
    TextExercise("1");
    TextExercise("3");
    TextExercise("4");
    dir.Write("teksty_MPG_r/3.Mpg", "");  // letter case does not count
    dir.Write("Teksty_htm_r/4.htm", "");

    Add("tek_1", "Meeting", 40, 2, "L01", 1);
    Add("tek_1", "Meeting", 41, 3, "L01", 2);
    Add("lst_1", "L1", 57, 1, "L01");
    Add("zda_1", "DZIAL=L01=(1)", 50, 1, "L01");
    Add("zda_1", "DZIAL=L01=(1)", 51, 1, "L01");
    Add("dia_1", "Reception", 70, 1, "L01");
    Add("dia_1", "Reception", 73, 1, "L01");
    Add("slo_1", "S0101", 60, 1, "L01");
    Add("slo_1", "S0101", 61, 1, "L01");
    Add("otw_1", "Task", 90, 1, "L01");
    Add("tek_3", "Video", 40, 1, "L02", 11);
    Add("tek_3", "Video last", 47, 1, "L02", 12);
    Add("tek_4", "Page", 45, 1, "L02", 13);
    Add("tek_4", "Page", 40, 1, "L02", 14);
    Add("tek_5", "Alone", 41, 1, "L02", 15);  // a text with one exercise is no package
    Add("dia_2", "Phone", 70, 1, "L02");
    Add("Otw_2000", "Teacher's task", 90, 1, "Otw");  // belongs to no lesson of the course

    const ChartTree tree = Build(1);
    EXPECT_EQ(Outline(tree),
              "Second lesson (1, 0, 1)\n"
              "  Video last (2, 1, 1)\n"
              "    Multiple choice (3, 40, 1)\n"
              "    Gap text (3, 47, 2)\n"
              "  Page (2, 3, 1)\n"
              "    Definitions (3, 45, 1)\n"
              "    Multiple choice (3, 40, 2)\n"
              "  Alone (3, 41, 1)\n"
              "  Phone (3, 70, 1)\n"
              "First lesson (1, 0, 1)\n"
              "  Meeting at the office (2, 2, 1)\n"
              "    Multiple choice (3, 40, 1)\n"
              "    True or false (3, 41, 2)\n"
              "  L1 (3, 57, 1)\n"
              "  First lesson (1) (2, 0, 1)\n"
              "    Sentences - choice (3, 50, 1)\n"
              "    Sentences - comprehension (3, 51, 2)\n"
              "  Reception (2, 4, 1)\n"
              "    Listening (3, 70, 1)\n"
              "    Comprehension (3, 73, 2)\n"
              "  Office words (2, 5, 1)\n"
              "    Stage 1 (3, 60, 1)\n"
              "    Stage 2 (3, 61, 2)\n"
              "  Task (3, 90, 1)\n"
              "Empty lesson (1, 0, 1)\n");

    const ChartNode& package = *tree.Lessons()[1]->children[0];
    EXPECT_EQ(package.recordIndex, 2u) << "a package stands for its last member";
    EXPECT_EQ(package.level, 2) << "the level of its first member";
    EXPECT_FALSE(package.selectable);
    EXPECT_TRUE(package.children[1]->selectable);
    EXPECT_EQ(package.children[1]->recordIndex, 2u);
    EXPECT_EQ(package.children[0]->TreeLevel(), 3);
    EXPECT_EQ(tree.Lessons()[1]->children[1]->TreeLevel(), 2) << "a single exercise is indented as a package";
    EXPECT_TRUE(tree.Lessons()[2]->children.empty());
}

TEST_F(ChartTreeTest, ALessonCodeLongerThanRecordsKeepIsMatchedAsTheyKeepIt) {
    Lesson("Long", "LESSON-CODE-0042");
    Add("rpg_1", "P", 54, 1, "LESSON-CODE-");  // the 12 characters a record keeps
    const ChartTree tree = Build(1);
    EXPECT_EQ(tree.Lessons()[0]->children.size(), 1u);
}

TEST_F(ChartTreeTest, OpenTasksShowTheirInstructionInTheInterfaceLanguage) {
    Lesson("Meetings", "L01");
    ctx.course.openTasks = {{1, 1, 1, "Napisz e-mail.", "Write an e-mail."}};
    Add("otw_1", kOpenTaskTitle, 90, 1, "L01");
    Add("otw_2", kOpenTaskTitle, 90, 1, "L01");  // no such task in the course: the stored title
    ctx.startup.LangIndex = 0;
    EXPECT_EQ(Build(1).Lessons()[0]->children[0]->name, "Napisz e-mail.");
    ctx.startup.LangIndex = 1;
    const ChartTree tree = Build(1);
    EXPECT_EQ(tree.Lessons()[0]->children[0]->name, "Write an e-mail.");
    EXPECT_EQ(tree.Lessons()[0]->children[1]->name, kOpenTaskTitle);
}

TEST_F(ChartTreeTest, AveragesLeaveOutUnscoredKindsWhichStillCountAsDone) {
    Lesson("Scored", "A");
    Lesson("Only unscored", "B");
    Lesson("Halves", "C");
    Done(Add("rpg_1", "P1", 54, 1, "A"), 80, Day(2026, 12, 1));
    Done(Add("lst_1", "L1", 57, 1, "A"), 0, Day(2026, 12, 2));
    Done(Add("zdn_2", "Z2", 56, 1, "A"), 0, Day(2026, 12, 2));
    Add("cie_3", "C3", 58, 1, "A");
    Add("zdd_4", "D4", 59, 1, "A");  // not done: its 0 counts
    Done(Add("cie_5", "C5", 58, 1, "B"), 0, Day(2026, 12, 3));
    // 2.5 and 3.5 round to the even neighbour.
    Done(Add("tek_1", "T", 40, 1, "C", 1), 2, Day(2026, 12, 3));
    Done(Add("tek_1", "T", 41, 1, "C", 2), 3, Day(2026, 12, 7));
    Done(Add("tek_2", "U", 40, 1, "C", 3), 3, Day(2026, 12, 5));
    Add("tek_2", "U", 41, 1, "C", 4).Result = 4;

    const ChartTree tree = Build(1);
    const ChartNode& scored = *tree.Lessons()[0];
    EXPECT_EQ(scored.result, 40);
    EXPECT_TRUE(scored.done);
    const ChartNode& unscored = *tree.Lessons()[1];
    EXPECT_EQ(unscored.result, 0) << "no scored record: 0";
    EXPECT_TRUE(unscored.done);
    const ChartNode& halves = *tree.Lessons()[2];
    EXPECT_EQ(halves.result, 3);  // (2 + 3 + 3 + 4) / 4
    EXPECT_EQ(halves.children[0]->result, 2);
    EXPECT_EQ(halves.children[1]->result, 4);
    EXPECT_EQ(halves.children[0]->dateText, "2026-12-07") << "a package shows its latest date";
    EXPECT_TRUE(halves.children[1]->done) << "one done member makes the package done";
    EXPECT_FALSE(halves.children[1]->children[1]->done);
    EXPECT_EQ(halves.children[1]->children[1]->result, 4);
}

TEST_F(ChartTreeTest, RepetitionTextsMatchSingleExercisesAtIndexZeroAndMembersAtTheirPosition) {
    Lesson("Lesson", "L");
    Add("rpg_1", "P1", 54, 1, "L");
    Add("slo_1", "S", 60, 1, "L");
    Add("slo_1", "S", 61, 1, "L");
    Add("slo_1", "S", 62, 1, "L");
    Repetition("rpg_1", 54, 0, Day(2026, 12, 12));
    Repetition("slo_1", 61, 2, Day(2026, 12, 20));
    Repetition("slo_1", 62, 1, Day(2026, 12, 21));  // the wrong position: not this member's

    const ChartTree tree = Build(1);
    const ChartNode& lesson = *tree.Lessons()[0];
    EXPECT_EQ(lesson.children[0]->repetitionText, "2026-12-12");
    EXPECT_EQ(lesson.children[1]->children[0]->repetitionText, "");
    EXPECT_EQ(lesson.children[1]->children[1]->repetitionText, "2026-12-20");
    EXPECT_EQ(lesson.children[1]->children[2]->repetitionText, "");
}

// A text with one exercise reports its repetition at position 1, and a dialogue's fourth and
// fifth parts by their variant whatever parts come before them: the chart finds them where the
// windows put them.
TEST_F(ChartTreeTest, RepetitionsAreFoundWhereTheExerciseWindowsReportThem) {
    Lesson("Lesson", "L");
    Add("tek_5", "Alone", 41, 1, "L", 1);
    for (int kind = 70; kind <= 74; ++kind) Add("dia_2", "Every part", kind, 1, "L");
    Repetition("tek_5", 41, 1, Day(2026, 12, 5), 1);
    Repetition("dia_2", 73, 3, Day(2026, 12, 6));
    Repetition("dia_2", 74, 4, Day(2026, 12, 7));

    ChartTree tree = Build(1);
    const ChartNode& lesson = *tree.Lessons()[0];
    EXPECT_EQ(lesson.children[0]->repetitionText, "2026-12-05");
    const ChartNode& dialogue = *lesson.children[1];
    EXPECT_EQ(dialogue.children[3]->position, 4);
    EXPECT_EQ(dialogue.children[3]->repetitionText, "2026-12-06");
    EXPECT_EQ(dialogue.children[4]->repetitionText, "2026-12-07");

    tree = Build(2);
    EXPECT_EQ(Outline(tree),
              "Lesson (1, 0, 1)\n"
              "  Alone (3, 41, 1)\n"
              "  Every part (2, 4, 1)\n"
              "    Comprehension (3, 73, 4)\n"
              "    Dialogue drag and drop (3, 74, 5)\n");
}

TEST_F(ChartTreeTest, RepetitionsModeShowsOnlyDueExercisesWithTheirUnfilteredPositions) {
    Lesson("Lesson", "L");
    Lesson("Nothing due", "M");
    Add("rpg_1", "Due today", 54, 1, "L");
    Add("rpg_2", "Due tomorrow", 54, 1, "L");
    Add("dia_1", "Dialogue", 70, 1, "L");
    Add("dia_1", "Dialogue", 71, 1, "L");
    Add("dia_1", "Dialogue", 73, 1, "L");
    Add("dia_1", "Dialogue", 74, 1, "L");
    Add("zda_1", "Not due", 50, 1, "L");
    Add("zda_1", "Not due", 51, 1, "L");
    Add("rpg_3", "Elsewhere", 54, 1, "M");
    Repetition("rpg_1", 54, 0, Day(2026, 12, 9, 18));  // later today still counts as today
    Repetition("rpg_2", 54, 0, Day(2026, 12, 10, 1));
    Repetition("dia_1", 73, 3, Day(2026, 12, 1));
    Repetition("zda_1", 51, 2, Day(2026, 12, 30));
    Repetition("rpg_3", 54, 1, Day(2026, 12, 1));  // index 1 is not a single exercise's

    const ChartTree tree = Build(2);
    EXPECT_EQ(Outline(tree),
              "Lesson (1, 0, 1)\n"
              "  Due today (3, 54, 1)\n"
              "  Dialogue (2, 4, 1)\n"
              "    Comprehension (3, 73, 3)\n"
              "Nothing due (1, 0, 1)\n");
    const ChartNode& package = *tree.Lessons()[0]->children[1];
    EXPECT_EQ(package.recordIndex, 6u);
    EXPECT_EQ(package.children[0]->repetitionText, "2026-12-01");
}

TEST_F(ChartTreeTest, RepetitionsModeWithNothingDueShowsTheLessonsOnly) {
    Lesson("One", "L");
    Lesson("Two", "M");
    Add("rpg_1", "P", 54, 1, "L");
    Add("rpg_2", "P", 54, 1, "M");
    const ChartTree tree = Build(2);
    EXPECT_EQ(Outline(tree), "One (1, 0, 1)\nTwo (1, 0, 1)\n");
    EXPECT_EQ(tree.VisibleRowCount(), 2);
}

TEST_F(ChartTreeTest, RefreshTakesNewResultsWithoutRebuildingTheLines) {
    Lesson("Lesson", "L");
    Add("tek_1", "T", 40, 1, "L", 1);
    Add("tek_1", "T", 41, 1, "L", 2);
    ChartTree tree = Build(1);
    tree.SetAllExpanded(true);
    const ChartNode* member = tree.Lessons()[0]->children[0]->children[1].get();

    Done(ctx.learner.results.records[1], 90, Day(2026, 12, 9));
    Repetition("tek_1", 41, 2, Day(2026, 12, 12), 2);
    tree.Refresh(ctx, clock.now);

    EXPECT_EQ(tree.Lessons()[0]->children[0]->children[1].get(), member);
    EXPECT_TRUE(member->done);
    EXPECT_EQ(member->result, 90);
    EXPECT_EQ(member->dateText, "2026-12-09");
    EXPECT_EQ(member->repetitionText, "2026-12-12");
    EXPECT_EQ(member->parent->result, 45);
    EXPECT_EQ(tree.Lessons()[0]->result, 45);
    EXPECT_TRUE(member->parent->expanded);
}

TEST_F(ChartTreeTest, VisibleRowsFollowTheExpansion) {
    Lesson("A", "A");
    Lesson("B", "B");
    Add("tek_1", "T", 40, 1, "A", 1);
    Add("tek_1", "T", 41, 1, "A", 2);
    Add("rpg_1", "P", 54, 1, "A");
    Add("rpg_2", "Q", 54, 1, "B");
    ChartTree tree = Build(1);
    EXPECT_EQ(tree.VisibleRowCount(), 2);

    tree.Lessons()[0]->expanded = true;
    std::vector<ChartRow> rows = tree.VisibleRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].node->name, "T");
    EXPECT_EQ(rows[1].level, 2);
    EXPECT_EQ(rows[2].node->name, "P");
    EXPECT_EQ(rows[3].node->name, "B");

    tree.SetAllExpanded(true);
    rows = tree.VisibleRows();
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[2].level, 3);
    EXPECT_EQ(tree.VisibleRowCount(), 7);
}

class ChartDeletion : public ChartTreeTest {
protected:
    void SetUp() override {
        Lesson("Lesson", "L");
        Add("rpg_1", "P", 54, 1, "L");
        Add("tek_1", "T", 40, 1, "L", 2);
        Add("tek_1", "T", 41, 1, "L", 3);
        Repetition("rpg_1", 54, 0, Day(2026, 12, 1));
        Repetition("tek_1", 40, 1, Day(2026, 12, 1), 2);
        Repetition("tek_1", 41, 2, Day(2026, 12, 1), 3);
        Repetition("slo_9", 60, 1, Day(2026, 12, 30));
        SaveRepetitions(ctx);
    }

    std::vector<std::string> SavedIds() {
        RepetitionList saved;
        LoadRepetitions(saved, ctx.learner.repetitions.file.path, clock.now);
        std::vector<std::string> ids;
        for (const RepetitionEntry& e : saved.entries) ids.push_back(e.Id + "/" + std::to_string(e.Kind));
        return ids;
    }
};

TEST_F(ChartDeletion, DeletingOneRepetitionTakesItsLineAndAnEmptiedPackageAway) {
    ChartTree tree = Build(2);
    ChartNode& package = *tree.Lessons()[0]->children[1];
    ASSERT_EQ(package.children.size(), 2u);

    DeleteLineRepetition(ctx, tree, *package.children[1]);
    EXPECT_EQ(SavedIds(), (std::vector<std::string>{"rpg_1/54", "tek_1/40", "slo_9/60"}));
    ASSERT_EQ(tree.Lessons()[0]->children.size(), 2u);
    EXPECT_EQ(tree.Lessons()[0]->children[1]->children.size(), 1u);

    DeleteLineRepetition(ctx, tree, *tree.Lessons()[0]->children[1]->children[0]);
    EXPECT_EQ(tree.Lessons()[0]->children.size(), 1u) << "the package went with its last line";
    DeleteLineRepetition(ctx, tree, *tree.Lessons()[0]->children[0]);
    EXPECT_TRUE(tree.Lessons()[0]->children.empty());
    EXPECT_EQ(tree.Lessons().size(), 1u) << "the lesson stays";
    EXPECT_EQ(SavedIds(), (std::vector<std::string>{"slo_9/60"}));
}

TEST_F(ChartDeletion, TheRepetitionIsFoundByIdKindAndKey) {
    // An entry of another key stays: only the line's own goes.
    Repetition("tek_1", 41, 2, Day(2026, 12, 1), 7);
    ChartTree tree = Build(2);
    DeleteLineRepetition(ctx, tree, *tree.Lessons()[0]->children[1]->children[1]);
    EXPECT_EQ(SavedIds(), (std::vector<std::string>{"rpg_1/54", "tek_1/40", "slo_9/60", "tek_1/41"}));
}

TEST_F(ChartDeletion, DeletingAllEmptiesTheSavedList) {
    DeleteAllRepetitions(ctx);
    EXPECT_TRUE(SavedIds().empty());
    EXPECT_FALSE(AnyRepetitionDue(ctx.learner.repetitions, ctx.learner.results, clock.now));
}

}  // namespace
}  // namespace quillan
