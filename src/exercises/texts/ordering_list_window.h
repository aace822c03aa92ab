#pragma once

#include <array>

#include "exercises/texts/ordering_list.h"
#include "exercises/texts/text_exercise_frame.h"

namespace quillan {

class LabelDrag;

// The ordering list: a framed list painted on PaintBox2, one word label (lbl_1..lbl_14) in each
// row, shuffled. A label dragged to another row takes it, the labels in between moving up or
// down by one row; btn_ok puts a "!" (img_1..img_14, its hint the label's text) at every row
// whose label stood wrong and then puts all labels in order. The score is the bare number in
// lbl_proc with the verdict in lbl_komentarz; the rest is the frame.
class TC_DDVForm : public TextExerciseFrame {
    Q_OBJECT
public:
    TC_DDVForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent = nullptr);
    ~TC_DDVForm() override;

    OrderingList& Exercise() { return exercise_; }
    const DvListGeometry& List() const { return list_; }
    ClosingReport Closing() const override { return exercise_.Closing(); }

    PaintBox* PaintBox2;
    std::array<QLabel*, kDvItemLimit> lbl{};  // lbl_1..lbl_14
    std::array<QLabel*, kDvItemLimit> img{};  // the "!" marks, one per row
    QLabel* lbl_tmp;                          // measures the items

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
    void Dropped(int label, QPoint at);
    // Every label in its row, centred in the list.
    void PlaceLabels();

    OrderingList exercise_;
    DvListGeometry list_;
    QPixmap wykrzyknik_;  // tmp_wykrzykniczek
    LabelDrag* drag_;
};

}  // namespace quillan
