#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"

namespace quillan {

// One course text of "rozumienie_a.txt": four fields, each ended by "=". The numbers are
// converted as written (untrimmed); the title stays untrimmed and is empty without its "=".
struct CourseText {
    int TextNumber = 0;
    int Level = 0;
    int Section = 0;
    std::string Title;
};
using CourseTexts = std::vector<CourseText>;

constexpr size_t kCourseTextLimit = 200;

// ConversionError when a number field is no number (an empty line too).
CourseText ParseCourseTextLine(std::string_view line);

// Lines beginning with "/" are comments; every other line is a text.
void ReadCourseTexts(LineReader& reader, CourseTexts& texts, Problems& problems);

}  // namespace quillan
