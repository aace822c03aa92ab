#include "course/course_texts.h"

#include "course/data_file.h"
#include "text/text_utils.h"

namespace quillan {

CourseText ParseCourseTextLine(std::string_view line) {
    FieldCursor fields(line);
    CourseText text;
    text.TextNumber = StrToInt(fields.Take());
    text.Level = StrToInt(fields.Take());
    text.Section = StrToInt(fields.Take());
    text.Title = std::string(fields.Take());
    return text;
}

void ReadCourseTexts(LineReader& reader, CourseTexts& texts, Problems& problems) {
    ReadTable(reader, TableRules{"course texts", kCourseTextLimit, SlashComment}, texts, problems, ParseCourseTextLine);
}

}  // namespace quillan
