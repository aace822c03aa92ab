#include "chart/chart_view.h"

#include <gtest/gtest.h>

#include "chart/chart_fixture.h"

namespace quillan {
namespace {

using test::Day;

// Texts 7 pixels a character; expand boxes 13 x 13, other pictures 20 x 20.
class FixedMetrics : public ChartMetrics {
public:
    int TextWidth(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    int PictureWidth(const std::string& picture) const override { return IsBox(picture) ? 13 : 20; }
    int PictureHeight(const std::string& picture) const override { return IsBox(picture) ? 13 : 20; }

private:
    static bool IsBox(const std::string& picture) { return picture == "img_plus" || picture == "img_minus"; }
};

// The items of the row at `top`, as "what@x": pictures by name, texts in quotes with their ink,
// bars with their width.
std::vector<std::string> Row(const ChartLayout& layout, int top) {
    std::vector<std::string> out;
    for (const ChartItem& item : layout.items) {
        if (item.top != top) continue;
        switch (item.type) {
            case ChartItem::Type::Picture: out.push_back(item.name + "@" + std::to_string(item.x)); break;
            case ChartItem::Type::Bar:
                out.push_back("bar " + item.name + " " + std::to_string(item.width) + "@" + std::to_string(item.x));
                break;
            case ChartItem::Type::Text: {
                const char* ink = item.ink == ChartInk::Name     ? "name"
                                  : item.ink == ChartInk::Detail ? "detail"
                                                                 : "result";
                out.push_back("'" + item.name + "' " + ink + "@" + std::to_string(item.x));
                break;
            }
        }
    }
    return out;
}

using Items = std::vector<std::string>;

class ChartViewTest : public ::testing::Test, protected test::ChartFixture {
protected:
    void SetUp() override {
        Lesson("Lesson", "L");
        Lesson("Empty", "E");
        Done(Add("tek_1", "Text", 40, 2, "L", 1), 80, Day(2026, 12, 3));
        Add("tek_1", "Text", 41, 3, "L", 2);
        Done(Add("lst_1", "Letter", 57, 1, "L"), 0, Day(2026, 12, 4));
        Repetition("tek_1", 40, 1, Day(2026, 12, 8));
    }

    FixedMetrics metrics;
};

TEST_F(ChartViewTest, EachDepthDrawsItsColumns) {
    ChartTree tree = Build(1);
    tree.SetAllExpanded(true);
    const ChartLayout layout = LayOutChart(tree, 0, metrics);
    ASSERT_EQ(layout.rowCount, 6);
    ASSERT_EQ(layout.shownRows, 6);

    EXPECT_EQ(Row(layout, 0), (Items{"img_minus@0", "'Lesson' name@30", "rob_yes@385", "'40%' result@665",
                                     "img_progress_back@720", "bar img_prog2 41@720"}));
    EXPECT_EQ(Row(layout, 20), (Items{"img_minus@18", "'Text' name@48", "typ_2@330", "poz_2@360", "rob_yes@385",
                                      "'2026-12-03' detail@430", "'40%' result@665", "img_progress_back@720",
                                      "bar img_prog2 41@720"}));
    EXPECT_EQ(Row(layout, 40), (Items{"'Multiple choice' name@66", "typ_40@330", "poz_2@360", "rob_yes@385",
                                      "'2026-12-03' detail@430", "'2026-12-08' detail@550", "'80%' result@665",
                                      "img_progress_back@720", "bar img_prog4 80@720"}));
    // Not done: no date; kind 41 has a picture, a level 3.
    EXPECT_EQ(Row(layout, 60), (Items{"'True or false' name@66", "typ_41@330", "poz_3@360", "rob_no@385",
                                      "'0%' result@665", "img_progress_back@720", "bar img_prog1 2@720"}));
    // A letter carries no score: no repetition date, no result, no bar; its done mark stays.
    EXPECT_EQ(Row(layout, 80), (Items{"'Letter' name@48", "typ_57@330", "poz_1@360", "rob_yes@385",
                                      "'2026-12-04' detail@430"}));
    // A lesson without records: its name, not done, 0%; no expand box.
    EXPECT_EQ(Row(layout, 100), (Items{"'Empty' name@30", "rob_no@385", "'0%' result@665", "img_progress_back@720",
                                       "bar img_prog1 2@720"}));

    ASSERT_EQ(layout.boxes.size(), 2u);
    EXPECT_EQ(layout.boxes[1].rect, (ChartRect{18, 23, 13, 13}));
    ASSERT_EQ(layout.names.size(), 6u);
    EXPECT_EQ(layout.names[2].rect, (ChartRect{66, 40, 7 * 15, 20}));
}

TEST_F(ChartViewTest, RepetitionsModeDrawsNoResultOnPackageLines) {
    Repetition("tek_1", 41, 2, Day(2026, 12, 1), 2);
    ChartTree tree = Build(2);
    tree.SetAllExpanded(true);
    const ChartLayout layout = LayOutChart(tree, 0, metrics);
    ASSERT_EQ(layout.rowCount, 5);
    EXPECT_EQ(Row(layout, 20), (Items{"img_minus@18", "'Text' name@48", "typ_2@330", "poz_2@360", "rob_yes@385",
                                      "'2026-12-03' detail@430"}));
    EXPECT_EQ(Row(layout, 40)[6], "'80%' result@665");
    EXPECT_EQ(Row(layout, 0)[3], "'40%' result@665");
}

TEST_F(ChartViewTest, ALongNameIsCutShortOfTheIconColumn) {
    ctx.course.sections[1].SectionName = std::string(60, 'x');
    ChartTree tree = Build(1);
    const ChartLayout layout = LayOutChart(tree, 0, metrics);
    const ChartItem& name = layout.items[layout.items.size() - 5];
    ASSERT_EQ(name.name, std::string(60, 'x'));
    EXPECT_EQ(name.width, 296) << "from 30 to 4 pixels before the icons at 330";
    EXPECT_EQ(layout.names[1].rect, (ChartRect{30, 20, 296, 20}));
    EXPECT_EQ(layout.names[0].rect.w, 7 * 6) << "a short name keeps its width";
}

TEST(ChartResultBar, WidthAndPictureFollowThePercent) {
    const struct {
        int percent;
        const char* picture;
        int width;
    } cases[] = {{-1, "", 0},           {0, "img_prog1", 0},    {26, "img_prog1", 25},  {27, "img_prog2", 26},
                 {51, "img_prog2", 50}, {52, "img_prog3", 51},  {77, "img_prog3", 75},  {78, "img_prog4", 76},
                 {100, "img_prog4", 98}, {101, "", 0}};
    for (const auto& c : cases) {
        const ResultBar bar = ResultBarOf(c.percent);
        EXPECT_EQ(bar.picture, c.picture) << c.percent;
        EXPECT_EQ(bar.width, c.width) << c.percent;
    }
}

TEST_F(ChartViewTest, ScrollButtonsShowWhileRowsLieAboveOrBelowTheBox) {
    for (int i = 0; i < 25; ++i) Add("rpg_" + std::to_string(i), "P", 54, 1, "L");
    ChartTree tree = Build(1);
    tree.SetAllExpanded(true);  // 2 lessons + package + 2 members + letter + 25 = 31 rows
    ChartLayout layout = LayOutChart(tree, 0, metrics);
    EXPECT_EQ(layout.rowCount, 31);
    EXPECT_EQ(layout.shownRows, 27);
    EXPECT_FALSE(layout.upVisible);
    EXPECT_TRUE(layout.downVisible);
    layout = LayOutChart(tree, 4, metrics);
    EXPECT_TRUE(layout.upVisible);
    EXPECT_FALSE(layout.downVisible) << "offset + 27 reaches the last row";
    EXPECT_EQ(Row(layout, 0)[0], "'Letter' name@48");

    tree.Lessons()[0]->children[0]->expanded = false;  // 29 rows
    tree.Lessons()[0]->expanded = false;               // 2 rows
    layout = LayOutChart(tree, 0, metrics);
    EXPECT_FALSE(layout.downVisible) << "27 rows or fewer";
}

TEST_F(ChartViewTest, ThePointerFindsRowsBoxesAndNames) {
    ChartTree tree = Build(1);
    tree.Lessons()[0]->expanded = true;  // Lesson, Text, Letter, Empty
    const ChartLayout layout = LayOutChart(tree, 0, metrics);
    ChartNode* lesson = tree.Lessons()[0].get();
    ChartNode* package = lesson->children[0].get();
    ChartNode* letter = lesson->children[1].get();

    ChartPointer p = PointAt(layout, 5, 5);
    EXPECT_EQ(p.row, 0);
    EXPECT_EQ(p.box, lesson);
    EXPECT_TRUE(p.Hand());
    p = PointAt(layout, 35, 5);
    EXPECT_EQ(p.name, lesson);
    EXPECT_EQ(p.target, nullptr) << "a lesson is never the node under the pointer";
    p = PointAt(layout, 50, 25);
    EXPECT_EQ(p.target, package);
    p = PointAt(layout, 200, 45);
    EXPECT_EQ(p.row, 2);
    EXPECT_EQ(p.name, nullptr);
    EXPECT_FALSE(p.Hand());
    EXPECT_EQ(PointAt(layout, 50, 85).row, -1) << "no line below the last one";

    EXPECT_EQ(PressAt(layout, 1, 5, 5, false).toggle, lesson);
    EXPECT_EQ(PressAt(layout, 1, 50, 25, false).toggle, package) << "a name with children expands";
    EXPECT_EQ(PressAt(layout, 1, 50, 45, false).start, letter);
    EXPECT_EQ(PressAt(layout, 1, 50, 45, true).start, letter) << "either button starts in the results chart";
    const ChartPress right = PressAt(layout, 2, 50, 45, true);
    EXPECT_EQ(right.offerDelete, letter);
    EXPECT_EQ(right.start, nullptr);
    EXPECT_EQ(PressAt(layout, 2, 50, 45, false).start, letter);
    const ChartPress empty = PressAt(layout, 1, 35, 65, false);
    EXPECT_EQ(empty.toggle, nullptr);
    EXPECT_EQ(empty.start, nullptr);
}

}  // namespace
}  // namespace quillan
