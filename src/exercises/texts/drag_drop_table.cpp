#include "exercises/texts/drag_drop_table.h"

#include <algorithm>

#include "exercises/texts/shuffle.h"
#include "platform/errors.h"
#include "text/text_utils.h"

namespace quillan {

namespace {

const std::string kNoHint;

// A count field: its number, or 0 with a problem.
int CountField(std::string_view field, const char* what, Problems& problems, const ContentPlace& place) {
    try {
        if (TrimView(field).empty()) throw ConversionError("'' is not a valid integer value");
        return StrToInt(TrimView(field));
    } catch (const ConversionError& error) {
        NoteProblem(problems, place, std::string("the number of ") + what + " is no number (" + error.what() + ")");
        return 0;
    }
}

}  // namespace

DdContent ParseDragDropTable(std::string_view content, Problems& problems, const ContentPlace& place) {
    DdContent result;
    TerminatedFields fields(content, '#');
    bool unclosed = false;
    auto next = [&] {
        const std::string_view field = fields.Next();
        unclosed = unclosed || fields.Unterminated();
        return field;
    };
    int columns = CountField(next(), "columns", problems, place);
    int rows = CountField(next(), "rows", problems, place);
    if (columns < 0) columns = 0;
    if (rows < 0) rows = 0;
    for (int c = 0; c < columns && !fields.AtEnd(); ++c) result.Columns.emplace_back(next());
    if (static_cast<int>(result.Columns.size()) < columns)
        NoteProblem(problems, place,
                    "the content has " + std::to_string(result.Columns.size()) + " of the " + std::to_string(columns) +
                        " column headings");
    if (columns > kDdColumnLimit) {
        NoteProblem(problems, place,
                    "the table holds " + std::to_string(kDdColumnLimit) + " columns; " + std::to_string(columns) +
                        " are given and the first " + std::to_string(kDdColumnLimit) + " kept");
        if (result.Columns.size() > static_cast<size_t>(kDdColumnLimit)) result.Columns.resize(kDdColumnLimit);
    }
    if (rows > kDdRowLimit) {
        NoteProblem(problems, place,
                    "the table holds " + std::to_string(kDdRowLimit) + " rows; " + std::to_string(rows) + " are given");
        rows = kDdRowLimit;
    }
    if (unclosed) NoteProblem(problems, place, "the counts and headings are not each closed by \"#\"");
    result.Rows = rows;
    const int columnCount = static_cast<int>(result.Columns.size());

    // The words: text "*", the column digit, and one separator character of any kind ("#" as a
    // rule, a ";" does as well); the last word may end the line without its separator.
    std::vector<int> perColumn(static_cast<size_t>(columnCount) + 1, 0);
    size_t number = 0;
    for (std::string_view rest = fields.Rest(); !TrimView(rest).empty();) {
        const std::string name = "word " + std::to_string(++number);
        const size_t star = rest.find('*');
        DdWord word;
        word.Text = Trim(rest.substr(0, star));
        if (star == std::string_view::npos) {
            NoteProblem(problems, place, name + " (\"" + word.Text + "\") has no \"*\" and column");
            break;
        }
        rest.remove_prefix(star + 1);
        const char column = rest.empty() ? '\0' : rest[0];
        const char separator = rest.size() < 2 ? '#' : rest[1];
        rest.remove_prefix(std::min<size_t>(rest.size(), 2));
        if (result.Words.size() >= static_cast<size_t>(kDdWordLimit)) {
            if (number == static_cast<size_t>(kDdWordLimit) + 1)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kDdWordLimit) + " words: " + name +
                                " and those after it are left out");
            continue;
        }
        if (word.Text.find('#') != std::string::npos)
            NoteProblem(problems, place, name + " (\"" + word.Text + "\") holds a \"#\": a separator is out of place");
        if (column < '0' || column > '9') {
            NoteProblem(problems, place,
                        name + " (\"" + word.Text + "\"): its column \"" + std::string(column ? 1 : 0, column) + "\" is not a digit");
        } else if (column - '0' < 1 || column - '0' > columnCount) {
            NoteProblem(problems, place,
                        name + " (\"" + word.Text + "\"): column " + std::string(1, column) + " is not one of the " +
                            std::to_string(columnCount) + " columns");
        } else {
            word.Column = column - '0';
            ++perColumn[static_cast<size_t>(word.Column)];
        }
        if (column >= '0' && column <= '9' && separator >= '0' && separator <= '9')
            NoteProblem(problems, place,
                        name + " (\"" + word.Text + "\"): its column \"" + std::string{column, separator} +
                            "\" has two digits; the first is the column and the second taken for the separator");
        result.Words.push_back(std::move(word));
    }
    for (int c = 1; c <= columnCount; ++c)
        if (perColumn[static_cast<size_t>(c)] > rows)
            NoteProblem(problems, place,
                        "column " + std::to_string(c) + " has " + std::to_string(perColumn[static_cast<size_t>(c)]) +
                            " words but the table has " + std::to_string(rows) + " rows");
    if (result.Words.size() < 2)
        NoteProblem(problems, place, "the exercise needs at least two words; it has " + std::to_string(result.Words.size()));
    return result;
}

void DragDropTable::Prepare(const DdContent& content) {
    attempt_.Start();
    frame_ = FrameState();
    headings_ = content.Columns;
    rows_ = content.Rows;
    labels_.clear();
    for (const DdWord& word : content.Words) labels_.push_back(DdLabel{word.Text, word.Column});
    cells_.assign(headings_.size() * static_cast<size_t>(rows_), -1);
    hints_.assign(cells_.size(), std::string());
    dragged_ = false;
    const int count = static_cast<int>(labels_.size());
    SwapShuffle(random_, count, 2 * count, [&](int a, int b) { std::swap(labels_[static_cast<size_t>(a)], labels_[static_cast<size_t>(b)]); });
}

int DragDropTable::CellLabel(int column, int row) const {
    if (column < 1 || column > ColumnCount() || row < 1 || row > rows_) return -1;
    return cells_[static_cast<size_t>((column - 1) * rows_ + row - 1)];
}

const std::string& DragDropTable::CellHint(int column, int row) const {
    if (column < 1 || column > ColumnCount() || row < 1 || row > rows_) return kNoHint;
    return hints_[static_cast<size_t>((column - 1) * rows_ + row - 1)];
}

int DragDropTable::FirstEmptyRow(int column) const {
    for (int row = 1; row <= rows_; ++row)
        if (CellLabel(column, row) < 0) return row;
    return 0;
}

void DragDropTable::LeaveCell(int label) {
    DdLabel& l = labels_[static_cast<size_t>(label)];
    if (l.Column > 0) Cell(l.Column, l.Row) = -1;
    l.Column = l.Row = 0;
}

bool DragDropTable::StartDrag(int label) {
    if (attempt_.Evaluated() || label < 0 || static_cast<size_t>(label) >= labels_.size()) return false;
    attempt_.Touch();
    dragged_ = true;
    return true;
}

void DragDropTable::Drop(int label, int column) {
    if (attempt_.Evaluated() || label < 0 || static_cast<size_t>(label) >= labels_.size()) return;
    LeaveCell(label);
    if (column < 1 || column > ColumnCount()) return;
    const int row = FirstEmptyRow(column);
    if (row == 0) return;
    DdLabel& l = labels_[static_cast<size_t>(label)];
    l.Column = column;
    l.Row = row;
    Cell(column, row) = label;
}

void DragDropTable::Check() {
    attempt_.Touch();
    if (attempt_.Evaluated()) return;
    const std::vector<int> atCheck = cells_;
    int right = 0;
    for (size_t i = 0; i < labels_.size(); ++i) {
        DdLabel& l = labels_[i];
        if (l.Column != 0 && l.Column == l.RightColumn && dragged_) {
            ++right;
        } else if (l.Column != 0) {
            hints_[static_cast<size_t>((l.Column - 1) * rows_ + l.Row - 1)] = l.Text;
            LeaveCell(static_cast<int>(i));
        }
    }
    const int count = static_cast<int>(labels_.size());
    const bool allRight = right == count;
    if (!allRight)
        for (size_t i = 0; i < labels_.size(); ++i) {
            DdLabel& l = labels_[i];
            if (l.Column != 0 && l.Column == l.RightColumn) continue;
            if (l.RightColumn < 1 || l.RightColumn > ColumnCount()) continue;
            const int row = FirstEmptyRow(l.RightColumn);
            if (row == 0) continue;
            l.Column = l.RightColumn;
            l.Row = row;
            Cell(l.Column, row) = static_cast<int>(i);
            const size_t cell = static_cast<size_t>((l.Column - 1) * rows_ + row - 1);
            if (atCheck[cell] < 0) hints_[cell] = "-";
        }
    attempt_.Finish(right, count - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
    frame_.ScoreVisible = true;
    frame_.Percent = attempt_.Percent();
    frame_.VerdictText = allRight ? kDdAllRightText : kDdNotAllRightText;
    frame_.VerdictRed = !allRight;
}

int DdTableGeometry::ColumnAt(int x, int y) const {
    if (y < Top || y > Top + 20 * (Rows + 1)) return 0;
    for (int c = 1; c <= Columns; ++c) {
        const int left = Left + (c - 1) * ColumnWidth - 3;
        if (x >= left && x <= left + ColumnWidth) return c;
    }
    return 0;
}

}  // namespace quillan
