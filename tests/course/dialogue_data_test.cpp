#include <gtest/gtest.h>

#include "course/data_errors.h"
#include "course/dialogue_data.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

Dialogues Read(const std::string& lf, Problems& problems) {
    LineReader reader(test::Crlf(lf), "dialogi.txt");
    Dialogues dialogues;
    ReadDialogues(reader, dialogues, problems);
    return dialogues;
}

TEST(Dialogues, HeadersLinesAndEnds) {
    Problems problems;
    const Dialogues dialogues = Read(
        " D1TLO = Meeting = x = y = 3 = 2 = TTFTT = 1 = 5 =\n"
        "a1=1=A: Hello there.=Cze\x9c\xe6.=\n"
        "a2= 2 = B: Hi. = Hej. =\n"
        " * \n"
        "\n"
        "D2=Second=====TT===\n"
        "*\n"  // the first line after a header is always a dialogue line
        "a3=3=C: Yes.=Tak.=\n"
        "*\n"
        "D3=Open end=\n"
        "a4=4=D: No end.=\n",
        problems);
    ASSERT_EQ(dialogues.size(), 3u);
    const Dialogue& d1 = dialogues[0];
    EXPECT_EQ(d1.Code, "D1TLO");
    EXPECT_EQ(d1.Title, "Meeting");
    EXPECT_EQ(d1.Field3, "x");
    EXPECT_EQ(d1.Field4, "y");
    EXPECT_EQ(d1.Lesson, 3);
    EXPECT_EQ(d1.Level, 2);
    EXPECT_EQ(d1.VariantFlags, "TTFTT");
    EXPECT_EQ(d1.Layout, 1);
    EXPECT_EQ(d1.GlossaryNumber, 5);
    ASSERT_EQ(d1.Lines.size(), 2u);
    EXPECT_EQ(d1.Lines[0].AudioName, "a1");
    EXPECT_EQ(d1.Lines[0].Speaker, 1);
    EXPECT_EQ(d1.Lines[0].Text, "A: Hello there.");
    EXPECT_EQ(d1.Lines[0].Translation, "Cze\x9c\xe6.");
    EXPECT_EQ(d1.Lines[1].Speaker, 2);
    EXPECT_EQ(d1.Lines[1].Text, "B: Hi.");

    EXPECT_EQ(dialogues[1].Lesson, 0);  // empty numbers read as 0
    ASSERT_EQ(dialogues[1].Lines.size(), 2u);
    EXPECT_EQ(dialogues[1].Lines[0].AudioName, "");  // "*" without "=": every field empty
    EXPECT_EQ(dialogues[1].Lines[1].Speaker, 3);
    ASSERT_EQ(dialogues[2].Lines.size(), 1u);  // the file may end without the closing "*"
    EXPECT_TRUE(problems.Empty());
}

TEST(Dialogues, NumbersThatAreNoNumbers) {
    for (const auto& [file, error] : std::vector<std::pair<std::string, std::string>>{
             {"D=T===x=1=TT===\na=1=A: x=y=\n*\n", "dialogi.txt:1: 'x' is not a valid integer value"},
             {"D=T===1=1=TT===\na=1=A: x=y=\nb=B=B: x=y=\n*\n", "dialogi.txt:3: 'B' is not a valid integer value"},
         }) {
        Problems problems;
        try {
            Read(file, problems);
            ADD_FAILURE() << file;
        } catch (const DataLineError& e) {
            EXPECT_EQ(e.what(), error);
        }
    }
}

TEST(Dialogues, LimitsOfTheTable) {
    // 27 lines in one dialogue: 25 are kept.
    std::string file = "D=T===1=1=TT===\n";
    for (int i = 1; i <= 27; ++i) file += "a" + std::to_string(i) + "=1=A: line=x=\n";
    file += "*\nD2=T2===1=1=TT===\nb=2=B: x=y=\n*\n";
    Problems problems;
    Dialogues dialogues = Read(file, problems);
    ASSERT_EQ(dialogues.size(), 2u);
    EXPECT_EQ(dialogues[0].Lines.size(), 25u);
    EXPECT_EQ(dialogues[0].Lines.back().AudioName, "a25");
    EXPECT_EQ(dialogues[1].Lines.size(), 1u);
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].Line, 27);
    EXPECT_EQ(problems.List()[0].Message, "dialogue 1 holds more than 25 lines: lines 27 to 28 are left out");

    // 71 dialogues: 70 are kept.
    std::string seventyOne;
    for (int d = 1; d <= 71; ++d) seventyOne += "D" + std::to_string(d) + "=T===1=1=TT===\na=1=A: x=y=\n*\n";
    Problems tableProblems;
    dialogues = Read(seventyOne, tableProblems);
    EXPECT_EQ(dialogues.size(), 70u);
    ASSERT_EQ(tableProblems.List().size(), 1u);
    EXPECT_EQ(tableProblems.List()[0].Line, 211);
    EXPECT_EQ(tableProblems.List()[0].Message, "the table holds 70 dialogues: lines 211 to 213 are left out");
}

}  // namespace
}  // namespace quillan
