#include "exercises/texts/true_false.h"

#include "exercises/texts/shuffle.h"
#include "text/text_utils.h"

namespace quillan {

TfContent ParseTrueFalse(std::string_view content, Problems& problems, const ContentPlace& place) {
    TfContent result;
    TerminatedFields fields(content, '#');
    for (int i = 0; i < kTfHeadingFields; ++i) {
        if (fields.AtEnd()) {
            NoteProblem(problems, place,
                        "the content has " + std::to_string(i) + " of the " + std::to_string(kTfHeadingFields) +
                            " heading fields");
            return result;
        }
        std::string_view heading = fields.Next();
        if (fields.Unterminated()) NoteProblem(problems, place, "the headings are not closed by \"#\"");
        (i < 3 ? result.TrueHeading[static_cast<size_t>(i)] : result.FalseHeading[static_cast<size_t>(i - 3)]) = heading;
    }
    size_t number = 0;
    while (!fields.AtEnd()) {
        const std::string_view text = fields.Next();
        ++number;
        if (fields.Unterminated()) NoteProblem(problems, place, "statement " + std::to_string(number) + " is not closed by \"#\"");
        if (result.Statements.size() >= static_cast<size_t>(kTfStatementLimit)) {
            if (number == static_cast<size_t>(kTfStatementLimit) + 1)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kTfStatementLimit) + " statements: statement " +
                                std::to_string(number) + " and those after it are left out");
            continue;
        }
        TfStatement statement;
        statement.True = text.substr(0, 2) == "T_";
        statement.Text = Trim(statement.True ? text.substr(2) : text);
        result.Statements.push_back(std::move(statement));
    }
    if (result.Statements.size() < 2)
        NoteProblem(problems, place,
                    "the table needs at least two statements; it has " + std::to_string(result.Statements.size()));
    return result;
}

void TrueFalse::Prepare(const TfContent& content, int langIndex) {
    attempt_.Start();
    frame_ = FrameState();
    const size_t lang = langIndex >= 0 && langIndex <= 2 ? static_cast<size_t>(langIndex) : 0;
    headingLeft_ = content.TrueHeading[lang];
    headingRight_ = content.FalseHeading[lang];
    rows_.clear();
    for (const TfStatement& statement : content.Statements) rows_.push_back(TfRow{statement.Text, statement.True});
    const int count = static_cast<int>(rows_.size());
    SwapShuffle(random_, count, count, [&](int a, int b) { std::swap(rows_[static_cast<size_t>(a)], rows_[static_cast<size_t>(b)]); });
}

void TrueFalse::Tick(int row, bool left) {
    if (attempt_.Evaluated() || row < 0 || static_cast<size_t>(row) >= rows_.size()) return;
    TfRow& r = rows_[static_cast<size_t>(row)];
    r.ChoseLeft = left;
    r.ChoseRight = !left;
    r.LeftBox = left ? TfBox::Checked : TfBox::Normal;
    r.RightBox = left ? TfBox::Normal : TfBox::Checked;
    attempt_.Touch();
}

void TrueFalse::Check() {
    if (attempt_.Evaluated()) return;
    int right = 0;
    for (TfRow& r : rows_) {
        TfBox& rightBox = r.IsTrue ? r.LeftBox : r.RightBox;
        TfBox& wrongBox = r.IsTrue ? r.RightBox : r.LeftBox;
        const bool choseRight = r.IsTrue ? r.ChoseLeft : r.ChoseRight;
        const bool choseWrong = r.IsTrue ? r.ChoseRight : r.ChoseLeft;
        if (choseRight) {
            r.Mark = TfMark::Right;
            ++right;
        } else {
            r.Mark = TfMark::Wrong;
            rightBox = TfBox::Checked;
            if (choseWrong) wrongBox = TfBox::Bad;
        }
    }
    attempt_.Finish(right, static_cast<int>(rows_.size()) - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
    frame_.GaugeVisible = true;
    frame_.Percent = attempt_.Percent();
}

}  // namespace quillan
