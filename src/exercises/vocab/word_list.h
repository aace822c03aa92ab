#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"
#include "platform/messages.h"

namespace quillan {

// One entry of a word list ("cw_r\" + name + ".bc4").
struct VocabEntry {
    int Group = 0;             // wrong options come from the same group or the same first letter
    int SoundByName = 0;       // 1: SoundRef is a file under "Nagrania\"; otherwise a sound number
    int EntryId = 0;           // 60001 and above: an example sentence; 60000 and above: shown as a sentence
    int Column11 = 0;
    int WordClass = 0;         // 1 noun, 3 verb; 5 and above never a wrong option
    std::string Headword;      // the course language; a key word may stand in "<" and ">"
    std::string Translation;   // Polish
    std::string SecondText;    // an example sentence's translation
    std::string Alternatives;  // further accepted answers, separated by "/"
    std::string Note;
    std::string SoundRef;      // a positive sound number or a file name; empty without a recording
    bool Flag6 = false;
    bool IsItem = false;       // asked in this exercise
    int ExampleId = 0;         // EntryId of the word's example sentence; 0 or below: none
};

// The word list the vocabulary trainer works on. Entry index i (1-based) is Entries[i - 1].
struct VocabStore {
    std::vector<VocabEntry> Entries;
    std::vector<int> ItemIds;      // EntryId of each item, in file order
    std::vector<int> ItemEntries;  // after MapItems: the entry index of each item
    int ItemCount = 0;             // items in ItemIds, and after MapItems in ItemEntries
};

constexpr size_t kVocabEntryLimit = 5000;
constexpr int kVocabItemLimit = 300;

// The entry of one line of a word list, or nothing for a line of seven characters or fewer
// (after trimming) and for one whose EntryId is below 1. Throws ConversionError for a column
// or field that must be a number and is not.
std::optional<VocabEntry> ParseWordLine(std::string_view line);

// Reads a word list: ten header lines, then one entry per line that is not empty. Reading ends
// with the 300th item; lines beyond the 5000th entry are ignored. A ConversionError names the
// file and line (DataLineError) and keeps what was read before it. Lines left unread or ignored
// are noted in `problems`.
void ReadWordList(LineReader& reader, VocabStore& store, Problems& problems);

// The same from a file. A missing file throws FileError with the learner's message "Brak pliku: "
// + the file's path as the system writes it.
void LoadWordList(const std::string& path, VocabStore& store, Problems& problems);

// The lowest entry index whose EntryId is `id`; -1 when none is.
int FindEntryById(const VocabStore& store, int id);

// ItemEntries from ItemIds. Items whose identifier no entry has are removed, the last items
// taking their places (the order is not kept).
void MapItems(VocabStore& store);

// The full path of an entry's recording, or empty when it has none: ProgramDir + "Nagrania\"
// + SoundRef for a sound by name, otherwise BsgramDir + "D_01\dd_012\01234.wav" for sound 1234.
std::string EntrySoundPath(const VocabStore& store, int index, const std::string& programDir,
                           const std::string& bsgramDir);

}  // namespace quillan
