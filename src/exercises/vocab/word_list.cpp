#include "exercises/vocab/word_list.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "course/data_file.h"
#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {

namespace {

constexpr int kHeaderLines = 10;

// Columns are 1-based positions of the trimmed line.
std::string_view Columns(std::string_view line, size_t first, size_t count) {
    return first - 1 < line.size() ? line.substr(first - 1, count) : std::string_view();
}

}  // namespace

std::optional<VocabEntry> ParseWordLine(std::string_view rawLine) {
    const std::string_view line = TrimView(rawLine);
    if (line.size() <= 7) return std::nullopt;

    // Positions (0-based) of the first ten "="; npos for those the line lacks.
    std::array<size_t, 10> eq;
    size_t from = 0;
    for (size_t& at : eq) {
        at = from == std::string_view::npos ? std::string_view::npos : line.find('=', from);
        from = at == std::string_view::npos ? at : at + 1;
    }
    // Piece k (1-10) runs from after "=" number k to before "=" number k + 1 (to the end of the
    // line for the tenth). A missing "=" leaves its pieces empty, except the tenth, which then
    // runs from the start of the line.
    auto piece = [&](int k) -> std::string_view {
        const size_t open = eq[static_cast<size_t>(k - 1)];
        const size_t begin = open == std::string_view::npos ? 0 : open + 1;
        if (k == 10) return line.substr(begin);
        const size_t close = eq[static_cast<size_t>(k)];
        if (open == std::string_view::npos || close == std::string_view::npos) return {};
        return line.substr(begin, close - begin);
    };

    VocabEntry entry;
    entry.Group = StrToInt(TrimView(Columns(line, 1, 2)));
    const std::string_view soundByName = TrimView(Columns(line, 4, 1));
    entry.SoundByName = soundByName.empty() ? 0 : StrToInt(soundByName);
    entry.EntryId = StrToInt(TrimView(Columns(line, 5, 5)));
    entry.Column11 = StrToInt(Columns(line, 11, 1));
    entry.WordClass = StrToInt(Columns(line, 12, 1));
    // The headword runs from column 14 to the second character before the first "=".
    if (eq[0] != std::string_view::npos && eq[0] >= 14) entry.Headword = Trim(line.substr(13, eq[0] - 14));

    entry.Translation = Trim(piece(1));
    entry.SecondText = Trim(piece(2));
    entry.Alternatives = Trim(piece(3));
    entry.Note = Trim(piece(4));
    entry.SoundRef = Trim(piece(5));
    if (entry.SoundByName != 1 && IntOfTrimmed(entry.SoundRef) <= 0) entry.SoundRef.clear();
    entry.Flag6 = IntOfTrimmed(piece(6)) == 1;
    entry.IsItem = TrimView(piece(9)) == "cw";
    entry.ExampleId = IntOfTrimmed(piece(10));

    if (entry.EntryId < 1) return std::nullopt;
    return entry;
}

void ReadWordList(LineReader& reader, VocabStore& store, Problems& problems) {
    store.Entries.clear();
    store.ItemIds.clear();
    store.ItemEntries.clear();
    store.ItemCount = 0;
    for (int i = 0; i < kHeaderLines && !reader.Eof(); ++i) reader.ReadLineView();

    bool reportedFull = false;
    ForEachLine(reader, [&](std::string_view line) {
        if (TrimView(line).empty()) return true;
        if (store.Entries.size() >= kVocabEntryLimit) {
            if (!reportedFull)
                problems.Add(reader.Name(), reader.LineNumber(),
                             "the list holds " + std::to_string(kVocabEntryLimit) +
                                 " entries: this line and the entry lines after it are ignored");
            reportedFull = true;
            return true;
        }
        std::optional<VocabEntry> entry = ParseWordLine(line);
        if (!entry) return true;
        store.Entries.push_back(std::move(*entry));
        if (store.Entries.back().IsItem) {
            store.ItemIds.push_back(store.Entries.back().EntryId);
            ++store.ItemCount;
        }
        return store.ItemCount < kVocabItemLimit;
    });

    // Reading ends with the 300th item; say so when entry lines follow it.
    const int last = reader.LineNumber();
    int firstUnread = 0;
    while (!reader.Eof())
        if (!TrimView(reader.ReadLineView()).empty() && firstUnread == 0) firstUnread = reader.LineNumber();
    if (firstUnread != 0)
        problems.Add(reader.Name(), firstUnread,
                     "the list holds " + std::to_string(kVocabItemLimit) + " items, the last on line " +
                         std::to_string(last) + ": lines " + std::to_string(firstUnread) + " to " +
                         std::to_string(reader.LineNumber()) + " are not read");
}

void LoadWordList(const std::string& path, VocabStore& store, Problems& problems) {
    std::optional<std::string> bytes = ReadFileIfExists(path);
    if (!bytes) throw FileError("Brak pliku: " + Utf8ToCp1250(NativePath(path)));
    const size_t lines = CountLines(*bytes);
    store.Entries.clear();
    store.Entries.reserve(std::min(lines, kVocabEntryLimit));
    LineReader reader(std::move(*bytes), path);
    ReadWordList(reader, store, problems);
}

int FindEntryById(const VocabStore& store, int id) {
    for (size_t i = 0; i < store.Entries.size(); ++i)
        if (store.Entries[i].EntryId == id) return static_cast<int>(i) + 1;
    return -1;
}

void MapItems(VocabStore& store) {
    const size_t count = static_cast<size_t>(std::max(store.ItemCount, 0));
    // FindEntryById for every item in one pass over the entries.
    std::unordered_map<int, int> lowestIndex;
    lowestIndex.reserve(count * 2);
    for (size_t k = 0; k < count; ++k) lowestIndex.emplace(store.ItemIds[k], 0);
    for (size_t i = store.Entries.size(); i-- > 0;)
        if (auto found = lowestIndex.find(store.Entries[i].EntryId); found != lowestIndex.end())
            found->second = static_cast<int>(i) + 1;

    // 1-based like the table it mirrors; slot 0 unused.
    std::vector<int> items(count + 1, 0);
    for (size_t k = 0; k < count; ++k) items[k + 1] = lowestIndex[store.ItemIds[k]];

    // Compaction: holes at the front are filled from the back.
    size_t i = 1, n = count;
    while (n > i) {
        if (items[i] != 0)
            ++i;
        else if (items[n] == 0)
            --n;
        else {
            items[i] = items[n];
            items[n] = 0;
            --n;
        }
    }
    const size_t kept = n == 0 ? 0 : (items[n] != 0 ? n : n - 1);
    store.ItemCount = static_cast<int>(std::min<size_t>(kept, kVocabItemLimit));
    store.ItemEntries.assign(items.begin() + 1, items.begin() + 1 + store.ItemCount);
}

std::string EntrySoundPath(const VocabStore& store, int index, const std::string& programDir,
                           const std::string& bsgramDir) {
    if (index < 1 || static_cast<size_t>(index) > store.Entries.size()) return {};
    const VocabEntry& entry = store.Entries[static_cast<size_t>(index) - 1];
    if (entry.SoundByName == 1) {
        const std::string_view name = TrimView(entry.SoundRef);
        return name.empty() ? std::string() : programDir + "Nagrania\\" + std::string(name);
    }
    const int number = IntOfTrimmed(entry.SoundRef);
    if (number <= 0) return {};
    std::string digits = std::to_string(number);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return bsgramDir + "D_" + digits.substr(0, 2) + "\\dd_" + digits.substr(0, 3) + "\\" + digits + ".wav";
}

}  // namespace quillan
