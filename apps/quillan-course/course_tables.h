#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "course/course.h"

namespace quillan {

// The tables of a loaded course by the names the tool uses, with their records as JSON.
struct CourseTable {
    std::string_view Name;
    size_t (*Count)(const Course& course);
    // One JSON object per record, one per line, in table order.
    void (*Dump)(const Course& course, std::ostream& out);
};

const std::vector<CourseTable>& CourseTables();
const CourseTable* FindCourseTable(std::string_view name);

}  // namespace quillan
