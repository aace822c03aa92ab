#include "exercises/sentences/score.h"

namespace quillan {

int ScorePercent(int right, int total) {
    if (total < 1 || right < 1) return 0;
    const long long scaled = static_cast<long long>(right) * 100;
    long long quotient = scaled / total;
    const long long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && quotient % 2 == 1)) ++quotient;
    return static_cast<int>(quotient);
}

int ScoreShown(int right, int total) {
    if (total < 1 || right < 1) return 0;
    return static_cast<int>(static_cast<long long>(right) * 100 / total);
}

}  // namespace quillan
