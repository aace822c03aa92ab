#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// What the companion dictionary shows for one word: the English headword, its Polish
// translation, an example sentence with its translation, and the recording (Windows path,
// empty when there is none). Texts are Windows-1250.
struct DictionaryEntry {
    std::string English;
    std::string Polish;
    std::string Example;
    std::string ExampleTranslation;
    std::string SoundPath;
};

// The dictionary's word list, searched as the learner types.
class DictionaryIndex {
public:
    // Adds an entry; an entry with the same English and Polish text as an earlier one is
    // merged into it (keeping the first example and recording found).
    void Add(DictionaryEntry entry);

    // Entries whose English or Polish text contains the query (letter case ignored, Polish
    // letters included): whole-word matches first, then those that begin with the query, then
    // the rest, each group in alphabetical order of the English text. An empty query gives
    // every entry in alphabetical order. At most `limit` entries.
    std::vector<const DictionaryEntry*> Search(std::string_view query, size_t limit = 200) const;

    size_t Size() const { return items_.size(); }

private:
    struct Item {
        DictionaryEntry entry;
        std::string englishKey, polishKey;  // lower case, for searching
    };
    std::vector<Item> items_;
};

}  // namespace quillan
