#include "platform/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/ascii.h"
#include "platform/cp1250.h"
#include "platform/errors.h"

namespace fs = std::filesystem;

namespace quillan {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

namespace {

bool HasDriveTag(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The entry of `dir` whose name equals `name` ignoring letter case, or empty.
std::string FindIgnoringCase(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec) return {};
    std::string best;
    for (const auto& entry : it) {
        std::string candidate = entry.path().filename().string();
        if (SameIgnoringCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
    }
    return best;
}

}  // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string NativePath(std::string_view windowsPath) {
    std::string_view rest = windowsPath;
    fs::path result;
    if (HasDriveTag(rest)) {
        rest.remove_prefix(2);
        result = "/";
    } else if (!rest.empty() && IsSeparator(rest.front())) {
        result = "/";
    }
    bool endsWithSeparator = !rest.empty() && IsSeparator(rest.back());
    std::error_code ec;
    while (!rest.empty()) {
        size_t cut = 0;
        while (cut < rest.size() && !IsSeparator(rest[cut])) ++cut;
        const std::string component = Cp1250ToUtf8(rest.substr(0, cut));
        rest.remove_prefix(std::min(rest.size(), cut + 1));
        if (component.empty() || component == ".") continue;
        fs::path exact = result / component;
        if (component == ".." || fs::exists(fs::symlink_status(exact, ec))) {
            result = std::move(exact);
            continue;
        }
        std::string found = FindIgnoringCase(result, component);
        result /= found.empty() ? component : found;
    }
    std::string out = result.empty() ? std::string(".") : result.string();
    if (endsWithSeparator && out.back() != '/') out += '/';
    return out;
}

bool FileExists(std::string_view windowsPath) {
    std::error_code ec;
    return fs::is_regular_file(NativePath(windowsPath), ec);
}

bool DirectoryExists(std::string_view windowsPath) {
    std::error_code ec;
    return fs::is_directory(NativePath(windowsPath), ec);
}

void MakeDirectories(std::string_view windowsPath) {
    std::error_code ec;
    const std::string native = NativePath(windowsPath);
    fs::create_directories(native, ec);
    if (ec || !fs::is_directory(native)) throw FileError("Cannot create directory \"" + native + "\": " + ec.message());
}

namespace {

// Names of the entries of a directory that `wanted` takes (regular files, and directories too
// when asked), sorted as a Windows listing returns them: by name without regard to letter case.
// Hidden names (beginning with ".") are left out, as a listing for visible entries leaves them.
template <typename Wanted>
std::vector<std::string> ListEntriesWhere(std::string_view windowsDir, bool directoriesToo, Wanted wanted) {
    std::vector<std::pair<std::string, std::string>> keyed;  // (upper-case name, name)
    std::error_code ec;
    fs::directory_iterator it(NativePath(windowsDir), ec);
    if (ec) return {};
    for (const auto& entry : it) {
        if (!entry.is_regular_file(ec) && !(directoriesToo && entry.is_directory(ec))) continue;
        std::string name = Utf8ToCp1250(entry.path().filename().string());
        if (!name.starts_with('.') && wanted(std::string_view(name))) keyed.emplace_back(UpperAscii(name), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> names;
    names.reserve(keyed.size());
    for (auto& [upper, name] : keyed) names.push_back(std::move(name));
    return names;
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() && SameIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

}  // namespace

std::vector<std::string> ListFiles(std::string_view windowsDir, std::string_view suffix) {
    return ListEntriesWhere(windowsDir, false, [suffix](std::string_view name) { return EndsWithIgnoringCase(name, suffix); });
}

std::vector<std::string> ListEntries(std::string_view windowsDir, std::string_view suffix) {
    return ListEntriesWhere(windowsDir, true, [suffix](std::string_view name) { return EndsWithIgnoringCase(name, suffix); });
}

std::vector<std::string> ListFilesStartingWith(std::string_view windowsDir, std::string_view prefix) {
    return ListEntriesWhere(windowsDir, false, [prefix](std::string_view name) {
        return name.size() >= prefix.size() && SameIgnoringCase(name.substr(0, prefix.size()), prefix);
    });
}

bool ChangeDirectory(std::string_view windowsPath) {
    std::error_code ec;
    fs::current_path(NativePath(windowsPath), ec);
    return !ec;
}

bool IsAbsolutePath(std::string_view windowsPath) {
    return HasDriveTag(windowsPath) || (!windowsPath.empty() && IsSeparator(windowsPath.front()));
}

std::string AbsolutePath(std::string_view windowsPath) {
    if (IsAbsolutePath(windowsPath)) return std::string(windowsPath);
    std::error_code ec;
    std::string current = fs::current_path(ec).string();
    if (ec) return std::string(windowsPath);
    if (current.back() != '/') current += '/';
    return Utf8ToCp1250(current) + std::string(windowsPath);
}

std::string DirectoryOf(std::string_view path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string WithTrailingSeparator(std::string path) {
    if (!path.empty() && !IsSeparator(path.back())) path += '\\';
    return path;
}

}  // namespace quillan
