#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "platform/random.h"

namespace quillan {

// Definitions (type code "DF", kind 45, window TC_DefForm): a bank of terms above a column of
// definitions; the learner drags each term into the slot beside its definition and checks.
//
// Content: entries, each written term "*" definition "#", taken as they stand.

constexpr int kDfEntryLimit = 12;  // rows of slots the window has

struct DfEntry {
    std::string Term;
    std::string Definition;
};

struct DfContent {
    std::vector<DfEntry> Entries;
};

// Reads the content (the type line without "DF#"); faults are noted in `problems` at `place`
// (an entry without "*", a last entry not closed by "#", fewer than two or more than 12
// entries).
DfContent ParseDefinitions(std::string_view content, Problems& problems, const ContentPlace& place = {});

enum class DfMark { None, Right, Wrong };  // img_i hidden, stan_ok, stan_bad

// Term label i (lbl_i) after the shuffle.
struct DfLabel {
    std::string Term;
    int Entry = 0;  // the entry (and so the slot) the term belongs to, 0-based
    int Slot = -1;  // the slot it lies in; -1: in the bank
};

// Slot s beside definition s.
struct DfSlot {
    int Label = -1;  // the label lying in it; -1: empty
    DfMark Mark = DfMark::None;
    std::string Hint;  // of a wrong mark: "Your answer: " + term, or "There was no answer"
};

class Definitions {
public:
    explicit Definitions(Random& random) : random_(random) {}

    // PrepareExercise: a fresh attempt; every term in the bank, the labels shuffled with as
    // many swaps as there are entries.
    void Prepare(const DfContent& content);
    // A drag of label `label` starts: false (not accepted) after the check.
    bool StartDrag(int label);
    // The label was dropped on slot `slot` (-1: on no slot). It goes into a slot that is empty
    // or holds it already; on a slot taken by another label, or outside every slot, it returns
    // to the bank. The slot it lay in before is emptied.
    void Drop(int label, int slot);
    // btn_sprawdz: marks every slot; unless all are right, every term moves into its own slot.
    void Check();

    const std::vector<DfEntry>& Entries() const { return entries_; }  // definition s is row s
    const std::vector<DfLabel>& Labels() const { return labels_; }
    const std::vector<DfSlot>& Slots() const { return slots_; }
    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    void TakeOut(int label);
    void PutIn(int label, int slot);

    Random& random_;
    std::vector<DfEntry> entries_;
    std::vector<DfLabel> labels_;
    std::vector<DfSlot> slots_;
    Attempt attempt_;
    FrameState frame_;
};

}  // namespace quillan
