#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

TEST(Files, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
    test::TempDir dir;
    dir.Write("results", "old old old");
    WriteFileAtomically(dir.Path() + "results", "new");
    EXPECT_EQ(dir.Read("results"), "new");
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) (void)e, ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(Files, AtomicWriteKeepsOldFileWhenDirectoryIsMissing) {
    test::TempDir dir;
    EXPECT_THROW(WriteFileAtomically(dir.Path() + "no-such-dir\\results", "x"), FileError);
}

TEST(Files, WriteGoesToTheExistingFileOfAnotherLetterCase) {
    test::TempDir dir;
    dir.Write("tmp1.wav", "old");
    WriteFileAtomically(dir.Path() + "tmp1.Wav", "new");
    EXPECT_EQ(dir.Read("tmp1.wav"), "new");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "tmp1.Wav"));
}

TEST(Files, ReadingMissingFiles) {
    test::TempDir dir;
    EXPECT_FALSE(ReadFileIfExists(dir.Path() + "absent.txt").has_value());
    try {
        ReadWholeFile(dir.Path() + "absent.txt");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("absent.txt"), std::string::npos);
    }
}

}  // namespace
}  // namespace quillan
