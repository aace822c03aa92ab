#include "course/data_file.h"

#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace quillan {

LineReader OpenRequiredFile(const std::string& programDir, const std::string& relative) {
    auto reader = OpenOptionalFile(programDir, relative);
    if (!reader)
        throw DataFileError(DataPlace{relative, 0, "Cannot open file \"" + Utf8ToCp1250(NativePath(programDir + relative)) + "\": the file is missing"});
    return std::move(*reader);
}

std::optional<LineReader> OpenOptionalFile(const std::string& programDir, const std::string& relative) {
    try {
        auto bytes = ReadFileIfExists(programDir + relative);
        if (!bytes) return std::nullopt;
        return LineReader(std::move(*bytes), relative);
    } catch (const FileError& error) {
        throw DataFileError(DataPlace{relative, 0, error.what()});
    }
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
