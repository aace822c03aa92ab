#include <iostream>

#include "course_tool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return quillan::RunCourseTool(args, std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "quillan-course: " << error.what() << "\n";
        return 2;
    }
}
