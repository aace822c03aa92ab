#include <gtest/gtest.h>

#include "exercises/texts/true_false_layout.h"
#include "support/fakes.h"

namespace quillan {
namespace {

// Every character 10 pixels wide, 12 in bold.
int Measure(std::string_view text, const TextStyle& style) { return static_cast<int>(text.size()) * (style.Bold ? 12 : 10); }

std::string Words(const TfLayout& layout) {
    std::string out;
    for (const PlacedWord& w : layout.Words) out += "[" + w.Text + "@" + std::to_string(w.X) + "," + std::to_string(w.Y) + "]";
    return out;
}

TEST(TfLayout, TheTableTheRowsAndTheirBoxes) {
    test::FakeRandom random;  // two rows, two swaps of the same pair: the order of the file
    TrueFalse model(random);
    Problems problems;
    model.Prepare(ParseTrueFalse("P#True#W#F#False#F#T_one two#aaaa bbbb cccc#", problems), 1);
    const TfLayout layout = LayOutTrueFalse(model, 250, 18, Measure);
    EXPECT_EQ(layout.TableWidth, 2 * 60 + 10) << "twice the wider heading in bold, False";
    EXPECT_EQ(layout.LeftHeadingX, (65 - 48) / 2 + 1) << "True centred in the left column";
    EXPECT_EQ(layout.RightHeadingX, 65 + (65 - 60) / 2 + 1);
    EXPECT_EQ(layout.LeftBoxX, 130 / 4 - 9);
    EXPECT_EQ(layout.RightBoxX, (130 / 4) * 3 - 9);
    // Words from x = T + 5, wrapped at the box's width 17 pixels lower; rows 24 below their last line.
    EXPECT_EQ(Words(layout), "[one @135,26][two @175,26][aaaa @135,50][bbbb @185,50][cccc @135,67]");
    ASSERT_EQ(layout.Rows.size(), 2u);
    EXPECT_EQ(layout.Rows[0].Top, 26);
    EXPECT_EQ(layout.Rows[0].BoxTop, 26 + 24 / 2 - 9 - 5);
    EXPECT_EQ(layout.Rows[1].Top, 50);
    EXPECT_EQ(layout.Rows[1].BoxTop, 50 + (91 - 50) / 2 - 9 - 5) << "level with the middle of the two lines";
    EXPECT_EQ(layout.DividerBottom, 91 + 10);
}

}  // namespace
}  // namespace quillan
