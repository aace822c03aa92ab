#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"

namespace quillan {

// One exercise of a course text, from the text-exercise list "St_a.txt": three trimmed lines.
//  Header: "#"-separated fields; field 2 is the number of the course text, fields 8-10 optional
//          media times in seconds; the rest belongs to the exercise windows.
//  TypeLine: the type code before its first "#", then the exercise content.
//  LayoutLine: ten numbers, each followed by "=", placing the parts of the exercise window.
struct TextExercise {
    std::string Header;
    std::string TypeLine;
    std::string LayoutLine;
    std::string File;  // the list's file and the line of the header in it (the type line follows it)
    int Line = 0;
};
using TextExerciseList = std::vector<TextExercise>;  // list number n is element n - 1

constexpr size_t kTextExerciseLimit = 300;

// The windows of the text exercises.
enum class TextExerciseWindow {
    None,
    MultipleChoice,   // TC_MC_Form
    TrueFalse,        // TC_TF_Form
    DragDropTable,    // TC_DDForm
    ExerciseH,        // TC_HForm
    Typing,           // TCW_Wpisywanie1Form
    Definitions,      // TC_DefForm
    DragDropVariant,  // TC_DDVForm
    GapTexts,         // TZdaniaDDForm
};

// A type code of the list with its exercise kind in the results table and its window.
struct TextExerciseType {
    std::string_view Code;
    int Kind;
    TextExerciseWindow Window;
};

// The type with that code (MC, TF, DD, HH, WP, DF, DV, ZDD); nullptr for any other code.
const TextExerciseType* FindTextExerciseType(std::string_view code);

// The type code of an entry: its type line up to the first "#" (empty without one).
std::string TypeCode(const TextExercise& exercise);

// Field 2 of the header as written: the course text the exercise belongs to.
std::string TextNumberField(const TextExercise& exercise);
// The same as an integer (empty gives 0; ConversionError when it is no number).
int TextNumberOf(const TextExercise& exercise);

// The ten layout numbers; "0" or an empty value gives -1 (the window's default), a missing
// value too. ConversionError for a value that is no number.
using LayoutValues = std::array<int, 10>;
LayoutValues ParseLayout(std::string_view layoutLine);
// A layout value, or `fallback` where the value is -1 (the window's default).
inline int LayoutOr(int value, int fallback) { return value == -1 ? fallback : value; }

// A header holding five "#" or more carries media times: fields 8, 9 and 10, in seconds.
constexpr int kFirstMediaTimeField = 8;
bool HasMediaTimes(std::string_view header);
// Header field `field` (8, 9 or 10) in milliseconds (seconds x 1000, trimmed); nothing when it
// is empty. ConversionError when it is no number.
std::optional<int> MediaTimeMilliseconds(std::string_view header, int field);

// Notes the numbers of an entry that would stop its text from opening, each at its line of
// `listFile`: the text number (header field 2) and the media times on the header's line, the
// ten layout values on the layout line.
void CheckTextExerciseNumbers(const TextExercise& exercise, const std::string& listFile, Problems& problems);

// Reads the list: lines beginning with "/" and empty lines are skipped; any other line is the
// header of an entry, and the two lines after it its type line and layout line.
void ReadTextExerciseList(LineReader& reader, TextExerciseList& list, Problems& problems);

}  // namespace quillan
