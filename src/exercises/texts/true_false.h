#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "platform/random.h"

namespace quillan {

// True/false table (type code "TF", kind 41, window TC_TF_Form): statements, each ticked in
// the left ("true") or the right ("false") column, then checked.
//
// Content: fields each ended by "#": the heading of the true column in interface languages 0,
// 1 and 2, the heading of the false column in the same three, then one statement per field.
// A statement written with "T_" in front is true (the marker is removed); statements are
// trimmed.

constexpr int kTfStatementLimit = 18;  // rows of boxes the window has
constexpr int kTfHeadingFields = 6;

struct TfStatement {
    std::string Text;
    bool True = false;
};

struct TfContent {
    std::array<std::string, 3> TrueHeading;   // by LangIndex 0, 1, 2
    std::array<std::string, 3> FalseHeading;
    std::vector<TfStatement> Statements;
};

// Reads the content (the type line without "TF#"); faults are noted in `problems` at `place`
// (missing heading fields, fewer than two or more than 18 statements, a last statement not
// closed by "#").
TfContent ParseTrueFalse(std::string_view content, Problems& problems, const ContentPlace& place = {});

// The picture a box of the table shows.
enum class TfBox { Normal, Checked, Bad };  // img_normal, img_checked, img_bad
enum class TfMark { None, Right, Wrong };   // wyk_i hidden, stan_ok, stan_bad

struct TfRow {
    std::string Statement;
    bool IsTrue = false;
    bool ChoseLeft = false;   // the learner ticked "true"
    bool ChoseRight = false;  // the learner ticked "false"
    TfBox LeftBox = TfBox::Normal;
    TfBox RightBox = TfBox::Normal;
    TfMark Mark = TfMark::None;
};

class TrueFalse {
public:
    explicit TrueFalse(Random& random) : random_(random) {}

    // PrepareExercise: a fresh attempt; the headings of interface language `langIndex` (0, 1 or
    // 2; any other takes 0); the rows shuffled with as many swaps as there are statements.
    void Prepare(const TfContent& content, int langIndex);
    // A click on the left (true) or right (false) box of row `row` (0-based); ignored after the
    // check.
    void Tick(int row, bool left);
    // btn_ok: marks every row; the box of the right answer ends up ticked.
    void Check();

    const std::string& HeadingLeft() const { return headingLeft_; }
    const std::string& HeadingRight() const { return headingRight_; }
    const std::vector<TfRow>& Rows() const { return rows_; }
    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    Random& random_;
    std::string headingLeft_, headingRight_;
    std::vector<TfRow> rows_;
    Attempt attempt_;
    FrameState frame_;
};

}  // namespace quillan
