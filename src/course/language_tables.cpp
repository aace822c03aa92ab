#include "course/language_tables.h"

#include "course/data_file.h"
#include "text/text_utils.h"

namespace quillan {

std::string ParseInterfaceTextLine(std::string_view line) {
    FieldCursor fields(line);
    StrToInt(TrimView(fields.Take()));
    fields.Take();
    return std::string(fields.Take());
}

DisplayNameEntry ParseDisplayNameLine(std::string_view line) {
    FieldCursor fields(line);
    DisplayNameEntry entry;
    entry.Key = std::string(fields.Take());
    entry.Name = std::string(fields.Rest());
    return entry;
}

Section ParseSectionLine(std::string_view line) {
    FieldCursor fields(line);
    fields.Take();
    fields.Take();
    Section section;
    section.SectionName = std::string(fields.Take());
    section.SectionCode = std::string(fields.Take());
    return section;
}

void ReadInterfaceTexts(LineReader& reader, InterfaceTexts& texts, Problems& problems) {
    ReadTable(reader, TableRules{"interface texts", kInterfaceTextLimit}, texts, problems, ParseInterfaceTextLine);
}

void ReadDisplayNames(LineReader& reader, DisplayNames& names, Problems& problems) {
    ReadTable(reader, TableRules{"display names", kDisplayNameLimit}, names, problems, ParseDisplayNameLine);
}

void ReadSections(LineReader& reader, Sections& sections, Problems& problems) {
    ReadTable(reader, TableRules{"sections", kSectionLimit}, sections, problems, ParseSectionLine);
}

namespace {

constexpr std::string_view kSectionTag = "DZIAL=";

bool NamesSection(std::string_view title) { return title.substr(0, kSectionTag.size()) == kSectionTag; }

// A title "DZIAL=" + code + "=" + rest.
std::string SectionTitle(std::string_view title, const Sections& sections) {
    FieldCursor fields(title.substr(kSectionTag.size()));
    const std::string_view code = fields.Take();
    for (const Section& section : sections)
        if (section.SectionCode == code) return section.SectionName + " " + std::string(fields.Rest());
    return std::string(title);
}

}  // namespace

std::string DisplayName(std::string_view title, const DisplayNames& names, const Sections& sections) {
    if (NamesSection(title)) return SectionTitle(title, sections);
    for (const DisplayNameEntry& entry : names)
        if (entry.Key == title) return entry.Name;
    return std::string(title);
}

DisplayNameIndex::DisplayNameIndex(const DisplayNames& names, const Sections& sections) : sections_(sections) {
    names_.reserve(names.size());
    for (const DisplayNameEntry& entry : names) names_.emplace(entry.Key, &entry.Name);  // the first one counts
}

std::string DisplayNameIndex::operator()(std::string_view title) const {
    if (NamesSection(title)) return SectionTitle(title, sections_);
    const auto found = names_.find(title);
    return found == names_.end() ? std::string(title) : *found->second;
}

}  // namespace quillan
