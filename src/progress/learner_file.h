#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/day_date.h"

namespace quillan {

// How one of the learner's binary files (results, repetitions) came into memory. It stays with
// the table, so that saving knows where the table goes and whether it may go there: a file that
// could not be taken whole is never replaced by a shorter table unless its original is safe in
// a copy beside it.
struct LearnerFile {
    enum class State {
        Missing,     // no file yet: the table starts empty
        Whole,       // every record was read
        Damaged,     // a trailing part record or more records than the table holds
        Unreadable,  // the file exists but could not be read
    };

    std::string path;
    State state = State::Missing;
    size_t fileRecords = 0;    // whole records in the file
    size_t loadedRecords = 0;  // records taken into the table
    bool trailingPart = false; // the file ends inside a record
    std::string keptCopy;      // the copy of a damaged original
    std::string error;         // the read error, or why the copy could not be written

    // False for an unreadable file and for a damaged one whose copy could not be written.
    bool SaveAllowed() const;
    bool LoadedWhole() const { return state == State::Missing || state == State::Whole; }
};

struct LoadedRecords {
    LearnerFile file;
    std::string bytes;  // the whole records taken, at most the table's capacity
};

// Reads a file of fixed-size records. When it cannot be taken whole, its original bytes are
// copied beside it first (see KeepDamagedCopy). Temporary files that an interrupted save left
// beside it are removed first (RemoveLeftoverTemporaries). Never throws for the file's own
// faults: they are reported in `file`.
LoadedRecords LoadRecordFile(const std::string& path, size_t recordSize, size_t capacity, DayNumber now);

// Writes a copy of `bytes` beside `path`, named path + ".damaged-" + "yyyy-mm-dd" of `now`
// (with "-2", "-3"... added when such a copy exists already), and returns its path. A copy
// beside it that holds the same bytes already is kept instead (one copy per damaged content).
// Throws FileError when it cannot be written.
std::string KeepDamagedCopy(const std::string& path, std::string_view bytes, DayNumber now);

// Replaces the file atomically with `bytes`. Throws FileError without touching the file when
// its load did not allow saving.
void SaveRecordFile(const LearnerFile& file, std::string_view bytes);

// What the learner is told about a file that did not load whole (Windows-1250); empty when it
// did. `fileName` names the kind of file ("wyników", "powtórek") and `records` its records
// ("rekordów", "powtórek"), both in UTF-8.
std::string LoadProblemMessage(const LearnerFile& file, std::string_view fileName, std::string_view records,
                               size_t capacity);

}  // namespace quillan
