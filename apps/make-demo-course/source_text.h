#pragma once

// Small readers of the demo sources (UTF-8 text with LF line ends) shared by the parts of the
// generator that derive recordings, pictures and videos from the course files.

#include <string>
#include <vector>

namespace demo {

struct CourseSources;

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);
// Blanks and tabs removed at both ends.
std::string Trim(const std::string& s);
// The fields of a line between `separator` characters; the text after the last one is the last field.
std::vector<std::string> Fields(const std::string& line, char separator = '=');
// The decimal number of a text, 0 when it is none.
int Number(const std::string& text);
// The content of a source file, or nullptr.
const std::string* SourceFile(const CourseSources& sources, const std::string& path);

// One exercise of the text-exercise list: its "#"-fields of the header, type line and layout line.
struct TextExerciseSource {
    std::vector<std::string> header;
    std::string typeLine;
};
std::vector<TextExerciseSource> TextExerciseSources(const CourseSources& sources);

// The codes of the dialogues ("D_01"), in file order.
std::vector<std::string> DialogueCodes(const CourseSources& sources);

}  // namespace demo
