#pragma once

#include "platform/process_launcher.h"

namespace quillan {

class QtProcessLauncher : public ProcessLauncher {
public:
    bool IsRunning(const std::string& name) override;
    bool Start(const std::string& windowsPath, const std::vector<std::string>& arguments) override;
    bool Raise(const std::string& windowTitle) override;
};

}  // namespace quillan
