#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace quillan::classroom {

// A quillan-classroom server started as a process of its own, for the load program and the
// tests: "serve" with the given arguments, its log going to `logPath`. The constructor waits
// for the line "listening on ADDRESS:PORT" and throws std::runtime_error when it does not come.
// The process is killed when the object goes, unless it was stopped before.
class ServerProcess {
public:
    ServerProcess(const std::string& program, const std::vector<std::string>& serveArguments,
                  const std::string& logPath, std::chrono::milliseconds limit = std::chrono::seconds(30));
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    std::uint16_t Port() const { return port_; }
    pid_t Pid() const { return pid_; }

    // SIGTERM, then waits; the exit status as waitpid gives it.
    int Terminate();
    // SIGKILL, then waits.
    void Kill();

private:
    pid_t pid_ = -1;
    std::uint16_t port_ = 0;
};

}  // namespace quillan::classroom
