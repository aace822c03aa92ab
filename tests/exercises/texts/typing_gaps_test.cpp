#include <gtest/gtest.h>

#include "exercises/texts/typing_gaps.h"
#include "problem_texts.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

using test::HasProblem;

// An exercise file: the three header lines, then the text.
std::string File(const std::string& text, const std::string& width = "60", const std::string& glossary = "yes",
                 const std::string& blank = "0") {
    return "Szer.  :" + width + "\nSlowniczek: " + glossary + "\nPuste luk:" + blank + "\n" + text;
}

TypingContent Read(const std::string& file, Problems& problems) {
    LineReader reader(test::Crlf(file), "Wpisywania\\t.fcs");
    return ReadTypingFile(reader, problems);
}

std::vector<std::string> Texts(const TypingContent& content) {
    std::vector<std::string> out;
    for (const TypingItem& item : content.Items) out.push_back(item.Kind == TypingItemKind::Gap ? "&" + content.Gaps[static_cast<size_t>(item.Gap)].Answer : item.Text);
    return out;
}

TEST(TypingGapsParse, MarksGetASpaceBeforeThemUntilOneFollowsASpaceOrADigit) {
    const std::pair<const char*, const char*> cases[] = {
        {"He went home.", "He went home ."},
        {"Yes, it is 3.5 now.", "Yes , it is 3.5 now."},  // "3.5" ends the treatment of "." for the line
        {"It costs 3.5. Really.", "It costs 3.5. Really."},
        {"Stop! Go? Now; ok", "Stop ! Go ? Now ; ok"},
        {".start", " .start"},  // a mark at the start of the line gets its space too
        {"a . b.", "a . b."},   // a mark after a space ends the treatment of that mark
        {"", ""},
    };
    for (const auto& [line, prepared] : cases) EXPECT_EQ(SpaceBeforeMarks(line), prepared) << line;
}

TEST(TypingGapsParse, ItemsGapsPrefillsAndMarkup) {
    Problems problems;
    const TypingContent content = Read(File("He &went home.\n*fill &look+after\\take+care+of it <BR> $%^ >> [tab=200] <b> </B>\n"), problems);
    EXPECT_TRUE(problems.Empty()) << problems.List().front().Message;
    EXPECT_EQ(content.GapWidth, 60);
    EXPECT_EQ(content.GlossaryLine, "yes");
    EXPECT_FALSE(content.BlankGaps);
    EXPECT_EQ(Texts(content), (std::vector<std::string>{"He", "&went", "home", ".", "&look after", "it", "<BR>", "$%^", ">>", "[tab=200]", "<b>", "</B>"}));
    ASSERT_EQ(content.Gaps.size(), 2u);
    EXPECT_EQ(content.Gaps[1].Answer, "look after");
    EXPECT_EQ(content.Gaps[1].Alternative, "take care of");
    EXPECT_EQ(content.Items[4].Prefill, "fill");
    EXPECT_EQ(content.Items[1].Prefill, "");
    const TypingItemKind kinds[] = {TypingItemKind::Break, TypingItemKind::Glue, TypingItemKind::Raise,
                                    TypingItemKind::Tab, TypingItemKind::BoldOn, TypingItemKind::BoldOff};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(content.Items[6 + i].Kind, kinds[i]) << i;
    EXPECT_EQ(content.Items[9].Tab, 200);
    EXPECT_TRUE(content.HasTab);
}

TEST(TypingGapsParse, HeaderLines) {
    Problems problems;
    TypingContent content = Read(File("a &b\n", " 80 ", "   ", "1"), problems);
    EXPECT_EQ(content.GapWidth, 80);
    EXPECT_EQ(content.GlossaryLine, "");
    EXPECT_TRUE(content.BlankGaps);
    EXPECT_TRUE(problems.Empty());
}

TEST(TypingGapsParse, MalformedFiles) {
    struct Case {
        std::string file;
        const char* problem;
        int line;
    };
    const Case cases[] = {
        {File("a &b\n", "wide"), "the gap width is no number ('wide' is not a valid integer value); 60 pixels are taken", 1},
        {File("a &b [TAB=] c\n"), "\"[TAB=]\" holds no number of pixels", 4},
        {File("a &b\nc [TAB=x] d\n"), "\"[TAB=x]\" holds no number of pixels", 5},
        {File("just words\n"), "the text has no gap (\"&\")", 0},
        {File("a & b\n"), "gap 1 has no answer", 4},
        {"", "the text has no gap", 0},
        {"", "the gap width is missing; 60 pixels are taken", 1},
        {File("a &b\n", "0"), "the gap width 0 is not 1 to 2000 pixels; 60 pixels are taken", 1},
        {File("a &b\n", "2147483647"), "the gap width 2147483647 is not 1 to 2000 pixels", 1},
        {File("a &b [TAB=99999] c\n"), "\"[TAB=99999]\" lies outside the text box (0 to 2000 pixels)", 4},
    };
    for (const Case& c : cases) {
        Problems problems;
        const TypingContent content = Read(c.file, problems);
        ASSERT_TRUE(HasProblem(problems, c.problem)) << c.file;
        for (const Problem& p : problems.List())
            if (p.Message.find(c.problem) != std::string::npos) {
                EXPECT_EQ(p.Line, c.line) << c.file;
                EXPECT_EQ(p.File, "Wpisywania\\t.fcs");
            }
        EXPECT_EQ(content.GapWidth, 60);  // read, or the default for a width that is no number
    }
}

TEST(TypingGapsParse, KeepsTheFirst1400Items) {
    std::string text;
    for (int line = 0; line < 15; ++line) {
        for (int i = 0; i < 100; ++i) text += "&g" + std::to_string(i) + " ";
        text += "\n";
    }
    Problems problems;
    const TypingContent content = Read(File(text), problems);
    EXPECT_EQ(content.Items.size(), 1400u);
    EXPECT_EQ(content.Gaps.size(), 1400u);
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].Line, 18);  // line 4 + 14: the fifteenth text line
}

TEST(TypingGapsParse, LoadsTheFileNamedByTheTypeLineOrSaysItIsMissing) {
    test::TempDir dir;
    dir.Write("Wpisywania/tekst1_wp.fcs", test::Crlf(File("a &b\n")));
    Problems problems;
    const auto content = LoadTypingExercise(dir.Path(), " tekst1_wp ", problems, {"St_a.txt", 5});
    ASSERT_TRUE(content);
    EXPECT_EQ(content->FileName, "Wpisywania\\tekst1_wp.fcs");
    EXPECT_EQ(content->Gaps.size(), 1u);
    EXPECT_TRUE(problems.Empty());

    EXPECT_FALSE(LoadTypingExercise(dir.Path(), "none", problems, {"St_a.txt", 5}));
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].File, "St_a.txt");
    EXPECT_EQ(problems.List()[0].Line, 5);
    EXPECT_EQ(problems.List()[0].Message, "the exercise file \"Wpisywania\\none.fcs\" is missing");
    EXPECT_FALSE(LoadTypingExercise(dir.Path(), "", problems, {}));
}

class TypingGapsTest : public ::testing::Test {
protected:
    void Prepare(const std::string& text, const std::string& blank = "0") {
        Problems problems;
        model.Prepare(Read(File(text, "60", "yes", blank), problems));
    }
    std::string Value(int gap) const { return model.ItemValue(model.Content().Gaps[static_cast<size_t>(gap)].Item); }
    void Type(int gap, const std::string& text) {
        model.OpenGap(gap, "");
        model.EditChanged();
        model.CloseGap(text);
    }

    TypingGaps model;
};

TEST_F(TypingGapsTest, GapsStartWithTheirPrefillOrEmptyWithBlankGaps) {
    Prepare("a *pre &b\n");
    EXPECT_EQ(Value(0), "pre");
    Prepare("a *pre &b\n", "1");
    EXPECT_EQ(Value(0), "");
}

// A text without gaps (the file missing, or a text with none) has nothing to check: no check
// button, a check does nothing, and closing records nothing.
TEST_F(TypingGapsTest, WithoutGapsNothingIsCheckedOrRecorded) {
    struct Case {
        const char* what;
        TypingContent content;
    };
    Problems problems;
    TypingContent missing;  // what the window opens on when the file is missing
    missing.FileName = "Wpisywania\\none.fcs";
    const Case cases[] = {
        {"missing file", missing},
        {"empty text", Read(File(""), problems)},
        {"words only", Read(File("He went home.\n"), problems)},
    };
    for (const Case& c : cases) {
        model.Prepare(c.content);
        EXPECT_FALSE(model.Frame().CheckVisible) << c.what;
        model.EditChanged();
        model.Check("x", false);
        EXPECT_FALSE(model.State().Evaluated()) << c.what;
        EXPECT_FALSE(model.Frame().GaugeVisible) << c.what;
        EXPECT_FALSE(model.Closing().Record) << c.what;
    }
    Prepare("&a\n");
    EXPECT_TRUE(model.Frame().CheckVisible) << "a text with a gap is checked as usual";
}

TEST_F(TypingGapsTest, OpeningAGapStoresTheOpenOneAndEmptiesTheNew) {
    Prepare("*one &a *two &b &c\n");
    EXPECT_EQ(model.OpenGap(0, ""), "one");
    EXPECT_EQ(Value(0), "");  // empty under the edit box
    EXPECT_EQ(model.OpenGapNumber(), 0);
    EXPECT_EQ(model.OpenGap(1, "  typed  "), "two");
    EXPECT_EQ(Value(0), "typed");
    EXPECT_EQ(model.NextGap(), 2);
    model.OpenGap(2, "x");
    EXPECT_EQ(model.NextGap(), 0);  // Tab on the last gap opens the first
    model.CloseGap(" y ");
    EXPECT_EQ(Value(2), "y");
    EXPECT_EQ(model.NextGap(), -1);
    EXPECT_FALSE(model.State().Touched());  // only typing counts
    model.EditChanged();
    EXPECT_TRUE(model.State().Touched());
}

TEST_F(TypingGapsTest, CheckComparesTrimmedAndWithOrWithoutLetterCase) {
    struct Case {
        std::string typed;
        bool caseSensitive;
        bool right;
    };
    const Case cases[] = {
        {"went", false, true},         {" Went ", false, true},  {"Went", true, false},
        {"went", true, true},          {"go", false, false},     {"", false, false},
        {"take care of", false, true}, {"\xA3\xD3" "D\xAF", false, false},
    };
    for (const Case& c : cases) {
        Prepare("He &went\\take+care+of home.\n");
        Type(0, c.typed);
        model.Check("", c.caseSensitive);
        EXPECT_EQ(model.Results()[0].Right, c.right) << c.typed << " " << c.caseSensitive;
    }
    // Polish capitals compare with their small letters when letter case does not count.
    Prepare("&\xB3\xF3" "d\xBF\n");
    Type(0, "\xA3\xD3" "D\xAF");
    model.Check("", false);
    EXPECT_TRUE(model.Results()[0].Right);
}

TEST_F(TypingGapsTest, AnEmptyAlternativeNeverMatchesAnEmptyAnswer) {
    Prepare("a &b\n");
    model.Check("", false);
    EXPECT_FALSE(model.Results()[0].Right);
    EXPECT_EQ(model.GapHint(0), "There was no answer");
}

TEST_F(TypingGapsTest, CheckFillsInTheAnswersUnlessAllWereRight) {
    Prepare("&went &look+after\\take+care+of &is\n");
    Type(0, "WENT");          // right, shows the answer as written
    Type(1, "take care of");  // right by its alternative: kept
    Type(2, "are");           // wrong
    model.Check("", false);
    EXPECT_EQ(Value(0), "went");
    EXPECT_EQ(Value(1), "take care of");
    EXPECT_EQ(Value(2), "is");
    EXPECT_EQ(model.Results()[2].Given, "are");
    EXPECT_EQ(model.GapHint(2), "Your answer: are");
    EXPECT_EQ(model.GapHint(0), "");
    EXPECT_EQ(model.Percent(), 67);
    EXPECT_TRUE(model.Frame().GaugeVisible);

    Prepare("&went &is\n");
    Type(0, "WENT");
    Type(1, " is ");
    model.Check("", false);
    EXPECT_EQ(Value(0), "WENT");  // all right: the learner's texts stay
    EXPECT_EQ(model.Percent(), 100);
}

TEST_F(TypingGapsTest, CheckStoresTheOpenGapUntrimmed) {
    Prepare("&a &b\n");
    model.OpenGap(1, "");
    model.Check(" b", true);
    EXPECT_TRUE(model.Results()[1].Right);  // compared trimmed
    EXPECT_EQ(model.OpenGapNumber(), -1);
    EXPECT_EQ(model.OpenGap(0, ""), "");  // locked
    EXPECT_EQ(model.OpenGapNumber(), -1);
}

TEST_F(TypingGapsTest, PrintTextAndButtons) {
    Prepare("He &went home . Next , &is .\n");
    Type(1, "is");
    EXPECT_EQ(model.PrintText(), "He __________ home. Next, is . ");  // the last item, a mark, keeps its space
    EXPECT_TRUE(model.PrintVisible());
    EXPECT_TRUE(model.GlossaryVisible(0));
    EXPECT_FALSE(model.GlossaryVisible(2));
    const std::string html = TypingPrintDocument(model, "Lesson 1", "Typing", "(c) Quillan");
    EXPECT_EQ(html,
              "<html><head></head><body><BR><B>Quillan - Business English</b><BR><B>Lesson 1</B><BR><B>Typing</B><BR><BR>"
              "He __________ home. Next, is . <BR><BR>(c) Quillan<br></body></html>");
    Prepare("a &b [TAB=200] c\n");
    EXPECT_FALSE(model.PrintVisible());
}

}  // namespace
}  // namespace quillan
