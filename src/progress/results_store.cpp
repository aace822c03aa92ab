#include "progress/results_store.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/cp1250.h"
#include "progress/record_bytes.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

using namespace record_bytes;

// Offsets of the record's fields.
constexpr size_t kId = 0, kTitle = 101, kKind = 352, kKey = 353, kLevel = 354, kLastDone = 356, kResult = 364,
                 kDoneCount = 368, kCompleted = 372, kLessonCode = 373, kReserved1 = 386, kReserved2 = 448,
                 kReserved3 = 452, kTimeDone = 456, kLessonName = 464, kLessonMode = 515, kLessonTag = 516;

}  // namespace

void EncodeCwInfo(const CW_Info& r, char* out) {
    StartRecord(out, kCwInfoSize, r.Read);
    PutString(out, kId, kIdCapacity, r.Id);
    PutString(out, kTitle, kTitleCapacity, r.Title);
    PutU8(out, kKind, r.Kind);
    PutU8(out, kKey, r.Key);
    PutU8(out, kLevel, r.Level);
    PutF64(out, kLastDone, r.LastDone);
    PutU8(out, kResult, r.Result);
    PutI32(out, kDoneCount, r.DoneCount);
    PutU8(out, kCompleted, r.Completed);
    PutString(out, kLessonCode, kLessonCodeCapacity, r.LessonCode);
    PutString(out, kReserved1, kReserved1Capacity, r.Reserved1);
    PutI32(out, kReserved2, r.Reserved2);
    PutI32(out, kReserved3, r.Reserved3);
    PutF64(out, kTimeDone, r.TimeDone);
    PutString(out, kLessonName, kLessonNameCapacity, r.LessonName);
    PutU8(out, kLessonMode, r.LessonMode);
    PutString(out, kLessonTag, kLessonTagCapacity, r.LessonTag);
}

CW_Info DecodeCwInfo(const char* in) {
    CW_Info r;
    r.Id = GetString(in, kId, kIdCapacity);
    r.Title = GetString(in, kTitle, kTitleCapacity);
    r.Kind = GetU8(in, kKind);
    r.Key = GetU8(in, kKey);
    r.Level = GetU8(in, kLevel);
    r.LastDone = GetF64(in, kLastDone);
    r.Result = GetU8(in, kResult);
    r.DoneCount = GetI32(in, kDoneCount);
    r.Completed = GetU8(in, kCompleted);
    r.LessonCode = GetString(in, kLessonCode, kLessonCodeCapacity);
    r.Reserved1 = GetString(in, kReserved1, kReserved1Capacity);
    r.Reserved2 = GetI32(in, kReserved2);
    r.Reserved3 = GetI32(in, kReserved3);
    r.TimeDone = GetF64(in, kTimeDone);
    r.LessonName = GetString(in, kLessonName, kLessonNameCapacity);
    r.LessonMode = GetU8(in, kLessonMode);
    r.LessonTag = GetString(in, kLessonTag, kLessonTagCapacity);
    r.Read = KeepBytes(in, kCwInfoSize);
    return r;
}

std::vector<CW_Info> DecodeResults(std::string_view bytes) {
    std::vector<CW_Info> records;
    records.reserve(bytes.size() / kCwInfoSize);
    for (size_t at = 0; at + kCwInfoSize <= bytes.size(); at += kCwInfoSize)
        records.push_back(DecodeCwInfo(bytes.data() + at));
    return records;
}

std::string EncodeResults(const std::vector<CW_Info>& records) {
    std::string bytes(records.size() * kCwInfoSize, '\0');
    for (size_t i = 0; i < records.size(); ++i) EncodeCwInfo(records[i], bytes.data() + i * kCwInfoSize);
    return bytes;
}

std::string ResultsPath(const std::string& resultsDirectory, const std::string& courseFileId) {
    return resultsDirectory + courseFileId;
}

void LoadResults(ResultsTable& table, const std::string& path, DayNumber now) {
    LoadedRecords loaded = LoadRecordFile(path, kCwInfoSize, kMaxResults, now);
    table.records = DecodeResults(loaded.bytes);
    table.file = std::move(loaded.file);
}

void SaveResults(const ResultsTable& table) { SaveRecordFile(table.file, EncodeResults(table.records)); }

CW_Info& AppendRecord(ResultsTable& table, DayNumber now, std::string_view id, std::string_view title, int kind,
                      int level) {
    if (table.records.size() >= kMaxResults) throw TableFullError(ResultsFullMessage(id));
    CW_Info& r = table.records.emplace_back();
    r.Id = std::string(id.substr(0, kIdCapacity));
    r.Title = std::string(title.substr(0, kTitleCapacity));
    r.Kind = static_cast<std::uint8_t>(kind);
    r.Level = static_cast<std::uint8_t>(level);
    r.LastDone = now;
    r.TimeDone = TimeOnly(now);
    r.LessonMode = 1;
    return r;
}

CW_Info* FindRecord(ResultsTable& table, std::string_view id, int kind, int key) {
    const std::string wanted = LowerAscii(id);
    for (auto it = table.records.rbegin(); it != table.records.rend(); ++it)
        if (it->Id == wanted && it->Kind == kind && it->Key == key) return &*it;
    return nullptr;
}

CW_Info* RecordExerciseResult(ResultsTable& table, DayNumber now, int percent, std::string_view id, int kind,
                              int completed, int key) {
    CW_Info* r = FindRecord(table, id, kind, key);
    if (!r) return nullptr;
    r->LastDone = now;
    r->TimeDone = TimeOnly(now);
    r->LessonMode = 0;
    r->Result = static_cast<std::uint8_t>(std::clamp(percent, 0, 100));
    r->Completed = static_cast<std::uint8_t>(completed);
    if (r->DoneCount < INT32_MAX) ++r->DoneCount;
    return r;
}

int AddOpenExerciseRecord(ResultsTable& table, DayNumber now, int number, std::string_view title) {
    if (number < 2000 || number > 3999) return -1;
    const std::string id = "Otw_" + std::to_string(number);
    for (const CW_Info& r : table.records)
        if (r.Id == id) return -1;
    CW_Info& r = AppendRecord(table, now, id, title, 90, 1);
    r.LessonCode = "Otw";
    r.LessonMode = 2;
    return static_cast<int>(table.records.size());
}

std::string CwInfoRecordText(const CW_Info& r) {
    // The id and the title travel as one piece of at most 255 characters; the title gives way
    // so that the piece keeps its closing "#" and the text its 17 fields.
    std::string text = r.Id + "#" + r.Title;
    if (text.size() > 254) text.resize(254);
    text += "#";
    auto field = [&text](const std::string& value) { text += value + "#"; };
    field(std::to_string(r.Kind));
    field(std::to_string(r.Key));
    field(std::to_string(r.Level));
    field(FormatDate(r.LastDone));
    field(std::to_string(r.Result));
    field(std::to_string(r.DoneCount));
    field(std::to_string(r.Completed));
    field(r.LessonCode);
    field(r.Reserved1);
    field(std::to_string(r.Reserved2));
    field(std::to_string(r.Reserved3));
    field(FormatTime(r.TimeDone));
    field(r.LessonName);
    field(std::to_string(r.LessonMode));
    field(r.LessonTag);
    return text;
}

std::string ResultsFullMessage(std::string_view refusedId) {
    return Utf8ToCp1250("Tabela wyników mieści najwyżej " + std::to_string(kMaxResults) + " ćwiczeń; ćwiczenie „" +
                        Cp1250ToUtf8(refusedId) + "” nie zostało dodane.");
}

}  // namespace quillan
