#include "app/learner_data.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/user_dirs.h"

namespace quillan {
namespace {

// The path without the separators at its end, so that "/a/b" and "/a/b/" name one installation.
std::string_view WithoutTrailingSeparators(std::string_view path) {
    while (path.size() > 1 && IsSeparator(path.back())) path.remove_suffix(1);
    return path;
}

// 64-bit FNV-1a: small, and the same on every machine and in every build.
uint64_t Fnv1a(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

bool NameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
           c == '_';
}

}  // namespace

std::string InstallationId(std::string_view programDir) {
    const std::string_view path = WithoutTrailingSeparators(programDir);
    size_t start = path.size();
    while (start > 0 && !IsSeparator(path[start - 1])) --start;
    std::string name;
    for (char c : path.substr(start))
        if (NameCharacter(c) && name.size() < 24) name += c;
    // A name of dots only would read as the current or the parent directory.
    if (name.find_first_not_of('.') == std::string::npos) name = "course";
    const uint64_t hash = Fnv1a(path);
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>((hash >> 32) ^ (hash & 0xffffffffu)));
    return name + "-" + digits;
}

std::string UserLearnerDataDir(std::string_view dataHome, std::string_view programDir) {
    return WithTrailingSeparator(std::string(dataHome)) + "quillan\\" + InstallationId(programDir) + "\\";
}

std::string NoLearnerDataDirMessage(std::string_view detail) {
    return Utf8ToCp1250("Nie można utworzyć katalogu na dane uczniów.\n") + std::string(detail);
}

bool ChooseLearnerDataDir(StartupState& state, Messages& messages) {
    // A course installed for every user of the machine (the package's launcher says so with
    // QUILLAN_LEARNER_DATA=home) keeps learner data in each user's data home, even for a user
    // who could write to it (root, or the one who installed it).
    const char* where = std::getenv("QUILLAN_LEARNER_DATA");
    const bool shared = where && std::string_view(where) == "home";
    return ChooseLearnerDataDir(state, !shared && DirectoryWritable(state.ProgramDir), UserDataHome(), messages);
}

bool ChooseLearnerDataDir(StartupState& state, bool installationWritable, const std::string& home,
                          Messages& messages) {
    state.LearnerDataDir = state.ProgramDir;
    if (installationWritable) return true;
    if (home.empty()) {
        messages.Show(NoLearnerDataDirMessage("Neither XDG_DATA_HOME nor HOME names a directory"));
        return false;
    }
    const std::string dir = UserLearnerDataDir(home, state.ProgramDir);
    try {
        MakeDirectories(dir);
    } catch (const FileError& error) {
        messages.Show(NoLearnerDataDirMessage(Utf8ToCp1250(error.what())));
        return false;
    }
    if (!DirectoryWritable(dir)) {
        messages.Show(NoLearnerDataDirMessage(Utf8ToCp1250("\"" + NativePath(dir) + "\": Permission denied")));
        return false;
    }
    state.LearnerDataDir = dir;
    return true;
}

}  // namespace quillan
