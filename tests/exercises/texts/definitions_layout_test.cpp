#include <gtest/gtest.h>

#include "exercises/texts/definitions_layout.h"
#include "support/fakes.h"

namespace quillan {
namespace {

// Every character 10 pixels wide.
int Measure(std::string_view text, const TextStyle&) { return static_cast<int>(text.size()) * 10; }

const std::string kLongWord(20, 'w');  // 200 pixels

class DfLayoutTest : public ::testing::Test {
protected:
    DfLayoutTest() {
        Problems problems;
        // Three labels, three swaps of the first two: label 0 shows the term of entry 1.
        model.Prepare(ParseDefinitions("ab*short def#cd*" + kLongWord + " " + kLongWord + " " + kLongWord + " " + kLongWord +
                                           " " + kLongWord + "#ef*x#",
                                       problems));
    }
    test::FakeRandom random;
    Definitions model{random};
    const std::vector<DfSize> sizes{{60, 16}, {80, 16}, {40, 16}};
};

TEST_F(DfLayoutTest, BankBoxSlotsAndMarks) {
    const DfScreen screen = LayOutDefinitions(model, sizes, 150, Measure);
    EXPECT_EQ(screen.Bank, (std::vector<DfRect>{{50, 150, 60, 16}, {130, 150, 80, 16}, {230, 150, 40, 16}}));
    EXPECT_EQ(screen.Box.X, 80 + 80) << "TermWidth + 80";
    EXPECT_EQ(screen.Box.Y, 230);
    EXPECT_EQ(screen.Box.W, 540 - 80);
    ASSERT_EQ(screen.Slots.size(), 3u);
    EXPECT_EQ(screen.Slots[0], (DfRect{50, 232, 86, 17}));
    EXPECT_EQ(screen.Frames[0], (DfRect{49, 231, 88, 19}));
    EXPECT_EQ(screen.Dashes[0], (DfRect{144, 232 + 8, 10, 2}));
    // A long definition of three lines gives a slot 51 pixels high.
    EXPECT_EQ(screen.Slots[1], (DfRect{50, 230 + 24 + 2, 86, 51}));
    EXPECT_EQ(screen.Marks[1], (DfRect{25, 256 + (51 - 18) / 2, 18, 18}));
    EXPECT_EQ(screen.Slots[2].Y, 230 + 24 + 2 * 17 + 24 + 2);
    EXPECT_EQ(screen.Words[0].Text, "short ");
    EXPECT_EQ(screen.Words[1].X, 60);
    EXPECT_EQ(screen.Words[4].X, 0) << "the third long word starts the second line";
    EXPECT_EQ(screen.Words[4].Y, 24 + 17 + 2);
}

TEST_F(DfLayoutTest, TheBankWrapsAt900) {
    const DfScreen screen = LayOutDefinitions(model, {{400, 16}, {400, 16}, {100, 16}}, 150, Measure);
    EXPECT_EQ(screen.Bank[1], (DfRect{470, 150, 400, 16}));
    EXPECT_EQ(screen.Bank[2], (DfRect{50, 170, 100, 16})) << "890 + 100 passes 900";
}

TEST_F(DfLayoutTest, ATermLiesInTheBankOrCentredInItsSlot) {
    const DfScreen screen = LayOutDefinitions(model, sizes, 150, Measure);
    EXPECT_EQ(DfLabelPlace(screen, model, 1), screen.Bank[1]);
    ASSERT_TRUE(model.StartDrag(1));
    model.Drop(1, DfSlotAt(screen, 60, 256 + 50));
    EXPECT_EQ(model.Labels()[1].Slot, 1);
    EXPECT_EQ(DfLabelPlace(screen, model, 1), (DfRect{50 + (86 - 80) / 2, 256 + (51 - 16) / 2, 80, 16}));
    EXPECT_EQ(DfSlotAt(screen, 50 + 86, 232 + 17), 0) << "edges included";
    EXPECT_EQ(DfSlotAt(screen, 137, 240), -1);
}

}  // namespace
}  // namespace quillan
