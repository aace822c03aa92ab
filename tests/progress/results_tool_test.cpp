// The quillan-results tool run as scripts run it.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

#include "progress/results_store.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun Tool(const std::string& arguments) {
    const std::string command =
        std::string(QUILLAN_BINARY_DIR) + "/apps/quillan-results/quillan-results " + arguments + " 2>/dev/null";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class ResultsTool : public ::testing::Test {
protected:
    test::TempDir dir;

    void SetUp() override {
        ResultsTable table;
        table.file.path = dir.Path() + "7/qlr2_55";
        std::filesystem::create_directory(dir.Path() + "7");
        AppendRecord(table, 46000.25, "slo_1", "S0101", 61, 2).LessonCode = "D01";
        AppendRecord(table, 46000.25, "tek_3", "T", 40, 1).Key = 2;
        SaveResults(table);
    }

    ToolRun Record(const std::string& id, int percent, const std::string& now) {
        return Tool("record " + dir.Path() + "7 --percent " + std::to_string(percent) + " --id " + id +
                    " --kind 61 --completed 1 --key 0 --index 2 --now '" + now + "'");
    }
};

TEST_F(ResultsTool, RecordsAClosedExerciseRepeatablyAndDumpsTheResult) {
    ASSERT_EQ(Record("SLO_1", 50, "2026-12-09 10:00:00").status, 0);
    const ToolRun second = Record("SLO_1", 40, "2026-12-12 08:30:00");
    ASSERT_EQ(second.status, 0);
    EXPECT_NE(second.out.find("\"DoneCount\":2"), std::string::npos) << second.out;
    EXPECT_NE(second.out.find("\"LastDoneText\":\"2026-12-12 08-30-00\""), std::string::npos) << second.out;
    EXPECT_NE(second.out.find("\"Interval\":6,\"Due\":46374,\"DueText\":\"2026-12-18 00-00-00\""), std::string::npos)
        << second.out;

    const ToolRun dump = Tool("dump " + dir.Path() + "7/qlr2_55");
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(std::count(dump.out.begin(), dump.out.end(), '\n'), 2);
    EXPECT_EQ(dump.out.rfind("{\"Id\":\"slo_1\",\"Title\":\"S0101\",\"Kind\":61,\"Key\":0,\"Level\":2,", 0), 0u)
        << dump.out;
    EXPECT_NE(dump.out.find("\"Result\":40,\"DoneCount\":2,\"Completed\":1,\"LessonCode\":\"D01\""),
              std::string::npos);

    const ToolRun repetitions = Tool("repetitions " + dir.Path() + "7/powt_qlr2_55");
    EXPECT_EQ(repetitions.status, 0);
    EXPECT_EQ(repetitions.out.rfind("{\"Id\":\"slo_1\",\"Kind\":61,\"Key\":0,\"Interval\":6,", 0), 0u)
        << repetitions.out;
}

TEST_F(ResultsTool, RefusesWhatItCannotDoWithoutWritingAnything) {
    EXPECT_EQ(Record("slo_9", 50, "2026-12-09 10:00:00").status, 1) << "no such record";
    EXPECT_EQ(Tool("record " + dir.Path() + "8 --percent 5 --id slo_1 --kind 61 --completed 1 --key 0 --index 2")
                  .status,
              1);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "8")) << "no learner directory is made up";
    EXPECT_EQ(Tool("record " + dir.Path() + "7 --percent 5").status, 2);
    EXPECT_EQ(Tool("record " + dir.Path() + "7 --percent x --id a --kind 1 --completed 1 --key 0 --index 0").status, 1);

    dir.Write("7/qlr2_55", dir.Read("7/qlr2_55") + "tail");
    const ToolRun dump = Tool("dump " + dir.Path() + "7/qlr2_55");
    EXPECT_EQ(dump.status, 1) << "a trailing part record is reported";
    EXPECT_EQ(std::count(dump.out.begin(), dump.out.end(), '\n'), 2) << "the whole records are still shown";
}

// A settings file the program could not understand (it works with the defaults then) does
// not stop the tool either, and is left as it is.
TEST_F(ResultsTool, ADamagedSettingsFileGivesTheDefaults) {
    std::string damaged;
    for (int i = 0; i < 25; ++i) damaged += "x\r\n";
    dir.Write("7/ustaw_qlr2_55.txt", damaged);
    const ToolRun run = Record("slo_1", 70, "2026-12-09 10:00:00");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\"Result\":70"), std::string::npos) << run.out;
    EXPECT_EQ(dir.Read("7/ustaw_qlr2_55.txt"), damaged);
}

void WriteSmallInstallation(const test::TempDir& dir) {
    dir.Write("kurs/prof_r.txt", test::Crlf("Quillan\n1\n0\n"));
    for (const char* file : {"infa_r.txt", "nazwy_r.txt"}) dir.Write(std::string("kurs/Lang_r/0/") + file, "");
    dir.Write("kurs/Lang_r/0/gra.txt", test::Crlf("1=x=Spotkania=D01=\n"));
    dir.Write("kurs/rozumienie_a.txt", test::Crlf("5=2=1=Meeting=\n"));
    dir.Write("kurs/St_a.txt", test::Crlf("x#5#clip#\nMC#question\n0=0=0=0=0=0=0=0=0=0=\n"));
    dir.Write("kurs/cw_r/a.bc4", test::Crlf("header\nV001xx0260\n"));
    dir.Write("kurs/otwarte.txt", test::Crlf("1=1=2=a=b=\n"));
}

TEST(ResultsToolNew, BuildsANewLearnersTableOnceFromTheInstallation) {
    test::TempDir dir;
    WriteSmallInstallation(dir);
    const ToolRun created = Tool("new " + dir.Path() + "kurs " + dir.Path() + "kurs/3");
    ASSERT_EQ(created.status, 0) << created.out;
    const ToolRun dump = Tool("dump " + dir.Path() + "kurs/3/qlr2_55");
    EXPECT_EQ(std::count(dump.out.begin(), dump.out.end(), '\n'), 7) << dump.out;  // tek_5, slo_1 five times, otw_1
    EXPECT_EQ(dump.out.rfind("{\"Id\":\"tek_5\",\"Title\":\"Meeting\",\"Kind\":40,\"Key\":1,\"Level\":2,", 0), 0u)
        << dump.out;
    EXPECT_NE(dump.out.find("\"LessonCode\":\"D01\",\"Reserved1\":\"\""), std::string::npos);

    const std::string before = dir.Read("kurs/3/qlr2_55");
    EXPECT_EQ(Tool("new " + dir.Path() + "kurs " + dir.Path() + "kurs/3").status, 1);
    EXPECT_EQ(dir.Read("kurs/3/qlr2_55"), before) << "an existing learner keeps his table";
}

TEST(ResultsToolChart, PrintsTheLearnersChartCollapsedOrExpanded) {
    test::TempDir dir;
    WriteSmallInstallation(dir);
    ASSERT_EQ(Tool("new " + dir.Path() + "kurs " + dir.Path() + "kurs/3").status, 0);
    ASSERT_EQ(Tool("record " + dir.Path() + "kurs/3 --percent 70 --id tek_5 --kind 40 --completed 1 --key 1 --index 1 "
                   "--now '2026-12-09 10:00:00'")
                  .status,
              0);

    const ToolRun collapsed = Tool("chart " + dir.Path() + "kurs " + dir.Path() + "kurs/3");
    ASSERT_EQ(collapsed.status, 0);
    EXPECT_EQ(collapsed.out.rfind("<html><head><link href=\"" + dir.Path() + "kurs/htm_r\\style.css\"", 0), 0u)
        << collapsed.out;
    // The lesson averages its seven exercises: 70 / 7.
    EXPECT_NE(collapsed.out.find("<TR><TD>Spotkania</TD><TD></TD><TD></TD><TD><IMG SRC=\"" + dir.Path() +
                                 "kurs/htm_r\\ruszone.jpg\"></TD><TD></TD><TD>&nbsp;</TD><TD>10%</TD></TR>"),
              std::string::npos)
        << collapsed.out;
    EXPECT_EQ(collapsed.out.find("Meeting"), std::string::npos);

    const ToolRun expanded = Tool("chart " + dir.Path() + "kurs " + dir.Path() + "kurs/3 --expand");
    ASSERT_EQ(expanded.status, 0);
    EXPECT_NE(expanded.out.find("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Meeting</TD>"), std::string::npos) << expanded.out;
    EXPECT_NE(expanded.out.find("<TD>2026-12-09</TD><TD>2026-12-12</TD><TD>70%</TD>"), std::string::npos);

    EXPECT_EQ(Tool("chart " + dir.Path() + "kurs " + dir.Path() + "kurs/4").status, 1) << "no such learner";
    EXPECT_EQ(Tool("chart " + dir.Path() + "kurs " + dir.Path() + "kurs/3 --all").status, 2);
}

// A learner's file that cannot be read, or not whole, fails the chart as it fails the dump.
TEST(ResultsToolChart, FailsWhenTheLearnersFilesDoNotLoadWhole) {
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        void (*spoil)(const std::string& learner);
        bool printed;
    } cases[] = {
        {"the results file is a directory",
         [](const std::string& learner) {
             fs::remove(learner + "qlr2_55");
             fs::create_directory(learner + "qlr2_55");
         },
         false},
        {"the repetitions file is a directory", [](const std::string& learner) { fs::create_directory(learner + "powt_qlr2_55"); },
         true},
        {"the results file ends inside a record",
         [](const std::string& learner) { fs::resize_file(learner + "qlr2_55", fs::file_size(learner + "qlr2_55") + 9); },
         true},
    };
    test::TempDir dir;
    WriteSmallInstallation(dir);
    int n = 1;
    for (const Case& c : cases) {
        const std::string learner = dir.Path() + "kurs/" + std::to_string(++n) + "/";
        ASSERT_EQ(Tool("new " + dir.Path() + "kurs " + learner).status, 0) << c.what;
        c.spoil(learner);
        const ToolRun chart = Tool("chart " + dir.Path() + "kurs " + learner);
        EXPECT_EQ(chart.status, 1) << c.what;
        EXPECT_EQ(chart.out.find("<html>") != std::string::npos, c.printed) << c.what;
    }
}

}  // namespace
}  // namespace quillan
