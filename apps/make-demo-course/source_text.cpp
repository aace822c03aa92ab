#include "source_text.h"

#include "sources.h"

namespace demo {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> Fields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t at; (at = line.find(separator, start)) != std::string::npos; start = at + 1)
        fields.push_back(line.substr(start, at - start));
    fields.push_back(line.substr(start));
    return fields;
}

int Number(const std::string& text) {
    try {
        return std::stoi(Trim(text));
    } catch (...) {
        return 0;
    }
}

const std::string* SourceFile(const CourseSources& sources, const std::string& path) {
    const auto it = sources.files.find(path);
    return it == sources.files.end() ? nullptr : &it->second;
}

std::vector<TextExerciseSource> TextExerciseSources(const CourseSources& sources) {
    std::vector<TextExerciseSource> exercises;
    const std::string* text = SourceFile(sources, "St_a.txt");
    if (!text) return exercises;
    const std::vector<std::string> lines = Lines(*text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind('/', 0) == 0 || Trim(lines[i]).empty()) continue;
        TextExerciseSource exercise;
        exercise.header = Fields(Trim(lines[i]), '#');
        if (i + 1 < lines.size()) exercise.typeLine = Trim(lines[i + 1]);
        exercises.push_back(exercise);
        i += 2;  // the type line and the layout line
    }
    return exercises;
}

std::vector<std::string> DialogueCodes(const CourseSources& sources) {
    std::vector<std::string> codes;
    const std::string* text = SourceFile(sources, "dialogi.txt");
    if (!text) return codes;
    bool header = true;
    for (const std::string& line : Lines(*text)) {
        if (Trim(line) == "*") {
            header = true;
        } else if (header) {
            codes.push_back(Trim(Fields(line)[0]));
            header = false;
        }
    }
    return codes;
}

}  // namespace demo
