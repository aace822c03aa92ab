#include <gtest/gtest.h>

#include <chrono>
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

// A save killed between writing its temporary and renaming it leaves the temporary for good;
// the next load of the file clears what our own saves left, and nothing else (a copy someone
// made beside it by hand stays).
TEST(Files, LeftoverTemporariesOfTheFileAreRemovedAndNothingElse) {
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        bool old;       // untouched for longer than a save takes
        bool directory;
        bool removed;
    } cases[] = {
        {"qlr2_55.quillan-tmp-a1B2c3", true, false, true},
        {"QLR2_55.quillan-tmp-XyZ789", true, false, true},  // the file's name in another letter case
        {"qlr2_55.quillan-tmp-Zz9Yy8", false, false, false}, // a save going on right now
        {"qlr2_55.damaged-2026-12-09", true, false, false},
        {"qlr2_55.a1B2c3", true, false, false},              // a copy the learner or his teacher made
        {"qlr2_55.backup", true, false, false},
        {"qlr2_55.quillan-tmp-abc12", true, false, false},   // five letters: not ours
        {"qlr2_55.quillan-tmp-abc-12", true, false, false},
        {"qlr2_55.quillan-tmp-a1B2c3d", true, false, false},
        {"powt_qlr2_55.quillan-tmp-a1B2c3", true, false, false},  // another file's temporary
        {"xqlr2_55.quillan-tmp-a1B2c3", true, false, false},
        {"notes.txt", true, false, false},
        {"qlr2_55.quillan-tmp-q1w2e3", true, true, false},   // a directory of that name
    };
    test::TempDir dir;
    dir.Write("qlr2_55", "results");
    for (const Case& c : cases) {
        const std::string path = dir.Path() + c.name;
        if (c.directory)
            fs::create_directory(path);
        else
            dir.Write(c.name, "part of a save");
        if (c.old) fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    RemoveLeftoverTemporaries(dir.Path() + "qlr2_55");
    for (const Case& c : cases) EXPECT_EQ(fs::exists(dir.Path() + c.name), !c.removed) << c.name;
    EXPECT_EQ(dir.Read("qlr2_55"), "results");

    RemoveLeftoverTemporaries(dir.Path() + "missing-dir\\qlr2_55");  // nothing to do, nothing thrown
}

}  // namespace
}  // namespace quillan
