#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "platform/random.h"

namespace quillan {

// Multiple choice (type code "MC", kind 40, window TC_MC_Form): questions with two to four
// answers each; the learner ticks one answer per question and checks.
//
// Content: questions, each ended by "#"; inside a question the items are separated by "=":
// the question, then its answers. The answer written with "T_" in front is the right one (the
// last such answer when several are). A last item that is empty after trimming is dropped
// (a question may end with "=#"). Items keep their spaces and may hold markup tags.

constexpr int kMcQuestionLimit = 10;  // questions the window holds
constexpr int kMcAnswerLimit = 4;     // answers a question holds (five items with the question)
constexpr int kMcShuffleSwaps = 4;    // answer swaps per question

struct McQuestion {
    std::string Question;
    std::vector<std::string> Answers;
    int Right = -1;  // index of the right answer in Answers; -1 when no answer has "T_"
};

struct McContent {
    std::vector<McQuestion> Questions;
};

// Reads the content (the type line without "MC#"). Content the window cannot hold is kept as
// far as it goes and each fault noted in `problems` at `place`: a question without a right
// answer, with fewer than two answers, more questions or answers than the window holds, an
// empty question, a content not closed by "#".
McContent ParseMultipleChoice(std::string_view content, Problems& problems, const ContentPlace& place = {});

// An answer on screen, with the state of its box and mark.
struct McAnswer {
    std::string Text;
    bool Selected = false;     // the box is ticked (after the check: the right answer)
    bool WrongChoice = false;  // the box shows img_bad: chosen, and wrong
    bool MarkWrong = false;    // stan_bad beside the answer
    bool MarkRight = false;    // stan_ok beside the answer
};

struct McQuestionState {
    std::string Question;
    std::vector<McAnswer> Answers;  // in shuffled order
    int Right = -1;                 // index of the right answer after the shuffle; -1: none
};

class MultipleChoice {
public:
    explicit MultipleChoice(Random& random) : random_(random) {}

    // PrepareExercise: a fresh attempt on `content`, the answers of each question shuffled
    // (questions keep their order).
    void Prepare(const McContent& content);
    // A click on answer `answer` of question `question` (0-based): ticks it and clears the
    // question's other answers. Ignored after the check or for an answer that does not exist.
    void Choose(int question, int answer);
    // btn_ok: marks every question; the right answer ends up ticked.
    void Check();

    const std::vector<McQuestionState>& Questions() const { return questions_; }
    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    Random& random_;
    std::vector<McQuestionState> questions_;
    Attempt attempt_;
    FrameState frame_;
};

}  // namespace quillan
