#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "platform/random.h"

namespace quillan {

// Drag-and-drop table (type code "DD", kind 42, window TC_DDForm): a table of columns with
// headings and a bank of words; each word dragged into a column drops into its first free row.
// The check sends wrong words back and then puts every word into its right column; the cells
// that had to be corrected show a "!" whose hint tells what had been there.
//
// Content: fields ended by "#": the number of columns, the number of rows, the column headings;
// then the words, each written text "*" column and one separator character (the column as one
// digit, 1-based; the separator is "#" as a rule, but any character does, and the last word
// may go without it). The words end where the rest is blank.

constexpr int kDdColumnLimit = 8;
constexpr int kDdRowLimit = 19;
constexpr int kDdWordLimit = 40;  // labels lbl_1 .. lbl_40
constexpr int kDdAllRightText = 68, kDdNotAllRightText = 69;  // lbl_komentarz verdicts

struct DdWord {
    std::string Text;  // trimmed
    int Column = 0;    // 1-based; 0 when the content gives no usable column
};

struct DdContent {
    std::vector<std::string> Columns;  // the headings
    int Rows = 0;
    std::vector<DdWord> Words;
};

// Reads the content (the type line without "DD#"); faults are noted in `problems` at `place`:
// a count that is no number, a count or heading not closed by "#", more columns, rows or words
// than the window holds (the first are kept), a word without "*", a word whose column is not a
// digit or out of range, a column written with two digits (the second is taken for the
// separator), a word holding "#" (a separator out of place), a column holding more words than
// the table has rows, fewer than two words.
DdContent ParseDragDropTable(std::string_view content, Problems& problems, const ContentPlace& place = {});

// Word label i after the shuffle.
struct DdLabel {
    std::string Text;
    int RightColumn = 0;  // 1-based
    int Column = 0;       // the column it lies in, 1-based; 0: in the bank
    int Row = 0;          // its row there, 1-based
};

class DragDropTable {
public:
    explicit DragDropTable(Random& random) : random_(random) {}

    // PrepareExercise: a fresh attempt; every word in the bank, shuffled with twice as many
    // swaps as there are words.
    void Prepare(const DdContent& content);
    // A drag of label `label` starts: false (not accepted) after the check.
    bool StartDrag(int label);
    // The label was dropped on column `column` (1-based; 0: outside every column). It leaves its
    // cell and goes into the first empty row of that column, or back to the bank when the
    // column is full or there is none.
    void Drop(int label, int column);
    // btn_ok: wrong words leave their cells (which keep the word as hint); unless all were
    // right, every word not in its right column goes into the first empty row of that column.
    void Check();

    int ColumnCount() const { return static_cast<int>(headings_.size()); }
    int RowCount() const { return rows_; }
    const std::vector<std::string>& Headings() const { return headings_; }
    const std::vector<DdLabel>& Labels() const { return labels_; }
    // The label in row `row` of column `column` (both 1-based); -1 when the cell is empty.
    int CellLabel(int column, int row) const;
    // After the check: the "!" hint of a cell: the word that was wrongly there, or "-" for a
    // cell left empty that received a word; empty for a cell without "!".
    const std::string& CellHint(int column, int row) const;

    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    int& Cell(int column, int row) { return cells_[static_cast<size_t>((column - 1) * rows_ + row - 1)]; }
    int FirstEmptyRow(int column) const;
    void LeaveCell(int label);

    Random& random_;
    std::vector<std::string> headings_;
    int rows_ = 0;
    std::vector<DdLabel> labels_;
    std::vector<int> cells_;            // column by column
    std::vector<std::string> hints_;    // CellHint, same order
    bool dragged_ = false;              // the learner dragged since the exercise was prepared
    Attempt attempt_;
    FrameState frame_;
};

// Where the table lies and how its columns take drops.
struct DdTableGeometry {
    int Left = 0, Top = 0;  // TableLeft, TableTop
    int ColumnWidth = 0;
    int Columns = 0, Rows = 0;

    // The column (1-based) whose drop area holds the point, edges included; the area of column
    // c runs from Left + (c - 1) x ColumnWidth - 3 over ColumnWidth, and from Top down to
    // Top + 20 x (Rows + 1). 0 when no column holds it; the first one wins.
    int ColumnAt(int x, int y) const;
};

}  // namespace quillan
