#pragma once

#include "course/marked_text.h"
#include "exercises/texts/multiple_choice.h"
#include "exercises/texts/multiple_choice_layout.h"
#include "exercises/texts/text_exercise_frame.h"

namespace quillan {

// The multiple-choice window: the questions and their answers painted in pb_tresc, an answer
// ticked by a click, btn_ok marks every question. The rest is the frame.
class TC_MC_Form : public TextExerciseFrame {
    Q_OBJECT
public:
    TC_MC_Form(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent = nullptr);

    MultipleChoice& Exercise() { return exercise_; }
    // Where the answers are now, in pb_tresc's coordinates.
    McLayout Layout() const;
    ClosingReport Closing() const override { return exercise_.Closing(); }

    PaintBox* pb_tresc;

protected:
    void PrepareContent(const TextExercise& exercise) override;
    int InstructionWidth(int left, int width) const override;
    void ApplyLayout(const LayoutValues& layout) override;
    void CheckContent() override;
    const FrameState& Frame() const override { return exercise_.Frame(); }
    void Scrolled() override;

private:
    void Paint(QPainter& painter);
    void MouseMove(QPoint at);
    void MouseDown(QPoint at, Qt::MouseButton button);

    MultipleChoice exercise_;
    TextMeasure measure_;
    QPixmap img_normal, img_checked, img_bad;
};

}  // namespace quillan
