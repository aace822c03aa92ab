#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillan {

// Reads a text file of the installation line by line, as the course files are read: lines end
// in CR LF or LF, the last line may lack its end, and reading past the end gives empty lines
// ("a missing trailing line reads as empty"). Lines have no length limit. The whole file is
// read into memory at once.
class LineReader {
public:
    explicit LineReader(std::string bytes, std::string name = {});

    // Throws FileError when the file cannot be read.
    static LineReader Open(std::string_view windowsPath);
    // Nothing when the file does not exist.
    static std::optional<LineReader> OpenIfExists(std::string_view windowsPath);

    bool Eof() const { return pos_ >= bytes_.size(); }
    // The next line without its line end; empty at the end of the file.
    std::string ReadLine();
    // The next line as a view into the file's bytes (valid as long as the reader lives).
    std::string_view ReadLineView();
    // 1-based number of the line read last (0 before the first).
    int LineNumber() const { return lineNumber_; }
    // The name the file was opened by, for messages.
    const std::string& Name() const { return name_; }

private:
    std::string bytes_;
    std::string name_;
    size_t pos_ = 0;
    int lineNumber_ = 0;
};

}  // namespace quillan
