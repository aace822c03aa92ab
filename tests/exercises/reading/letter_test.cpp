// The letter window's rules without the window: the tips page, the glossary entry, closing.

#include "exercises/reading/letter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "exercises/exercise_fixture.h"
#include "platform/paths.h"

namespace quillan {
namespace {

TEST(LetterTips, AreThePageWithInstrBeforeItsHtm) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Quillan\\Listy_r\\list1.htm", "C:\\Quillan\\Listy_r\\list1_instr.htm"},
        {"/opt/q/Listy_r\\list2.html", "/opt/q/Listy_r\\list2_instr.html"},
        {"/home/a.htm/Listy_r\\list3.htm", "/home/a.htm/Listy_r\\list3_instr.htm"},  // a directory's ".htm" does not count
        {"C:\\Listy_r\\list4", "C:\\Listy_r\\list4"},                                // no ".htm": the page itself
        {"list5.htm.htm", "list5_instr.htm.htm"},
    };
    for (const auto& [page, tips] : cases) EXPECT_EQ(TipsPageOf(page), tips) << page;
}

TEST(LetterGlossary, IsTheFourthFieldWhenItIsANumber) {
    test::FakeMessages messages;
    const std::pair<std::string, int> cases[] = {{"1001", 1001}, {" 12 ", 12}, {"", 0}, {"0", 0}, {"abc", 0}};
    for (const auto& [field, number] : cases) {
        Letter letter;
        letter.GlossaryNumber = field;
        EXPECT_EQ(LetterGlossaryNumber(letter, &messages), number) << field;
    }
    EXPECT_EQ(messages.errors, (std::vector<std::string>{"'abc' is not a valid integer value"}));
}

class LetterTest : public ::testing::Test, public test::ExerciseFixture {};

TEST_F(LetterTest, ShowsItsTranslationWhenItHasOneAndRecordsOnClosing) {
    ctx.course.glossary = {{1001, "Tlumaczenie listu"}};
    dir.Write("Listy_r/list1.htm", "<html><body>Dear Sir,</body></html>");
    LetterReading letter(ctx);
    letter.Open("lst_1", dir.Path() + "Listy_r\\list1.htm", 1001);
    EXPECT_TRUE(letter.TranslationShown());
    EXPECT_EQ(letter.Translation(), "Tlumaczenie listu");
    EXPECT_EQ(letter.TipsPage(), dir.Path() + "Listy_r\\list1_instr.htm");
    letter.Open("lst_1", dir.Path() + "Listy_r\\list1.htm", 0);
    EXPECT_FALSE(letter.TranslationShown());
    letter.Close();
    letter.Close();  // once only
    const CW_Info record = Saved("lst_1", 57);
    EXPECT_EQ(record.DoneCount, 2) << "the first opening was closed by the second";
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 1);
}

TEST_F(LetterTest, ALetterWhosePageIsMissingIsNotRecorded) {
    LetterReading letter(ctx);
    letter.Open("lst_1", dir.Path() + "Listy_r\\list1.htm", 0);
    EXPECT_FALSE(letter.PageFound());
    std::filesystem::remove(NativePath(ResultsPath(ctx)));
    letter.Close();
    EXPECT_TRUE(std::filesystem::exists(NativePath(ResultsPath(ctx)))) << "the learner's files are still saved";
    EXPECT_EQ(Saved("lst_1", 57).DoneCount, 0);

    dir.Write("Listy_r/list1.htm", "<html><body>Dear Sir,</body></html>");
    letter.Open("lst_1", dir.Path() + "Listy_r\\list1.htm", 0);
    EXPECT_TRUE(letter.PageFound());
    letter.Close();
    EXPECT_EQ(Saved("lst_1", 57).DoneCount, 1);
}

}  // namespace
}  // namespace quillan
