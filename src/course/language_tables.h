#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"
#include "text/numbered_texts.h"

namespace quillan {

// The tables of the interface language directory (LangDir): interface texts ("infa_r.txt"),
// display names of exercises ("nazwy_r.txt") and sections ("gra.txt").

struct DisplayNameEntry {
    std::string Key;   // field 1
    std::string Name;  // the rest of the line
};
using DisplayNames = std::vector<DisplayNameEntry>;

// Section n is line n of "gra.txt": fields 3 and 4 of four "="-ended fields.
struct Section {
    std::string SectionName;
    std::string SectionCode;
};
using Sections = std::vector<Section>;

constexpr size_t kInterfaceTextLimit = 200;
constexpr size_t kDisplayNameLimit = 10000;
constexpr size_t kSectionLimit = 30;

// The text of an interface-text line: its third "="-field. The first field must be a number
// (ConversionError otherwise); it is not used.
std::string ParseInterfaceTextLine(std::string_view line);
DisplayNameEntry ParseDisplayNameLine(std::string_view line);
Section ParseSectionLine(std::string_view line);

// Every line of these files is an entry.
void ReadInterfaceTexts(LineReader& reader, InterfaceTexts& texts, Problems& problems);
void ReadDisplayNames(LineReader& reader, DisplayNames& names, Problems& problems);
void ReadSections(LineReader& reader, Sections& sections, Problems& problems);

// The text shown for a stored exercise title. A title "DZIAL=" + code + "=" + rest shows as the
// name of the section with that code, a blank and the rest; any other title as its display name
// (the first entry whose key is the title, letter case counting). Without a match the title
// shows as it is.
std::string DisplayName(std::string_view title, const DisplayNames& names, const Sections& sections);

// The same answers for many titles at once (the exercise chart): the names are looked up by
// title instead of one by one. The tables must outlive the index and stay unchanged.
class DisplayNameIndex {
public:
    DisplayNameIndex(const DisplayNames& names, const Sections& sections);
    std::string operator()(std::string_view title) const;

private:
    std::unordered_map<std::string_view, const std::string*> names_;
    const Sections& sections_;
};

}  // namespace quillan
