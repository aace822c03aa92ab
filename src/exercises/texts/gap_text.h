#pragma once

#include <string_view>

#include "exercises/texts/attempt.h"
#include "exercises/texts/gap_board.h"

namespace quillan {

// Gap text with dragged answers (type code "ZDD", kind 47, window TZdaniaDDForm): sentences
// with gaps shown as a question mark, and the missing words as labels stacked at the right in
// random order; the learner drags each label onto a gap and checks.
//
// Content: sentences, each ended by "="; words as described in gap_board.h, and "[PL]",
// "[/PL]" (any letter case) switch italic on and off.

constexpr int kGapTextSentenceLimit = 20;

// Reads the content (the type line without "ZDD#"); faults are noted in `problems` at `place`:
// a gap word without ">", fewer than two gaps, more sentences, words or gaps than the window
// holds (the first are kept), a last sentence not closed by "=".
GapTokenList ParseGapText(std::string_view content, Problems& problems, const ContentPlace& place = {});

// The window's attempt on a gap text.
class GapText {
public:
    explicit GapText(Random& random) : random_(random) {}

    // PrepareExercise: a fresh attempt, every label at home in its shuffled slot.
    void Prepare(const GapTokenList& list);
    // A drag of label `label` starts: false after the check (the labels are hidden then).
    bool StartDrag(int label);
    // Drops (see GapBoard); ignored after the check.
    void DropOnGap(int label, int gap);
    void SendHome(int label);
    // btn_wyniki: marks every gap; the labels hide and the gaps show their answers.
    void Check();

    const GapBoard& Board() const { return board_; }
    bool LabelsVisible() const { return !attempt_.Evaluated(); }
    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    Random& random_;
    GapBoard board_;
    Attempt attempt_;
    FrameState frame_;
};

}  // namespace quillan
