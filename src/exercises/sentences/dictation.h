#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/contractions.h"
#include "course/sentences.h"

namespace quillan {

// The wordings a dictation accepts for a sentence: Variant1 to Variant<VariantCount>, a blank
// one left out (a blank wording would accept an empty answer).
std::vector<std::string> AcceptedWordings(const Sentence& sentence);

// The wording shown after a dictation has been judged: the last one, trimmed.
std::string ShownWording(const Sentence& sentence);

// Whether a typed answer matches one of the wordings. Both sides are tidied by
// NormalizeSentence (blanks around punctuation, one final "." or "?" left out); a wording also
// matches with its long forms replaced by the short ones of the contraction table ("I am late"
// accepts "I'm late"). Without `caseSensitive` the letters A to Z count as their lower case on
// both sides, the short forms included.
bool DictationAccepts(std::string_view answer, const std::vector<std::string>& wordings,
                      const ContractionTable& contractions, bool caseSensitive);

}  // namespace quillan
