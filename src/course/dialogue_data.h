#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"

namespace quillan {

// One spoken line of a dialogue: four "="-ended fields, trimmed.
struct DialogueLine {
    std::string AudioName;    // the model recording: MediaDir + "Dialogi\" + name + ".wav"
    int Speaker = 0;          // 1-5 for A-E
    std::string Text;         // "label: utterance"; the utterance starts two characters after the colon
    std::string Translation;  // Polish
};

// One dialogue of "dialogi.txt": a header line of nine "="-ended fields (trimmed), then its lines
// up to a line that is "*" (the first line after the header is always a dialogue line).
struct Dialogue {
    std::string Code;          // from its third character: the background picture's name
    std::string Title;
    std::string Field3;        // stored, not used
    std::string Field4;        // stored, not used
    int Lesson = 0;            // the course section
    int Level = 0;
    std::string VariantFlags;  // five characters, "T" for each variant that exists
    int Layout = 0;            // 1 wide text area, 0 narrow
    int GlossaryNumber = 0;    // 1 or more: the glossary entry the glossary button opens
    std::vector<DialogueLine> Lines;
};
using Dialogues = std::vector<Dialogue>;  // dialogue number n is element n - 1

constexpr size_t kDialogueLimit = 70;
constexpr size_t kDialogueLineLimit = 25;

// ConversionError when a number field (lesson, level, layout, glossary number) is no number;
// an empty one reads as 0.
Dialogue ParseDialogueHeader(std::string_view line);
// ConversionError when the speaker is no number.
DialogueLine ParseDialogueLine(std::string_view line);

// Reads every dialogue. Empty lines where a header is expected are skipped. Lines beyond the 25
// a dialogue holds and dialogues beyond the 70 of the table are left out and noted in `problems`.
void ReadDialogues(LineReader& reader, Dialogues& dialogues, Problems& problems);

}  // namespace quillan
