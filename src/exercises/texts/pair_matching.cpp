#include "exercises/texts/pair_matching.h"

#include "exercises/texts/shuffle.h"

namespace quillan {

HhContent ParsePairMatching(std::string_view content, Problems& problems, const ContentPlace& place) {
    HhContent result;
    TerminatedFields fields(content, '#');
    size_t number = 0;
    while (!fields.AtEnd()) {
        const std::string_view text = fields.Next();
        const std::string name = "pair " + std::to_string(++number);
        if (fields.Unterminated()) NoteProblem(problems, place, name + " is not closed by \"#\"");
        if (result.Pairs.size() >= static_cast<size_t>(kHhPairLimit)) {
            if (number == static_cast<size_t>(kHhPairLimit) + 1)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kHhPairLimit) + " pairs: " + name +
                                " and those after it are left out");
            continue;
        }
        HhPair pair;
        const size_t star = text.find('*');
        if (star == std::string_view::npos) {
            NoteProblem(problems, place, name + " has no \"*\" between its two words");
            pair.Left = std::string(text);
        } else {
            pair.Left = std::string(text.substr(0, star));
            pair.Right = std::string(text.substr(star + 1));
        }
        result.Pairs.push_back(std::move(pair));
    }
    if (result.Pairs.size() < 2)
        NoteProblem(problems, place, "the exercise needs at least two pairs; it has " + std::to_string(result.Pairs.size()));
    return result;
}

void PairMatching::Prepare(const HhContent& content) {
    attempt_.Start();
    frame_ = FrameState();
    pairs_ = content.Pairs;
    left_.clear();
    right_.clear();
    for (size_t p = 0; p < pairs_.size(); ++p) {
        left_.push_back(HhWord{pairs_[p].Left, static_cast<int>(p)});
        right_.push_back(HhWord{pairs_[p].Right, static_cast<int>(p)});
    }
    const int count = static_cast<int>(pairs_.size());
    for (std::vector<HhWord>* column : {&left_, &right_})
        SwapShuffle(random_, count, count, [&](int a, int b) { std::swap((*column)[static_cast<size_t>(a)], (*column)[static_cast<size_t>(b)]); });
    leftAt_.clear();
    rightAt_.clear();
    for (int i = 0; i < count; ++i) {
        left_[static_cast<size_t>(i)].Row = right_[static_cast<size_t>(i)].Row = i;
        leftAt_.push_back(i);
        rightAt_.push_back(i);
    }
    selectedLeft_ = selectedRight_ = -1;
}

bool PairMatching::Select(std::vector<HhWord>& words, int& selected, int label, int other, bool leftSide) {
    if (attempt_.Evaluated() || label < 0 || static_cast<size_t>(label) >= words.size()) return false;
    if (selected >= 0) words[static_cast<size_t>(selected)].Colour = HhColour::Black;
    selected = label;
    words[static_cast<size_t>(label)].Colour = HhColour::Red;
    lastLeft_ = leftSide;
    return other >= 0;
}

bool PairMatching::SelectLeft(int label) { return Select(left_, selectedLeft_, label, selectedRight_, true); }

bool PairMatching::SelectRight(int label) { return Select(right_, selectedRight_, label, selectedLeft_, false); }

void PairMatching::CompleteClick() {
    if (attempt_.Evaluated() || selectedLeft_ < 0 || selectedRight_ < 0) return;
    HhWord& l = left_[static_cast<size_t>(selectedLeft_)];
    HhWord& r = right_[static_cast<size_t>(selectedRight_)];
    if (l.Row != r.Row) {
        // The word selected last moves into the row of the other; the word there takes its row.
        std::vector<HhWord>& words = lastLeft_ ? left_ : right_;
        std::vector<int>& at = lastLeft_ ? leftAt_ : rightAt_;
        const int moving = lastLeft_ ? selectedLeft_ : selectedRight_;
        const int target = lastLeft_ ? r.Row : l.Row;
        const int from = words[static_cast<size_t>(moving)].Row;
        const int displaced = at[static_cast<size_t>(target)];
        words[static_cast<size_t>(displaced)].Row = from;
        at[static_cast<size_t>(from)] = displaced;
        words[static_cast<size_t>(moving)].Row = target;
        at[static_cast<size_t>(target)] = moving;
        attempt_.Touch();
    }
    l.Colour = r.Colour = HhColour::Black;
    selectedLeft_ = selectedRight_ = -1;
}

void PairMatching::ClickLeft(int label) {
    if (SelectLeft(label)) CompleteClick();
}

void PairMatching::ClickRight(int label) {
    if (SelectRight(label)) CompleteClick();
}

bool PairMatching::RowRight(int row) const {
    if (row < 0 || static_cast<size_t>(row) >= leftAt_.size()) return false;
    return left_[static_cast<size_t>(LeftAt(row))].Pair == right_[static_cast<size_t>(RightAt(row))].Pair;
}

void PairMatching::Check() {
    attempt_.Touch();
    if (attempt_.Evaluated()) return;
    selectedLeft_ = selectedRight_ = -1;
    const int count = static_cast<int>(leftAt_.size());
    int right = 0;
    for (int row = 0; row < count; ++row) right += RowRight(row) ? 1 : 0;
    if (right < count)
        for (int row = 0; row < count; ++row) {
            HhWord& l = left_[static_cast<size_t>(LeftAt(row))];
            HhWord& r = right_[static_cast<size_t>(RightAt(row))];
            if (RowRight(row)) {
                l.Colour = r.Colour = HhColour::Green;
                continue;
            }
            // The right partner of the row's left word: the last pair with that left word.
            for (const HhPair& pair : pairs_)
                if (pair.Left == l.Text) r.Text = pair.Right;
            l.Colour = r.Colour = HhColour::Red;
        }
    else
        for (std::vector<HhWord>* w : {&left_, &right_})
            for (HhWord& word : *w) word.Colour = HhColour::Black;
    attempt_.Finish(right, count - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
}

}  // namespace quillan
