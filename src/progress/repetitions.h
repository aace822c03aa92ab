#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/day_date.h"
#include "progress/learner_file.h"
#include "progress/record_bytes.h"

namespace quillan {

struct ResultsTable;

// One exercise scheduled for review. On disk a record of 136 bytes (see EncodeRepetition).
struct RepetitionEntry {
    std::string Id;             // the exercise's Id in lower case; empty for a removed entry
    std::int32_t Kind = 0;
    std::int32_t Key = 0;
    std::int32_t Interval = 0;  // days
    DayNumber Due = 0;          // due from this date (a new entry: date and time)
    DayNumber LastUpdate = 0;   // date of the last report
    std::uint8_t Index = 0;     // position within its package, 0 outside packages
    record_bytes::ReadBytes Read{};  // the file's bytes of an entry read from one

    bool operator==(const RepetitionEntry&) const = default;
};

inline constexpr size_t kRepetitionSize = 136;
inline constexpr size_t kMaxRepetitions = 1000;
// An interval the schedule sets is at least a day and never grows beyond this many days, so
// that due dates stay real four-digit-year dates however often it doubles, and an interval
// read from a damaged file (negative, or any number) comes back within these bounds.
inline constexpr std::int32_t kMaxRepetitionInterval = 36500;

void EncodeRepetition(const RepetitionEntry& entry, char* out);
RepetitionEntry DecodeRepetition(const char* bytes);
std::vector<RepetitionEntry> DecodeRepetitions(std::string_view bytes);

// The learner's repetitions and the file they are kept in. Removed entries stay as empty slots
// until the list is saved and loaded again.
struct RepetitionList {
    std::vector<RepetitionEntry> entries;  // at most kMaxRepetitions
    LearnerFile file;
};

// What the repetitions read from the learner's settings.
struct RepetitionSettings {
    bool RepetitionsOn = true;
    int RepetitionThreshold = 61;
    int FirstRepetitionInterval = 3;
    bool RepetitionsWhenInterrupted = false;
};

// "powt_" + the results file name, in the learner's directory.
std::string RepetitionsPath(const std::string& resultsDirectory, const std::string& courseFileId);

// Replaces the list with the file's entries (see LoadRecordFile for a file that is not whole).
void LoadRepetitions(RepetitionList& list, const std::string& path, DayNumber now);
// Writes every entry that is not removed, in list order, atomically. Throws FileError (the file
// untouched) when the file's load did not allow saving, or when writing fails.
void SaveRepetitions(const RepetitionList& list);

enum class RepetitionChange { None, Added, Rescheduled, Removed };

// The review schedule after an exercise was reported (see the settings above). A full list
// (no removed slot left to drop) throws TableFullError and changes nothing.
RepetitionChange RecordRepetition(RepetitionList& list, const RepetitionSettings& settings, DayNumber now,
                                  int percent, std::string_view id, int kind, int completed, int key, int index);

// Empties the id of the last entry with the lower-cased id, kind and key; nothing when none.
void RemoveRepetition(RepetitionList& list, std::string_view id, int kind, int key);
void ClearRepetitions(RepetitionList& list);

// The last entry with the lower-cased id, kind and index; null when none.
const RepetitionEntry* FindRepetition(const RepetitionList& list, std::string_view id, int kind, int index);

// Some entry with the lower-cased id, kind and index is due: its due date ("yyyy-mm-dd") is
// not after today's.
bool IsRepetitionDue(const RepetitionList& list, DayNumber now, std::string_view id, int kind, int index);

// The entries of a list by id, kind and index, for looking many exercises up at once (the
// exercise chart). It answers as FindRepetition and IsRepetitionDue would, as long as the list
// does not change.
class RepetitionLookup {
public:
    RepetitionLookup(const RepetitionList& list, DayNumber now);
    const RepetitionEntry* Find(std::string_view id, int kind, int index) const;
    bool IsDue(std::string_view id, int kind, int index) const;

private:
    struct Slot {
        const RepetitionEntry* last = nullptr;
        bool due = false;
    };
    const Slot* SlotOf(std::string_view id, int kind, int index) const;
    static std::string SlotKey(std::string_view lowerId, int kind, int index);
    std::unordered_map<std::string, Slot> slots_;
};

// Some entry is due and the results table holds its exercise (same Id in lower case, same Kind).
bool AnyRepetitionDue(const RepetitionList& list, const ResultsTable& results, DayNumber now);

// Whether an exercise window of this kind reports to the repetitions (sentence recording,
// letters, curiosities and the first three dialogue variants do not).
bool KindReportsRepetition(int kind);

// The index an exercise reports: its position in the text for text exercises (40..47), the
// variant for sentences (50..52 give 1..3), the stage for vocabulary (60..64 give 1..5),
// variant - 1 for the dialogue (73, 74 give 3, 4), otherwise 0.
int RepetitionIndexFor(int kind, int positionInText);

// The text of a TableFullError for the repetitions (Windows-1250).
std::string RepetitionsFullMessage();

}  // namespace quillan
