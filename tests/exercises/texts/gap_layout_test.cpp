#include <gtest/gtest.h>

#include "exercises/texts/catalog_gap_sentences.h"
#include "exercises/texts/gap_layout.h"
#include "exercises/texts/gap_text.h"
#include "support/fakes.h"

namespace quillan {
namespace {

// Every character 10 pixels wide (italic too).
int Measure(std::string_view text, const TextStyle&) { return static_cast<int>(text.size()) * 10; }

std::string Drawn(const GapLayout& layout) {
    std::string out;
    for (const GapDrawn& d : layout.Drawn) {
        switch (d.Kind) {
            case GapDrawnKind::Text: out += "[" + d.Text; break;
            case GapDrawnKind::QuestionMark: out += "[?" + std::to_string(d.Number); break;
            case GapDrawnKind::Mark: out += "[mark" + std::to_string(d.Number); break;
            case GapDrawnKind::Flag: out += "[flag" + std::to_string(d.Number); break;
            case GapDrawnKind::Voice: out += "[voice" + std::to_string(d.Number); break;
        }
        out += "@" + std::to_string(d.X) + "," + std::to_string(d.Y) + (d.Italic ? "i" : "") + "]";
    }
    return out;
}

class GapLayoutTest : public ::testing::Test {
protected:
    void Prepare(const std::string& content) {
        Problems problems;
        model.Prepare(ParseGapText(content, problems));
    }
    GapLayout LayOut(int width = 400) {
        return LayOutGaps(model.Board(), model.State().Evaluated(), GapWindow::GapText, GapLayoutMetrics{width}, Measure, drops);
    }

    test::FakeRandom random;
    GapText model{random};
    std::vector<GapRect> drops;
};

TEST_F(GapLayoutTest, BeforeTheCheckEmptyGapsShowTheQuestionMark) {
    Prepare("He <went> home.=[PL] Ona <is> [/PL] ok=");
    const GapLayout layout = LayOut();
    EXPECT_EQ(Drawn(layout), "[He @0,0][?0@30,0][home. @75,0][Ona @0,36i][?1@40,36i][ok @85,36]");
    EXPECT_EQ(layout.Bottom, 72);  // each sentence ends with two line breaks
    EXPECT_EQ(GapAt(drops, 30, 0), 0);
    EXPECT_EQ(GapAt(drops, 70, 18), 0);  // edges included: 30 + 40, 0 + 18
    EXPECT_EQ(GapAt(drops, 71, 5), -1);
    EXPECT_EQ(GapAt(drops, 45, 40), 1);
}

TEST_F(GapLayoutTest, AFilledGapLeavesRoomForItsLabelAndKeepsItsDropArea) {
    Prepare("He <went> home.=She <is> ok=");
    LayOut();               // painted empty first
    model.DropOnGap(0, 0);  // label 0 carries "went"
    const GapLayout layout = LayOut();
    EXPECT_EQ(Drawn(layout).substr(0, 26), "[He @0,0][home. @80,0][She");
    EXPECT_EQ(layout.GapPositions[0].X, 30);
    EXPECT_EQ(GapAt(drops, 35, 5), 0);  // the area measured when the gap was empty
}

TEST_F(GapLayoutTest, LongLinesWrapBeforeTheMargin) {
    Prepare("aaaa bbbb <cc> dddd=x <y>=");
    const GapLayout layout = LayOut(150);  // a token must end within 150 - 50
    EXPECT_EQ(Drawn(layout).substr(0, 45), "[aaaa @0,0][bbbb @50,0][?0@0,18][dddd @45,18]");
}

TEST_F(GapLayoutTest, AfterTheCheckMarksAndAnswersStand) {
    Prepare("He <went>. home=She <is> ok=");
    model.DropOnGap(1, 0);  // "is" in the first gap: wrong
    model.Check();
    const GapLayout layout = LayOut();
    EXPECT_EQ(Drawn(layout), "[He @0,0][mark0@30,0][went. @55,0][home @115,0][She @0,36][mark1@40,36][is @65,36][ok @95,36]");
    EXPECT_EQ(model.Board().GapStates()[0].Hint, "Your answer: is");
}

TEST(GapLayoutCatalog, IconsComeAfterTheCheckAndWrappedLinesIndentPastThem) {
    test::FakeRandom random;
    CatalogGapSentences model(random);
    CatalogEntry entry;
    entry.Code = "0001600101";
    entry.Line4 = "1=2=";
    Problems problems;
    model.Prepare(BuildCatalogGapSentences(entry, {{"1", "aaaa <bb> cccc dddd", "Odp."}, {"2", "<x>", ""}}, problems));
    std::vector<GapRect> drops;
    const GapLayoutMetrics metrics{180, 40, 18, 16, 18};
    GapLayout layout = LayOutGaps(model.Board(), false, GapWindow::Catalog, metrics, Measure, drops);
    EXPECT_EQ(Drawn(layout), "[aaaa @44,0][?0@94,0][cccc @44,18][dddd @94,18][?1@44,54]");  // wrapped past the icons
    model.Check();
    layout = LayOutGaps(model.Board(), true, GapWindow::Catalog, metrics, Measure, drops);
    EXPECT_EQ(Drawn(layout).substr(0, 36), "[flag0@0,0][voice0@21,0][aaaa @44,0]");
}

}  // namespace
}  // namespace quillan
