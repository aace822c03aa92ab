#include "exercises/vocab/questions.h"

#include <algorithm>

#include "text/answer_text.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

// Draws per slot before the search goes through the candidates in order.
constexpr int kDrawLimit = 300;

const VocabEntry& EntryAt(const VocabStore& store, int index) { return store.Entries[static_cast<size_t>(index) - 1]; }

bool SameFirstCharacter(const std::string& a, const std::string& b) { return Copy(a, 1, 1) == Copy(b, 1, 1); }

// True when `text` equals none of the options but slot `skip` (0-based; -1 compares all).
bool DiffersFromOthers(const ChoiceOptions& choice, const std::string& text, int skip) {
    for (int s = 0; s < 4; ++s)
        if (s != skip && choice.Options[static_cast<size_t>(s)] == text) return false;
    return true;
}

bool DiffersFromPlaced(const ChoiceOptions& choice, const std::string& text) {
    for (int s = 0; s < 4; ++s)
        if (choice.Used[static_cast<size_t>(s)] && choice.Options[static_cast<size_t>(s)] == text) return false;
    return true;
}

ChoiceOptions WithRightAnswer(const std::string& right, Random& random) {
    ChoiceOptions choice;
    choice.CorrectOption = 1 + random.Below(4);
    choice.Options[static_cast<size_t>(choice.CorrectOption - 1)] = right;
    choice.Used[static_cast<size_t>(choice.CorrectOption - 1)] = true;
    return choice;
}

const std::string& TextOf(const VocabEntry& entry, bool english) { return english ? entry.Headword : entry.Translation; }

}  // namespace

std::vector<std::string> BuildDistractorPool(const VocabStore& store, int entryIndex, int kind, int courseVariant) {
    std::vector<std::string> pool;
    if (entryIndex < 1 || static_cast<size_t>(entryIndex) > store.Entries.size()) return pool;
    const VocabEntry& item = EntryAt(store, entryIndex);
    const int group = item.Group;
    auto add = [&](const std::string& text) {
        if (pool.size() < kDistractorPoolLimit) pool.push_back(text);
    };
    // Adds the chosen text of every entry that passes; gives how many passed.
    auto scan = [&](auto&& passes, bool english) {
        size_t found = 0;
        for (const VocabEntry& e : store.Entries)
            if (passes(e)) {
                add(TextOf(e, english));
                ++found;
            }
        return found;
    };
    if (kind == 1) {
        auto firstScan = [&](const VocabEntry& e) {
            if (e.WordClass >= 5) return false;
            return courseVariant >= 6 ? e.Group == group : SameFirstCharacter(e.Headword, item.Headword);
        };
        if (scan(firstScan, true) < 10) scan(firstScan, true);
        if (pool.size() < 13) scan([&](const VocabEntry& e) { return e.Group == group && e.WordClass < 5; }, true);
    } else {
        if (scan([&](const VocabEntry& e) { return e.Group == group && e.WordClass < 5; }, false) < 10 && group < 5)
            scan([&](const VocabEntry& e) { return e.Group == group; }, false);
    }
    return pool;
}

ChoiceOptions PickOptions(const std::vector<std::string>& pool, const std::string& right, const VocabStore& store,
                          bool english, Random& random) {
    if (pool.size() < 4) return PickOptionsFromAll(store, english, right, random);
    const int size = static_cast<int>(pool.size());
    auto slot = [&](int r) { return r <= size ? pool[static_cast<size_t>(r) - 1] : std::string(); };
    int range = (size == 4 || size == 5) ? 8 : size;
    ChoiceOptions choice = WithRightAnswer(right, random);
    for (int s = 0; s < 4; ++s) {
        if (choice.Used[static_cast<size_t>(s)]) continue;
        for (int tries = 1; tries <= kDrawLimit && !choice.Used[static_cast<size_t>(s)]; ++tries) {
            const std::string candidate = slot(1 + random.Below(range));
            if (DiffersFromOthers(choice, candidate, s)) {
                choice.Options[static_cast<size_t>(s)] = candidate;
                choice.Used[static_cast<size_t>(s)] = true;
            } else if (tries < 30) {
                range = 30;
            }
        }
        // The draws keep repeating options: the first text of the pool not shown yet, if any.
        for (int r = 1; r <= size && !choice.Used[static_cast<size_t>(s)]; ++r)
            if (!slot(r).empty() && DiffersFromPlaced(choice, slot(r))) {
                choice.Options[static_cast<size_t>(s)] = slot(r);
                choice.Used[static_cast<size_t>(s)] = true;
            }
    }
    return choice;
}

ChoiceOptions PickOptionsFromAll(const VocabStore& store, bool english, const std::string& right, Random& random) {
    std::vector<int> drawable;
    const int count = static_cast<int>(store.Entries.size());
    if (count > 161) {
        for (int i = 1; i <= count - 161; ++i) drawable.push_back(i);
    } else {
        for (int i = 1; i <= count; ++i)
            if (EntryAt(store, i).WordClass < 5) drawable.push_back(i);
    }
    ChoiceOptions choice = WithRightAnswer(right, random);
    if (drawable.empty()) return choice;
    const int range = static_cast<int>(drawable.size());
    auto text = [&](int k) -> const std::string& { return TextOf(EntryAt(store, drawable[static_cast<size_t>(k)]), english); };
    for (int s = 0; s < 4; ++s) {
        auto place = [&](const std::string& candidate) {
            if (!DiffersFromPlaced(choice, candidate)) return false;
            choice.Options[static_cast<size_t>(s)] = candidate;
            choice.Used[static_cast<size_t>(s)] = true;
            return true;
        };
        if (choice.Used[static_cast<size_t>(s)]) continue;
        bool placed = false;
        for (int tries = 0; tries < kDrawLimit && !placed; ++tries) placed = place(text(random.Below(range)));
        for (int k = 0; k < range && !placed; ++k) placed = place(text(k));
    }
    return choice;
}

std::vector<std::string> BuildAcceptedList(const VocabEntry& entry, int stageMode, int courseVariant) {
    std::vector<std::string> list;
    const std::string alternatives = Trim(entry.Alternatives);
    if (!alternatives.empty()) {
        size_t start = 0;
        for (;;) {
            const size_t slash = alternatives.find('/', start);
            if (list.size() < kAlternativesLimit)
                list.push_back(Trim(std::string_view(alternatives).substr(start, slash == std::string::npos ? std::string::npos : slash - start)));
            if (slash == std::string::npos) break;
            start = slash + 1;
        }
    }
    if (stageMode == 6 && courseVariant == 1 && entry.WordClass == 3) {
        list.push_back(entry.Headword);
        const size_t count = list.size();
        for (size_t i = 0; i < count; ++i)
            if (LowerAscii(Copy(list[i], 1, 3)) != "to ") list.push_back("to " + list[i]);
    }
    return list;
}

TypedJudgement JudgeTypedAnswer(const std::string& typed, const std::string& expected,
                                const std::vector<std::string>& accepted, bool caseSensitive) {
    auto comparable = [&](const std::string& text) {
        const std::string normal = NormalizeAnswer(text);
        return caseSensitive ? normal : LowerAscii(normal);
    };
    TypedJudgement judgement;
    judgement.given = comparable(typed);
    // Nothing typed is never right, whatever an empty expected answer or an empty piece of the
    // alternatives ("x/") would match.
    if (judgement.given.empty()) return judgement;
    if (judgement.given == comparable(expected)) {
        judgement.right = true;
        return judgement;
    }
    judgement.acceptedVariant = std::any_of(accepted.begin(), accepted.end(),
                                            [&](const std::string& a) { return comparable(a) == judgement.given; });
    judgement.right = judgement.acceptedVariant;
    return judgement;
}

std::string LetterCountSuffix(const std::string& answer) {
    return " (" + std::to_string(answer.size()) + " letters)";
}

}  // namespace quillan
