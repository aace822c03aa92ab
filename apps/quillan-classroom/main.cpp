// quillan-classroom: the classroom server and its administration (see classroom_command.h).

#include <iostream>
#include <string>
#include <vector>

#include "classroom/server/classroom_command.h"

int main(int argc, char** argv) {
    return quillan::classroom::RunClassroomCommand(std::vector<std::string>(argv + 1, argv + argc), std::cin,
                                                   std::cout, std::cerr);
}
