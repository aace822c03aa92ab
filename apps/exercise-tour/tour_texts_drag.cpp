// The text exercises worked by dragging and pairing words: the words of the drag-and-drop
// table dragged into columns, the rows of the ordering list put in order by dragging, the words
// of exercise H paired by two clicks, the labels of the gap text dragged onto the gaps; and the
// catalog's gap sentences ("zdd_"), opened from the chart, worked the same way, checked and
// pictured, one recording played.

#include "tour_texts_drag.h"

#include <QLabel>
#include <iostream>

#include "chart/chart_tree.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "exercises/exercise_windows.h"
#include "exercises/texts/catalog_gap_window.h"
#include "exercises/texts/drag_drop_table_window.h"
#include "exercises/texts/gap_board_view.h"
#include "exercises/texts/gap_text_window.h"
#include "exercises/texts/ordering_list_window.h"
#include "exercises/texts/pair_matching_window.h"
#include "exercises/texts/paint_box.h"

namespace quillan::tour {
namespace {

QPoint CentreOf(const QWidget& control) { return control.mapTo(control.window(), control.rect().center()); }

// Right: every word into its column; first: every word into the first column (those that find
// it full go back to the bank).
void WorkTable(Tour& tour, TC_DDForm& form) {
    const DdTableGeometry& table = form.Table();
    const auto& labels = form.Exercise().Labels();
    for (size_t i = 0; i < labels.size(); ++i) {
        const int column = tour.Right() ? labels[i].RightColumn : 1;
        const QPoint to(table.Left + (column - 1) * table.ColumnWidth + table.ColumnWidth / 2 - 3, table.Top + 30);
        Drag(form, CentreOf(*form.lbl[i]), form, to);
    }
}

// Right: row by row from the top, the label that belongs there dragged onto it; first: every
// label in turn dragged onto the first row.
void WorkOrdering(Tour& tour, TC_DDVForm& form) {
    const DvListGeometry& list = form.List();
    const auto& labels = form.Exercise().Labels();
    auto rowPoint = [&](int row) { return QPoint(list.Left + list.Width / 2, list.Top + kDvRowHeight * (row - 1) + 12); };
    for (size_t n = 0; n < labels.size(); ++n) {
        size_t label = n;
        if (tour.Right())
            for (size_t i = 0; i < labels.size(); ++i)
                if (labels[i].RightRow == static_cast<int>(n) + 1) label = i;
        const int row = tour.Right() ? static_cast<int>(n) + 1 : 1;
        Drag(form, CentreOf(*form.lbl[label]), form, rowPoint(row));
    }
}

// Right: for every row the left word is clicked, then its partner, which moves into the row;
// first: the right word of the first row is brought to every row in turn.
void WorkPairs(Tour& tour, TC_HForm& form) {
    PairMatching& exercise = form.Exercise();
    const int rows = static_cast<int>(exercise.LeftWords().size());
    for (int row = 0; row < rows; ++row) {
        const int left = exercise.LeftAt(row);
        int right = exercise.RightAt(0);
        if (tour.Right())
            for (size_t i = 0; i < exercise.RightWords().size(); ++i)
                if (exercise.RightWords()[i].Pair == exercise.LeftWords()[static_cast<size_t>(left)].Pair) right = static_cast<int>(i);
        Click(form, CentreOf(*form.lbl_L[static_cast<size_t>(left)]));
        Click(form, CentreOf(*form.lbl_P[static_cast<size_t>(right)]));
    }
}

// Right: label g (it carries gap g's word) onto gap g; first: the labels from the top of their
// stack down, onto the gaps in order.
void WorkGaps(Tour& tour, QWidget& window, GapBoardView& view, const GapBoard& board) {
    const int count = board.GapCount();
    std::vector<int> order;
    for (int slot = 1; slot <= count; ++slot)
        for (int g = 0; g < count; ++g)
            if (board.Labels()[static_cast<size_t>(g)].Slot == slot) order.push_back(g);
    for (int gap = 0; gap < count; ++gap) {
        const int label = tour.Right() ? gap : order[static_cast<size_t>(gap)];
        const GapRect area = view.DropAreas()[static_cast<size_t>(gap)];
        const QPoint to = view.Pb->pos() + QPoint(area.X + area.W / 2, area.Y + area.H / 2);
        Drag(window, CentreOf(*view.lbl[static_cast<size_t>(label)]), window, to);
    }
}

void TourCatalogGaps(Tour& tour, const ChartNode&, const std::string& name) {
    TZdaniaDDSameForm& form = tour.windows.CatalogGapWindow();
    if (!form.isVisible()) {
        std::cout << "error: the window of " << name << " did not open\n";
        return;
    }
    Settle(100);
    tour.Save(form, name + "_open");
    WorkGaps(tour, form, form.Board(), form.Exercise().Board());
    tour.Save(form, name + "_before");
    Click(form, CentreOf(*form.btn_wyniki));
    const ClosingReport report = form.Closing();
    std::cout << "checked: " << report.Percent << "%" << (report.Completed ? " completed" : "") << "\n";
    if (form.glo[0]->isVisible()) Click(form, CentreOf(*form.glo[0]));
    tour.Save(form, name + "_after");
    Click(form, CentreOf(*form.btn_exit));
    if (form.isVisible()) std::cout << "error: " << name << " did not close\n";
}

const FamilyRegistration registration("zdd_", TourCatalogGaps);

}  // namespace

bool WorkDraggedText(Tour& tour, TextExerciseFrame& frame) {
    if (auto* dd = dynamic_cast<TC_DDForm*>(&frame))
        WorkTable(tour, *dd);
    else if (auto* dv = dynamic_cast<TC_DDVForm*>(&frame))
        WorkOrdering(tour, *dv);
    else if (auto* hh = dynamic_cast<TC_HForm*>(&frame))
        WorkPairs(tour, *hh);
    else if (auto* zdd = dynamic_cast<TZdaniaDDForm*>(&frame))
        WorkGaps(tour, *zdd, zdd->Board(), zdd->Exercise().Board());
    else
        return false;
    return true;
}

}  // namespace quillan::tour
