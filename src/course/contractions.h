#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"

namespace quillan {

// Long and short forms ("ss_r.t"): a dictation answer may use either.
struct Contraction {
    std::string LongForm;   // " I am"
    std::string ShortForm;  // " I'm"
};
using ContractionTable = std::vector<Contraction>;

constexpr size_t kContractionLimit = 70;
constexpr size_t kContractionVariantLimit = 40;

// The pair of a line: the long form before the first "=", the short form up to the next "="
// (or the end of the line); nothing is trimmed. Nothing for a line without "=".
std::optional<Contraction> ParseContractionLine(std::string_view line);

// Reads the table; lines without "=" are skipped, pairs after the 70th are noted in `problems`.
void ReadContractions(LineReader& reader, ContractionTable& table, Problems& problems);

// Empties the table, then reads directory + "ss_r.t" when it exists.
void LoadContractions(const std::string& directory, ContractionTable& table, Problems& problems);

// Trimmed, blanks normalised around " ,;.!:-?", one final "?" or "." removed.
std::string NormalizeSentence(std::string_view text);

// The sentence with long forms replaced by short ones: for each pair that occurs (first
// occurrence), the sentence with it replaced, and for each further pair occurring after it,
// the sentence with only that second one and with both replaced. At most 40 variants; further
// ones overwrite the 40th. The sentence is trimmed and, unless it begins with "'", gets a
// leading blank so that a long form beginning with a blank matches at its start.
std::vector<std::string> BuildContractionVariants(std::string_view sentence, const ContractionTable& table);

}  // namespace quillan
