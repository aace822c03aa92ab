#include <gtest/gtest.h>

#include <filesystem>

#include "app/installation.h"
#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

const char* const kProfile = "Quillan - Business English\r\n1\r\n0\r\n\r\n\r\n0\r\n\r\nS\xB3ownik\r\n\r\n";

TEST(Installation, MediaDirectoryOfPr55) {
    struct Case {
        std::string file;
        std::string media;
    };
    const Case cases[] = {
        {"[x]\r\nMD=D:\\Kurs\\media\r\n", "D:\\Kurs\\media\\"},
        {"[x]\r\nMD=D:\\Kurs\\media\\\r\n", "D:\\Kurs\\media\\"},  // no second backslash
        {"[x]\r\nC:=D:\r\n", "D:\\"},                                 // a bare drive
        {"MD=media\\", "media\\"},                                    // one line: it is the media line
        {"[x]\nMD= spaced \n", " spaced \\"},                         // untrimmed, LF only
        {"[x]\r\nMD=", "\\"},
    };
    for (const Case& c : cases) {
        LineReader reader(c.file);
        EXPECT_EQ(ReadMediaDir(reader), c.media) << c.file;
    }
}

TEST(Installation, Profile) {
    struct Case {
        std::string file;
        std::string title;
        int variant;
        std::string dictionary;
    };
    const Case cases[] = {
        {kProfile, "Quillan - Business English", 1, "S\xB3ownik"},
        {"T\r\n\r\n0\r\n", "T", 1, ""},           // line 2 empty: variant 1; file ends early
        {"T\r\n0\r\n", "T", 1, ""},               // line 2 "0": variant 1
        {"T\r\n 2 \r\n1\r\n", "T", 2, ""},
        {" Title \r\n1\r\n1\r\nx\r\nx\r\n1\r\nx\r\n  Dict  \r\nx\r\nextra\r\n", " Title ", 1, "Dict"},
        {"", "", 1, ""},
    };
    for (const Case& c : cases) {
        StartupState state;
        LineReader reader(c.file);
        ReadProfile(reader, state);
        EXPECT_EQ(state.AppTitle, c.title) << c.file;
        EXPECT_EQ(state.CourseVariant, c.variant) << c.file;
        EXPECT_EQ(state.DictionaryTitle, c.dictionary) << c.file;
    }
}

TEST(Installation, ProfileNumbersMustBeNumbers) {
    for (int line : {2, 3, 6}) {
        std::string file;
        for (int i = 1; i <= 9; ++i) file += (i == line ? "abc" : i == 1 ? "Title" : "1") + std::string("\r\n");
        StartupState state;
        LineReader reader(file);
        try {
            ReadProfile(reader, state);
            ADD_FAILURE() << "line " << line << " accepted";
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
        }
    }
}

struct InstallationFixture : ::testing::Test {
    test::TempDir dir;
    test::FakeMessages messages;
    StartupState state;
};

TEST_F(InstallationFixture, ResolvesAWholeInstallation) {
    dir.Write("pr55.ini", "[x]\r\nMD=media");
    dir.Write("prof_r.txt", kProfile);
    ASSERT_TRUE(ResolveInstallation(state, dir.Path(), messages));
    EXPECT_EQ(state.ProgramDir, dir.Path());
    EXPECT_EQ(state.MediaDir, dir.Path() + "media\\");
    EXPECT_EQ(state.BsgramDir, dir.Path() + "media\\bsgram\\");
    EXPECT_EQ(state.AppTitle, "Quillan - Business English");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InstallationFixture, MissingFilesStopWithTheirMessages) {
    EXPECT_FALSE(ResolveInstallation(state, dir.Path(), messages));
    EXPECT_EQ(messages.shown, std::vector<std::string>{MissingPr55Message()});
    EXPECT_EQ(Cp1250ToUtf8(MissingPr55Message()), "Brak plików systemowych, proszę powtórzyć instalację programu!");

    dir.Write("pr55.ini", "[x]\r\nMD=C:\\media\\\r\n");
    messages.shown.clear();
    EXPECT_FALSE(ResolveInstallation(state, dir.Path(), messages));
    EXPECT_EQ(messages.shown, std::vector<std::string>{MissingProfileMessage()});
    EXPECT_EQ(state.MediaDir, "C:\\media\\");
}

TEST_F(InstallationFixture, MissingDirectoryIsWarnedAndStartUpGoesOn) {
    EXPECT_FALSE(ResolveInstallation(state, dir.Path() + "absent", messages));
    EXPECT_EQ(messages.warnings, std::vector<std::string>{"Cannot find directory"});
    EXPECT_EQ(state.ProgramDir, dir.Path() + "absent\\");
}

TEST_F(InstallationFixture, ARelativeDirectoryIsTakenFromWhereTheProgramWasStarted) {
    dir.Write("kurs/pr55.ini", "[x]\r\nMD=media");
    dir.Write("kurs/prof_r.txt", kProfile);
    const std::filesystem::path before = std::filesystem::current_path();
    for (const std::string relative : {"kurs", "kurs/", "./kurs\\"}) {
        std::filesystem::current_path(dir.Path());
        StartupState resolved;
        const bool ok = ResolveInstallation(resolved, relative, messages);
        std::filesystem::current_path(before);
        EXPECT_TRUE(ok) << relative;
        EXPECT_TRUE(messages.shown.empty()) << relative;
        EXPECT_EQ(resolved.ProgramDir.rfind(dir.Path(), 0), 0u) << resolved.ProgramDir;
        EXPECT_EQ(NativePath(resolved.ProgramDir + "prof_r.txt"), dir.Path() + "kurs/prof_r.txt") << relative;
        EXPECT_EQ(NativePath(resolved.MediaDir), dir.Path() + "kurs/media/") << relative;
        messages.shown.clear();
    }
    EXPECT_TRUE(messages.warnings.empty());
}

TEST_F(InstallationFixture, InterfaceLanguage) {
    state.ProgramDir = dir.Path();
    ChooseInterfaceLanguage(state);
    EXPECT_EQ(state.LangIndex, 0);
    EXPECT_EQ(state.LangDir, "Lang_r\\0\\");
    dir.Write("BE.ini", "");  // found in any letter case
    ChooseInterfaceLanguage(state);
    EXPECT_EQ(state.LangIndex, 1);
    EXPECT_EQ(state.LangDir, "Lang_r\\1\\");
    EXPECT_TRUE(state.EnglishOnly);
}

TEST_F(InstallationFixture, ClassroomConfig) {
    state.ProgramDir = dir.Path();
    EXPECT_EQ(ReadClassroomConfig(state), -1);

    struct Case {
        std::string file;
        std::string host;
        bool fallback;
    };
    for (const Case& c : {Case{"server1\r\n1\r\n", "server1", true}, Case{"server1\r\n", "server1", false},
                          Case{" 10.0.0.5 \r\n 1\r\n", " 10.0.0.5 ", false}, Case{"h\n1", "h", true}}) {
        dir.Write("dd.t", c.file);
        EXPECT_EQ(ReadClassroomConfig(state), 1);
        EXPECT_EQ(state.ServerHost, c.host);
        EXPECT_EQ(state.LocalFallbackAllowed, c.fallback) << c.file;
    }
}

TEST(Installation, ScreenSize) {
    EXPECT_TRUE(ScreenLargeEnough(1024, 768));
    EXPECT_TRUE(ScreenLargeEnough(800, 600));
    EXPECT_FALSE(ScreenLargeEnough(1024, 500));
    EXPECT_FALSE(ScreenLargeEnough(799, 768));
    EXPECT_EQ(Cp1250ToUtf8(ScreenTooSmallMessage()), "Program należy uruchamiać minimalnej w rozdzielczości 800x600.");
}

}  // namespace
}  // namespace quillan
