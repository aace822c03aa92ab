#include <gtest/gtest.h>

#include "exercises/texts/definitions.h"
#include "problem_texts.h"

namespace quillan {
namespace {

using test::HasProblem;

TEST(DefinitionsParse, EntriesAsTheyStand) {
    Problems problems;
    const DfContent content = ParseDefinitions("agenda* a list of things #invoice*a bill#", problems);
    EXPECT_TRUE(problems.Empty());
    ASSERT_EQ(content.Entries.size(), 2u);
    EXPECT_EQ(content.Entries[0].Term, "agenda");
    EXPECT_EQ(content.Entries[0].Definition, " a list of things ");
    EXPECT_EQ(content.Entries[1].Term, "invoice");
}

TEST(DefinitionsParse, MalformedContent) {
    std::string thirteen;
    for (int i = 1; i <= 13; ++i) thirteen += "t" + std::to_string(i) + "*d#";
    struct Case {
        std::string content;
        size_t entries;
        const char* problem;
    };
    const Case cases[] = {
        {"a*b#c*d", 2, "entry 2 is not closed by \"#\""},
        {"a*b#cd#", 2, "entry 2 has no \"*\" between the term and its definition"},
        {"a*b#", 1, "at least two definitions; it has 1"},
        {thirteen, 12, "the window holds 12 definitions: entry 13 and those after it are left out"},
    };
    for (const Case& c : cases) {
        Problems problems;
        EXPECT_EQ(ParseDefinitions(c.content, problems).Entries.size(), c.entries) << c.content;
        EXPECT_TRUE(HasProblem(problems, c.problem)) << c.content;
    }
}

class DefinitionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Problems problems;
        model.Prepare(ParseDefinitions("agenda*a list#invoice*a bill#deadline*the last day#", problems));
    }
    int Label(const std::string& term) const {
        for (size_t i = 0; i < model.Labels().size(); ++i)
            if (model.Labels()[i].Term == term) return static_cast<int>(i);
        return -1;
    }
    int SlotOf(const std::string& term) const { return model.Labels()[static_cast<size_t>(Label(term))].Slot; }
    void Drag(const std::string& term, int slot) {
        ASSERT_TRUE(model.StartDrag(Label(term)));
        model.Drop(Label(term), slot);
    }

    SystemRandom random;
    Definitions model{random};
};

TEST_F(DefinitionsTest, AllInTheirSlotsScoresFullAndStays) {
    Drag("agenda", 0);
    Drag("invoice", 1);
    Drag("deadline", 2);
    model.Check();
    EXPECT_EQ(model.Percent(), 100);
    for (const DfSlot& slot : model.Slots()) EXPECT_EQ(slot.Mark, DfMark::Right);
    EXPECT_EQ(SlotOf("invoice"), 1);
}

TEST_F(DefinitionsTest, ATakenSlotSendsTheTermBackAndItsOwnSlotKeepsIt) {
    Drag("agenda", 1);
    Drag("invoice", 1);  // taken by another term: back to the bank
    EXPECT_EQ(SlotOf("invoice"), -1);
    Drag("agenda", 1);  // on its own slot again: stays
    EXPECT_EQ(SlotOf("agenda"), 1);
    Drag("agenda", 2);  // moved on: the old slot is free
    EXPECT_EQ(model.Slots()[1].Label, -1);
    Drag("agenda", -1);  // outside every slot: back to the bank
    EXPECT_EQ(SlotOf("agenda"), -1);
    EXPECT_EQ(model.Slots()[2].Label, -1);
}

TEST_F(DefinitionsTest, CheckWithEmptyAndWrongSlotsThenEveryTermInItsSlot) {
    Drag("invoice", 0);  // wrong
    Drag("deadline", 2);  // right
    model.Check();
    EXPECT_EQ(model.Slots()[0].Mark, DfMark::Wrong);
    EXPECT_EQ(model.Slots()[0].Hint, "Your answer: invoice");
    EXPECT_EQ(model.Slots()[1].Mark, DfMark::Wrong);
    EXPECT_EQ(model.Slots()[1].Hint, "There was no answer");
    EXPECT_EQ(model.Slots()[2].Mark, DfMark::Right);
    EXPECT_EQ(model.Slots()[2].Hint, "");
    EXPECT_EQ(SlotOf("agenda"), 0);
    EXPECT_EQ(SlotOf("invoice"), 1);
    EXPECT_EQ(model.Slots()[1].Label, Label("invoice"));
    EXPECT_EQ(model.Percent(), 33);
    EXPECT_FALSE(model.StartDrag(Label("agenda")));  // no drags after the check
}

}  // namespace
}  // namespace quillan
