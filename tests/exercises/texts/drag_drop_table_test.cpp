#include <gtest/gtest.h>

#include "exercises/texts/drag_drop_table.h"
#include "problem_texts.h"

namespace quillan {
namespace {

using test::HasProblem;

TEST(DragDropTableParse, CountsHeadingsAndWords) {
    Problems problems;
    const DdContent content = ParseDragDropTable("2#4#People#Things# receptionist *1#contract*2#", problems);
    EXPECT_TRUE(problems.Empty()) << problems.List().front().Message;
    EXPECT_EQ(content.Columns, (std::vector<std::string>{"People", "Things"}));
    EXPECT_EQ(content.Rows, 4);
    ASSERT_EQ(content.Words.size(), 2u);
    EXPECT_EQ(content.Words[0].Text, "receptionist");
    EXPECT_EQ(content.Words[0].Column, 1);
    EXPECT_EQ(content.Words[1].Column, 2);
}

// Each word ends with one separator character, "#" or another; the last may go without it.
TEST(DragDropTableParse, WordsEndWithOneSeparatorOfAnyKind) {
    struct Case {
        const char* content;
        std::vector<std::string> texts;
        std::vector<int> columns;
    };
    const Case cases[] = {
        {"2#2#Nouns#Verbs#apple*1;run*2;", {"apple", "run"}, {1, 2}},
        {"2#2#Nouns#Verbs#apple*1#run*2", {"apple", "run"}, {1, 2}},
        {"2#2#Nouns#Verbs#apple*1#run*2;  ", {"apple", "run"}, {1, 2}},
        {"2#3#A#B# price list *1 an apple*2/a *1#", {"price list", "an apple", "a"}, {1, 2, 1}},
    };
    for (const Case& c : cases) {
        Problems problems;
        const DdContent content = ParseDragDropTable(c.content, problems);
        std::vector<std::string> texts;
        std::vector<int> columns;
        for (const DdWord& word : content.Words) {
            texts.push_back(word.Text);
            columns.push_back(word.Column);
        }
        EXPECT_EQ(texts, c.texts) << c.content;
        EXPECT_EQ(columns, c.columns) << c.content;
        EXPECT_TRUE(problems.Empty()) << c.content << ": " << problems.List().front().Message;
    }
}

TEST(DragDropTableParse, MalformedContent) {
    std::string many = "1#19#H#";
    for (int i = 1; i <= 41; ++i) many += "w*1#";
    struct Case {
        std::string content;
        const char* problem;
    };
    const Case cases[] = {
        {"x#2#A#B#a*1#b*2#", "the number of columns is no number ('x' is not a valid integer value)"},
        {"2##A#B#a*1#b*2#", "the number of rows is no number"},
        {"2#2#A#B#a*3#b*2#", "word 1 (\"a\"): column 3 is not one of the 2 columns"},
        {"2#2#A#B#a*0#b*2#", "column 0 is not one of the 2 columns"},
        {"2#2#A#B#a*x#b*2#", "word 1 (\"a\"): its column \"x\" is not a digit"},
        {"2#2#A#B#a*12#b*2#", "word 1 (\"a\"): its column \"12\" has two digits"},
        {"2#2#A#B#a*12#b*2#", "word 2 (\"#b\") holds a \"#\": a separator is out of place"},
        {"2#2#A#B#a#b*2#", "word 1 (\"a#b\") holds a \"#\""},
        {"2#2#A#B#C#a*1#b*2#", "word 1 (\"C#a\") holds a \"#\""},  // a heading too many
        {"2#2#A#B#a*1#b#", "word 2 (\"b#\") has no \"*\" and column"},
        {"2#2#A#B#a*1#b*", "word 2 (\"b\"): its column \"\" is not a digit"},
        {"2#2#A#B", "the counts and headings are not each closed by \"#\""},
        {"2#1#A#B#a*1#b*1#", "column 1 has 2 words but the table has 1 rows"},
        {"2#2#A#B#a*1#", "at least two words; it has 1"},
        {"9#2#1#2#3#4#5#6#7#8#9#a*1#b*9#", "the table holds 8 columns; 9 are given and the first 8 kept"},
        {"2#20#A#B#a*1#b*2#", "the table holds 19 rows; 20 are given"},
        {many, "the window holds 40 words: word 41 and those after it are left out"},
        {"3#2#A#", "the content has 1 of the 3 column headings"},
    };
    for (const Case& c : cases) {
        Problems problems;
        const DdContent content = ParseDragDropTable(c.content, problems);
        EXPECT_TRUE(HasProblem(problems, c.problem)) << c.content;
        EXPECT_LE(content.Columns.size(), static_cast<size_t>(kDdColumnLimit));
        EXPECT_LE(content.Rows, kDdRowLimit);
        EXPECT_LE(content.Words.size(), static_cast<size_t>(kDdWordLimit));
    }
    Problems problems;
    const DdContent nine = ParseDragDropTable("9#2#1#2#3#4#5#6#7#8#9#a*1#b*9#", problems);
    EXPECT_EQ(nine.Columns.back(), "8");
    EXPECT_EQ(nine.Words[0].Text, "a");  // the ninth heading was not taken for a word
    EXPECT_EQ(nine.Words[1].Column, 0);
}

class DragDropTableTest : public ::testing::Test {
protected:
    void Prepare(const std::string& content) {
        Problems problems;
        model.Prepare(ParseDragDropTable(content, problems));
    }
    int Label(const std::string& text) const {
        for (size_t i = 0; i < model.Labels().size(); ++i)
            if (model.Labels()[i].Text == text) return static_cast<int>(i);
        return -1;
    }
    const DdLabel& Of(const std::string& text) const { return model.Labels()[static_cast<size_t>(Label(text))]; }
    void Drag(const std::string& text, int column) {
        ASSERT_TRUE(model.StartDrag(Label(text)));
        model.Drop(Label(text), column);
    }

    SystemRandom random;
    DragDropTable model{random};
};

TEST_F(DragDropTableTest, WordsDropIntoTheFirstFreeRowAndAFullColumnSendsThemBack) {
    Prepare("2#2#A#B#a*1#b*1#c*2#");
    Drag("a", 1);
    Drag("c", 1);
    EXPECT_EQ(Of("a").Row, 1);
    EXPECT_EQ(Of("c").Row, 2);
    Drag("b", 1);  // full
    EXPECT_EQ(Of("b").Column, 0);
    Drag("a", 0);  // between the columns: back to the bank, its cell freed
    EXPECT_EQ(Of("a").Column, 0);
    EXPECT_EQ(model.CellLabel(1, 1), -1);
    Drag("b", 1);
    EXPECT_EQ(Of("b").Row, 1);
}

TEST_F(DragDropTableTest, AllRight) {
    Prepare("2#2#A#B#a*1#b*2#");
    Drag("a", 1);
    Drag("b", 2);
    model.Check();
    EXPECT_EQ(model.Percent(), 100);
    EXPECT_EQ(model.Frame().VerdictText, kDdAllRightText);
    EXPECT_FALSE(model.Frame().VerdictRed);
    EXPECT_TRUE(model.Frame().ScoreVisible);
    EXPECT_FALSE(model.Frame().GaugeVisible);
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r) EXPECT_EQ(model.CellHint(c, r), "");
}

TEST_F(DragDropTableTest, CheckCorrectsAndMarksTheCells) {
    Prepare("2#3#A#B#a*1#b*2#c*2#");
    Drag("a", 2);  // wrong: B row 1
    Drag("b", 2);  // right: B row 2
    // c stays in the bank
    model.Check();
    EXPECT_EQ(model.State().CorrectCount(), 1);
    EXPECT_EQ(model.State().WrongCount(), 2);
    EXPECT_EQ(model.Percent(), 33);
    EXPECT_EQ(model.Frame().VerdictText, kDdNotAllRightText);
    EXPECT_TRUE(model.Frame().VerdictRed);
    EXPECT_EQ(Of("a").Column, 1);
    EXPECT_EQ(Of("a").Row, 1);
    EXPECT_EQ(model.CellHint(1, 1), "-");  // left empty, received a word
    EXPECT_EQ(Of("c").Column, 2);
    EXPECT_EQ(Of("c").Row, 1);             // the cell freed from the wrong word
    EXPECT_EQ(model.CellHint(2, 1), "a");  // the wrong word that was there
    EXPECT_EQ(model.CellHint(2, 2), "");
    EXPECT_FALSE(model.StartDrag(Label("a")));
}

TEST(DdTableGeometry, ColumnAreasIncludeTheirEdges) {
    const DdTableGeometry table{100, 250, 80, 2, 3};
    struct Case {
        int x, y, column;
    };
    for (const Case c : {Case{97, 250, 1}, Case{177, 310, 1}, Case{178, 260, 2}, Case{96, 260, 0}, Case{258, 260, 0},
                         Case{150, 249, 0}, Case{150, 330, 1}, Case{150, 331, 0}})
        EXPECT_EQ(table.ColumnAt(c.x, c.y), c.column) << c.x << "," << c.y;
}

}  // namespace
}  // namespace quillan
