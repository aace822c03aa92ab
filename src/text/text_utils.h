#pragma once

#include <string>
#include <string_view>

#include "platform/ascii.h"

namespace quillan {

// Text operations on the program's Windows-1250 byte strings. Positions are 1-based
// character positions, lengths are byte counts. The cooperative wait lives in Clock::Wait.

// The string primitives every reader relies on, with their behaviour at the edges fixed once:
// Copy gives the empty text when count <= 0 or index is beyond the end, is cut at the end of
// the text, and treats an index below 1 as 1. Delete removes nothing when count <= 0 or index
// is below 1 or beyond the end. Pos gives 0 when the pattern is absent (or empty).
std::string Copy(std::string_view text, int index, int count);
void Delete(std::string& text, int index, int count);
int Pos(std::string_view pattern, std::string_view text);

// Position of the first occurrence of pattern that begins at or after start, counted from the
// beginning of the whole text; -1 when absent, and when the pattern or the text is empty, or
// start is below 1 or beyond the end of the text.
int PosFrom(int start, std::string_view text, std::string_view pattern);

// Leading and trailing blanks and control characters (bytes up to the space) removed.
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);

// Strict conversion of a decimal integer (leading spaces and a sign allowed, nothing after the
// digits, within 32 bits). Throws ConversionError "'text' is not a valid integer value".
int StrToInt(std::string_view text);
// Trims, gives 0 for an empty result, otherwise StrToInt.
int IntOfTrimmed(std::string_view text);

// The part before the first space; the whole text without a space; empty when it begins with one.
std::string FirstWord(std::string_view text);

// Field n of a text whose fields are each ended by "#"; empty when field n has no "#" after it.
std::string NthHashField(std::string_view text, int n);

// The field idiom of every course-file reader: the field is the text up to the next separator,
// and the separator and everything before it are removed from the line. A missing separator
// gives an empty field and leaves the line unchanged; a leading separator gives an empty field
// and removes only itself.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view line) : rest_(line) {}
    std::string_view Take(char separator = '=');
    // The first n characters (fewer at the end of the line), removed from the line.
    std::string_view TakeChars(size_t n);
    void Skip(size_t n) { rest_.remove_prefix(n < rest_.size() ? n : rest_.size()); }
    std::string_view Rest() const { return rest_; }
    bool Empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

// The same idiom on a line held in a string.
std::string TakeField(std::string& line, char separator = '=');

// ASCII letter case, as tags and names are compared: LowerAscii and UpperAscii in platform/ascii.h.

// Lower case of every letter Windows-1250 has (Polish letters included), as learners' names
// are compared.
std::string LowerCp1250(std::string_view text);

}  // namespace quillan
