#pragma once

#include <string>
#include <vector>

namespace quillan {

// Something in a course file that a course author should fix but that does not stop the
// program: lines beyond a table's size, a missing optional file the program mentions, and,
// when a whole installation is checked, the errors that would stop start-up.
struct Problem {
    std::string File;     // as the program names it, relative to ProgramDir ("Lang_r\0\gra.txt")
    int Line = 0;         // 1-based; 0 for the file as a whole
    std::string Message;  // Windows-1250, like every text of the program
};

class Problems {
public:
    void Add(std::string file, int line, std::string message);
    const std::vector<Problem>& List() const { return list_; }
    bool Empty() const { return list_.empty(); }

private:
    std::vector<Problem> list_;
};

}  // namespace quillan
