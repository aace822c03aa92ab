// Reading installation files line by line against reading the same bytes into memory.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/line_reader.h"
#include "text/text_utils.h"

namespace {

const std::string& SampleFile() {
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "quillan-bench-lines.txt").string();
        std::ofstream out(p, std::ios::binary);
        for (int i = 0; i < 20000; ++i)
            out << i << "=Pi\xB9tek spotkanie=" << i % 7 << "=the meeting starts at nine o'clock=\r\n";
        return p;
    }();
    return path;
}

void PlainRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(quillan::ReadWholeFile(SampleFile()));
}
BENCHMARK(PlainRead);

void LinesAndFields(benchmark::State& state) {
    for (auto _ : state) {
        auto reader = quillan::LineReader::Open(SampleFile());
        int sum = 0;
        while (!reader.Eof()) {
            quillan::FieldCursor fields(reader.ReadLineView());
            sum += quillan::StrToInt(fields.Take());
            benchmark::DoNotOptimize(std::string(fields.Take()));
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(LinesAndFields);

void ToUtf8(benchmark::State& state) {
    const std::string bytes = quillan::ReadWholeFile(SampleFile());
    for (auto _ : state) benchmark::DoNotOptimize(quillan::Cp1250ToUtf8(bytes));
}
BENCHMARK(ToUtf8);

}  // namespace
