#include "course_tables.h"

#include "json_lines.h"

namespace quillan {

namespace {

JsonObject ToJson(const CatalogEntry& e) {
    return JsonObject().Text("Code", e.Code).Text("Line2", e.Line2).Text("Line3", e.Line3).Text("Line4", e.Line4);
}

JsonObject ToJson(const TextExercise& e) {
    return JsonObject().Text("Header", e.Header).Text("TypeLine", e.TypeLine).Text("LayoutLine", e.LayoutLine);
}

JsonObject ToJson(const Sentence& s) {
    return JsonObject()
        .Number("Level", s.Level)
        .Text("GroupCode", s.GroupCode)
        .Number("Section", s.Section)
        .Text("Variant1", s.Variant1)
        .Text("Variant2", s.Variant2)
        .Text("Variant3", s.Variant3)
        .Text("Variant4", s.Variant4)
        .Text("Extra", s.Extra)
        .Text("Translation", s.Translation)
        .Number("VariantCount", s.VariantCount);
}

JsonObject ToJson(const Package& p) {
    return JsonObject()
        .Number("Section", p.Section)
        .Number("Level", p.Level)
        .Text("GroupCode", p.GroupCode)
        .Number("SentenceCount", p.SentenceCount)
        .Numbers("Sentences", p.Sentences);
}

JsonObject ToJson(const CourseText& t) {
    return JsonObject().Number("TextNumber", t.TextNumber).Number("Level", t.Level).Number("Section", t.Section).Text("Title", t.Title);
}

JsonObject ToJson(const ComprehensionSentence& s) {
    return JsonObject()
        .Text("Key", s.Key)
        .Text("SoundName", s.SoundName)
        .Text("Polish", s.Polish)
        .Text("English", s.English)
        .Texts("Pictures", std::vector<std::string>(s.Pictures.begin(), s.Pictures.end()));
}

JsonObject ToJson(const RecordingSentence& s) { return JsonObject().Text("Id", s.Id).Text("Text1", s.Text1).Text("Text2", s.Text2); }

JsonObject ToJson(const DragDropSentence& s) {
    return JsonObject().Text("Id", s.Id).Text("Sentence", s.Sentence).Text("Answer", s.Answer);
}

JsonObject ToJson(const Letter& l) {
    return JsonObject()
        .Text("FileName", l.FileName)
        .Text("Section", l.Section)
        .Text("Level", l.Level)
        .Text("GlossaryNumber", l.GlossaryNumber)
        .Text("Rest", l.Rest);
}

JsonObject ToJson(const OpenTask& t) {
    return JsonObject()
        .Number("Number", t.Number)
        .Number("Section", t.Section)
        .Number("Level", t.Level)
        .Text("Text1", t.Text1)
        .Text("Text2", t.Text2);
}

JsonObject ToJson(const GlossaryEntry& g) { return JsonObject().Number("Number", g.Number).Text("Text", g.Text); }

JsonObject ToJson(const std::string& uiText) { return JsonObject().Text("Text", uiText); }

JsonObject ToJson(const DisplayNameEntry& n) { return JsonObject().Text("Key", n.Key).Text("Name", n.Name); }

JsonObject ToJson(const Section& s) { return JsonObject().Text("SectionName", s.SectionName).Text("SectionCode", s.SectionCode); }

JsonObject ToJson(const Dialogue& d) {
    std::vector<JsonObject> lines;
    for (const DialogueLine& line : d.Lines)
        lines.push_back(JsonObject()
                            .Text("AudioName", line.AudioName)
                            .Number("Speaker", line.Speaker)
                            .Text("Text", line.Text)
                            .Text("Translation", line.Translation));
    return JsonObject()
        .Text("Code", d.Code)
        .Text("Title", d.Title)
        .Text("Field3", d.Field3)
        .Text("Field4", d.Field4)
        .Number("Lesson", d.Lesson)
        .Number("Level", d.Level)
        .Text("VariantFlags", d.VariantFlags)
        .Number("Layout", d.Layout)
        .Number("GlossaryNumber", d.GlossaryNumber)
        .Number("LineCount", static_cast<long long>(d.Lines.size()))
        .Objects("Lines", lines);
}

JsonObject ToJson(const Contraction& c) { return JsonObject().Text("LongForm", c.LongForm).Text("ShortForm", c.ShortForm); }

template <auto Member>
CourseTable Table(std::string_view name) {
    return CourseTable{
        name,
        [](const Course& course) { return (course.*Member).size(); },
        [](const Course& course, std::ostream& out) {
            for (const auto& record : course.*Member) out << ToJson(record).str() << '\n';
        },
    };
}

}  // namespace

const std::vector<CourseTable>& CourseTables() {
    static const std::vector<CourseTable> tables = {
        Table<&Course::catalog>("catalog"),
        Table<&Course::textExercises>("text-exercises"),
        Table<&Course::sentences>("sentences"),
        Table<&Course::packages>("packages"),
        Table<&Course::texts>("texts"),
        Table<&Course::comprehension>("comprehension"),
        Table<&Course::recording>("recording"),
        Table<&Course::dragDrop>("dragdrop"),
        Table<&Course::letters>("letters"),
        Table<&Course::openTasks>("open-tasks"),
        Table<&Course::glossary>("glossary"),
        Table<&Course::interfaceTexts>("ui-texts"),
        Table<&Course::displayNames>("display-names"),
        Table<&Course::sections>("sections"),
        Table<&Course::dialogues>("dialogues"),
        Table<&Course::contractions>("contractions"),
    };
    return tables;
}

const CourseTable* FindCourseTable(std::string_view name) {
    for (const CourseTable& table : CourseTables())
        if (table.Name == name) return &table;
    return nullptr;
}

}  // namespace quillan
