#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "course/course.h"

namespace quillan {

// Dumps of what the exercise windows read from the course data, by the names the tool uses.
struct ContentDump {
    std::string_view Name;
    // One JSON object per exercise, one per line, in list order. `programDir` is where the
    // typing exercises' files are; `listFile` the text-exercise list ("St_a.txt").
    void (*Dump)(const Course& course, const std::string& programDir, const std::string& listFile, std::ostream& out);
};

// "exercise-content": every entry of the text-exercise list with its parsed content;
// "catalog-gap-sentences": every gap-sentence exercise of the catalog.
const std::vector<ContentDump>& ContentDumps();
const ContentDump* FindContentDump(std::string_view name);

}  // namespace quillan
