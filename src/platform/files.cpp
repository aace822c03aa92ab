#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/errors.h"
#include "platform/paths.h"

namespace quillan {
namespace {

std::string SystemError(const std::string& what, const std::string& path, int error) {
    return what + " \"" + path + "\": " + std::strerror(error);
}

// Reads everything from an open descriptor; false with errno set on failure.
bool ReadAll(int fd, std::string& out) {
    struct stat st {};
    if (fstat(fd, &st) == 0 && st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        out.append(buffer, static_cast<size_t>(n));
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::optional<std::string> Read(std::string_view windowsPath, bool mustExist) {
    const std::string native = NativePath(windowsPath);
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT && !mustExist) return std::nullopt;
        throw FileError(SystemError("Cannot open file", native, errno));
    }
    std::string bytes;
    const bool ok = ReadAll(fd, bytes);
    const int error = errno;
    ::close(fd);
    if (!ok) throw FileError(SystemError("Cannot read file", native, error));
    return bytes;
}

// A save's temporary file: the file's name + ".quillan-tmp-" + the six letters or digits of
// mkstemp; a name no person gives a backup copy of his own.
constexpr std::string_view kTemporaryMark = ".quillan-tmp-";
constexpr size_t kTemporaryLetters = 6;
constexpr auto kLeftoverAge = std::chrono::minutes(1);

bool IsAsciiLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// `candidate` is a temporary name of the file `name`.
bool IsTemporaryOf(std::string_view candidate, std::string_view name) {
    if (name.empty() || candidate.size() != name.size() + kTemporaryMark.size() + kTemporaryLetters) return false;
    if (!SameIgnoringCase(candidate.substr(0, name.size()), name) ||
        candidate.substr(name.size(), kTemporaryMark.size()) != kTemporaryMark)
        return false;
    const std::string_view letters = candidate.substr(name.size() + kTemporaryMark.size());
    return std::all_of(letters.begin(), letters.end(), IsAsciiLetterOrDigit);
}

}  // namespace

std::string ReadWholeFile(std::string_view windowsPath) { return *Read(windowsPath, true); }

std::optional<std::string> ReadFileIfExists(std::string_view windowsPath) { return Read(windowsPath, false); }

void WriteFileAtomically(std::string_view windowsPath, std::string_view bytes) {
    const std::string native = NativePath(windowsPath);
    std::string temp = native + std::string(kTemporaryMark) + std::string(kTemporaryLetters, 'X');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw FileError(SystemError("Cannot write file", native, errno));
    struct stat old {};
    const bool replacing = ::stat(native.c_str(), &old) == 0;
    ::fchmod(fd, replacing ? (old.st_mode & 07777) : 0644);
    const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) error = errno;
    if (!ok || ::rename(temp.c_str(), native.c_str()) != 0) {
        if (ok) error = errno;
        ::unlink(temp.c_str());
        throw FileError(SystemError("Cannot write file", native, error));
    }
    // Make the rename itself durable.
    const std::string dir = DirectoryOf(native);
    const int dirFd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void RemoveLeftoverTemporaries(std::string_view windowsPath) {
    namespace fs = std::filesystem;
    const fs::path native = NativePath(windowsPath);
    const std::string name = native.filename().string();
    std::error_code ec;
    fs::directory_iterator it(native.has_parent_path() ? native.parent_path() : fs::path("."), ec);
    if (ec) return;
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : it) {
        if (!IsTemporaryOf(entry.path().filename().string(), name) || !entry.is_regular_file(ec)) continue;
        const auto written = entry.last_write_time(ec);
        if (!ec && now - written >= kLeftoverAge) fs::remove(entry.path(), ec);
    }
}

}  // namespace quillan
