#include "course/dialogue_data.h"

#include "course/data_file.h"
#include "text/text_utils.h"

namespace quillan {

Dialogue ParseDialogueHeader(std::string_view line) {
    FieldCursor fields(line);
    auto text = [&] { return Trim(fields.Take()); };
    auto number = [&] { return IntOfTrimmed(fields.Take()); };
    Dialogue dialogue;
    dialogue.Code = text();
    dialogue.Title = text();
    dialogue.Field3 = text();
    dialogue.Field4 = text();
    dialogue.Lesson = number();
    dialogue.Level = number();
    dialogue.VariantFlags = text();
    dialogue.Layout = number();
    dialogue.GlossaryNumber = number();
    return dialogue;
}

DialogueLine ParseDialogueLine(std::string_view line) {
    FieldCursor fields(line);
    DialogueLine spoken;
    spoken.AudioName = Trim(fields.Take());
    spoken.Speaker = IntOfTrimmed(fields.Take());
    spoken.Text = Trim(fields.Take());
    spoken.Translation = Trim(fields.Take());
    return spoken;
}

void ReadDialogues(LineReader& reader, Dialogues& dialogues, Problems& problems) {
    ForEachLine(reader, [&](std::string_view header) {
        if (TrimView(header).empty()) return true;
        if (dialogues.size() >= kDialogueLimit) {
            ReportSurplus(reader, "dialogues", kDialogueLimit, problems);
            return false;
        }
        Dialogue dialogue = ParseDialogueHeader(header);
        int firstLeftOut = 0, lastLeftOut = 0;
        bool first = true;
        ForEachLine(reader, [&](std::string_view line) {
            if (!first && TrimView(line) == "*") return false;
            first = false;
            if (dialogue.Lines.size() >= kDialogueLineLimit) {
                if (firstLeftOut == 0) firstLeftOut = reader.LineNumber();
                lastLeftOut = reader.LineNumber();
                return true;
            }
            dialogue.Lines.push_back(ParseDialogueLine(line));
            return true;
        });
        if (firstLeftOut != 0)
            problems.Add(reader.Name(), firstLeftOut,
                         "dialogue " + std::to_string(dialogues.size() + 1) + " holds more than " +
                             std::to_string(kDialogueLineLimit) + " lines: lines " + std::to_string(firstLeftOut) +
                             " to " + std::to_string(lastLeftOut) + " are left out");
        dialogues.push_back(std::move(dialogue));
        return true;
    });
}

}  // namespace quillan
