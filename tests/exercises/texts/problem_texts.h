#pragma once

#include <string>
#include <vector>

#include "course/problems.h"

namespace quillan::test {

// The messages of the problems, in order.
inline std::vector<std::string> Messages(const Problems& problems) {
    std::vector<std::string> out;
    for (const Problem& problem : problems.List()) out.push_back(problem.Message);
    return out;
}

// Whether some problem's message holds `part`.
inline bool HasProblem(const Problems& problems, const std::string& part) {
    for (const Problem& problem : problems.List())
        if (problem.Message.find(part) != std::string::npos) return true;
    return false;
}

}  // namespace quillan::test
