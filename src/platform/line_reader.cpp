#include "platform/line_reader.h"

#include <cstring>

#include "platform/files.h"

namespace quillan {

LineReader::LineReader(std::string bytes, std::string name) : bytes_(std::move(bytes)), name_(std::move(name)) {}

LineReader LineReader::Open(std::string_view windowsPath) {
    return LineReader(ReadWholeFile(windowsPath), std::string(windowsPath));
}

std::optional<LineReader> LineReader::OpenIfExists(std::string_view windowsPath) {
    auto bytes = ReadFileIfExists(windowsPath);
    if (!bytes) return std::nullopt;
    return LineReader(std::move(*bytes), std::string(windowsPath));
}

std::string_view LineReader::ReadLineView() {
    ++lineNumber_;
    if (Eof()) return {};
    const char* begin = bytes_.data() + pos_;
    const size_t left = bytes_.size() - pos_;
    const void* lf = std::memchr(begin, '\n', left);
    size_t length = lf ? static_cast<size_t>(static_cast<const char*>(lf) - begin) : left;
    pos_ += lf ? length + 1 : length;
    if (length > 0 && begin[length - 1] == '\r') --length;
    return {begin, length};
}

std::string LineReader::ReadLine() { return std::string(ReadLineView()); }

}  // namespace quillan
