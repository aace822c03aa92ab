#include "dictionary/dictionary_index.h"

#include <algorithm>

#include "text/text_utils.h"

namespace quillan {
namespace {

// 0 a whole word of the text equals the query, 1 the text begins with it, 2 it is inside,
// 3 not at all.
int MatchRank(const std::string& text, const std::string& query) {
    const size_t at = text.find(query);
    if (at == std::string::npos) return 3;
    auto isLetter = [](char c) { return static_cast<unsigned char>(c) > ' ' && c != ',' && c != '/' && c != ';'; };
    for (size_t from = at; from != std::string::npos; from = text.find(query, from + 1)) {
        const size_t end = from + query.size();
        if ((from == 0 || !isLetter(text[from - 1])) && (end == text.size() || !isLetter(text[end]))) return 0;
    }
    return at == 0 ? 1 : 2;
}

}  // namespace

void DictionaryIndex::Add(DictionaryEntry entry) {
    std::string englishKey = LowerCp1250(Trim(entry.English));
    std::string polishKey = LowerCp1250(Trim(entry.Polish));
    if (englishKey.empty()) return;
    for (Item& item : items_) {
        if (item.englishKey != englishKey || item.polishKey != polishKey) continue;
        if (item.entry.Example.empty()) {
            item.entry.Example = std::move(entry.Example);
            item.entry.ExampleTranslation = std::move(entry.ExampleTranslation);
        }
        if (item.entry.SoundPath.empty()) item.entry.SoundPath = std::move(entry.SoundPath);
        return;
    }
    items_.push_back({std::move(entry), std::move(englishKey), std::move(polishKey)});
}

std::vector<const DictionaryEntry*> DictionaryIndex::Search(std::string_view query, size_t limit) const {
    const std::string key = LowerCp1250(Trim(query));
    std::vector<std::pair<int, const Item*>> found;
    for (const Item& item : items_) {
        const int rank = key.empty() ? 0 : std::min(MatchRank(item.englishKey, key), MatchRank(item.polishKey, key));
        if (rank < 3) found.emplace_back(rank, &item);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->englishKey < b.second->englishKey;
    });
    std::vector<const DictionaryEntry*> result;
    for (size_t i = 0; i < found.size() && i < limit; ++i) result.push_back(&found[i].second->entry);
    return result;
}

}  // namespace quillan
