#include "course/problems.h"

namespace quillan {

void Problems::Add(std::string file, int line, std::string message) {
    list_.push_back(Problem{std::move(file), line, std::move(message)});
}

}  // namespace quillan
