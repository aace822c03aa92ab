#include <gtest/gtest.h>

#include "exercises/texts/catalog_gap_sentences.h"
#include "problem_texts.h"

namespace quillan {
namespace {

using test::HasProblem;

const DragDropSentences kTable = {
    {"00501", "I have an <appointment>. Really", "Mam spotkanie."},
    {"00502", "Could we <meet+on> Thursday?", "Old answer."},
    {"00502", "Could we <meet> on <Thursday>?", "Czy mo\xBF" "emy?"},
    {"00503", "[I]Note[/i] <x>", "n"},
};

CatalogEntry Entry(const std::string& line4) { return CatalogEntry{"0004600101", "a", "b", line4, "kurs_cwicz2.vrk", 3}; }

TEST(CatalogGapSentences, SentencesTokensAndGaps) {
    Problems problems;
    const CatalogGapContent content = BuildCatalogGapSentences(Entry("00501=00502="), kTable, problems);
    EXPECT_TRUE(problems.Empty()) << problems.List().front().Message;
    ASSERT_EQ(content.Sentences.size(), 2u);
    EXPECT_EQ(content.Sentences[1].Text, "Could we <meet> on <Thursday>?");  // the last record counts
    EXPECT_EQ(content.Sentences[1].FlagHint, "Czy mo\xBF" "emy?");
    std::vector<std::string> texts;
    for (const GapToken& t : content.Tokens.Tokens) texts.push_back(t.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"[FLA=1]", "[GLO=1]", "I", "have", "an", "<appointment>", ".", "Really", "@", "#",
                                               "[FLA=2]", "[GLO=2]", "Could", "we", "<meet>", "on", "<Thursday>", "?", "@", "#"}));
    EXPECT_EQ(content.Tokens.Tokens[0].Kind, GapTokenKind::Flag);
    EXPECT_EQ(content.Tokens.Tokens[11].Kind, GapTokenKind::Voice);
    EXPECT_EQ(content.Tokens.Tokens[11].Number, 1);
    ASSERT_EQ(content.Tokens.Gaps.size(), 3u);
    EXPECT_EQ(content.Tokens.Gaps[0].Expected, "appointment");
    EXPECT_EQ(content.Tokens.Gaps[2].Answer, "Thursday");
}

TEST(CatalogGapSentences, ItalicTagsOfTheCatalog) {
    Problems problems;
    const CatalogGapContent content = BuildCatalogGapSentences(Entry("00503=00501="), kTable, problems);
    EXPECT_EQ(content.Tokens.Tokens[2].Text, "[I]Note[/i]");  // a tag against a word is a word
    EXPECT_EQ(SeparateMarksAfterGaps("<a>. <b>, <c>! <d>? <e>; <f>: x>."), "<a> . <b> , <c> ! <d> ? <e> ; <f>: x> .");
}

TEST(CatalogGapSentences, MalformedEntries) {
    struct Case {
        std::string line4;
        size_t sentences;
        const char* problem;
    };
    const Case cases[] = {
        {"00501=09999=", 2, "the sentence \"09999\" is in no record of the drag-and-drop sentences (kurs.zdd)"},
        {"00501=00503", 2, "the identifier \"00503\" is not followed by \"=\""},
        {"00503=", 1, "the exercise needs at least two gaps; it has 1"},
        {"00501=00501=00501=00501=00501=00501=00501=00501=00501=00501=00502=00503=", 10,
         "the window holds 10 sentences: \"00502\" and the identifiers after it are left out"},
    };
    for (const Case& c : cases) {
        Problems problems;
        const CatalogGapContent content = BuildCatalogGapSentences(Entry(c.line4), kTable, problems, {"kurs_cwicz2.vrk", 6});
        EXPECT_EQ(content.Sentences.size(), c.sentences) << c.line4;
        EXPECT_TRUE(HasProblem(problems, c.problem)) << c.line4;
        EXPECT_EQ(content.TooMany, c.sentences == 10u);
    }
    Problems problems;
    const CatalogGapContent eleven = BuildCatalogGapSentences(Entry(cases[3].line4), kTable, problems);
    EXPECT_EQ(eleven.Tokens.Gaps.size(), 10u);
    EXPECT_TRUE(HasProblem(problems, "the window holds 10 sentences"));
    EXPECT_STREQ(kTooManyCatalogSentences, "Za duzo przyk\xB3" "ad\xF3w w cwiczeniu!!!");
}

TEST(CatalogGapSentences, AMissingSentenceKeepsItsIconsAndLineBreaks) {
    Problems problems;
    const CatalogGapContent content = BuildCatalogGapSentences(Entry("09999=00502="), kTable, problems);
    EXPECT_FALSE(content.Sentences[0].Found);
    EXPECT_EQ(content.Tokens.Tokens[0].Text, "[FLA=1]");
    EXPECT_EQ(content.Tokens.Tokens[2].Text, "");  // the empty sentence's space before "@"
    EXPECT_EQ(content.Tokens.Tokens[3].Text, "@");
}

TEST(CatalogGapSentences, TheWindowsAttempt) {
    SystemRandom random;
    CatalogGapSentences model(random);
    Problems problems;
    model.Prepare(BuildCatalogGapSentences(Entry("00501=00502="), kTable, problems));
    EXPECT_FALSE(model.IconsVisible());
    EXPECT_TRUE(model.StartDrag(0));
    model.DropOnGap(0, 0);
    model.DropOnGap(2, 1);
    model.Check();
    EXPECT_TRUE(model.IconsVisible());
    EXPECT_FALSE(model.LabelsVisible());
    EXPECT_EQ(model.Percent(), 33);
    EXPECT_EQ(model.Closing().Completed, 1);
    EXPECT_EQ(model.SentenceNumber(0), 501);
    EXPECT_EQ(model.SentenceNumber(5), 0);
    EXPECT_TRUE(IsCatalogGapSentences(Entry("")));
    CatalogEntry comprehension = Entry("");
    comprehension.Code = "0001110101";
    EXPECT_FALSE(IsCatalogGapSentences(comprehension));
}

}  // namespace
}  // namespace quillan
