#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quillan {

// quillan-course: checks and dumps a course installation for its authors, with the loaders of
// the program. `args` are the arguments after the program name (UTF-8). Returns the exit
// status: 0 done, 1 problems found (check) or a word list that does not load (words),
// 2 a wrong argument or a directory that is no installation.
int RunCourseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quillan
