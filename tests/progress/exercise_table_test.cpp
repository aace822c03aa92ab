#include "progress/exercise_table.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "course/data_errors.h"
#include "course/problems.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

constexpr DayNumber kNow = 46365.75;

TextExercise Exercise(int text, const std::string& type) {
    return {"x#" + std::to_string(text) + "#clip#", type + "#content", "0=0=0=0=0=0=0=0=0=0=", "St_a.txt", 1};
}

// A small course with every family, written into its tables directly.
class ExerciseTable : public ::testing::Test {
protected:
    test::TempDir dir;
    Course course;
    StartupState state;
    ResultsTable table;

    void SetUp() override {
        state.ProgramDir = dir.Path();
        course.sections = {{"Spotkania", "D01"}, {"Rozmowy telefoniczne", "D02_LONG_CODE_X"}};
        course.texts = {{5, 2, 1, "Meeting"}, {7, 1, 2, "Call"}};
        course.textExercises = {Exercise(7, "TF"), Exercise(5, "MC"), Exercise(9, "DD"), Exercise(5, "WP"),
                                Exercise(5, "ZDD")};
        course.letters = {{"l1", "2", "3", "1", ""}, {"l2", "9", "1", "2", ""}};
        course.catalog = {{"0001110201", "", "", "", "kurs_cwicz.vrk", 1}, {"0002530102", "", "", "", "kurs_cwicz.vrk", 6},
                          {"0003600302", "", "", "", "kurs_cwicz.vrk", 11}, {"0004480101", "", "", "", "kurs_cwicz.vrk", 16},
                          {"0005990101", "", "", "", "kurs_cwicz.vrk", 21}};
        course.packages = {{1, 2, "00", 1, {1}}, {2, 1, "05", 1, {2}}};
        Dialogue dialogue;
        dialogue.Title = "At the airport";
        dialogue.Lesson = 2;
        dialogue.Level = 3;
        dialogue.VariantFlags = "TTNNT";
        course.dialogues = {dialogue};
        course.openTasks = {{17, 1, 4, "a", "b"}};
        dir.Write("cw_r/b_second.bc4", "header\r\nV002xx0161\r\n");
        dir.Write("cw_r/a_first.bc4", "header\r\nV001xx0361\r\n");
        dir.Write("cw_r/notes.txt", "not a word list");
        dir.Write("cw_r/.a_first.bc4", "\x00\x05\x16\x07");  // a hidden copy another system left
    }
};

// Word lists are numbered in the order of the directory's listing, which counts a directory
// entry too (it gives no exercises) and no hidden file.
TEST_F(ExerciseTable, AWordListDirectoryTakesItsNumberAndAHiddenFileNone) {
    dir.Write("cw_r/a_second.bc4/x", "");
    BuildExerciseTable(table, course, state, kNow);
    std::vector<std::string> lists;
    for (const CW_Info& r : table.records)
        if (r.Kind == 60) lists.push_back(r.Id + " " + r.Title);
    EXPECT_EQ(lists, (std::vector<std::string>{"slo_1 SV001", "slo_3 SV002"}));
}

TEST_F(ExerciseTable, BuildsEveryFamilyInOrder) {
    BuildExerciseTable(table, course, state, kNow);

    struct Expected {
        const char* id;
        const char* title;
        int kind, key, level;
        const char* lessonCode;
    } expected[] = {
        {"tek_5", "Meeting", 40, 1, 2, "D01"},  // three exercises of text 5, three keys
        {"tek_5", "Meeting", 44, 2, 2, "D01"},
        {"tek_5", "Meeting", 47, 3, 2, "D01"},
        {"tek_7", "Call", 41, 4, 1, "D02_LONG_COD"},
        {"lst_1", "L1", 57, 0, 3, "D02_LONG_COD"},
        {"lst_2", "L2", 57, 0, 1, ""},  // section 9 is defined by no line
        {"rpg_1", "P0001", 54, 0, 2, "D01"},
        {"zdn_2", "ZDN_0002", 56, 0, 1, "D02_LONG_COD"},
        {"zdd_3", "ZDD_0003", 59, 0, 3, "D02_LONG_COD"},
        {"cie_4", "C_0004", 58, 0, 1, "D01"},
        {"zda_1", "DZIAL=D01=()", 50, 0, 2, "D01"},
        {"zda_1", "DZIAL=D01=()", 51, 0, 2, "D01"},
        {"zda_1", "DZIAL=D01=()", 52, 0, 2, "D01"},
        {"zda_2", "DZIAL=D02_LONG_CODE_X=(5)", 50, 0, 1, "D02_LONG_COD"},
        {"zda_2", "DZIAL=D02_LONG_CODE_X=(5)", 51, 0, 1, "D02_LONG_COD"},
        {"zda_2", "DZIAL=D02_LONG_CODE_X=(5)", 52, 0, 1, "D02_LONG_COD"},
        {"dia_1", "At the airport", 70, 0, 3, "D02_LONG_COD"},
        {"dia_1", "At the airport", 71, 0, 3, "D02_LONG_COD"},
        {"dia_1", "At the airport", 74, 0, 3, "D02_LONG_COD"},
        {"slo_1", "SV001", 60, 0, 3, "D02_LONG_COD"},  // a_first.bc4: section 61 - 59
        {"slo_1", "SV001", 61, 0, 3, "D02_LONG_COD"},
        {"slo_1", "SV001", 62, 0, 3, "D02_LONG_COD"},
        {"slo_1", "SV001", 63, 0, 3, "D02_LONG_COD"},
        {"slo_1", "SV001", 64, 0, 3, "D02_LONG_COD"},
        {"slo_2", "SV002", 60, 0, 1, "D02_LONG_COD"},
        {"slo_2", "SV002", 61, 0, 1, "D02_LONG_COD"},
        {"slo_2", "SV002", 62, 0, 1, "D02_LONG_COD"},
        {"slo_2", "SV002", 63, 0, 1, "D02_LONG_COD"},
        {"slo_2", "SV002", 64, 0, 1, "D02_LONG_COD"},
        {"otw_1", "Nazwa1 PL=Nazwa2 ANG=Nazwa3 NIEM=", 90, 0, 4, "D01"},
    };
    ASSERT_EQ(table.records.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const CW_Info& r = table.records[i];
        const Expected& e = expected[i];
        SCOPED_TRACE("record " + std::to_string(i + 1) + " " + e.id);
        EXPECT_EQ(r.Id, e.id);
        EXPECT_EQ(r.Title, e.title);
        EXPECT_EQ(r.Kind, e.kind);
        EXPECT_EQ(r.Key, e.key);
        EXPECT_EQ(r.Level, e.level);
        EXPECT_EQ(r.LessonCode, e.lessonCode);
        EXPECT_EQ(r.LastDone, kNow);
        EXPECT_EQ(r.TimeDone, 0.75);
        EXPECT_EQ(r.LessonMode, 1);
        EXPECT_EQ(r.DoneCount, 0);
        EXPECT_EQ(r.Result, 0);
    }
    EXPECT_EQ(table.records[0].LessonName, "Spotkania");
    EXPECT_EQ(table.records[5].LessonName, "");
}

TEST_F(ExerciseTable, EmptiesTheTableFirstAndFollowsTheCourseVariant) {
    AppendRecord(table, kNow, "old_1", "t", 40, 1);
    course = Course{};
    course.sections = {{"Spotkania", "D01"}};
    course.packages = {{1, 2, "12", 1, {1}}};
    state.CourseVariant = 2;
    std::filesystem::remove_all(dir.Path() + "cw_r");
    BuildExerciseTable(table, course, state, kNow);
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_EQ(table.records[0].Title, "DZIAL=D01=(12)");
    EXPECT_EQ(table.records[1].Kind, 51);
}

TEST_F(ExerciseTable, SentencesFarApartShareTheirPackage) {
    auto sentence = [](int level, int section) {
        Sentence s;
        s.Level = level;
        s.GroupCode = "03";
        s.Section = section;
        return s;
    };
    const Sentences sentences{sentence(1, 2), sentence(2, 2), sentence(1, 2), sentence(1, 1), sentence(1, 2)};
    Problems problems;
    course.packages = BuildPackages(sentences, "zda_rozum.txt", problems);
    ASSERT_EQ(course.packages.size(), 3u);
    EXPECT_EQ(course.packages[0].Sentences, (std::vector<int>{1, 3, 5}));

    BuildExerciseTable(table, course, state, kNow);
    EXPECT_EQ(std::count_if(table.records.begin(), table.records.end(),
                            [](const CW_Info& r) { return r.Id.rfind("zda_", 0) == 0; }),
              9);
}

TEST_F(ExerciseTable, ANonNumericLevelStopsTheBuildingAndNamesItsLine) {
    course.letters[1].Level = "x";
    try {
        BuildExerciseTable(table, course, state, kNow);
        FAIL() << "expected a conversion error";
    } catch (const DataLineError& e) {
        EXPECT_EQ(e.Place().File, "Listy_r\\index.txt");
        EXPECT_EQ(e.Place().Line, 2);
    }
    EXPECT_EQ(table.records.size(), 5u) << "the records appended before stay";

    course.letters[1].Level = "1";
    dir.Write("cw_r/b_second.bc4", "header\r\nV002xx01?1\r\n");
    try {
        BuildExerciseTable(table, course, state, kNow);
        FAIL() << "expected a conversion error";
    } catch (const DataLineError& e) {
        EXPECT_EQ(e.Place().File, "cw_r\\b_second.bc4");
        EXPECT_EQ(e.Place().Line, 2);
    }
}

TEST_F(ExerciseTable, ACourseBeyondTheTableIsRefused) {
    course.openTasks.assign(kMaxResults, OpenTask{1, 1, 1, "", ""});
    EXPECT_THROW(BuildExerciseTable(table, course, state, kNow), TableFullError);
    EXPECT_EQ(table.records.size(), kMaxResults);
}

// Numbered in the order in which Windows lists the directory, where the course and its
// learners' results files were made: by name, letter case aside.
TEST(VocabularyFiles, AreNumberedByFileNameLetterCaseAside) {
    test::TempDir dir;
    for (const char* name : {"m.bc4", "B.BC4", "a.bc4", "z.txt"}) dir.Write(std::string("cw_r/") + name, "");
    EXPECT_EQ(VocabularyFiles(dir.Path()), (std::vector<std::string>{"a.bc4", "B.BC4", "m.bc4"}));
}

}  // namespace
}  // namespace quillan
