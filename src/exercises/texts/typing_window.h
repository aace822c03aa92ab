#pragma once

#include "course/marked_text.h"
#include "exercises/texts/text_exercise_frame.h"
#include "exercises/texts/typing_gaps.h"
#include "exercises/texts/typing_layout.h"

class QLineEdit;

namespace quillan {

// The typing window: the text painted in DXRamka, a gap opened by a click (or by Tab and Enter
// from the gap before) in the edit box Edit1 laid over it, btn_sprawdz judges every gap and
// the marks' hints tell what the learner had typed; btn_print prints the text with the
// answers. The rest is the frame.
class TCW_Wpisywanie1Form : public TextExerciseFrame {
    Q_OBJECT
public:
    TCW_Wpisywanie1Form(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent = nullptr);

    TypingGaps& Exercise() { return exercise_; }
    // Where the items are now, in DXRamka's coordinates.
    const TypingLayout& Layout() const { return layout_; }
    ClosingReport Closing() const override { return exercise_.Closing(); }

    // Opens gap `gap` (0-based) in Edit1, as a click on it does.
    void OpenGap(int gap);

    PaintBox* DXRamka;
    QLineEdit* Edit1;
    TTransparentButton* btn_print;

protected:
    void PrepareContent(const TextExercise& exercise) override;
    int InstructionWidth(int left, int width) const override;
    void ApplyLayout(const LayoutValues& layout) override;
    void CheckContent() override;
    const FrameState& Frame() const override { return exercise_.Frame(); }
    void ShowContent() override;
    void CloseContent() override;
    void Scrolled() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Paint(QPainter& painter);
    void MouseMove(QPoint at);
    void MouseDown(QPoint at, Qt::MouseButton button);
    // Stores the open gap's text (trimmed) and hides Edit1.
    void CloseGap();
    bool EditKey(QKeyEvent* event);
    void Print();
    // Lays the text out again after the items, the scrolling or the box changed, and repaints.
    void Relayout();

    TypingGaps exercise_;
    TextMeasure measure_;
    TypingLayout layout_;
};

}  // namespace quillan
