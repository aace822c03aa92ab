#include "sources.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "installation.h"

namespace fs = std::filesystem;

namespace demo {
namespace {

std::string Extension(const std::string& path) {
    const size_t dot = path.rfind('.');
    std::string ext = dot == std::string::npos ? "" : path.substr(dot);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

bool IsHtml(const std::string& path) {
    const std::string ext = Extension(path);
    return ext == ".htm" || ext == ".html" || ext == ".css";
}

bool IsText(const std::string& path) {
    static const std::set<std::string> text = {".txt", ".ini", ".t", ".vrk", ".zdn", ".zdd", ".fre", ".fcs", ".bc4"};
    return text.count(Extension(path)) > 0;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every regular file under `dir`, by its path relative to `dir`.
std::map<std::string, std::string> ReadTree(const fs::path& dir) {
    std::map<std::string, std::string> files;
    if (!fs::is_directory(dir)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files[WindowsStyle(fs::relative(entry.path(), dir))] = ReadFile(entry.path());
    return files;
}

std::string TrimmedText(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

}  // namespace

std::string WindowsStyle(const fs::path& relative) {
    std::string path = relative.generic_string();
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

CourseSources ReadSources(const fs::path& demoDir) {
    if (!fs::is_directory(demoDir / "files")) throw std::runtime_error("no demo sources in " + (demoDir / "files").string());
    CourseSources sources;
    sources.files = ReadTree(demoDir / "files");
    for (const auto& [path, text] : ReadTree(demoDir / "speech"))
        if (Extension(path) == ".txt") sources.speech[path.substr(0, path.size() - 4) + ".wav"] = TrimmedText(text);
    for (const auto& [path, text] : ReadTree(demoDir / "video"))
        if (Extension(path) == ".txt") sources.videos[path.substr(0, path.size() - 4) + ".mpg"] = text;
    return sources;
}

void WriteSources(Installation& installation, const CourseSources& sources) {
    for (const auto& [path, content] : sources.files) {
        if (IsHtml(path))
            installation.WriteHtml(path, content);
        else if (IsText(path))
            installation.WriteText(path, content);
        else {
            installation.WriteBytes(path, content);
            installation.Count("other");
        }
    }
}

}  // namespace demo
