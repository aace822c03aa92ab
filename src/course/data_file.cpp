#include "course/data_file.h"

#include <cstring>

#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace quillan {

DataFile OpenRequiredFile(const std::string& programDir, const std::string& relative) {
    auto file = OpenOptionalFile(programDir, relative);
    if (!file)
        throw DataFileError(DataPlace{relative, 0, "Cannot open file \"" + Utf8ToCp1250(NativePath(programDir + relative)) + "\": the file is missing"});
    return std::move(*file);
}

std::optional<DataFile> OpenOptionalFile(const std::string& programDir, const std::string& relative) {
    try {
        auto bytes = ReadFileIfExists(programDir + relative);
        if (!bytes) return std::nullopt;
        const size_t lines = CountLines(*bytes);
        return DataFile{LineReader(std::move(*bytes), relative), lines};
    } catch (const FileError& error) {
        throw DataFileError(DataPlace{relative, 0, error.what()});
    }
}

size_t CountLines(std::string_view bytes) {
    size_t lines = 0;
    for (const char* at = bytes.data(); const void* lf = std::memchr(at, '\n', static_cast<size_t>(bytes.data() + bytes.size() - at));
         at = static_cast<const char*>(lf) + 1)
        ++lines;
    if (!bytes.empty() && bytes.back() != '\n') ++lines;
    return lines;
}

bool SlashComment(std::string_view line) { return !line.empty() && line.front() == '/'; }

bool DoubleSlashComment(std::string_view line) { return line.substr(0, 2) == "//"; }

void ReportSurplus(LineReader& reader, std::string_view what, size_t limit, Problems& problems) {
    const int first = reader.LineNumber();
    while (!reader.Eof()) reader.ReadLineView();
    const int last = reader.LineNumber();
    std::string message = "the table holds " + std::to_string(limit) + " " + std::string(what) + ": ";
    message += first == last ? "this line is left out"
                             : "lines " + std::to_string(first) + " to " + std::to_string(last) + " are left out";
    problems.Add(reader.Name(), first, std::move(message));
}

}  // namespace quillan
