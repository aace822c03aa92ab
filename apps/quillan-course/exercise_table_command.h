#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quillan {

// quillan-course exercise-table DIR [--lang N]: the exercise table a new learner of the
// installation DIR gets, one JSON object per record in the form of "quillan-results dump".
// Exit status: 0 printed, 1 the table cannot be built (the error is printed), 2 DIR is no
// installation or a wrong argument.
int ExerciseTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quillan
