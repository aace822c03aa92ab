#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"
#include "text/numbered_texts.h"

namespace quillan {

// A business letter of "Listy_r\index.txt": four "="-ended fields and the rest of the line,
// all kept as written. The page is "Listy_r\" + FileName + ".htm".
struct Letter {
    std::string FileName;
    std::string Section;
    std::string Level;
    std::string GlossaryNumber;  // the glossary entry with the letter's translation
    std::string Rest;
};
using Letters = std::vector<Letter>;

// An open task of "otwarte.txt": five "="-fields, each trimmed.
struct OpenTask {
    int Number = 0;
    int Section = 0;
    int Level = 0;
    std::string Text1;
    std::string Text2;
};
using OpenTasks = std::vector<OpenTask>;

constexpr size_t kLetterLimit = 100;
constexpr size_t kOpenTaskLimit = 250;
constexpr size_t kGlossaryLimit = 250;

Letter ParseLetterLine(std::string_view line);
// ConversionError when a number is no number.
OpenTask ParseOpenTaskLine(std::string_view line);
// A number, "=" and the text: everything after the first "=", untrimmed. ConversionError when
// the number is no number.
GlossaryEntry ParseGlossaryLine(std::string_view line);

// Every line is a letter.
void ReadLetters(LineReader& reader, Letters& letters, Problems& problems);
// Lines beginning with "/" are comments.
void ReadOpenTasks(LineReader& reader, OpenTasks& tasks, Problems& problems);
// Every line is an entry. A line beyond the 250 the glossary holds throws CourseStop with
// "Za duza ilosc linijek slowniczka!!!" (the program ends); the first 250 stay read.
void ReadGlossary(LineReader& reader, Glossary& glossary);

}  // namespace quillan
