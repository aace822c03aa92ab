#include "chart/chart_printout.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "chart/chart_fixture.h"

namespace quillan {
namespace {

using test::Day;

// A fixture page: its lines joined (the printout has no line breaks), "{P}" standing for the
// installation directory.
std::string Expected(const std::string& name, const std::string& programDir) {
    std::string text = ReadWholeFile(std::string(QUILLAN_SOURCE_DIR) + "/tests/chart/fixtures/" + name);
    std::erase(text, '\n');
    for (size_t at; (at = text.find("{P}")) != std::string::npos;) text.replace(at, 3, programDir);
    return text;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class ChartPrintout : public ::testing::Test, protected test::ChartFixture {
protected:
    void SetUp() override {
        Lesson("1. Meetings", "L01");
        Lesson("2. Phone calls", "L02");
        DisplayName("Meeting", "Meeting at the office");
        DisplayName("L1", "Letter to a supplier");
        TextExercise("7");
        dir.Write("Teksty_mpg_r/7.mpg", "");
        Done(Add("tek_7", "Meeting", 40, 2, "L01", 1), 80, Day(2026, 12, 1, 10));
        Done(Add("tek_7", "Meeting", 42, 2, "L01", 2), 50, Day(2026, 12, 5), 2);
        Done(Add("lst_1", "L1", 57, 1, "L01"), 0, Day(2026, 12, 2));
        Add("zda_2", "DZIAL=L01=(2)", 50, 3, "L01");
        Add("zda_2", "DZIAL=L01=(2)", 51, 3, "L01");
        Repetition("tek_7", 40, 1, Day(2026, 12, 12));
        Repetition("zda_2", 51, 2, Day(2026, 12, 10));
    }
};

TEST_F(ChartPrintout, ACollapsedChartPrintsItsLessons) {
    const ChartTree tree = Build(1);
    EXPECT_EQ(ChartHtml(tree, dir.Path()), Expected("chart_collapsed.html", dir.Path()));
}

TEST_F(ChartPrintout, AnExpandedChartPrintsEveryLine) {
    ChartTree tree = Build(1);
    tree.SetAllExpanded(true);
    EXPECT_EQ(ChartHtml(tree, dir.Path()), Expected("chart_expanded.html", dir.Path()));
}

TEST_F(ChartPrintout, OnlyLinesWhoseParentsAreExpandedArePrinted) {
    ChartTree tree = Build(1);
    tree.SetAllExpanded(true);
    tree.Lessons()[0]->children[0]->expanded = false;
    tree.Lessons()[0]->children[2]->expanded = false;
    const std::string html = ChartHtml(tree, dir.Path());
    EXPECT_EQ(Count(html, "<TR>"), 8u);  // title, header, 5 lines, notice
    EXPECT_EQ(Count(html, "Multiple choice"), 0u);
    EXPECT_EQ(Count(html, "Letter to a supplier"), 1u);
}

}  // namespace
}  // namespace quillan
