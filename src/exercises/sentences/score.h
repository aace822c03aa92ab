#pragma once

#include <array>
#include <string>

namespace quillan {

// The score of an exercise whose wrongly answered items come back until answered right:
// right x 100 / total, total being the items plus the wrong answers.

// Rounded to the nearest integer, halves to the even neighbour (3 of 4 gives 75, 1 of 8 gives
// 12); 0 when the total is below 1. Exact: no floating point on the way.
int ScorePercent(int right, int total);

// Cut to an integer, as the statistics line shows it (2 of 3 shows 66 while 67 is recorded).
int ScoreShown(int right, int total);

// What the summary window shows: its four result lines, and whether the learner may go back to
// the exercise from it.
struct SummaryRequest {
    std::array<std::string, 4> lines;
    bool backShown = false;
};

}  // namespace quillan
