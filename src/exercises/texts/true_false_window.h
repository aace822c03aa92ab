#pragma once

#include <array>

#include "course/marked_text.h"
#include "exercises/texts/text_exercise_frame.h"
#include "exercises/texts/true_false.h"
#include "exercises/texts/true_false_layout.h"

namespace quillan {

// The true/false window: the table painted in pb_tresc, a box per row and column (L_i for
// "true", R_i for "false") ticked by a click, btn_ok marks every row (wyk_i). The rest is the
// frame.
class TC_TF_Form : public TextExerciseFrame {
    Q_OBJECT
public:
    TC_TF_Form(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent = nullptr);

    TrueFalse& Exercise() { return exercise_; }
    ClosingReport Closing() const override { return exercise_.Closing(); }

    PaintBox* pb_tresc;
    std::array<TMImage*, kTfStatementLimit> L{};    // L_1..L_18
    std::array<TMImage*, kTfStatementLimit> R{};    // R_1..R_18
    std::array<QLabel*, kTfStatementLimit> wyk{};   // wyk_1..wyk_18

protected:
    void PrepareContent(const TextExercise& exercise) override;
    int InstructionWidth(int left, int width) const override;
    void ApplyLayout(const LayoutValues& layout) override;
    void CheckContent() override;
    const FrameState& Frame() const override { return exercise_.Frame(); }

private:
    void Paint(QPainter& painter);
    void Tick(int row, bool left);
    // The boxes and marks as the rows' state says.
    void ShowRows();

    TrueFalse exercise_;
    TextMeasure measure_;
    TfLayout layout_;
    QPixmap img_normal, img_checked, img_bad;
};

}  // namespace quillan
