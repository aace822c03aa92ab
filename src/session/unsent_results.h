#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "progress/results_store.h"

namespace quillan {

// Results the classroom server did not get because it could not be reached. They are kept for
// each learner beside the classroom results and sent again before the learner's results are
// next downloaded from the server (which would otherwise write over them) and whenever a later
// result does get there, so that a server that was down during a lesson does not cost the
// learner his work. The file holds whole results records, the latest one of each exercise.

// The file of a learner's unsent results in the classroom directory.
std::string UnsentResultsPath(const std::string& classroomDirectory, std::string_view user);

// Keeps the record, in place of an earlier one of the same exercise.
void KeepUnsentResult(const std::string& path, const CW_Info& record);

// Sends the kept records in order through `send` (true when the server was reached, whether it
// took the record or refused it) until one does not get there; those sent leave the file, which
// goes when none is left. Returns how many were sent.
int SendUnsentResults(const std::string& path, const std::function<bool(const CW_Info&)>& send);

}  // namespace quillan
