#include "platform/processes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/ascii.h"

namespace fs = std::filesystem;

namespace quillan {
namespace {

// The program file of a process: the target of /proc/PID/exe, or, where that cannot be read
// (processes of other users), the first word of its command line.
std::string ProgramOf(const fs::path& processDir) {
    std::error_code ec;
    const fs::path exe = fs::read_symlink(processDir / "exe", ec);
    if (!ec) return exe.string();
    std::ifstream cmdline(processDir / "cmdline", std::ios::binary);
    std::string first;
    std::getline(cmdline, first, '\0');
    return first;
}

}  // namespace

std::string ProgramKey(const std::string& programPath) {
    std::string name = LowerAscii(programPath.substr(programPath.find_last_of("\\/") + 1));
    // A running program whose file was replaced shows as "name (deleted)".
    const std::string deleted = " (deleted)";
    if (name.size() > deleted.size() && name.compare(name.size() - deleted.size(), deleted.size(), deleted) == 0)
        name.resize(name.size() - deleted.size());
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) name.resize(name.size() - 4);
    return name;
}

bool ProcessRunning(const std::string& name) {
    const std::string wanted = ProgramKey(name);
    std::error_code ec;
    for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string program = ProgramOf(it->path());
        if (!program.empty() && ProgramKey(program) == wanted) return true;
    }
    return false;
}

}  // namespace quillan
