#include "classroom/server/server_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace quillan::classroom {

ServerProcess::ServerProcess(const std::string& program, const std::vector<std::string>& serveArguments,
                             const std::string& logPath, std::chrono::milliseconds limit) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    std::vector<std::string> words{program, "serve"};
    words.insert(words.end(), serveArguments.begin(), serveArguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int rc = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        pid_ = -1;
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(rc));
    }

    // The first line of standard output tells the port.
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (line.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{out[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        char buffer[256];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    const size_t colon = line.rfind(':');
    if (!line.starts_with("listening on ") || colon == std::string::npos) {
        Kill();
        throw std::runtime_error("the server did not start (see " + logPath + "): " + line);
    }
    port_ = static_cast<std::uint16_t>(std::stoi(line.substr(colon + 1)));
}

ServerProcess::~ServerProcess() { Kill(); }

int ServerProcess::Terminate() {
    if (pid_ < 0) return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return status;
}

void ServerProcess::Kill() {
    if (pid_ < 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace quillan::classroom
