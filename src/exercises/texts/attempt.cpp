#include "exercises/texts/attempt.h"

namespace quillan {

int TextExercisePercent(int correct, int wrong) {
    const long long total = static_cast<long long>(correct) + wrong;
    if (total <= 0 || correct <= 0) return 0;
    const long long scaled = static_cast<long long>(correct) * 100;
    long long percent = scaled / total;
    const long long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 == 1)) ++percent;
    return static_cast<int>(percent);
}

void Attempt::Start() { *this = Attempt(); }

void Attempt::Finish(int correct, int wrong) {
    touched_ = true;
    evaluated_ = true;
    correct_ = correct;
    wrong_ = wrong;
}

int Attempt::Percent() const { return evaluated_ ? TextExercisePercent(correct_, wrong_) : 0; }

ClosingReport Attempt::Closing() const { return ClosingReport{touched_, Percent(), evaluated_ ? 1 : 0}; }

}  // namespace quillan
