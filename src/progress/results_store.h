#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/day_date.h"
#include "progress/learner_file.h"
#include "progress/record_bytes.h"

namespace quillan {

// One exercise of the learner's progress: its identity, level, and the last recorded attempt.
// On disk a record of 548 bytes (see EncodeCwInfo); strings are Windows-1250.
struct CW_Info {
    std::string Id;              // "tek_12", "slo_3", ...; "Otw_2500" for a teacher's open task
    std::string Title;
    std::uint8_t Kind = 0;       // ExerciseKind
    std::uint8_t Key = 0;        // tells apart the exercises of one text
    std::uint8_t Level = 0;      // 1..4, 0 none
    DayNumber LastDone = 0;      // last recorded attempt; the creation moment at first
    std::uint8_t Result = 0;     // percent of the last attempt
    std::int32_t DoneCount = 0;  // recorded attempts
    std::uint8_t Completed = 0;  // the last attempt reached the end
    std::string LessonCode;
    std::string Reserved1;
    std::int32_t Reserved2 = 0;
    std::int32_t Reserved3 = 0;
    DayNumber TimeDone = 0;      // time of day of the last attempt (no date part)
    std::string LessonName;
    std::uint8_t LessonMode = 0; // 1 a new course exercise, 2 a new open task, 0 once done
    std::string LessonTag;
    record_bytes::ReadBytes Read{};  // the file's bytes of a record read from one

    bool operator==(const CW_Info&) const = default;
};

inline constexpr size_t kCwInfoSize = 548;
inline constexpr size_t kMaxResults = 2000;

// Capacities of the record's strings.
inline constexpr size_t kIdCapacity = 100;
inline constexpr size_t kTitleCapacity = 250;
inline constexpr size_t kLessonCodeCapacity = 12;
inline constexpr size_t kLessonNameCapacity = 50;
inline constexpr size_t kReserved1Capacity = 61;
inline constexpr size_t kLessonTagCapacity = 30;

// The record's bytes at their offsets; `out` receives kCwInfoSize bytes: the fields written over
// the bytes the record was read from (zeros for a new record).
void EncodeCwInfo(const CW_Info& record, char* out);
CW_Info DecodeCwInfo(const char* bytes);

// Whole records of a results file's bytes (a trailing part record is left out).
std::vector<CW_Info> DecodeResults(std::string_view bytes);
std::string EncodeResults(const std::vector<CW_Info>& records);

// The learner's exercise table and the file it is kept in.
struct ResultsTable {
    std::vector<CW_Info> records;  // at most kMaxResults, in file order
    LearnerFile file;
};

// Thrown when a record would go beyond the capacity of its table; the text (Windows-1250) says
// what was refused.
class TableFullError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The results file of a learner directory ("qlr2_55" by default).
std::string ResultsPath(const std::string& resultsDirectory, const std::string& courseFileId);

// Replaces the table with the file's records. A file that cannot be taken whole gets a copy
// beside it before anything else (see LoadRecordFile); `table.file` tells what was found.
void LoadResults(ResultsTable& table, const std::string& path, DayNumber now);

// Rewrites the file of the table atomically. Throws FileError (the file untouched) when the
// file's load did not allow saving, or when writing fails.
void SaveResults(const ResultsTable& table);

// Appends a fresh record: LastDone now, TimeDone the time of day, LessonMode 1, id and title
// cut to their capacities, everything else zero or empty. Throws TableFullError when the
// table is full.
CW_Info& AppendRecord(ResultsTable& table, DayNumber now, std::string_view id, std::string_view title, int kind,
                      int level);

// The last record whose Id equals the lower-cased id and whose Kind and Key are given; null
// when none.
CW_Info* FindRecord(ResultsTable& table, std::string_view id, int kind, int key);

// Records an attempt on the matching record (see FindRecord): LastDone now, TimeDone the time
// of day, LessonMode 0, Result the percent (kept within 0..100), Completed, DoneCount + 1.
// Returns the record, or null when none matched (nothing changes then).
CW_Info* RecordExerciseResult(ResultsTable& table, DayNumber now, int percent, std::string_view id, int kind,
                              int completed, int key);

// A teacher's open task "Otw_" + number (2000..3999): appended unless a record of that Id
// exists. Returns its 1-based index, or -1. Throws TableFullError when the table is full.
int AddOpenExerciseRecord(ResultsTable& table, DayNumber now, int number, std::string_view title);

// The record as the classroom server receives it: 17 fields, each followed by "#".
std::string CwInfoRecordText(const CW_Info& record);

// The text of a TableFullError for the results table (Windows-1250).
std::string ResultsFullMessage(std::string_view refusedId);

}  // namespace quillan
