#pragma once

#include <string>
#include <vector>

namespace quillan {

// Finding, starting and raising another program of the course (the dictionary).
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Whether a process runs whose program file is named `name`, in any letter case, with or
    // without ".exe".
    virtual bool IsRunning(const std::string& name) = 0;
    // Starts the program (a Windows path) without waiting; false when it cannot be started.
    virtual bool Start(const std::string& windowsPath, const std::vector<std::string>& arguments) = 0;
    // Asks the program whose main window has this title to show that window in front; false
    // when no such window answers.
    virtual bool Raise(const std::string& windowTitle) = 0;
};

}  // namespace quillan
