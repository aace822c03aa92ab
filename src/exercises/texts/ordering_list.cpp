#include "exercises/texts/ordering_list.h"

#include <algorithm>

#include "exercises/texts/shuffle.h"
#include "platform/errors.h"
#include "text/text_utils.h"

namespace quillan {

namespace {

const std::string kNoHint;

}  // namespace

DvContent ParseOrderingList(std::string_view content, Problems& problems, const ContentPlace& place) {
    DvContent result;
    TerminatedFields fields(content, '#');
    size_t number = 0;
    while (!fields.AtEnd()) {
        const std::string_view text = fields.Next();
        const std::string name = "item " + std::to_string(++number);
        if (fields.Unterminated()) NoteProblem(problems, place, name + " is not closed by \"#\"");
        if (result.Items.size() >= static_cast<size_t>(kDvItemLimit)) {
            if (number == static_cast<size_t>(kDvItemLimit) + 1)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kDvItemLimit) + " items: " + name +
                                " and those after it are left out");
            continue;
        }
        DvItem item;
        const size_t star = text.rfind('*');
        item.Text = Trim(text.substr(0, star));
        if (star == std::string_view::npos) {
            NoteProblem(problems, place, name + " (\"" + item.Text + "\") has no \"*\" and position");
        } else {
            try {
                const std::string_view position = TrimView(text.substr(star + 1));
                if (position.empty()) throw ConversionError("'' is not a valid integer value");
                item.Row = StrToInt(position);
            } catch (const ConversionError& error) {
                NoteProblem(problems, place, name + " (\"" + item.Text + "\"): the position is no number (" + error.what() + ")");
            }
        }
        result.Items.push_back(std::move(item));
    }
    const int n = static_cast<int>(result.Items.size());
    std::vector<int> rows;
    for (const DvItem& item : result.Items) rows.push_back(item.Row);
    std::sort(rows.begin(), rows.end());
    bool permutation = true;
    for (int i = 0; i < n; ++i) permutation = permutation && rows[static_cast<size_t>(i)] == i + 1;
    if (!permutation) NoteProblem(problems, place, "the positions are not a permutation of 1.." + std::to_string(n));
    if (n < 2) NoteProblem(problems, place, "the list needs at least two items; it has " + std::to_string(n));
    return result;
}

void OrderingList::Prepare(const DvContent& content) {
    attempt_.Start();
    frame_ = FrameState();
    labels_.clear();
    for (const DvItem& item : content.Items) labels_.push_back(DvLabel{item.Text, item.Row});
    const int count = static_cast<int>(labels_.size());
    SwapShuffle(random_, count, 2 * count, [&](int a, int b) { std::swap(labels_[static_cast<size_t>(a)], labels_[static_cast<size_t>(b)]); });
    rowLabels_.clear();
    for (int i = 0; i < count; ++i) {
        labels_[static_cast<size_t>(i)].Row = i + 1;
        rowLabels_.push_back(i);
    }
    marks_.assign(labels_.size(), std::string());
}

bool OrderingList::StartDrag(int label) {
    if (attempt_.Evaluated() || label < 0 || static_cast<size_t>(label) >= labels_.size()) return false;
    attempt_.Touch();
    return true;
}

void OrderingList::Drop(int label, int row) {
    if (attempt_.Evaluated() || label < 0 || static_cast<size_t>(label) >= labels_.size()) return;
    const int count = static_cast<int>(labels_.size());
    if (row < 1 || row > count) return;
    const int from = labels_[static_cast<size_t>(label)].Row;
    auto place = [&](int l, int r) {
        labels_[static_cast<size_t>(l)].Row = r;
        rowLabels_[static_cast<size_t>(r) - 1] = l;
    };
    if (from < row)
        for (int r = from + 1; r <= row; ++r) place(rowLabels_[static_cast<size_t>(r) - 1], r - 1);
    else
        for (int r = from - 1; r >= row; --r) place(rowLabels_[static_cast<size_t>(r) - 1], r + 1);
    place(label, row);
}

int OrderingList::RowLabel(int row) const {
    if (row < 1 || static_cast<size_t>(row) > rowLabels_.size()) return -1;
    return rowLabels_[static_cast<size_t>(row) - 1];
}

const std::string& OrderingList::MarkHint(int row) const {
    if (row < 1 || static_cast<size_t>(row) > marks_.size()) return kNoHint;
    return marks_[static_cast<size_t>(row) - 1];
}

void OrderingList::Check() {
    attempt_.Touch();
    if (attempt_.Evaluated()) return;
    int right = 0;
    for (const DvLabel& l : labels_) {
        if (l.Row == l.RightRow)
            ++right;
        else
            marks_[static_cast<size_t>(l.Row) - 1] = l.Text;
    }
    const int count = static_cast<int>(labels_.size());
    const bool allRight = right == count;
    if (!allRight)
        for (size_t i = 0; i < labels_.size(); ++i) {
            DvLabel& l = labels_[i];
            if (l.RightRow < 1 || l.RightRow > count) continue;
            l.Row = l.RightRow;
            rowLabels_[static_cast<size_t>(l.Row) - 1] = static_cast<int>(i);
        }
    attempt_.Finish(right, count - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
    frame_.ScoreVisible = true;
    frame_.Percent = attempt_.Percent();
    frame_.VerdictText = allRight ? kDvAllRightText : kDvNotAllRightText;
    frame_.VerdictRed = !allRight;
}

int DvListGeometry::RowAt(int x, int y) const {
    const int dy = y - Top;
    if (dy > 1 && dy < kDvRowHeight * Rows - 1 && x > Left + 1 && x < Left + Width - 1) return dy / kDvRowHeight + 1;
    return 0;
}

}  // namespace quillan
