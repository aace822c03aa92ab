#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "platform/random.h"

namespace quillan {

// Pair matching, exercise H (type code "HH", kind 43, window TC_HForm): two columns of words,
// each shuffled on its own. A click on a word of one column and then on a word of the other
// moves the second word into the row of the first, swapping it with the word that stood there.
// The check judges each row; unless all are right, right rows turn green and wrong rows show
// the right partner in red. The window has no gauge.
//
// Content: pairs, each written left "*" right "#", taken as they stand.

constexpr int kHhPairLimit = 14;  // rows of the window

struct HhPair {
    std::string Left;
    std::string Right;
};

struct HhContent {
    std::vector<HhPair> Pairs;
};

// Reads the content (the type line without "HH#"); faults are noted in `problems` at `place`
// (a pair without "*", fewer than two or more than 14 pairs, a last pair not closed by "#").
HhContent ParsePairMatching(std::string_view content, Problems& problems, const ContentPlace& place = {});

enum class HhColour { Black, Red, Green };

// A word label of either column.
struct HhWord {
    std::string Text;
    int Pair = 0;  // the pair it comes from, 0-based
    int Row = 0;   // the row it stands in, 0-based
    HhColour Colour = HhColour::Black;
};

class PairMatching {
public:
    explicit PairMatching(Random& random) : random_(random) {}

    // PrepareExercise: a fresh attempt; each column shuffled on its own with as many swaps as
    // there are pairs; label i in row i.
    void Prepare(const HhContent& content);

    // A click on a word: the first step selects it (it turns red and the window shows it for
    // 100 ms); true when a word of the other column was selected before, and CompleteClick
    // must follow. Ignored after the check.
    bool SelectLeft(int label);
    bool SelectRight(int label);
    // The second step: when both columns have a selected word in different rows, the word
    // selected last moves into the row of the other, swapping with the word that stood there;
    // both selections are cleared and the words turn black.
    void CompleteClick();
    // Both steps of a click.
    void ClickLeft(int label);
    void ClickRight(int label);

    // btn_ok: judges every row and colours the words.
    void Check();

    const std::vector<HhWord>& LeftWords() const { return left_; }
    const std::vector<HhWord>& RightWords() const { return right_; }
    int LeftAt(int row) const { return leftAt_.at(static_cast<size_t>(row)); }
    int RightAt(int row) const { return rightAt_.at(static_cast<size_t>(row)); }
    int SelectedLeft() const { return selectedLeft_; }    // -1: none
    int SelectedRight() const { return selectedRight_; }  // -1: none
    bool RowRight(int row) const;

    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    bool Select(std::vector<HhWord>& words, int& selected, int label, int other, bool leftSide);

    Random& random_;
    std::vector<HhPair> pairs_;
    std::vector<HhWord> left_, right_;
    std::vector<int> leftAt_, rightAt_;
    int selectedLeft_ = -1, selectedRight_ = -1;
    bool lastLeft_ = false;  // the word selected last is a left word
    Attempt attempt_;
    FrameState frame_;
};

}  // namespace quillan
