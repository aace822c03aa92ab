#include "exercises/texts/multiple_choice.h"

#include "exercises/texts/shuffle.h"
#include "text/text_utils.h"

namespace quillan {

namespace {

// "T_" in front of an answer marks it right; the marker is removed.
bool TakeRightMarker(std::string& item) {
    if (item.rfind("T_", 0) != 0) return false;
    item.erase(0, 2);
    return true;
}

std::string QuestionName(size_t number) { return "question " + std::to_string(number); }

}  // namespace

McContent ParseMultipleChoice(std::string_view content, Problems& problems, const ContentPlace& place) {
    McContent result;
    TerminatedFields questions(content, '#');
    size_t number = 0;
    bool tooMany = false;
    while (!questions.AtEnd()) {
        const std::string_view text = questions.Next();
        ++number;
        if (questions.Unterminated()) NoteProblem(problems, place, QuestionName(number) + " is not closed by \"#\"");
        // Items are separated by "="; the last one is dropped when it is empty after trimming.
        std::vector<std::string> items;
        for (TerminatedFields fields(text, '=');;) {
            items.emplace_back(fields.Next());
            if (fields.Unterminated()) break;
        }
        if (TrimView(items.back()).empty()) items.pop_back();
        if (items.empty()) {
            NoteProblem(problems, place, QuestionName(number) + " is empty");
            continue;
        }
        if (result.Questions.size() >= static_cast<size_t>(kMcQuestionLimit)) {
            if (!tooMany)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kMcQuestionLimit) + " questions: " + QuestionName(number) +
                                " and those after it are left out");
            tooMany = true;
            continue;
        }
        McQuestion question;
        question.Question = items[0];
        for (size_t k = 1; k < items.size(); ++k) {
            std::string answer = items[k];
            const bool right = TakeRightMarker(answer);
            if (question.Answers.size() >= static_cast<size_t>(kMcAnswerLimit)) {
                NoteProblem(problems, place,
                            QuestionName(number) + " has more than " + std::to_string(kMcAnswerLimit) +
                                " answers: \"" + answer + "\" is left out");
                continue;
            }
            if (right) question.Right = static_cast<int>(question.Answers.size());
            question.Answers.push_back(std::move(answer));
        }
        if (question.Answers.size() < 2)
            NoteProblem(problems, place,
                        QuestionName(number) + (question.Answers.empty() ? " has no answer" : " has a single answer"));
        if (question.Right < 0 && !question.Answers.empty())
            NoteProblem(problems, place, QuestionName(number) + " has no right answer (\"T_\")");
        result.Questions.push_back(std::move(question));
    }
    return result;
}

void MultipleChoice::Prepare(const McContent& content) {
    attempt_.Start();
    frame_ = FrameState();
    questions_.clear();
    for (const McQuestion& source : content.Questions) {
        McQuestionState question;
        question.Question = source.Question;
        question.Right = source.Right;
        for (const std::string& text : source.Answers) question.Answers.push_back(McAnswer{text});
        SwapShuffle(random_, static_cast<int>(question.Answers.size()), kMcShuffleSwaps, [&](int a, int b) {
            std::swap(question.Answers[static_cast<size_t>(a)], question.Answers[static_cast<size_t>(b)]);
            if (question.Right == a)
                question.Right = b;
            else if (question.Right == b)
                question.Right = a;
        });
        questions_.push_back(std::move(question));
    }
}

void MultipleChoice::Choose(int question, int answer) {
    if (attempt_.Evaluated() || question < 0 || static_cast<size_t>(question) >= questions_.size()) return;
    std::vector<McAnswer>& answers = questions_[static_cast<size_t>(question)].Answers;
    if (answer < 0 || static_cast<size_t>(answer) >= answers.size()) return;
    attempt_.Touch();
    for (McAnswer& a : answers) a.Selected = false;
    answers[static_cast<size_t>(answer)].Selected = true;
}

void MultipleChoice::Check() {
    if (attempt_.Evaluated()) return;
    int right = 0;
    for (McQuestionState& question : questions_) {
        bool anySelected = false;
        for (const McAnswer& a : question.Answers) anySelected = anySelected || a.Selected;
        McAnswer* rightAnswer = question.Right >= 0 ? &question.Answers[static_cast<size_t>(question.Right)] : nullptr;
        if (rightAnswer && !anySelected) rightAnswer->MarkWrong = true;
        if (rightAnswer && rightAnswer->Selected) {
            rightAnswer->MarkRight = true;
            ++right;
        }
        for (McAnswer& a : question.Answers)
            if (a.Selected && &a != rightAnswer) a.WrongChoice = a.MarkWrong = true;
        if (rightAnswer) rightAnswer->Selected = true;
    }
    attempt_.Finish(right, static_cast<int>(questions_.size()) - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
    frame_.GaugeVisible = true;
    frame_.Percent = attempt_.Percent();
}

}  // namespace quillan
