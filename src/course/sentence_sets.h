#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"

namespace quillan {

// The sentence sets that catalog exercises draw from.

// A comprehension sentence of "rozum_pig.txt": seven "="-fields, each trimmed.
struct ComprehensionSentence {
    std::string Key;        // matched against the keys of a catalog entry's Line4
    std::string SoundName;  // recording "rozumienia_wav_r\" + name + ".wav"
    std::string Polish;     // the translation
    std::string English;    // the sentence
    std::array<std::string, 4> Pictures;  // three picture names, the right one first; the fourth stays empty
};

// A recording sentence of "kurs.zdn": Id is characters 1-5, then after character 6 two fields.
struct RecordingSentence {
    std::string Id;
    std::string Text1;  // the model recording's name
    std::string Text2;  // the sentence
};

// A drag-and-drop sentence of "kurs.zdd": Id is characters 1-5, then after character 6 the
// sentence (blanks of its first "<...>" gap turned into "+") and the answer (without "<", ">").
struct DragDropSentence {
    std::string Id;
    std::string Sentence;
    std::string Answer;
};

using ComprehensionSentences = std::vector<ComprehensionSentence>;
using RecordingSentences = std::vector<RecordingSentence>;
using DragDropSentences = std::vector<DragDropSentence>;

constexpr size_t kComprehensionLimit = 600;
constexpr size_t kRecordingLimit = 600;
constexpr size_t kDragDropLimit = 2000;

ComprehensionSentence ParseComprehensionLine(std::string_view line);
RecordingSentence ParseRecordingLine(std::string_view line);
DragDropSentence ParseDragDropLine(std::string_view line);

// Lines beginning with "//" are comments; every other line is a sentence, an empty one too.
void ReadComprehensionSentences(LineReader& reader, ComprehensionSentences& table, Problems& problems);
// Every line is a sentence.
void ReadRecordingSentences(LineReader& reader, RecordingSentences& table, Problems& problems);
void ReadDragDropSentences(LineReader& reader, DragDropSentences& table, Problems& problems);

}  // namespace quillan
