#pragma once

#include <string>

namespace quillan {

// Whether a running process of this machine has a program file named `name`: compared without
// the directory, in any letter case, with or without ".exe" on either side.
bool ProcessRunning(const std::string& name);

// The program-file name of a process as a list of processes shows it, reduced to what
// ProcessRunning compares ("/opt/Quillan/SLOWNIK_BE.exe" -> "slownik_be").
std::string ProgramKey(const std::string& programPath);

}  // namespace quillan
