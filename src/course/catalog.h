#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"
#include "platform/messages.h"

namespace quillan {

// One exercise of the course catalog ("kurs_cwicz.vrk", "kurs_cwicz2.vrk"). The code reads
// item (1-4), family (5-6: "11" comprehension, "53" sentence recording, "60" sentence
// drag-and-drop, "48" curiosity), level (7-8) and section (9-10, always 01-59 once loaded).
// Line2 to Line4 belong to the window that shows the exercise.
struct CatalogEntry {
    std::string Code;
    std::string Line2;
    std::string Line3;
    std::string Line4;
    std::string File;  // the catalog file and the line of the entry's code line in it
    int Line = 0;
};
using Catalog = std::vector<CatalogEntry>;  // 1-based catalog number n is element n - 1

constexpr size_t kCatalogLimit = 100;

// The code of a code line: its first eight characters, then the section of characters 9-10 as
// two digits, a section written as 60 or more standing for n - 59. Throws ConversionError when
// characters 9-10 are no number.
std::string CatalogCode(std::string_view codeLine);

// Appends the entries of one catalog file. An entry is five lines: its code line, three data
// lines (trimmed) and a separator line. Comment lines ("*" first) and empty lines are skipped
// only where a code line is expected.
void ReadCatalog(LineReader& reader, Catalog& catalog, Problems& problems);

// Appends the entries of ProgramDir + fileName. A missing file shows "Nie znaleziono pliku "
// + its full path (when `messages` is given; always noted in `problems`) and adds nothing.
void LoadCatalog(const std::string& programDir, const std::string& fileName, Catalog& catalog, Problems& problems,
                 Messages* messages);

}  // namespace quillan
