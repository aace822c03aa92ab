#pragma once

#include <array>
#include <string>
#include <vector>

#include "exercises/vocab/word_list.h"
#include "platform/random.h"

namespace quillan {

// How the trainer finds the options of a choice question and judges a typed answer.

constexpr size_t kDistractorPoolLimit = 999;
constexpr size_t kAlternativesLimit = 90;

// The candidates for the wrong options of the item at `entryIndex`: kind 1 the words (same
// first letter first, then the item's group), kind 2 the Polish translations of its group.
// Entries of word class 5 and above (sentences) are left out. At most 999 texts; the same
// text may come more than once, the item's own included.
std::vector<std::string> BuildDistractorPool(const VocabStore& store, int entryIndex, int kind, int courseVariant);

// Four options with the right one at CorrectOption (1..4). A slot for which no text could be
// found is not Used: the question then shows fewer options.
struct ChoiceOptions {
    std::array<std::string, 4> Options;
    std::array<bool, 4> Used{};
    int CorrectOption = 1;
};

// The right answer at a random slot, the other slots drawn from the pool: from its first
// slots (eight when it has 4 or 5 texts, so an empty option may come), and after the first
// draw that repeats an option from its first 30 slots. A pool of fewer than 4 texts draws from
// the whole word list instead (PickOptionsFromAll). When the draws find nothing new the rest
// of the pool is searched in order; what is still missing is left out.
ChoiceOptions PickOptions(const std::vector<std::string>& pool, const std::string& right, const VocabStore& store,
                          bool english, Random& random);

// Wrong options drawn from the words (english) or translations of the word list: from its
// entries 1 to EntryCount - 161, or, in a list of 161 entries or fewer, from all its entries
// of word class below 5.
ChoiceOptions PickOptionsFromAll(const VocabStore& store, bool english, const std::string& right, Random& random);

// The further answers a typing question accepts: the pieces of Alternatives (split at "/",
// trimmed, the first 90). In stage mode 6 of this course (variant 1) a verb (word class 3)
// also accepts its word, and every accepted answer with "to " in front.
std::vector<std::string> BuildAcceptedList(const VocabEntry& entry, int stageMode, int courseVariant);

// A typed answer judged against the expected one and the accepted list, both sides through
// NormalizeAnswer; with caseSensitive off the letters A to Z count the same in either case. An
// answer that is empty once normalised is never right.
struct TypedJudgement {
    bool right = false;
    bool acceptedVariant = false;  // right only through the accepted list
    std::string given;             // the normalised answer (lower-cased when case does not count)
};
TypedJudgement JudgeTypedAnswer(const std::string& typed, const std::string& expected,
                                const std::vector<std::string>& accepted, bool caseSensitive);

// " (10 letters)" for "look after": the characters of the answer, blanks included.
std::string LetterCountSuffix(const std::string& answer);

}  // namespace quillan
