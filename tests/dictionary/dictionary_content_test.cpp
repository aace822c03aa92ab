#include <gtest/gtest.h>

#include "dictionary/dictionary_content.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

// A word-list line: group, sound-by-name flag, id, column 11, word class, headword, then the
// ten "="-separated fields.
std::string WordLine(int id, const std::string& head, const std::string& translation, const std::string& second,
                     const std::string& sound, const std::string& item, int example) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "01 0%5d 01 ", id);
    return std::string(prefix) + head + " =" + translation + "=" + second + "===" + sound + "=0===" + item + "=" +
           std::to_string(example) + "\r\n";
}

TEST(DictionaryContent, WordsWithExamplesAndRecordingsFromEveryList) {
    test::TempDir dir;
    std::string header;
    for (int i = 0; i < 10; ++i) header += "header\r\n";
    dir.Write("cw_r/a.bc4", header + WordLine(1, "meeting", "spotkanie", "", "12", "cw", 60001) +
                                WordLine(60001, "The <meeting> starts at nine.", "", "Spotkanie zaczyna si\xEA o dziewi\xB9tej.", "", "", 0));
    dir.Write("cw_r/B.BC4", header + WordLine(5, "agenda", "porz\xB9" "dek obrad", "", "", "cw", 0));
    dir.Write("slowniczek.txt", "7=<b>Dear Sir</b>@Szanowny Panie\r\n");
    StartupState state;
    state.ProgramDir = dir.Path();
    state.BsgramDir = dir.Path() + "media\\bsgram\\";

    const DictionaryIndex index = BuildDictionary(state);
    EXPECT_EQ(index.Size(), 3u);
    const auto meeting = index.Search("meeting");
    ASSERT_EQ(meeting.size(), 1u);  // the example sentence is no word of its own
    EXPECT_EQ(meeting[0]->Polish, "spotkanie");
    EXPECT_EQ(meeting[0]->Example, "The meeting starts at nine.");
    EXPECT_EQ(meeting[0]->ExampleTranslation, "Spotkanie zaczyna si\xEA o dziewi\xB9tej.");
    EXPECT_EQ(meeting[0]->SoundPath, dir.Path() + "media\\bsgram\\D_00\\dd_000\\00012.wav");
    ASSERT_EQ(index.Search("agenda").size(), 1u);
    ASSERT_EQ(index.Search("szanowny").size(), 1u);
    EXPECT_EQ(index.Search("szanowny")[0]->English, "Dear Sir Szanowny Panie");
}

TEST(DictionaryContent, AMissingInstallationGivesAnEmptyDictionary) {
    test::TempDir dir;
    StartupState state;
    state.ProgramDir = dir.Path() + "absent\\";
    EXPECT_EQ(BuildDictionary(state).Size(), 0u);
}

TEST(DictionaryContent, GlossaryMarkupBecomesPlainWords) {
    EXPECT_EQ(GlossaryPlainText("<b>Dear</b> Sir,@<i>Szanowny</i>  Panie [1]"), "Dear Sir, Szanowny Panie");
}

}  // namespace
}  // namespace quillan
