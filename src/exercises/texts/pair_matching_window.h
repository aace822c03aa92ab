#pragma once

#include <array>

#include "exercises/texts/pair_matching.h"
#include "exercises/texts/text_exercise_frame.h"

class QFrame;

namespace quillan {

// Exercise H: two columns of words in framed boxes joined by a short line, each column
// shuffled on its own. A click on a word of one column and then on a word of the other moves
// the second word into the row of the first; btn_ok judges the rows and, unless all are right,
// turns the right rows green and shows the right partner in red in the wrong ones. The window
// keeps its design places (no layout values) and has no gauge, glossary, help or dictionary
// button; the rest is the frame.
class TC_HForm : public TextExerciseFrame {
    Q_OBJECT
public:
    TC_HForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent = nullptr);
    ~TC_HForm() override;

    PairMatching& Exercise() { return exercise_; }
    ClosingReport Closing() const override { return exercise_.Closing(); }

    std::array<QLabel*, kHhPairLimit> lbl_L{};   // the left words
    std::array<QLabel*, kHhPairLimit> lbl_P{};   // the right words
    std::array<QFrame*, kHhPairLimit> Shape{};   // the lines joining a row's boxes
    std::array<QFrame*, 2 * kHhPairLimit> shp{};  // shp_1..shp_14 the left boxes, shp_15..shp_28 the right

protected:
    void PrepareContent(const TextExercise& exercise) override;
    int InstructionWidth(int left, int width) const override;
    void ApplyLayout(const LayoutValues& layout) override;
    void CheckContent() override;
    const FrameState& Frame() const override { return exercise_.Frame(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Clicked(bool left, int label);
    // Every word in its row, in its colour, with its text.
    void ShowWords();

    PairMatching exercise_;
    int leftX_ = 0, rightX_ = 0;  // the columns' left edges
};

}  // namespace quillan
