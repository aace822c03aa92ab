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

std::string DisplayName(std::string_view title, const DisplayNames& names, const Sections& sections) {
    constexpr std::string_view kSectionTag = "DZIAL=";
    if (title.substr(0, kSectionTag.size()) != kSectionTag) {
        for (const DisplayNameEntry& entry : names)
            if (entry.Key == title) return entry.Name;
        return std::string(title);
    }
    FieldCursor fields(title.substr(kSectionTag.size()));
    const std::string_view code = fields.Take();
    for (const Section& section : sections)
        if (section.SectionCode == code) return section.SectionName + " " + std::string(fields.Rest());
    return std::string(title);
}

}  // namespace quillan
