// The curiosity text: its section of "kurs.fre", the painting of its markup, scrolling, and the
// window's opening and closing without the window.

#include "exercises/reading/curiosity.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "exercises/exercise_fixture.h"
#include "platform/line_reader.h"

namespace quillan {
namespace {

const char* const kFile =
    "intro\n"
    "***1\n"
    "<B> Title </B> <BR>\n"
    "First  line   \n"
    "***2\n"
    "NULL\n"
    "***12\n"
    "Twelve\n"
    "***7\n"
    "Seven words here\n"
    "and here\n"
    "*** not a start\n"
    "after\n"
    "***8\n"
    "null words\n";

TEST(CuriositySection, RunsFromItsLineToTheNextStar) {
    const std::pair<int, std::vector<std::string>> cases[] = {
        {1, {"<B>", "Title", "</B>", "<BR>", "First", "", "line"}},  // two blanks: an empty word
        {2, {" "}},                                                   // NULL: no text
        {7, {"Seven", "words", "here", "and", "here"}},
        {12, {"Twelve"}},
        {8, {"null", "words"}},
        {3, {}},  // no such section: no words
    };
    for (const auto& [number, words] : cases) {
        LineReader reader(kFile);
        EXPECT_EQ(ReadCuriositySection(reader, number), words) << number;
    }
}

// Ten pixels a character; bold and italic add one pixel a character.
int Width(const std::string& text, bool bold, bool italic) {
    return static_cast<int>(text.size()) * (10 + (bold ? 1 : 0) + (italic ? 1 : 0));
}

TEST(CuriosityLayout, FollowsTheTagsAndWrapsAtTheRightEdge) {
    const std::vector<std::string> tokens = {"<b>", "Hi", "</B>", "<I>", "you", "</i>", "<br>", "[tab=200]",
                                             "x", "[TAB=50]", "y", "", "z", "[TAB=7", "w"};
    const CuriosityPage page = LayOutCuriosity(tokens, 0, Width);
    const std::vector<CuriosityWord> expected = {
        {"Hi ", 0, 17, true, false},   {"you ", 33, 17, false, true}, {"x ", 200, 34, false, false},
        {"y ", 50, 34, false, false},  {" ", 70, 34, false, false},   {"z ", 80, 34, false, false},
        {"[TAB=7 ", 100, 34, false, false}, {"w ", 170, 34, false, false},
    };
    ASSERT_EQ(page.words.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(page.words[i].text, expected[i].text) << i;
        EXPECT_EQ(page.words[i].x, expected[i].x) << i;
        EXPECT_EQ(page.words[i].y, expected[i].y) << i;
        EXPECT_EQ(page.words[i].bold, expected[i].bold) << i;
        EXPECT_EQ(page.words[i].italic, expected[i].italic) << i;
    }
    EXPECT_EQ(page.endY, 34);

    // A word that would end exactly at the right edge goes to the next line; one pixel less stays.
    const std::string exact(60, 'a');  // 61 characters with its blank: 610 pixels
    EXPECT_EQ(LayOutCuriosity({"[TAB=5]", exact}, 0, Width).words[0].y, 34);
    EXPECT_EQ(LayOutCuriosity({"[TAB=4]", exact}, 0, Width).words[0].y, 17);
    // Scrolled two lines: everything 34 pixels higher.
    EXPECT_EQ(LayOutCuriosity(tokens, 2, Width).words[0].y, 17 - 34);
}

TEST(CuriosityText, MeasuresOnceAndScrollsWithinTheText) {
    std::vector<std::string> forty;
    for (int i = 0; i < 40; ++i) {
        forty.push_back("line");
        if (i < 39) forty.push_back("<BR>");
    }
    CuriosityText text;
    text.Open(forty);
    EXPECT_FALSE(text.Measured());
    EXPECT_EQ(text.Paint(Width).endY, 680);
    EXPECT_EQ(text.MaxScroll(), 8);  // (680 - 559) div 17 + 1
    EXPECT_TRUE(text.DownVisible());
    EXPECT_FALSE(text.UpVisible());
    for (int i = 0; i < 10; ++i) text.ScrollDown();
    EXPECT_EQ(text.Scroll(), 8);
    EXPECT_FALSE(text.DownVisible());
    EXPECT_TRUE(text.UpVisible());
    EXPECT_EQ(text.Paint(Width).words[0].y, 17 - 8 * 17);
    EXPECT_EQ(text.MaxScroll(), 8) << "later paintings do not measure again";
    for (int i = 0; i < 10; ++i) text.ScrollUp();
    EXPECT_EQ(text.Scroll(), 0);
    EXPECT_FALSE(text.UpVisible());
    EXPECT_TRUE(text.DownVisible());

    // A text that ends on the area's last line does not scroll.
    forty.resize(forty.size() - 2 * 7);  // 33 lines: the last at 17 + 32 x 17 = 561
    text.Open(forty);
    text.Paint(Width);
    EXPECT_TRUE(text.DownVisible());
    forty.resize(forty.size() - 2);  // the last at 544
    text.Open(forty);
    EXPECT_EQ(text.Paint(Width).endY, 544);
    EXPECT_FALSE(text.DownVisible());
    EXPECT_EQ(text.MaxScroll(), 0);
}

class CuriosityTest : public ::testing::Test, public test::ExerciseFixture {
protected:
    CuriosityTest() : curiosity(ctx) {
        ctx.course.catalog = {{"0001110101", "", "", "r01="}, {"0002480101", "Ciekawostka", "Curiosity", "007="}};
        ctx.course.glossary = {{3007, "Tlumaczenie"}, {7, "Other"}};
    }
    Curiosity curiosity;
};

TEST_F(CuriosityTest, OpensItsSectionWithTheRecordingAndRecordsOnClosing) {
    dir.Write("kurs.fre", test::Crlf(kFile));
    dir.Write("Ciekaw_wav_r/007.wav", "RIFF");
    dir.Write("media/tla/ciek_3.jpg", "jpg");
    random.values = {2};
    ASSERT_TRUE(curiosity.Open("cie_2", 2));
    EXPECT_EQ(curiosity.NumberText(), "007");
    EXPECT_EQ(curiosity.Number(), 7);
    EXPECT_EQ(curiosity.Text().Tokens(), (std::vector<std::string>{"Seven", "words", "here", "and", "here"}));
    EXPECT_EQ(curiosity.RecordingPath(), dir.Path() + "Ciekaw_wav_r\\007.wav");
    EXPECT_EQ(curiosity.Translation(), "Tlumaczenie");
    EXPECT_EQ(curiosity.Background(), ctx.startup.MediaDir + "tla\\ciek_3.jpg");
    curiosity.RandomBackground();  // ciek_1 is missing: the fallback
    EXPECT_EQ(curiosity.Background(), ctx.startup.MediaDir + "tla\\slow_0.jpg");
    EXPECT_TRUE(messages.errors.empty());

    curiosity.Close();
    const CW_Info record = Saved("cie_2", 58);
    EXPECT_EQ(record.DoneCount, 1);
    EXPECT_EQ(record.Result, 0);
    EXPECT_EQ(record.Completed, 1);
    EXPECT_TRUE(SavedRepetitions().entries.empty());
}

TEST_F(CuriosityTest, MissingPiecesAreToldOrLeftOut) {
    // No "kurs.fre": told, the window opens without a text; no recording: none.
    ASSERT_TRUE(curiosity.Open("cie_2", 2));
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Brak pliku: " + dir.Path() + "kurs.fre");
    EXPECT_TRUE(curiosity.Text().Tokens().empty());
    EXPECT_TRUE(curiosity.RecordingPath().empty());

    // An entry that is no number.
    ctx.course.catalog[1].Line4 = "x=";
    dir.Write("kurs.fre", test::Crlf(kFile));
    ASSERT_TRUE(curiosity.Open("cie_2", 2));
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(messages.errors[1], "'x' is not a valid integer value");
    EXPECT_EQ(curiosity.Translation(), "");

    // No such catalog entry: nothing opens.
    EXPECT_FALSE(curiosity.Open("cie_9", 9));
    EXPECT_EQ(messages.errors.size(), 3u);
}

TEST_F(CuriosityTest, ClosingRecordsTheCuriosityOnlyWhenSomethingWasShown) {
    struct Case {
        const char* line4;
        bool file;       // "kurs.fre" is there
        bool recording;  // "Ciekaw_wav_r\" + number text + ".wav" is there
        int done;
    } cases[] = {
        {"007=", true, false, 1},  // its text
        {"002=", true, false, 1},  // a section of no text is the curiosity as the course has it
        {"003=", true, false, 0},  // no such section: nothing to read
        {"003=", true, true, 1},   // but the recording to hear
        {"007=", false, false, 0}, // no "kurs.fre": told, nothing shown
        {"007=", false, true, 1},
        {"x=", true, false, 0},    // no number: told, nothing shown
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir.Path() + "Ciekaw_wav_r");
        std::filesystem::remove(dir.Path() + "kurs.fre");
        if (c.file) dir.Write("kurs.fre", test::Crlf(kFile));
        const std::string numberText = std::string(c.line4).substr(0, std::string(c.line4).size() - 1);
        if (c.recording) dir.Write("Ciekaw_wav_r/" + numberText + ".wav", "RIFF");
        ctx.course.catalog[1].Line4 = c.line4;
        const int before = Saved("cie_2", 58).DoneCount;
        ASSERT_TRUE(curiosity.Open("cie_2", 2));
        curiosity.Close();
        EXPECT_EQ(Saved("cie_2", 58).DoneCount - before, c.done) << c.line4 << (c.file ? "" : " without kurs.fre")
                                                                << (c.recording ? " with its recording" : "");
    }
}

}  // namespace
}  // namespace quillan
