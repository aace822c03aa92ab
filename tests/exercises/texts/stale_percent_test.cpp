// Closing after "again" hands over the new attempt's result, never the percent of an earlier
// check in the same window.

#include <gtest/gtest.h>

#include <functional>

#include "exercises/texts/catalog_gap_sentences.h"
#include "exercises/texts/definitions.h"
#include "exercises/texts/drag_drop_table.h"
#include "exercises/texts/gap_text.h"
#include "exercises/texts/multiple_choice.h"
#include "exercises/texts/ordering_list.h"
#include "exercises/texts/pair_matching.h"
#include "exercises/texts/true_false.h"
#include "exercises/texts/typing_gaps.h"
#include "support/fakes.h"

namespace quillan {
namespace {

// One member driven through the steps the test needs.
struct Member {
    const char* name;
    std::function<void()> prepare;  // PrepareExercise (also "again")
    std::function<void()> work;     // an answer action that counts as working on it
    std::function<void()> check;
    std::function<int()> percent;
    std::function<ClosingReport()> closing;
};

class StalePercentTest : public ::testing::Test {
protected:
    test::FakeRandom random;  // every swap exchanges the first two positions
    Problems problems;
    MultipleChoice mc{random};
    TrueFalse tf{random};
    TypingGaps wp;
    Definitions df{random};
    DragDropTable dd{random};
    OrderingList dv{random};
    PairMatching hh{random};
    GapText zdd{random};
    CatalogGapSentences catalog{random};

    std::vector<Member> Members() {
        const McContent mcContent = ParseMultipleChoice("Q=T_a=b#R=T_c=d#", problems);
        const TfContent tfContent = ParseTrueFalse("P#T#T#F#F#F#T_a#b#", problems);
        LineReader reader("w:60\r\nglossary:x\r\nblank:0\r\n&a &b\r\n", "t.fcs");
        const TypingContent wpContent = ReadTypingFile(reader, problems);
        const DfContent dfContent = ParseDefinitions("a*A#b*B#", problems);
        const DdContent ddContent = ParseDragDropTable("2#2#X#Y#a*1#b*2#", problems);
        const DvContent dvContent = ParseOrderingList("a*1#b*2#c*3#", problems);
        const HhContent hhContent = ParsePairMatching("a*x#b*y#c*z#", problems);
        const GapTokenList zddContent = ParseGapText("A <a> <b>=", problems);
        CatalogEntry entry;
        entry.Code = "0004600101";
        entry.Line4 = "1=2=";
        const CatalogGapContent catalogContent = BuildCatalogGapSentences(entry, {{"1", "<a> <b>", ""}, {"2", "<c>", ""}}, problems);
        return {
            {"MC", [=, this] { mc.Prepare(mcContent); }, [this] { mc.Choose(0, 0); }, [this] { mc.Check(); },
             [this] { return mc.Percent(); }, [this] { return mc.Closing(); }},
            {"TF", [=, this] { tf.Prepare(tfContent, 0); }, [this] { tf.Tick(0, true); }, [this] { tf.Check(); },
             [this] { return tf.Percent(); }, [this] { return tf.Closing(); }},
            {"WP", [=, this] { wp.Prepare(wpContent); },
             [this] {
                 wp.OpenGap(0, "");
                 wp.EditChanged();
                 wp.CloseGap("a");
             },
             [this] { wp.Check("", false); }, [this] { return wp.Percent(); }, [this] { return wp.Closing(); }},
            {"DF", [=, this] { df.Prepare(dfContent); }, [this] { df.Drop(0, df.StartDrag(0) ? 0 : -1); }, [this] { df.Check(); },
             [this] { return df.Percent(); }, [this] { return df.Closing(); }},
            {"DD", [=, this] { dd.Prepare(ddContent); },
             [this] {
                 dd.StartDrag(0);
                 dd.Drop(0, dd.Labels()[0].RightColumn);
             },
             [this] { dd.Check(); }, [this] { return dd.Percent(); }, [this] { return dd.Closing(); }},
            {"DV", [=, this] { dv.Prepare(dvContent); },
             [this] {
                 dv.StartDrag(0);
                 dv.Drop(0, 2);
             },
             [this] { dv.Check(); }, [this] { return dv.Percent(); }, [this] { return dv.Closing(); }},
            {"HH", [=, this] { hh.Prepare(hhContent); },
             [this] {
                 hh.ClickLeft(0);   // rows b-y, a-x, c-z after the shuffle
                 hh.ClickRight(1);  // x moves up: b-x, a-y, c-z
             },
             [this] { hh.Check(); }, [this] { return hh.Percent(); }, [this] { return hh.Closing(); }},
            {"ZDD", [=, this] { zdd.Prepare(zddContent); },
             [this] {
                 zdd.StartDrag(0);
                 zdd.DropOnGap(0, 0);
             },
             [this] { zdd.Check(); }, [this] { return zdd.Percent(); }, [this] { return zdd.Closing(); }},
            {"zdd_", [=, this] { catalog.Prepare(catalogContent); },
             [this] {
                 catalog.StartDrag(0);
                 catalog.DropOnGap(0, 0);
             },
             [this] { catalog.Check(); }, [this] { return catalog.Percent(); }, [this] { return catalog.Closing(); }},
        };
    }
};

TEST_F(StalePercentTest, AgainThenClosingHandsOverTheNewAttempt) {
    for (const Member& m : Members()) {
        m.prepare();
        m.work();
        m.check();
        const int checked = m.percent();
        EXPECT_GT(checked, 0) << m.name;
        EXPECT_EQ(m.closing().Percent, checked) << m.name;
        EXPECT_EQ(m.closing().Completed, 1) << m.name;

        m.prepare();  // "again"
        EXPECT_EQ(m.percent(), 0) << m.name;
        EXPECT_FALSE(m.closing().Record) << m.name;  // nothing done yet: no result

        m.work();
        const ClosingReport closing = m.closing();
        EXPECT_TRUE(closing.Record) << m.name;
        EXPECT_EQ(closing.Percent, 0) << m.name;  // this attempt was not checked
        EXPECT_EQ(closing.Completed, 0) << m.name;
    }
}

TEST_F(StalePercentTest, ClosingWithoutEverCheckingRecordsZero) {
    for (const Member& m : Members()) {
        m.prepare();
        m.work();
        EXPECT_EQ(m.closing().Percent, 0) << m.name;
        EXPECT_EQ(m.closing().Completed, 0) << m.name;
        EXPECT_TRUE(m.closing().Record) << m.name;
    }
}

}  // namespace
}  // namespace quillan
