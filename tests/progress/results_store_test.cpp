#include "progress/results_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "progress/repetitions.h"
#include "progress/settings.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

// Puts a length-prefixed string into a hand-made record.
void Put(std::string& bytes, size_t at, const std::string& text) {
    bytes[at] = static_cast<char>(text.size());
    bytes.replace(at + 1, text.size(), text);
}

void PutBytes(std::string& bytes, size_t at, std::initializer_list<unsigned> values) {
    for (unsigned v : values) bytes[at++] = static_cast<char>(v);
}

// A record written byte by byte at the offsets of the results file.
std::string HandMadeRecord() {
    std::string b(548, '\0');
    Put(b, 0, "tek_12");
    Put(b, 101, "DZIAL=D01=Spotkanie w \xB9" "biurze");  // a Windows-1250 letter inside
    PutBytes(b, 352, {41, 3, 2});
    PutBytes(b, 356, {0x00, 0x00, 0x00, 0x00, 0x10, 0xF9, 0xE5, 0x40});  // 45000.5
    PutBytes(b, 364, {87});
    PutBytes(b, 368, {0x04, 0x03, 0x02, 0x01});  // 0x01020304
    PutBytes(b, 372, {1});
    Put(b, 373, "D01");
    PutBytes(b, 448, {0xFF, 0xFF, 0xFF, 0xFF});  // -1
    PutBytes(b, 452, {0x07, 0x00, 0x00, 0x00});
    PutBytes(b, 456, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE8, 0x3F});  // 0.75
    Put(b, 464, "Meetings");
    PutBytes(b, 515, {2});
    Put(b, 516, "tag");
    return b;
}

TEST(CwInfoLayout, ReadsEveryFieldAtItsOffsetAndWritesTheSameBytes) {
    const std::string bytes = HandMadeRecord();
    const CW_Info r = DecodeCwInfo(bytes.data());
    EXPECT_EQ(r.Id, "tek_12");
    EXPECT_EQ(r.Title, "DZIAL=D01=Spotkanie w \xB9" "biurze");
    EXPECT_EQ(r.Kind, 41);
    EXPECT_EQ(r.Key, 3);
    EXPECT_EQ(r.Level, 2);
    EXPECT_EQ(r.LastDone, 45000.5);
    EXPECT_EQ(r.Result, 87);
    EXPECT_EQ(r.DoneCount, 0x01020304);
    EXPECT_EQ(r.Completed, 1);
    EXPECT_EQ(r.LessonCode, "D01");
    EXPECT_EQ(r.Reserved1, "");
    EXPECT_EQ(r.Reserved2, -1);
    EXPECT_EQ(r.Reserved3, 7);
    EXPECT_EQ(r.TimeDone, 0.75);
    EXPECT_EQ(r.LessonName, "Meetings");
    EXPECT_EQ(r.LessonMode, 2);
    EXPECT_EQ(r.LessonTag, "tag");

    std::string written(548, 'x');
    EncodeCwInfo(r, written.data());
    EXPECT_EQ(written, bytes);
}

TEST(CwInfoLayout, CutsStringsToTheirCapacityBothWays) {
    CW_Info r;
    r.Id = std::string(120, 'a');
    r.LessonCode = "ABCDEFGHIJKLMNOP";
    std::string bytes(548, '\0');
    EncodeCwInfo(r, bytes.data());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 100);
    EXPECT_EQ(bytes[101], 0) << "the id must not run into the title";
    EXPECT_EQ(DecodeCwInfo(bytes.data()).LessonCode, "ABCDEFGHIJKL");

    bytes[373] = static_cast<char>(200);  // a length byte beyond the field
    EXPECT_EQ(DecodeCwInfo(bytes.data()).LessonCode.size(), 12u);
}

ResultsTable TableOf(std::initializer_list<std::tuple<std::string, int, int>> records) {
    ResultsTable table;
    for (const auto& [id, kind, key] : records) {
        CW_Info& r = AppendRecord(table, 44000.0, id, "t", kind, 1);
        r.Key = static_cast<std::uint8_t>(key);
    }
    return table;
}

TEST(RecordExerciseResult, MatchesTheLastRecordOfTheLowerCasedIdKindAndKey) {
    ResultsTable table = TableOf({{"tek_1", 40, 1}, {"tek_1", 41, 2}, {"tek_1", 41, 2}, {"slo_1", 60, 0},
                                  {"Otw_2000", 90, 0}});
    struct Case {
        const char* id;
        int kind, key;
        int expectedIndex;  // -1: nothing matches
    } cases[] = {
        {"tek_1", 40, 1, 0},  {"TEK_1", 40, 1, 0},  {"tek_1", 41, 2, 2}, {"tek_1", 41, 1, -1},
        {"tek_1", 42, 2, -1}, {"SLO_1", 60, 0, 3},  {"Otw_2000", 90, 0, -1}, {"otw_2000", 90, 0, -1},
    };
    for (const Case& c : cases) {
        CW_Info* found = FindRecord(table, c.id, c.kind, c.key);
        if (c.expectedIndex < 0)
            EXPECT_EQ(found, nullptr) << c.id << " " << c.kind << " " << c.key;
        else
            EXPECT_EQ(found, &table.records[c.expectedIndex]) << c.id << " " << c.kind << " " << c.key;
    }
}

TEST(RecordExerciseResult, RecordsEachAttemptOnTheLaterOfTwoEqualRecords) {
    ResultsTable table = TableOf({{"zda_4", 50, 0}, {"zda_4", 50, 0}});
    const ResultsTable before = table;

    ASSERT_NE(RecordExerciseResult(table, 45010.25, 70, "ZDA_4", 50, 1, 0), nullptr);
    ASSERT_NE(RecordExerciseResult(table, 45010.75, -5, "zda_4", 50, 0, 0), nullptr);
    const CW_Info& r = table.records[1];
    EXPECT_EQ(r.DoneCount, 2) << "a second attempt on the same day counts too";
    EXPECT_EQ(r.Result, 0) << "a negative percent is stored as 0";
    EXPECT_EQ(r.Completed, 0);
    EXPECT_EQ(r.LastDone, 45010.75);
    EXPECT_EQ(r.TimeDone, 0.75);
    EXPECT_EQ(r.LessonMode, 0);
    EXPECT_EQ(table.records[0], before.records[0]) << "the earlier record is never updated";

    RecordExerciseResult(table, 45011.0, 250, "zda_4", 50, 1, 0);
    EXPECT_EQ(table.records[1].Result, 100) << "a percent is a percent";

    EXPECT_EQ(RecordExerciseResult(table, 45011.0, 50, "zda_5", 50, 1, 0), nullptr);
}

TEST(AddOpenExerciseRecord, AppendsEachTeacherTaskOnceWithinItsRange) {
    ResultsTable table = TableOf({{"tek_1", 40, 1}});
    EXPECT_EQ(AddOpenExerciseRecord(table, 45000.5, 2000, "Essay"), 2);
    EXPECT_EQ(AddOpenExerciseRecord(table, 45000.5, 2000, "Essay again"), -1);
    EXPECT_EQ(AddOpenExerciseRecord(table, 45000.5, 1999, "x"), -1);
    EXPECT_EQ(AddOpenExerciseRecord(table, 45000.5, 4000, "x"), -1);
    EXPECT_EQ(AddOpenExerciseRecord(table, 45000.5, 3999, "x"), 3);
    ASSERT_EQ(table.records.size(), 3u);

    const CW_Info& r = table.records[1];
    EXPECT_EQ(r.Id, "Otw_2000");
    EXPECT_EQ(r.Title, "Essay");
    EXPECT_EQ(r.Kind, 90);
    EXPECT_EQ(r.Level, 1);
    EXPECT_EQ(r.LessonCode, "Otw");
    EXPECT_EQ(r.LessonMode, 2);
    EXPECT_EQ(r.LastDone, 45000.5);
    EXPECT_EQ(r.TimeDone, 0.5);
    EXPECT_EQ(r.DoneCount, 0);
}

TEST(ResultsTableCapacity, RefusesTheRecordBeyondTwoThousand) {
    ResultsTable table;
    table.records.resize(kMaxResults);
    EXPECT_THROW(AppendRecord(table, 45000.0, "tek_1", "t", 40, 1), TableFullError);
    EXPECT_THROW(AddOpenExerciseRecord(table, 45000.0, 2500, "t"), TableFullError);
    EXPECT_EQ(table.records.size(), kMaxResults);
}

TEST(CwInfoRecordText, GivesSeventeenFieldsInTheServersOrder) {
    CW_Info r = DecodeCwInfo(HandMadeRecord().data());
    r.LastDone = 45000.75;  // 2023-03-15 18:00
    r.TimeDone = 0.75;
    EXPECT_EQ(CwInfoRecordText(r),
              "tek_12#DZIAL=D01=Spotkanie w \xB9" "biurze#41#3#2#2023-03-15#87#16909060#1#D01##-1#7#18-00-00#Meetings#2#tag#");
}

TEST(CwInfoRecordText, KeepsAllFieldsWhenIdAndTitleAreTooLongTogether) {
    CW_Info r;
    r.Id = std::string(100, 'i');
    r.Title = std::string(250, 't');
    const std::string text = CwInfoRecordText(r);
    EXPECT_EQ(std::count(text.begin(), text.end(), '#'), 17);
    EXPECT_EQ(text.find('#', 101), 254u) << "id and title together stay within 255 characters";
}

class ResultsFile : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.Path() + "qlr2_55";
    const DayNumber now = 46365.5;  // 2026-12-09 12:00
};

TEST_F(ResultsFile, SavesAndLoadsTheTableRecordByRecord) {
    ResultsTable table = TableOf({{"tek_1", 40, 1}, {"slo_2", 61, 0}});
    table.file.path = path;
    SaveResults(table);
    EXPECT_EQ(dir.Read("qlr2_55").size(), 2 * 548u);

    ResultsTable loaded;
    LoadResults(loaded, path, now);
    EXPECT_EQ(loaded.records, table.records);
    EXPECT_EQ(loaded.file.state, LearnerFile::State::Whole);
}

// Another program may leave other bytes than zeros where the record has no field (padding, the
// unused tail of a string). Recording an attempt and saving rewrites only the fields it sets.
TEST_F(ResultsFile, BytesWithoutAFieldComeBackAsTheyWereRead) {
    std::string untouched = HandMadeRecord(), worked = HandMadeRecord();
    for (std::string* record : {&untouched, &worked}) {
        PutBytes(*record, 7, {0xAA, 0xBB});    // the id's unused tail
        PutBytes(*record, 355, {0x5A});        // padding after Level
        PutBytes(*record, 365, {1, 2, 3});     // padding after Result
        PutBytes(*record, 390, {0x44});        // the reserved text's tail
        PutBytes(*record, 547, {0x7F});        // the last padding byte
    }
    dir.Write("qlr2_55", untouched + worked);

    ResultsTable table;
    LoadResults(table, path, now);
    ASSERT_EQ(table.records.size(), 2u);
    table.records[1].Key = 9;  // the second record alone is worked
    ASSERT_NE(RecordExerciseResult(table, now, 64, "tek_12", 41, 0, 9), nullptr);
    SaveResults(table);

    const std::string saved = dir.Read("qlr2_55");
    ASSERT_EQ(saved.size(), 2 * 548u);
    EXPECT_EQ(saved.substr(0, 548), untouched);
    // Fields the attempt set: Key, LastDone, Result, DoneCount, Completed, TimeDone, LessonMode.
    std::string expected = worked;
    char fields[548];
    EncodeCwInfo(table.records[1], fields);
    for (size_t at : {353, 356, 357, 358, 359, 360, 361, 362, 363, 364, 368, 369, 370, 371, 372, 456, 457, 458, 459,
                      460, 461, 462, 463, 515})
        expected[at] = fields[at];
    EXPECT_EQ(saved.substr(548), expected);
    EXPECT_EQ(DecodeResults(saved)[1].Result, 64);
    EXPECT_EQ(DecodeResults(saved)[1], table.records[1]);
}

TEST_F(ResultsFile, MissingAndEmptyFilesGiveAnEmptyTable) {
    ResultsTable table = TableOf({{"tek_1", 40, 1}});
    LoadResults(table, path, now);
    EXPECT_TRUE(table.records.empty());
    EXPECT_EQ(table.file.state, LearnerFile::State::Missing);

    dir.Write("qlr2_55", "");
    LoadResults(table, path, now);
    EXPECT_TRUE(table.records.empty());
    EXPECT_EQ(table.file.state, LearnerFile::State::Whole);
}

TEST_F(ResultsFile, ATrailingPartRecordIsKeptInACopyBeforeTheShorterTableIsSaved) {
    const std::string original = HandMadeRecord() + HandMadeRecord() + std::string(100, 'z');
    dir.Write("qlr2_55", original);

    ResultsTable table;
    LoadResults(table, path, now);
    EXPECT_EQ(table.records.size(), 2u);
    EXPECT_EQ(table.file.state, LearnerFile::State::Damaged);
    EXPECT_TRUE(table.file.trailingPart);
    EXPECT_EQ(table.file.keptCopy, path + ".damaged-2026-12-09");
    EXPECT_EQ(dir.Read("qlr2_55.damaged-2026-12-09"), original);

    const std::string message = Cp1250ToUtf8(LoadProblemMessage(table.file, "wyników", "rekordów", kMaxResults));
    EXPECT_NE(message.find("niepełnym rekordem"), std::string::npos) << message;
    EXPECT_NE(message.find("qlr2_55.damaged-2026-12-09"), std::string::npos) << message;

    SaveResults(table);
    EXPECT_EQ(dir.Read("qlr2_55").size(), 2 * 548u);
    EXPECT_EQ(dir.Read("qlr2_55.damaged-2026-12-09"), original);

    // The same damaged file loaded again (the next sign-in, the chart tool, on any day) keeps
    // its one copy; other damaged bytes get a copy of their own.
    dir.Write("qlr2_55", original);
    for (const DayNumber day : {now, now + 0.1, now + 3}) {
        LoadResults(table, path, day);
        EXPECT_EQ(table.file.keptCopy, path + ".damaged-2026-12-09") << day;
    }
    const std::string other = original + "y";
    dir.Write("qlr2_55", other);
    LoadResults(table, path, now);
    EXPECT_EQ(table.file.keptCopy, path + ".damaged-2026-12-09-2");
    EXPECT_EQ(dir.Read("qlr2_55.damaged-2026-12-09-2"), other);
    LoadResults(table, path, now);
    EXPECT_EQ(table.file.keptCopy, path + ".damaged-2026-12-09-2");
    EXPECT_EQ(ListFilesStartingWith(dir.Path(), "qlr2_55.damaged-"),
              (std::vector<std::string>{"qlr2_55.damaged-2026-12-09", "qlr2_55.damaged-2026-12-09-2"}));
}

// A save killed between writing its temporary file and renaming it leaves the temporary behind;
// the next load of each of the learner's files clears its own.
TEST_F(ResultsFile, LoadingClearsTheTemporariesOfAKilledSave) {
    const char* const leftovers[] = {"qlr2_55.quillan-tmp-k1lLed", "powt_qlr2_55.quillan-tmp-k1lLed",
                                     "ustaw_qlr2_55.txt.quillan-tmp-k1lLed"};
    for (const char* name : leftovers) {
        dir.Write(name, "half a save");
        std::filesystem::last_write_time(dir.Path() + name,
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    ResultsTable table;
    LoadResults(table, path, now);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + leftovers[0]));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() + leftovers[1])) << "another file's temporary stays";
    RepetitionList repetitions;
    LoadRepetitions(repetitions, dir.Path() + "powt_qlr2_55", now);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + leftovers[1]));
    LoadSettings(dir.Path() + "ustaw_qlr2_55.txt", 0);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + leftovers[2]));
}

TEST_F(ResultsFile, RecordsBeyondTheTableAreKeptInACopyAndTold) {
    std::string original;
    for (size_t i = 0; i < kMaxResults + 3; ++i) original += HandMadeRecord();
    dir.Write("qlr2_55", original);

    ResultsTable table;
    LoadResults(table, path, now);
    EXPECT_EQ(table.records.size(), kMaxResults);
    EXPECT_EQ(table.file.fileRecords, kMaxResults + 3);
    EXPECT_EQ(dir.Read("qlr2_55.damaged-2026-12-09"), original);
    const std::string message = Cp1250ToUtf8(LoadProblemMessage(table.file, "wyników", "rekordów", kMaxResults));
    EXPECT_NE(message.find("(2003) przekracza 2000"), std::string::npos) << message;
}

TEST_F(ResultsFile, AnUnreadableFileIsNeverOverwritten) {
    std::filesystem::create_directory(path);  // exists, but reading it fails
    ResultsTable table;
    LoadResults(table, path, now);
    EXPECT_EQ(table.file.state, LearnerFile::State::Unreadable);
    EXPECT_FALSE(table.file.SaveAllowed());
    EXPECT_NE(LoadProblemMessage(table.file, "wyników", "rekordów", kMaxResults), "");

    AppendRecord(table, now, "tek_1", "t", 40, 1);
    EXPECT_THROW(SaveResults(table), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(ResultsFile, ADamagedFileWhoseCopyCannotBeWrittenIsNeverOverwritten) {
    const std::string original = HandMadeRecord() + "zz";
    dir.Write("qlr2_55", original);
    std::filesystem::create_directory(path + ".damaged-2026-12-09");  // the copy cannot go there

    ResultsTable table;
    LoadResults(table, path, now);
    EXPECT_EQ(table.file.state, LearnerFile::State::Damaged);
    EXPECT_FALSE(table.file.SaveAllowed());
    EXPECT_THROW(SaveResults(table), FileError);
    EXPECT_EQ(dir.Read("qlr2_55"), original);
    const std::string message = Cp1250ToUtf8(LoadProblemMessage(table.file, "wyników", "rekordów", kMaxResults));
    EXPECT_NE(message.find("nie będzie zapisywany"), std::string::npos) << message;
}

}  // namespace
}  // namespace quillan
