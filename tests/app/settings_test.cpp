#include "progress/settings.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

TEST(SettingsFile, AMissingFileIsCreatedWithTheDefaultsAndTheNewLearnersLanguage) {
    test::TempDir dir;
    const std::string path = SettingsPath(dir.Path(), "qlr2_55");
    const Settings s = LoadSettings(path, 1);
    EXPECT_EQ(s.LangIndex, 1);
    EXPECT_EQ(dir.Read("ustaw_qlr2_55.txt"), "1\r\nT\r\nN\r\nT\r\nN\r\nT\r\nT\r\nT\r\nT\r\n1\r\n61\r\n3\r\n0\r\nT\r\n");
    EXPECT_EQ(LoadSettings(path, 0), s) << "an existing file is read, not replaced";
}

TEST(SettingsFile, ReadsSwitchesStrictly) {
    const Settings s = ParseSettings("0\r\nt\r\nT\r\n T \r\nT\r\nN\r\nN\r\nN\r\nN\r\n 0 \r\n100\r\n 14\r\n1\r\nx\r\n");
    EXPECT_FALSE(s.CaseSensitive) << "a lower-case t reads as off";
    EXPECT_TRUE(s.SentenceDragDrop) << "blanks around T are trimmed";
    EXPECT_TRUE(s.TypingAfterOthers);
    EXPECT_FALSE(s.ShowSentenceTipOnce);
    EXPECT_FALSE(s.RepetitionsOn);
    EXPECT_EQ(s.RepetitionThreshold, 100);
    EXPECT_EQ(s.FirstRepetitionInterval, 14);
    EXPECT_TRUE(s.RepetitionsWhenInterrupted);
    EXPECT_FALSE(s.ShowLetterCount);
    EXPECT_EQ(ParseSettings(FormatSettings(s)), s);
}

TEST(SettingsFile, ANonNumericNumberLineIsAConversionError) {
    EXPECT_THROW(ParseSettings("pl\r\nT\r\n"), ConversionError);
    EXPECT_THROW(ParseSettings("0\r\nT\r\nN\r\nT\r\nN\r\nT\r\nT\r\nT\r\nT\r\n1\r\nabc\r\n3\r\n0\r\nT\r\n"),
                 ConversionError);
}

TEST(SettingsWindowChecks, RefuseThresholdAndIntervalInTheWindowsOrder) {
    struct Case {
        const char* threshold;
        const char* interval;
        int problem;
    } cases[] = {
        {"61", "3", 0},  {"100", "100", 0}, {" 1 ", "1", 0},  {"101", "3", 126}, {"   ", "3", 126},
        {"0", "3", 126}, {"6a", "x", 124},  {"-5", "3", 124}, {"61", "2.5", 125}, {"61", "0", 127},
        {"0", "0", 126}, {"61", "", 127},   {"99999999999", "3", 126},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RepetitionFieldsProblem(c.threshold, c.interval), c.problem)
            << "'" << c.threshold << "' '" << c.interval << "'";
}

TEST(LanguageList, ListsTheInstalledLanguages) {
    test::TempDir dir;
    dir.Write("Lang_r/0/infa_r.txt", "");
    auto items = LanguageList(dir.Path());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].Name, "polski");
    dir.Write("Lang_r/1/infa_r.txt", "");
    items = LanguageList(dir.Path());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].Name, "english");
    EXPECT_EQ(items[1].Number, 1);
}

}  // namespace
}  // namespace quillan
