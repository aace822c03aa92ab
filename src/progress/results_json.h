#pragma once

#include <string>

#include "progress/repetitions.h"
#include "progress/results_store.h"

namespace quillan {

// The learner's records as JSON objects on one line (no line end), every field by its name,
// texts in UTF-8, dates as the day number and beside it as text "yyyy-mm-dd hh-nn-ss" (the
// field name + "Text"). For teachers, support and scripts.
std::string CwInfoJson(const CW_Info& record);
std::string RepetitionJson(const RepetitionEntry& entry);

}  // namespace quillan
