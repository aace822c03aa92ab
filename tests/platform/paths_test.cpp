#include <gtest/gtest.h>

#include "platform/paths.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

TEST(Paths, ComponentsMatchWithoutRegardToLetterCase) {
    test::TempDir dir;
    dir.Write("Lang_r/0/gfx_r/Main_rozum.jpg", "x");
    dir.Write("Htm_r/h_index.html", "x");
    struct Case {
        std::string windows;
        std::string native;
    };
    const Case cases[] = {
        {"Lang_r\\0\\gfx_r\\Main_rozum.jpg", "Lang_r/0/gfx_r/Main_rozum.jpg"},
        {"LANG_R\\0\\Gfx_r\\main_ROZUM.JPG", "Lang_r/0/gfx_r/Main_rozum.jpg"},
        {"htm_r/H_Index.html", "Htm_r/h_index.html"},
        {"htm_r\\new.html", "Htm_r/new.html"},      // a file to be made keeps its own name
        {"Nowy\\plik.txt", "Nowy/plik.txt"},       // a missing directory too
        {"Htm_r\\", "Htm_r/"},
    };
    for (const Case& c : cases) EXPECT_EQ(NativePath(dir.Path() + c.windows), dir.Path() + c.native) << c.windows;
}

TEST(Paths, ExactNameWinsOverOtherLetterCase) {
    test::TempDir dir;
    dir.Write("tmp1.wav", "a");
    dir.Write("TMP1.WAV", "b");
    EXPECT_EQ(NativePath(dir.Path() + "TMP1.WAV"), dir.Path() + "TMP1.WAV");
    EXPECT_EQ(NativePath(dir.Path() + "Tmp1.Wav"), dir.Path() + "TMP1.WAV");  // first by name
}

TEST(Paths, Windows1250NamesBecomeUtf8) {
    test::TempDir dir;
    dir.Write("Słówka/a.txt", "x");
    EXPECT_TRUE(FileExists(dir.Path() + "S\xB3\xF3wka\\a.txt"));
    EXPECT_EQ(ListFiles(dir.Path() + "S\xB3\xF3wka", ".TXT"), std::vector<std::string>{"a.txt"});
}

TEST(Paths, DriveTagsAndSeparators) {
    EXPECT_EQ(NativePath("D:\\"), "/");
    EXPECT_TRUE(IsAbsolutePath("D:\\media"));
    EXPECT_TRUE(IsAbsolutePath("/opt/q"));
    EXPECT_FALSE(IsAbsolutePath("media\\"));
    EXPECT_EQ(DirectoryOf("C:\\Kurs\\kurs.exe"), "C:\\Kurs\\");
    EXPECT_EQ(DirectoryOf("/opt/q/quillan"), "/opt/q/");
    EXPECT_EQ(DirectoryOf("quillan"), "");
    EXPECT_EQ(WithTrailingSeparator("C:\\Kurs"), "C:\\Kurs\\");
    EXPECT_EQ(WithTrailingSeparator("/opt/q/"), "/opt/q/");
}

// Listed as Windows lists a directory for its visible entries: by name without regard to
// letter case (upper case, so "_" comes after the letters), hidden names left out; directories
// only when the listing includes directory entries.
TEST(Paths, ListingsFilterBySuffixAndSortAsWindowsDoes) {
    test::TempDir dir;
    for (const char* name : {"cw_r/b.bc4", "cw_r/A.BC4", "cw_r/a_b.bc4", "cw_r/ab.bc4", "cw_r/c.txt", "cw_r/.hidden.bc4",
                             "cw_r/._A.BC4"})
        dir.Write(name, "");
    dir.Write("cw_r/sub.bc4/x", "");
    EXPECT_EQ(ListFiles(dir.Path() + "CW_R", ".bc4"), (std::vector<std::string>{"A.BC4", "ab.bc4", "a_b.bc4", "b.bc4"}));
    EXPECT_EQ(ListEntries(dir.Path() + "CW_R", ".bc4"),
              (std::vector<std::string>{"A.BC4", "ab.bc4", "a_b.bc4", "b.bc4", "sub.bc4"}));
    EXPECT_TRUE(ListFiles(dir.Path() + "none", ".bc4").empty());
}

}  // namespace
}  // namespace quillan
