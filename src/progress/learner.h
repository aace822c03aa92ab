#pragma once

#include <string>

#include "progress/settings.h"
#include "progress/repetitions.h"
#include "progress/results_store.h"

namespace quillan {

// The signed-in learner: his name, exercise table, repetitions and settings. A sign-in replaces
// them all.
struct Learner {
    std::string loginName;  // the name he signed in with
    ResultsTable results;
    RepetitionList repetitions;
    Settings settings;
};

}  // namespace quillan
