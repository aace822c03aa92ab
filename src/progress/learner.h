#pragma once

#include "app/settings.h"
#include "progress/repetitions.h"
#include "progress/results_store.h"

namespace quillan {

// The signed-in learner: his exercise table, repetitions and settings. A sign-in replaces all
// three.
struct Learner {
    ResultsTable results;
    RepetitionList repetitions;
    Settings settings;
};

}  // namespace quillan
