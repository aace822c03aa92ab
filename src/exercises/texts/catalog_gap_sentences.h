#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/catalog.h"
#include "course/sentence_sets.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/gap_board.h"

namespace quillan {

// Gap sentences from the course catalog (zdd_ exercises, kind 59, window TZdaniaDDSameForm):
// a catalog entry of the family "60" lists sentence identifiers of the drag-and-drop sentence
// table ("kurs.zdd"); the window works like the gap text (gap_text.h) and adds, for each
// sentence after the check, a flag whose hint is the record's Answer and a voice button that
// plays the sentence's recording.

constexpr int kCatalogSentenceLimit = 10;  // flags fla_1 .. fla_10, voice buttons glo_1 .. glo_10
constexpr int kCatalogGapSentencesKind = 59;
// What the window tells when an entry lists more sentences than it holds.
extern const char* const kTooManyCatalogSentences;  // "Za duzo przykładów w cwiczeniu!!!"

struct CatalogSentence {
    std::string Id;        // the identifier as listed; it names the recording
    std::string Text;      // the record's Sentence; empty when no record has the identifier
    std::string FlagHint;  // the record's Answer
    bool Found = false;
};

struct CatalogGapContent {
    std::vector<CatalogSentence> Sentences;
    GapTokenList Tokens;
    bool TooMany = false;  // the entry listed more than kCatalogSentenceLimit identifiers
};

// The identifiers of a catalog entry's Line4, each followed by "=", up to the limit (more are
// noted and left out; a last one without "=" is taken and noted).
std::vector<std::string> CatalogSentenceIds(std::string_view line4, Problems& problems, const ContentPlace& place,
                                            bool* tooMany = nullptr);

// A space after every ">" that stands right before ".", ",", "!", "?" or ";", so that such a
// mark after a gap is a word of its own.
std::string SeparateMarksAfterGaps(std::string_view sentence);

// Builds the exercise of catalog entry `entry`: the sentences looked up in `table` (the last
// record with the identifier counts), then the tokens "[FLA=i]", "[GLO=i]", the sentence's words,
// "@" and "#" for each. Faults are noted at `place`: an identifier in no record, more than ten
// identifiers, fewer than two gaps or more than the window holds, a gap word without ">".
CatalogGapContent BuildCatalogGapSentences(const CatalogEntry& entry, const DragDropSentences& table, Problems& problems,
                                           const ContentPlace& place = {});

// Whether a catalog entry is a gap-sentence exercise (family "60" in characters 5-6 of its code).
bool IsCatalogGapSentences(const CatalogEntry& entry);

class CatalogGapSentences {
public:
    explicit CatalogGapSentences(Random& random) : random_(random) {}

    // PrepareExercise: a fresh attempt, every label at home in its shuffled slot.
    void Prepare(const CatalogGapContent& content);
    bool StartDrag(int label);
    void DropOnGap(int label, int gap);
    void SendHome(int label);
    // btn_wyniki: marks every gap; the labels hide, the flags and voice buttons show.
    void Check();

    const GapBoard& Board() const { return board_; }
    const std::vector<CatalogSentence>& Sentences() const { return sentences_; }
    bool LabelsVisible() const { return !attempt_.Evaluated(); }
    bool IconsVisible() const { return attempt_.Evaluated(); }  // fla_i and glo_i
    // The number of sentence i (0-based) for its recording; 0 when its identifier is no number.
    int SentenceNumber(int sentence) const;
    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    // The result handed over: kind 59, key 0 (the report itself is as for the text exercises).
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    Random& random_;
    std::vector<CatalogSentence> sentences_;
    GapBoard board_;
    Attempt attempt_;
    FrameState frame_;
};

}  // namespace quillan
