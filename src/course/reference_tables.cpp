#include "course/reference_tables.h"

#include "course/data_file.h"
#include "text/text_utils.h"

namespace quillan {

Letter ParseLetterLine(std::string_view line) {
    FieldCursor fields(line);
    Letter letter;
    letter.FileName = std::string(fields.Take());
    letter.Section = std::string(fields.Take());
    letter.Level = std::string(fields.Take());
    letter.GlossaryNumber = std::string(fields.Take());
    letter.Rest = std::string(fields.Rest());
    return letter;
}

OpenTask ParseOpenTaskLine(std::string_view line) {
    FieldCursor fields(line);
    OpenTask task;
    task.Number = StrToInt(TrimView(fields.Take()));
    task.Section = StrToInt(TrimView(fields.Take()));
    task.Level = StrToInt(TrimView(fields.Take()));
    task.Text1 = Trim(fields.Take());
    task.Text2 = Trim(fields.Take());
    return task;
}

GlossaryEntry ParseGlossaryLine(std::string_view line) {
    FieldCursor fields(line);
    GlossaryEntry entry;
    entry.Number = StrToInt(TrimView(fields.Take()));
    entry.Text = std::string(fields.Rest());
    return entry;
}

void ReadLetters(LineReader& reader, Letters& letters, Problems& problems) {
    ReadTable(reader, TableRules{"letters", kLetterLimit}, letters, problems, ParseLetterLine);
}

void ReadOpenTasks(LineReader& reader, OpenTasks& tasks, Problems& problems) {
    ReadTable(reader, TableRules{"open tasks", kOpenTaskLimit, SlashComment}, tasks, problems, ParseOpenTaskLine);
}

void ReadGlossary(LineReader& reader, Glossary& glossary) {
    ForEachLine(reader, [&](std::string_view line) {
        if (glossary.size() >= kGlossaryLimit)
            throw CourseStop(DataPlace{reader.Name(), reader.LineNumber(), "Za duza ilosc linijek slowniczka!!!"});
        glossary.push_back(ParseGlossaryLine(line));
        return true;
    });
}

}  // namespace quillan
