#include <gtest/gtest.h>

#include "exercises/texts/ordering_list.h"
#include "problem_texts.h"
#include "support/fakes.h"

namespace quillan {
namespace {

using test::HasProblem;

TEST(OrderingListParse, ItemsInFileOrder) {
    Problems problems;
    const DvContent content = ParseOrderingList(" second *2# first*1#", problems);
    EXPECT_TRUE(problems.Empty());
    ASSERT_EQ(content.Items.size(), 2u);
    EXPECT_EQ(content.Items[0].Text, "second");
    EXPECT_EQ(content.Items[0].Row, 2);
    EXPECT_EQ(content.Items[1].Row, 1);
}

TEST(OrderingListParse, MalformedContent) {
    std::string fifteen;
    for (int i = 1; i <= 15; ++i) fifteen += "w*" + std::to_string(i) + "#";
    struct Case {
        std::string content;
        const char* problem;
    };
    const Case cases[] = {
        {"a*1#b*x#", "item 2 (\"b\"): the position is no number ('x' is not a valid integer value)"},
        {"a*1#b*#", "item 2 (\"b\"): the position is no number"},
        {"a*1#b*1#", "the positions are not a permutation of 1..2"},
        {"a*1#b*3#", "the positions are not a permutation of 1..2"},
        {"a*1#b#", "item 2 (\"b\") has no \"*\" and position"},
        {"a*1#b*2", "item 2 is not closed by \"#\""},
        {"a*1#", "the list needs at least two items; it has 1"},
        {fifteen, "the window holds 14 items: item 15 and those after it are left out"},
    };
    for (const Case& c : cases) {
        Problems problems;
        const DvContent content = ParseOrderingList(c.content, problems);
        EXPECT_TRUE(HasProblem(problems, c.problem)) << c.content;
        EXPECT_LE(content.Items.size(), static_cast<size_t>(kDvItemLimit));
    }
}

class OrderingListTest : public ::testing::Test {
protected:
    // Four items "1".."4" whose right rows are their numbers, standing in rows 1..4 in that
    // order (the shuffle's eight swaps of the first two rows cancel out).
    void SetUp() override {
        Problems problems;
        model.Prepare(ParseOrderingList("1*1#2*2#3*3#4*4#", problems));
    }
    std::string Order() const {
        std::string order;
        for (int r = 1; r <= 4; ++r) order += model.Labels()[static_cast<size_t>(model.RowLabel(r))].Text;
        return order;
    }

    test::FakeRandom random;  // every swap exchanges positions 0 and 1
    OrderingList model{random};
};

TEST_F(OrderingListTest, DraggingMovesTheRowsBetween) {
    struct Case {
        int from, to;
        const char* order;
    };
    for (const Case c : {Case{1, 3, "2314"}, Case{4, 2, "1423"}, Case{2, 2, "1234"}, Case{3, 0, "1234"}, Case{1, 4, "2341"}}) {
        SetUp();
        ASSERT_EQ(Order(), "1234");
        ASSERT_TRUE(model.StartDrag(model.RowLabel(c.from)));
        model.Drop(model.RowLabel(c.from), c.to);
        EXPECT_EQ(Order(), c.order) << c.from << "->" << c.to;
        for (int r = 1; r <= 4; ++r) EXPECT_EQ(model.Labels()[static_cast<size_t>(model.RowLabel(r))].Row, r);
    }
}

TEST_F(OrderingListTest, CheckMarksMisplacedRowsThenOrdersTheList) {
    model.Drop(model.RowLabel(1), 2);  // 2 1 3 4
    model.Check();
    EXPECT_EQ(model.Percent(), 50);
    EXPECT_EQ(model.MarkHint(1), "2");
    EXPECT_EQ(model.MarkHint(2), "1");
    EXPECT_EQ(model.MarkHint(3), "");
    EXPECT_EQ(model.Frame().VerdictText, kDvNotAllRightText);
    EXPECT_TRUE(model.Frame().VerdictRed);
    EXPECT_EQ(Order(), "1234");
    EXPECT_FALSE(model.StartDrag(0));
}

TEST_F(OrderingListTest, AllRight) {
    model.Check();
    EXPECT_EQ(model.Percent(), 100);
    EXPECT_EQ(model.Frame().VerdictText, kDvAllRightText);
    EXPECT_EQ(model.Frame().Percent, 100);
}

TEST(DvListGeometry, RowsTakeDropsInsideTheFrame) {
    const DvListGeometry list{200, 250, 100, 4};
    struct Case {
        int x, y, row;
    };
    for (const Case c : {Case{250, 252, 1}, Case{250, 251, 0}, Case{250, 274, 1}, Case{250, 275, 2}, Case{250, 348, 4},
                         Case{250, 349, 0}, Case{201, 260, 0}, Case{202, 260, 1}, Case{298, 260, 1}, Case{299, 260, 0}})
        EXPECT_EQ(list.RowAt(c.x, c.y), c.row) << c.x << "," << c.y;
    EXPECT_EQ(list.LabelTop(3), 305);
}

}  // namespace
}  // namespace quillan
