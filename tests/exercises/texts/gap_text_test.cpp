#include <gtest/gtest.h>

#include "exercises/texts/gap_text.h"
#include "problem_texts.h"
#include "support/fakes.h"

namespace quillan {
namespace {

using test::HasProblem;

std::vector<std::string> Tokens(const GapTokenList& list) {
    std::vector<std::string> out;
    for (const GapToken& t : list.Tokens) out.push_back(t.Kind == GapTokenKind::Gap ? "<" + std::to_string(t.Number) + ">" : t.Text);
    return out;
}

TEST(GapTextParse, SentencesWordsAndGaps) {
    Problems problems;
    const GapTokenList list = ParseGapText("He <went> home.=She <is> at work.=", problems);
    EXPECT_TRUE(problems.Empty());
    EXPECT_EQ(list.Sentences, 2);
    EXPECT_EQ(Tokens(list), (std::vector<std::string>{"He", "<0>", "home.", "@", "#", "She", "<1>", "at", "work.", "@", "#"}));
    ASSERT_EQ(list.Gaps.size(), 2u);
    EXPECT_EQ(list.Gaps[0].Expected, "went");
    EXPECT_EQ(list.Gaps[1].Token, 6);
    EXPECT_EQ(list.Tokens[3].Kind, GapTokenKind::LineBreak);
}

TEST(GapTextParse, AnswersExpectedTextsAndMarkup) {
    struct Case {
        const char* word;
        const char* answer;
        const char* expected;
    };
    const Case cases[] = {
        {"<went>.", "went.", "went"}, {"<look+after>", "look after", "look after"}, {"<yes>?", "yes?", "yes"},
        {"<a>:", "a:", "a"},          {"<x>>", "x>", "x>"},                        {"<3.5>", "3.5", "3.5"},
    };
    for (const Case& c : cases) {
        Problems problems;
        const GapTokenList list = ParseGapText(std::string("A <b> ") + c.word + "=", problems);
        ASSERT_EQ(list.Gaps.size(), 2u) << c.word;
        EXPECT_EQ(list.Gaps[1].Answer, c.answer) << c.word;
        EXPECT_EQ(list.Gaps[1].Expected, c.expected) << c.word;
    }
    Problems problems;
    const GapTokenList list = ParseGapText("[PL] Po <polsku> [/pl] a  <b>=", problems);
    EXPECT_EQ(list.Tokens[0].Kind, GapTokenKind::ItalicOn);
    EXPECT_EQ(list.Tokens[3].Kind, GapTokenKind::ItalicOff);
    EXPECT_EQ(list.Tokens[5].Text, "");  // two spaces give an empty word
    EXPECT_EQ(list.Tokens[5].Kind, GapTokenKind::Word);
}

// Each window has its own pair of italic tags; the other window's pair is painted as a word.
TEST(GapTextParse, ItalicTagsOfEachWindow) {
    struct Case {
        ItalicTags tags;
        const char* word;
        GapTokenKind kind;
    };
    const Case cases[] = {
        {ItalicTags::GapText, "[PL]", GapTokenKind::ItalicOn},  {ItalicTags::GapText, "[/pl]", GapTokenKind::ItalicOff},
        {ItalicTags::GapText, "[I]", GapTokenKind::Word},       {ItalicTags::GapText, "[/I]", GapTokenKind::Word},
        {ItalicTags::Catalog, "[i]", GapTokenKind::ItalicOn},   {ItalicTags::Catalog, "[/I]", GapTokenKind::ItalicOff},
        {ItalicTags::Catalog, "[PL]", GapTokenKind::Word},      {ItalicTags::Catalog, "[/PL]", GapTokenKind::Word},
    };
    for (const Case& c : cases) {
        Problems problems;
        GapTokenList list;
        AppendSentence(list, std::string(c.word) + " <a> b", c.tags, problems, {});
        ASSERT_FALSE(list.Tokens.empty());
        EXPECT_EQ(list.Tokens[0].Kind, c.kind) << c.word << (c.tags == ItalicTags::Catalog ? " (catalog)" : " (gap text)");
        EXPECT_EQ(list.Tokens[0].Text, c.word);
    }
}

TEST(GapTextParse, MalformedContent) {
    std::string many, longText;
    for (int i = 1; i <= 21; ++i) many += "S <w" + std::to_string(i) + ">=";
    for (int i = 0; i < 700; ++i) longText += "w ";
    struct Case {
        std::string content;
        const char* problem;
    };
    const Case cases[] = {
        {"He <went home.=She <is> here.=", "the gap \"<went\" in sentence 1 has no \">\""},
        {"He <went> home.=", "the gap text needs at least two gaps; it has 1"},
        {"He <went> home.=She <is> here.", "sentence 2 is not closed by \"=\""},
        {many, "the window holds 20 sentences: sentence 21 and those after it are left out"},
        {"<a> <b>=" + longText + "=", "the window holds 600 words: sentence 2 is cut there"},
    };
    for (const Case& c : cases) {
        Problems problems;
        const GapTokenList list = ParseGapText(c.content, problems, {"St_a.txt", 9});
        EXPECT_TRUE(HasProblem(problems, c.problem)) << c.content;
        EXPECT_LE(list.Tokens.size(), static_cast<size_t>(kGapTokenLimit));
        EXPECT_LE(list.Gaps.size(), static_cast<size_t>(kGapLimit));
    }
    std::string twentyOne;
    for (int i = 1; i <= 21; ++i) twentyOne += "<w" + std::to_string(i) + "> ";
    Problems problems;
    const GapTokenList list = ParseGapText(twentyOne + "=", problems);
    EXPECT_EQ(list.Gaps.size(), 20u);
    EXPECT_EQ(list.Tokens[20].Text, "w21");  // stays in the text as its answer
    EXPECT_EQ(list.Tokens[20].Kind, GapTokenKind::Word);
    EXPECT_TRUE(HasProblem(problems, "the window holds 20 gaps: the gap \"<w21>\" and those after it stay as plain words"));
}

class GapTextTest : public ::testing::Test {
protected:
    void Prepare(const std::string& content) {
        Problems problems;
        model.Prepare(ParseGapText(content, problems));
    }
    const GapBoard& Board() const { return model.Board(); }

    SystemRandom random;
    GapText model{random};
};

TEST_F(GapTextTest, LabelsCarryTheExpectedTextsInShuffledSlots) {
    Prepare("He <went>. home=She <is> at work.=It <was>!=");
    ASSERT_EQ(Board().Labels().size(), 3u);
    std::vector<int> slots;
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(Board().Labels()[static_cast<size_t>(g)].Text, Board().Gaps()[static_cast<size_t>(g)].Expected);
        slots.push_back(Board().Labels()[static_cast<size_t>(g)].Slot);
        EXPECT_EQ(Board().Labels()[static_cast<size_t>(g)].Gap, -1);
    }
    std::sort(slots.begin(), slots.end());
    EXPECT_EQ(slots, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(GapSlotTop(1), 150);
    EXPECT_EQ(GapSlotTop(20), 530);
}

TEST_F(GapTextTest, DroppingOnGapsBinAndFilledGaps) {
    Prepare("A <a> <b>=");
    ASSERT_TRUE(model.StartDrag(0));
    model.DropOnGap(0, 0);
    EXPECT_EQ(Board().Labels()[0].Gap, 0);
    EXPECT_TRUE(Board().Labels()[0].Grey);
    model.DropOnGap(1, 0);  // filled: label 1 stays where it was
    EXPECT_EQ(Board().Labels()[1].Gap, -1);
    EXPECT_EQ(Board().GapStates()[0].Label, 0);
    model.DropOnGap(0, 1);  // from gap 1 to gap 2: gap 1 is empty again
    EXPECT_EQ(Board().GapStates()[0].Label, -1);
    EXPECT_EQ(Board().GapStates()[1].Label, 0);
    model.DropOnGap(0, -1);  // beside the text: home
    EXPECT_EQ(Board().Labels()[0].Gap, -1);
    EXPECT_FALSE(Board().Labels()[0].Grey);
    EXPECT_EQ(Board().GapStates()[1].Label, -1);
    model.DropOnGap(1, 1);
    model.SendHome(1);  // the bin
    EXPECT_EQ(Board().GapStates()[1].Label, -1);
}

TEST_F(GapTextTest, CheckMarksGapsWithHints) {
    Prepare("A <a> <b> <c>=");
    model.DropOnGap(0, 0);  // right
    model.DropOnGap(2, 1);  // wrong
    model.Check();
    const auto& states = Board().GapStates();
    EXPECT_EQ(states[0].Mark, GapMark::Right);
    EXPECT_EQ(states[1].Mark, GapMark::Wrong);
    EXPECT_EQ(states[1].Hint, "Your answer: c");
    EXPECT_EQ(states[2].Hint, "There was no answer");
    EXPECT_EQ(model.Percent(), 33);
    EXPECT_FALSE(model.LabelsVisible());
    EXPECT_FALSE(model.StartDrag(1));
}

TEST_F(GapTextTest, EqualExpectedTextsCountInEitherGap) {
    Prepare("A <same> B <same>.=");
    model.DropOnGap(0, 1);
    model.DropOnGap(1, 0);
    model.Check();
    EXPECT_EQ(model.Percent(), 100);
}

TEST_F(GapTextTest, NoLabelPlacedGivesZero) {
    Prepare("A <a> <b>=");
    model.Check();
    EXPECT_EQ(model.Percent(), 0);
    for (const GapState& s : Board().GapStates()) EXPECT_EQ(s.Hint, "There was no answer");
}

TEST(GapTextShuffle, ASingleGapOpensWithoutDrawing) {
    test::FakeRandom random;
    random.values = {5};
    GapText model(random);
    Problems problems;
    model.Prepare(ParseGapText("Only <one> gap.=", problems));
    EXPECT_EQ(random.values.size(), 1u);
    EXPECT_EQ(model.Board().Labels()[0].Slot, 1);
}

}  // namespace
}  // namespace quillan
