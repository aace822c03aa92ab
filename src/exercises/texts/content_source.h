#pragma once

#include <string>
#include <string_view>

#include "course/problems.h"

namespace quillan {

// Where a text exercise's content comes from, so that its problems name the place a course
// author has to mend: the type line of the entry in "St_a.txt" (or, for a catalog exercise, the
// catalog file). Problems of content read without a place (File empty) name no file.
struct ContentPlace {
    std::string File;
    int Line = 0;
};

// Notes a problem of the content at its place.
inline void NoteProblem(Problems& problems, const ContentPlace& place, std::string message) {
    problems.Add(place.File, place.Line, std::move(message));
}

// The content of a type line: the line without its type code and the "#" after it (the first
// three characters, four for "ZDD").
std::string_view TypeLineContent(std::string_view typeLine);

// The texts the windows show as hints of a wrong mark.
std::string YourAnswerHint(std::string_view given);  // "Your answer: " + given
inline const char* const kNoAnswerHint = "There was no answer";

// Fields terminated by `separator`, read one by one the way the exercise windows read their
// content. Unlike the windows' own loops, a last field that lacks its terminator is handed
// out too (Unterminated() tells), so that no content can keep a reader going for ever.
class TerminatedFields {
public:
    TerminatedFields(std::string_view text, char separator) : rest_(text), separator_(separator) {}
    // The rest holds nothing but blanks: the content has ended.
    bool AtEnd() const;
    // The next field without its terminator.
    std::string_view Next();
    // The last field handed out had no terminator (it ran to the end of the content).
    bool Unterminated() const { return unterminated_; }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
    char separator_;
    bool unterminated_ = false;
};

}  // namespace quillan
