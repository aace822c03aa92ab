// quillan-course exercise-table: the table a new learner of an installation gets.

#include <gtest/gtest.h>

#include <sstream>

#include "course_tool.h"
#include "installation_fixture.h"

namespace quillan {
namespace {

struct TableRun {
    int status;
    std::vector<std::string> lines;
    std::string err;
};

TableRun ExerciseTable(const std::vector<std::string>& args) {
    std::vector<std::string> all{"exercise-table"};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    const int status = RunCourseTool(all, out, err);
    TableRun run{status, {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
    return run;
}

std::string IdAndKind(const std::string& json) {
    const size_t kind = json.find("\"Kind\":");
    return json.substr(7, json.find('"', 7) - 7) + "/" + json.substr(kind + 7, json.find(',', kind) - kind - 7);
}

TEST(ExerciseTableCommand, PrintsTheNewLearnersTableInTheFormOfTheResultsDump) {
    test::Installation install;
    const TableRun run = ExerciseTable({install.dir.Path()});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> ids;
    for (const std::string& line : run.lines) ids.push_back(IdAndKind(line));
    EXPECT_EQ(ids, (std::vector<std::string>{"tek_12/40", "lst_1/57", "rpg_1/54", "zdn_2/56", "zda_1/50", "zda_1/51",
                                             "zda_1/52", "dia_1/70", "dia_1/71", "otw_1/90"}));
    EXPECT_EQ(run.lines[0].rfind("{\"Id\":\"tek_12\",\"Title\":\"Meeting\",\"Kind\":40,\"Key\":1,\"Level\":1,", 0), 0u)
        << run.lines[0];
    EXPECT_NE(run.lines[0].find("\"LessonCode\":\"D01\""), std::string::npos);
    EXPECT_NE(run.lines[0].find("\"LessonName\":\"Powitania\",\"LessonMode\":1,\"LessonTag\":\"\"}"),
              std::string::npos)
        << run.lines[0];
    EXPECT_NE(run.lines[3].find("\"LessonCode\":\"\""), std::string::npos) << "section 2 is not defined";
    EXPECT_NE(run.lines[4].find("\"Title\":\"DZIAL=D01=(AB)\""), std::string::npos) << run.lines[4];

    const TableRun english = ExerciseTable({install.dir.Path(), "--lang", "1"});
    EXPECT_NE(english.lines.at(0).find("\"LessonName\":\"Greetings\""), std::string::npos);
}

TEST(ExerciseTableCommand, TellsWhyATableCannotBeBuilt) {
    test::Installation install;
    install.Write("Listy_r/index.txt", "list1=1=x=3=\n");
    const TableRun bad = ExerciseTable({install.dir.Path()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.lines.empty());
    EXPECT_NE(bad.err.find("Listy_r\\index.txt:1"), std::string::npos) << bad.err;

    EXPECT_EQ(ExerciseTable({install.dir.Path() + "missing"}).status, 2);
    EXPECT_EQ(ExerciseTable({}).status, 2);
    EXPECT_EQ(ExerciseTable({install.dir.Path(), "--lang", "7"}).status, 2);
}

}  // namespace
}  // namespace quillan
