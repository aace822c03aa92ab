#pragma once

#include <array>

#include "exercises/texts/drag_drop_table.h"
#include "exercises/texts/text_exercise_frame.h"

namespace quillan {

class LabelDrag;

// The drag-and-drop table: the column headings painted on PaintBox2 over the content area, the
// words (lbl_1..lbl_40) in a bank under the instruction. A word dragged onto a column drops into
// its first free row; btn_ok sends the wrong words back, then puts every word into its right
// column, and the corrected cells show a "!" whose hint tells what had been there. The score
// is the bare number in lbl_proc with the verdict in lbl_komentarz; the rest is the frame.
class TC_DDForm : public TextExerciseFrame {
    Q_OBJECT
public:
    TC_DDForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent = nullptr);
    ~TC_DDForm() override;

    DragDropTable& Exercise() { return exercise_; }
    const DdTableGeometry& Table() const { return table_; }
    ClosingReport Closing() const override { return exercise_.Closing(); }
    // Where label i waits in the bank.
    QPoint BankPos(int label) const { return bank_.at(static_cast<size_t>(label)); }
    // The place of a label in row `row` of column `column` (both 1-based).
    QPoint CellPos(int label, int column, int row) const;

    PaintBox* PaintBox2;
    std::array<QLabel*, kDdWordLimit> lbl{};  // lbl_1..lbl_40
    QLabel* lbl_tmp;                          // measures the headings and words

protected:
    void PrepareContent(const TextExercise& exercise) override;
    int InstructionWidth(int left, int width) const override;
    void ApplyLayout(const LayoutValues& layout) override;
    void CheckContent() override;
    const FrameState& Frame() const override { return exercise_.Frame(); }
    void ShowContent() override;
    void CloseContent() override;

private:
    void Paint(QPainter& painter);
    void PointerMoved(QPoint at);
    void Dropped(int label, QPoint at);
    // Every word where the exercise says it lies: in its cell or at its place in the bank.
    void PlaceLabels();

    DragDropTable exercise_;
    DdTableGeometry table_;
    std::array<QPoint, kDdWordLimit> bank_{};
    QPixmap wykrzyknik_;  // tmp_wykrzykniczek, the "!" of a corrected cell
    LabelDrag* drag_;
};

}  // namespace quillan
