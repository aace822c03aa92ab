#pragma once

#include "chart/chart_tree.h"

namespace quillan {

struct AppContext;

// Deletes the repetition of an exercise line (the one of its record's Id, Kind and Key), takes
// the line out of the chart (its package too when it was the package's last line) and saves
// the repetitions.
void DeleteLineRepetition(AppContext& context, ChartTree& tree, ChartNode& node);

// Empties the learner's repetitions list and saves it.
void DeleteAllRepetitions(AppContext& context);

}  // namespace quillan
