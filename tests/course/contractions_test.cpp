#include <gtest/gtest.h>

#include "course/contractions.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

TEST(Contractions, TheTableFile) {
    test::TempDir dir;
    ContractionTable table{{"old", "pair"}};
    Problems problems;
    LoadContractions(dir.Path(), table, problems);  // no file: no pairs
    EXPECT_TRUE(table.empty());

    dir.Write("ss_r.t", test::Crlf(" I am= I'm=\nno pair here\n you are= you're\n=empty long=x\nab=\n"));
    LoadContractions(dir.Path(), table, problems);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].LongForm, " I am");
    EXPECT_EQ(table[0].ShortForm, " I'm");
    EXPECT_EQ(table[1].ShortForm, " you're");  // to the end of the line without a second "="
    EXPECT_EQ(table[2].LongForm, "");
    EXPECT_EQ(table[2].ShortForm, "empty long");
    EXPECT_EQ(table[3].ShortForm, "");
    EXPECT_TRUE(problems.Empty());

    std::string many;
    for (int i = 1; i <= 72; ++i) many += "a" + std::to_string(i) + "=b\n";
    dir.Write("ss_r.t", test::Crlf(many));
    LoadContractions(dir.Path(), table, problems);
    EXPECT_EQ(table.size(), 70u);
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].File, "ss_r.t");
    EXPECT_EQ(problems.List()[0].Message, "the table holds 70 contractions: lines 71 to 72 are left out");
}

TEST(Contractions, NormalizeSentence) {
    struct Case {
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {"I am late.", "I am late"},
        {"I am late .", "I am late"},
        {"  Are you   late ?  ", "Are you late"},
        {"Late?!", "Late? !"},  // "?" is spaced like the others
        {"Yes , I am.", "Yes, I am"},
        {"..", ". "},
        {"", ""},
        {"   ", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(NormalizeSentence(c.text), c.result) << "'" << c.text << "'";
}

TEST(Contractions, Variants) {
    const ContractionTable table = {{" I am", " I'm"}, {" is not", " isn't"}, {" you", " ya"}};
    EXPECT_EQ(BuildContractionVariants("I am late.", table), std::vector<std::string>{" I'm late."});
    EXPECT_EQ(BuildContractionVariants("  I am sure he is not here ", table),
              (std::vector<std::string>{" I'm sure he is not here", " I am sure he isn't here", " I'm sure he isn't here",
                                        " I am sure he isn't here"}));
    // A second pair right after the first match is not looked for (the search skips a character).
    EXPECT_EQ(BuildContractionVariants("I am you", table), (std::vector<std::string>{" I'm you", " I am ya"}));
    // A sentence beginning with "'" gets no leading blank, so " I am" does not match at its start.
    EXPECT_TRUE(BuildContractionVariants("'I am'", table).empty());
    EXPECT_TRUE(BuildContractionVariants("   ", table).empty());
    EXPECT_TRUE(BuildContractionVariants("nothing to replace", table).empty());
    // A long form matches only where it stands whole, its leading blank included ("Iam" is no
    // " I am"); a pair is replaced where it stands first, and as the second pair where it stands
    // first after the first match.
    EXPECT_EQ(BuildContractionVariants("Iam you I am you", table),
              (std::vector<std::string>{" Iam you I'm you", " Iam ya I am you", " Iam you I am ya", " Iam ya I am ya"}));
    EXPECT_EQ(BuildContractionVariants("youyou", table), std::vector<std::string>{" yayou"});

    // At most 40 variants: later ones overwrite the 40th.
    ContractionTable many;
    for (int i = 1; i <= 45; ++i) many.push_back({" a", " s" + std::to_string(i)});
    const std::vector<std::string> variants = BuildContractionVariants("a", many);
    ASSERT_EQ(variants.size(), 40u);
    EXPECT_EQ(variants[38], " s39");
    EXPECT_EQ(variants[39], " s45");
}

TEST(Contractions, ADictationAnswerWithAShortForm) {
    // How the dictation check uses them: both sides normalised, the answer against each variant.
    const ContractionTable table = {{" I am", " I'm"}};
    const std::string expected = NormalizeSentence("I am late.");
    bool found = false;
    for (const std::string& variant : BuildContractionVariants(expected, table))
        found = found || NormalizeSentence(variant) == NormalizeSentence("I'm late");
    EXPECT_TRUE(found);
    EXPECT_EQ(NormalizeSentence("I am late ."), expected);
}

}  // namespace
}  // namespace quillan
