#pragma once

#include "exercises/texts/gap_text.h"
#include "exercises/texts/text_exercise_frame.h"

namespace quillan {

class GapBoardView;

// The gap text with dragged answers: the sentences painted in Pb with a question mark in every
// gap, the missing words as labels stacked at the right in random order; the learner drags
// each label onto a gap and btn_wyniki judges them (a mark at every gap, its hint telling what
// the learner had put there, and the right answers in the text). The rest is the frame.
class TZdaniaDDForm : public TextExerciseFrame {
    Q_OBJECT
public:
    TZdaniaDDForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent = nullptr);
    ~TZdaniaDDForm() override;

    GapText& Exercise() { return exercise_; }
    GapBoardView& Board() { return *board_; }
    ClosingReport Closing() const override { return exercise_.Closing(); }

protected:
    void PrepareContent(const TextExercise& exercise) override;
    int InstructionWidth(int left, int width) const override;
    void ApplyLayout(const LayoutValues& layout) override;
    void CheckContent() override;
    const FrameState& Frame() const override { return exercise_.Frame(); }
    void ShowContent() override;
    void CloseContent() override;

private:
    void Dropped(int label, QPoint at);
    void ShowBoard();

    GapText exercise_;
    GapBoardView* board_;
};

}  // namespace quillan
