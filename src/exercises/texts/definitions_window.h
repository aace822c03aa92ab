#pragma once

#include <array>

#include "course/marked_text.h"
#include "exercises/texts/definitions.h"
#include "exercises/texts/definitions_layout.h"
#include "exercises/texts/text_exercise_frame.h"

class QFrame;

namespace quillan {

class LabelDrag;

// The definitions window: the terms (lbl_i) in a bank above the definitions painted in
// DxRamka; the learner drags each term into the slot (podkl_i) beside its definition;
// btn_sprawdz marks every slot (img_i, the wrong marks' hints telling what lay there) and,
// unless all were right, puts every term into its own slot. The rest is the frame.
class TC_DefForm : public TextExerciseFrame {
    Q_OBJECT
public:
    TC_DefForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent = nullptr);
    ~TC_DefForm() override;

    Definitions& Exercise() { return exercise_; }
    const DfScreen& Screen() const { return screen_; }
    ClosingReport Closing() const override { return exercise_.Closing(); }

    PaintBox* DxRamka;
    std::array<QLabel*, kDfEntryLimit> lbl{};    // lbl_1..lbl_12, the terms
    std::array<QLabel*, kDfEntryLimit> podkl{};  // the slots
    std::array<QFrame*, kDfEntryLimit> shp{};    // the frames around the slots
    std::array<QFrame*, kDfEntryLimit> mys{};    // the dashes to the definitions
    std::array<QLabel*, kDfEntryLimit> img{};    // the marks after the check

protected:
    void PrepareContent(const TextExercise& exercise) override;
    int InstructionWidth(int left, int width) const override;
    void ApplyLayout(const LayoutValues& layout) override;
    void CheckContent() override;
    const FrameState& Frame() const override { return exercise_.Frame(); }
    void CloseContent() override;

private:
    void Paint(QPainter& painter);
    // Every term where the exercise says it lies.
    void PlaceLabels();
    void Dropped(int label, QPoint at);

    Definitions exercise_;
    TextMeasure measure_;
    DfScreen screen_;
    LabelDrag* drag_;
};

}  // namespace quillan
