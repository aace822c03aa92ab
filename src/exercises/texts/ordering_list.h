#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "platform/random.h"

namespace quillan {

// Ordering list (type code "DV", kind 46, window TC_DDVForm): a framed list of rows, one word
// label in each, shuffled. A label dragged to another row takes it and the labels in between
// move up or down by one row, so the list stays a permutation. The check marks every label in a
// wrong row with a "!" (its hint: the label's text) and then puts all labels in order.
//
// Content: items, each written text "*" position "#", the position being the item's right row
// (1..N); texts are trimmed.

constexpr int kDvItemLimit = 14;  // labels lbl_1 .. lbl_14
constexpr int kDvRowHeight = 25;
constexpr int kDvAllRightText = 72, kDvNotAllRightText = 73;  // lbl_komentarz verdicts

struct DvItem {
    std::string Text;
    int Row = 0;  // the right row, 1-based; 0 when the content gives no number
};

struct DvContent {
    std::vector<DvItem> Items;  // in file order
};

// Reads the content (the type line without "DV#"); faults are noted in `problems` at `place`:
// a position that is no number, positions that are not a permutation of 1..N, fewer than two
// or more than 14 items, an item without "*", a last item not closed by "#".
DvContent ParseOrderingList(std::string_view content, Problems& problems, const ContentPlace& place = {});

struct DvLabel {
    std::string Text;
    int RightRow = 0;  // 1-based
    int Row = 0;       // the row it stands in, 1-based
};

class OrderingList {
public:
    explicit OrderingList(Random& random) : random_(random) {}

    // PrepareExercise: a fresh attempt; the items shuffled with twice as many swaps as there
    // are items, label i in row i + 1.
    void Prepare(const DvContent& content);
    // A drag of label `label` starts: false (not accepted) after the check.
    bool StartDrag(int label);
    // The label was dropped on row `row` (1-based; 0: outside the list, and it goes back to its
    // place). Moving down, the labels of the rows between move up one row; moving up, they move
    // down one row.
    void Drop(int label, int row);
    // btn_ok: a "!" at the row of every label in a wrong row; then all labels to their rows.
    void Check();

    const std::vector<DvLabel>& Labels() const { return labels_; }
    int RowLabel(int row) const;  // the label standing in row `row` (1-based); -1 when none
    // After the check: the hint of the "!" at row `row` (the text of the label that stood
    // there wrongly); empty where there is no mark.
    const std::string& MarkHint(int row) const;

    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    Random& random_;
    std::vector<DvLabel> labels_;
    std::vector<int> rowLabels_;  // row r + 1 holds label rowLabels_[r]
    std::vector<std::string> marks_;
    Attempt attempt_;
    FrameState frame_;
};

// Where the list lies and which row takes a drop.
struct DvListGeometry {
    int Left = 0, Top = 0, Width = 0;  // ListLeft, ListTop, ListWidth
    int Rows = 0;

    // The row (1-based) for a drop at window point (x, y): inside the frame (1 < y - Top <
    // 25 x Rows - 1 and Left + 1 < x < Left + Width - 1) the row (y - Top) div 25 + 1, else 0.
    int RowAt(int x, int y) const;
    // The top of a label standing in row `row`.
    int LabelTop(int row) const { return Top + kDvRowHeight * (row - 1) + 5; }
};

}  // namespace quillan
