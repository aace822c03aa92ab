#include "progress/repetitions.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

#include "platform/cp1250.h"
#include "progress/record_bytes.h"
#include "progress/results_store.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

using namespace record_bytes;

constexpr size_t kId = 0, kKind = 104, kKey = 108, kInterval = 112, kDue = 116, kLastUpdate = 124, kIndex = 132;

bool Due(const RepetitionEntry& entry, const std::string& today) { return FormatDate(entry.Due) <= today; }

std::int32_t Bounded(long long interval) {
    return static_cast<std::int32_t>(std::clamp<long long>(interval, 1, kMaxRepetitionInterval));
}

// The last entry with the id, kind and index, for a list that may be const or not.
template <typename List>
auto FindLast(List& list, const std::string& id, int kind, int index) -> decltype(&list.entries.front()) {
    if (id.empty()) return nullptr;
    for (auto it = list.entries.rbegin(); it != list.entries.rend(); ++it)
        if (it->Id == id && it->Kind == kind && it->Index == index) return &*it;
    return nullptr;
}

}  // namespace

void EncodeRepetition(const RepetitionEntry& e, char* out) {
    StartRecord(out, kRepetitionSize, e.Read);
    PutString(out, kId, kIdCapacity, e.Id);
    PutI32(out, kKind, e.Kind);
    PutI32(out, kKey, e.Key);
    PutI32(out, kInterval, e.Interval);
    PutF64(out, kDue, e.Due);
    PutF64(out, kLastUpdate, e.LastUpdate);
    PutU8(out, kIndex, e.Index);
}

RepetitionEntry DecodeRepetition(const char* in) {
    RepetitionEntry e;
    e.Id = GetString(in, kId, kIdCapacity);
    e.Kind = GetI32(in, kKind);
    e.Key = GetI32(in, kKey);
    e.Interval = GetI32(in, kInterval);
    e.Due = GetF64(in, kDue);
    e.LastUpdate = GetF64(in, kLastUpdate);
    e.Index = GetU8(in, kIndex);
    e.Read = KeepBytes(in, kRepetitionSize);
    return e;
}

std::vector<RepetitionEntry> DecodeRepetitions(std::string_view bytes) {
    std::vector<RepetitionEntry> entries;
    entries.reserve(bytes.size() / kRepetitionSize);
    for (size_t at = 0; at + kRepetitionSize <= bytes.size(); at += kRepetitionSize)
        entries.push_back(DecodeRepetition(bytes.data() + at));
    return entries;
}

std::string RepetitionsPath(const std::string& resultsDirectory, const std::string& courseFileId) {
    return resultsDirectory + "powt_" + courseFileId;
}

void LoadRepetitions(RepetitionList& list, const std::string& path, DayNumber now) {
    LoadedRecords loaded = LoadRecordFile(path, kRepetitionSize, kMaxRepetitions, now);
    list.entries = DecodeRepetitions(loaded.bytes);
    list.file = std::move(loaded.file);
}

void SaveRepetitions(const RepetitionList& list) {
    std::string bytes;
    bytes.reserve(list.entries.size() * kRepetitionSize);
    char record[kRepetitionSize];
    for (const RepetitionEntry& e : list.entries) {
        if (e.Id.empty()) continue;
        EncodeRepetition(e, record);
        bytes.append(record, kRepetitionSize);
    }
    SaveRecordFile(list.file, bytes);
}

RepetitionChange RecordRepetition(RepetitionList& list, const RepetitionSettings& settings, DayNumber now,
                                  int percent, std::string_view id, int kind, int completed, int key, int index) {
    if (!settings.RepetitionsOn) return RepetitionChange::None;
    if (completed == 0 && !settings.RepetitionsWhenInterrupted) return RepetitionChange::None;

    const std::string wanted = LowerAscii(id).substr(0, kIdCapacity);
    const DayNumber today = DateOnly(now);
    RepetitionEntry* entry = FindLast(list, wanted, kind, index);
    if (!entry) {
        if (list.entries.size() >= kMaxRepetitions)
            std::erase_if(list.entries, [](const RepetitionEntry& e) { return e.Id.empty(); });
        if (list.entries.size() >= kMaxRepetitions) throw TableFullError(RepetitionsFullMessage());
        RepetitionEntry& added = list.entries.emplace_back();
        added.Id = wanted;
        added.Kind = kind;
        added.Key = key;
        added.Interval = Bounded(settings.FirstRepetitionInterval);
        added.Due = now + added.Interval;
        added.LastUpdate = today;
        added.Index = static_cast<std::uint8_t>(index);
        return RepetitionChange::Added;
    }

    if (percent < 15)
        entry->Interval = 3;
    else if (today != DateOnly(entry->LastUpdate))
        entry->Interval = Bounded(2LL * entry->Interval);
    else
        entry->Interval = Bounded(entry->Interval);  // the same day: no second doubling
    entry->LastUpdate = today;
    if (percent > settings.RepetitionThreshold) {
        entry->Id.clear();
        return RepetitionChange::Removed;
    }
    entry->Due = today + entry->Interval;
    return RepetitionChange::Rescheduled;
}

void RemoveRepetition(RepetitionList& list, std::string_view id, int kind, int key) {
    const std::string wanted = LowerAscii(id);
    if (wanted.empty()) return;
    for (auto it = list.entries.rbegin(); it != list.entries.rend(); ++it)
        if (it->Id == wanted && it->Kind == kind && it->Key == key) {
            it->Id.clear();
            return;
        }
}

void ClearRepetitions(RepetitionList& list) { list.entries.clear(); }

const RepetitionEntry* FindRepetition(const RepetitionList& list, std::string_view id, int kind, int index) {
    return FindLast(list, LowerAscii(id), kind, index);
}

bool IsRepetitionDue(const RepetitionList& list, DayNumber now, std::string_view id, int kind, int index) {
    const std::string wanted = LowerAscii(id);
    if (wanted.empty()) return false;
    const std::string today = FormatDate(now);
    return std::any_of(list.entries.begin(), list.entries.end(), [&](const RepetitionEntry& e) {
        return e.Id == wanted && e.Kind == kind && e.Index == index && Due(e, today);
    });
}

RepetitionLookup::RepetitionLookup(const RepetitionList& list, DayNumber now) {
    const std::string today = FormatDate(now);
    for (const RepetitionEntry& e : list.entries) {
        if (e.Id.empty()) continue;
        Slot& slot = slots_[SlotKey(e.Id, e.Kind, e.Index)];
        slot.last = &e;
        slot.due = slot.due || Due(e, today);
    }
}

std::string RepetitionLookup::SlotKey(std::string_view lowerId, int kind, int index) {
    return std::string(lowerId) + '\n' + std::to_string(kind) + '\n' + std::to_string(index);
}

const RepetitionLookup::Slot* RepetitionLookup::SlotOf(std::string_view id, int kind, int index) const {
    const auto found = slots_.find(SlotKey(LowerAscii(id), kind, index));
    return found == slots_.end() ? nullptr : &found->second;
}

const RepetitionEntry* RepetitionLookup::Find(std::string_view id, int kind, int index) const {
    const Slot* slot = SlotOf(id, kind, index);
    return slot ? slot->last : nullptr;
}

bool RepetitionLookup::IsDue(std::string_view id, int kind, int index) const {
    const Slot* slot = SlotOf(id, kind, index);
    return slot && slot->due;
}

bool AnyRepetitionDue(const RepetitionList& list, const ResultsTable& results, DayNumber now) {
    const std::string today = FormatDate(now);
    std::set<std::pair<std::string, int>> due;
    for (const RepetitionEntry& e : list.entries)
        if (!e.Id.empty() && Due(e, today)) due.emplace(e.Id, e.Kind);
    if (due.empty()) return false;
    return std::any_of(results.records.begin(), results.records.end(),
                       [&](const CW_Info& r) { return due.count({LowerAscii(r.Id), r.Kind}) > 0; });
}

bool KindReportsRepetition(int kind) {
    return (kind >= 40 && kind <= 47) || (kind >= 50 && kind <= 52) || kind == 54 || kind == 59 ||
           (kind >= 60 && kind <= 64) || kind == 73 || kind == 74;
}

int RepetitionIndexFor(int kind, int positionInText) {
    if (kind >= 40 && kind <= 47) return positionInText;
    if (kind >= 50 && kind <= 52) return kind - 49;
    if (kind >= 60 && kind <= 64) return kind - 59;
    if (kind == 73 || kind == 74) return kind - 70;
    return 0;
}

std::string RepetitionsFullMessage() {
    return Utf8ToCp1250("Lista powtórek mieści najwyżej " + std::to_string(kMaxRepetitions) +
                        " pozycji; ćwiczenie nie zostało dodane do powtórek.");
}

}  // namespace quillan
