#include "course/sentence_sets.h"

#include <algorithm>

#include "course/data_file.h"
#include "text/text_utils.h"

namespace quillan {

ComprehensionSentence ParseComprehensionLine(std::string_view line) {
    FieldCursor fields(line);
    auto next = [&] { return Trim(fields.Take()); };
    ComprehensionSentence sentence;
    sentence.Key = next();
    sentence.SoundName = next();
    sentence.Polish = next();
    sentence.English = next();
    for (int i = 0; i < 3; ++i) sentence.Pictures[i] = next();
    return sentence;
}

RecordingSentence ParseRecordingLine(std::string_view line) {
    FieldCursor fields(line);
    RecordingSentence sentence;
    sentence.Id = std::string(fields.TakeChars(5));
    fields.Skip(1);
    sentence.Text1 = std::string(fields.Take());
    sentence.Text2 = std::string(fields.Take());
    return sentence;
}

DragDropSentence ParseDragDropLine(std::string_view line) {
    FieldCursor fields(line);
    DragDropSentence sentence;
    sentence.Id = std::string(fields.TakeChars(5));
    fields.Skip(1);
    sentence.Sentence = std::string(fields.Take());
    // A gap of several words stays one token: blanks between the first "<" and the first ">"
    // after it become "+".
    if (const size_t open = sentence.Sentence.find('<'); open != std::string::npos)
        if (const size_t close = sentence.Sentence.find('>', open); close != std::string::npos)
            std::replace(sentence.Sentence.begin() + static_cast<std::ptrdiff_t>(open),
                         sentence.Sentence.begin() + static_cast<std::ptrdiff_t>(close), ' ', '+');
    const std::string_view answer = fields.Take();
    sentence.Answer.reserve(answer.size());
    for (char c : answer)
        if (c != '<' && c != '>') sentence.Answer += c;
    return sentence;
}

void ReadComprehensionSentences(LineReader& reader, ComprehensionSentences& table, Problems& problems) {
    ReadTable(reader, TableRules{"comprehension sentences", kComprehensionLimit, DoubleSlashComment}, table, problems,
              ParseComprehensionLine);
}

void ReadRecordingSentences(LineReader& reader, RecordingSentences& table, Problems& problems) {
    ReadTable(reader, TableRules{"recording sentences", kRecordingLimit}, table, problems, ParseRecordingLine);
}

void ReadDragDropSentences(LineReader& reader, DragDropSentences& table, Problems& problems) {
    ReadTable(reader, TableRules{"drag-and-drop sentences", kDragDropLimit}, table, problems, ParseDragDropLine);
}

}  // namespace quillan
