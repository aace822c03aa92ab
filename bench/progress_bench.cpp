// The learner's files: load, record and save of a full results table (2000 records) and a full
// repetitions list (1000 entries), against reading and writing the same bytes plainly.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "progress/repetitions.h"
#include "progress/results_store.h"

namespace quillan {
namespace {

constexpr DayNumber kNow = 46365.5;

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

ResultsTable FullTable(const std::string& path) {
    ResultsTable table;
    table.file.path = path;
    for (size_t i = 0; i < kMaxResults; ++i) {
        CW_Info& r = AppendRecord(table, kNow, "tek_" + std::to_string(i / 4), "DZIAL=D01=Spotkanie w biurze",
                                  40 + static_cast<int>(i % 4), 2);
        r.LessonCode = "D01";
        r.LessonName = "Meetings and appointments";
    }
    return table;
}

RepetitionList FullList(const std::string& path) {
    RepetitionList list;
    list.file.path = path;
    for (size_t i = 0; i < kMaxRepetitions; ++i)
        list.entries.push_back({"slo_" + std::to_string(i), 61, 0, 6, kNow + 3, kNow - 3, 2});
    return list;
}

void ResultsLoadRecordSave(benchmark::State& state) {
    const std::string path = TempPath("quillan-bench-qlr2_55");
    SaveResults(FullTable(path));
    ResultsTable table;
    for (auto _ : state) {
        LoadResults(table, path, kNow);
        benchmark::DoNotOptimize(RecordExerciseResult(table, kNow, 80, "TEK_250", 41, 1, 0));
        SaveResults(table);
    }
}
BENCHMARK(ResultsLoadRecordSave)->Unit(benchmark::kMicrosecond);

void ResultsPlainReadWrite(benchmark::State& state) {
    const std::string path = TempPath("quillan-bench-qlr2_55-plain");
    WriteFileAtomically(path, EncodeResults(FullTable(path).records));
    for (auto _ : state) {
        const std::string bytes = ReadWholeFile(path);
        WriteFileAtomically(path, bytes);
    }
}
BENCHMARK(ResultsPlainReadWrite)->Unit(benchmark::kMicrosecond);

void RepetitionsLoadRecordSave(benchmark::State& state) {
    const std::string path = TempPath("quillan-bench-powt_qlr2_55");
    SaveRepetitions(FullList(path));
    RepetitionList list;
    const RepetitionSettings settings;
    for (auto _ : state) {
        LoadRepetitions(list, path, kNow);
        benchmark::DoNotOptimize(RecordRepetition(list, settings, kNow, 50, "SLO_500", 61, 1, 0, 2));
        SaveRepetitions(list);
    }
}
BENCHMARK(RepetitionsLoadRecordSave)->Unit(benchmark::kMicrosecond);

void RepetitionsPlainReadWrite(benchmark::State& state) {
    const std::string path = TempPath("quillan-bench-powt_qlr2_55-plain");
    RepetitionList list = FullList(path);
    SaveRepetitions(list);
    for (auto _ : state) {
        const std::string bytes = ReadWholeFile(path);
        WriteFileAtomically(path, bytes);
    }
}
BENCHMARK(RepetitionsPlainReadWrite)->Unit(benchmark::kMicrosecond);

// The same work without the disk: what decoding and encoding cost alone.
void ResultsDecodeRecordEncode(benchmark::State& state) {
    const std::string bytes = EncodeResults(FullTable("").records);
    ResultsTable table;
    for (auto _ : state) {
        table.records = DecodeResults(bytes);
        RecordExerciseResult(table, kNow, 80, "TEK_250", 41, 1, 0);
        benchmark::DoNotOptimize(EncodeResults(table.records));
    }
}
BENCHMARK(ResultsDecodeRecordEncode)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillan
