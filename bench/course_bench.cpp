// Loading an installation at the limits of the course tables, against reading the same bytes
// into memory; the same for a word list of 5000 entries.

// GCC 12 warns wrongly about "text" + std::string (its bug 105329).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "course/load_course.h"
#include "exercises/vocab/word_list.h"
#include "platform/cp1250.h"
#include "platform/files.h"

namespace {

using namespace quillan;

class BenchInstallation {
public:
    BenchInstallation() {
        dir_ = (std::filesystem::temp_directory_path() / "quillan-bench-course").string() + "/";
        std::filesystem::remove_all(dir_);
        WriteAll();
    }
    ~BenchInstallation() { std::filesystem::remove_all(dir_); }

    const std::string& Dir() const { return dir_; }
    const std::vector<std::string>& StartupFiles() const { return startupFiles_; }
    std::string WordList() const { return dir_ + "cw_r/lista.bc4"; }

private:
    // Polish texts are written in UTF-8 here and stored as the installation stores them.
    void Write(const std::string& file, const std::string& utf8Lines, bool startup = true) {
        const std::string path = dir_ + file;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << Utf8ToCp1250(utf8Lines);
        if (startup) startupFiles_.push_back(path);
    }

    static std::string N(int n, int width = 4) {
        std::string s = std::to_string(n);
        return std::string(width > static_cast<int>(s.size()) ? width - s.size() : 0, '0') + s;
    }

    void WriteAll() {
        std::string s;
        for (int i = 1; i <= 200; ++i) s += N(i) + "=x=Kliknij, aby odsłuchać nagranie lub przejść dalej " + N(i) + "=\r\n";
        Write("Lang_r/0/infa_r.txt", s);
        s.clear();
        for (int i = 1; i <= 10000; ++i) s += "S" + N(i) + "=Słownictwo: spotkania biznesowe, część " + N(i) + "\r\n";
        Write("Lang_r/0/nazwy_r.txt", s);
        s.clear();
        for (int i = 1; i <= 30; ++i) s += N(i) + "=x=Dział " + N(i) + " - rozmowy telefoniczne=D" + N(i, 2) + "=\r\n";
        Write("Lang_r/0/gra.txt", s);
        s.clear();
        for (int i = 1; i <= 70; ++i) s += " form" + N(i) + " is not= form" + N(i) + " isn't=\r\n";
        Write("ss_r.t", s);
        s.clear();
        for (int i = 1; i <= 200; ++i)
            s += std::to_string(i) + "=" + std::to_string(i % 4 + 1) + "=" + std::to_string(i % 30 + 1) +
                 "=Negotiating a contract with a new supplier " + N(i) + "=\r\n";
        Write("rozumienie_a.txt", s);
        s.clear();
        for (int i = 0; i < 2600; ++i)
            s += std::to_string(i % 4 + 1) + N(i % 10, 2) + N(i % 30 + 1, 2) +
                 "xxxxxxxxxxxWe have to postpone the meeting until next week.=We must postpone the meeting until "
                 "next week.===zd_" + N(i, 5) + ".wav==Musimy przełożyć spotkanie na przyszły tydzień.=\r\n";
        Write("zda_rozum.txt", s);
        for (const char* file : {"kurs_cwicz.vrk", "kurs_cwicz2.vrk"}) {
            s.clear();
            for (int i = 0; i < 50; ++i)
                s += "AB" + N(i, 2) + "11" + N(i % 4 + 1, 2) + N(i % 30 + 60, 2) +
                     "\r\nRozumienie ze słuchu: rozmowa z klientem\r\nrozum_" + N(i) +
                     "\r\nk" + N(i) + "=k" + N(i + 1) + "=k" + N(i + 2) + "=k" + N(i + 3) + "=\r\n----\r\n";
            Write(file, s);
        }
        s.clear();
        for (int i = 0; i < 600; ++i)
            s += "k" + N(i) + "=rozum_" + N(i) + "=Klient prosi o przesunięcie terminu dostawy.=The client asks to "
                 "move the delivery date.=pic_" + N(i) + "a=pic_" + N(i) + "b=pic_" + N(i) + "c=\r\n";
        Write("rozum_pig.txt", s);
        s.clear();
        for (int i = 0; i < 600; ++i) s += "R" + N(i) + " sample_" + N(i) + "=Could you send me the invoice by Friday?=\r\n";
        Write("kurs.zdn", s);
        s.clear();
        for (int i = 0; i < 2000; ++i)
            s += "D" + N(i) + " We <have to> postpone the <next meeting> until next week.=We <have to> postpone=\r\n";
        Write("kurs.zdd", s);
        s.clear();
        for (int i = 1; i <= 100; ++i) s += "list" + N(i) + "=" + std::to_string(i % 30 + 1) + "=" + std::to_string(i % 4 + 1) + "=" + std::to_string(i) + "=\r\n";
        Write("Listy_r/index.txt", s);
        s.clear();
        for (int i = 1; i <= 250; ++i)
            s += std::to_string(i) + "=to postpone - przełożyć; the meeting - spotkanie; next week - w przyszłym tygodniu\r\n";
        Write("slowniczek.txt", s);
        s.clear();
        for (int i = 0; i < 300; ++i)
            s += "1#" + std::to_string(i % 200 + 1) + "#Choose the right answer#a#b#c#d#5#10##\r\n"
                 "MC#Which of these sentences is correct?#We have to postpone it.#We has to postpone it.#1#\r\n"
                 "50=10=50=50=35=150=0=0=650=725=\r\n";
        Write("St_a.txt", s);
        s.clear();
        for (int i = 1; i <= 250; ++i) s += std::to_string(i) + "=" + std::to_string(i % 30 + 1) + "=2=Napisz list=Write a letter=\r\n";
        Write("otwarte.txt", s);
        Write("kom_c_gr.txt", "1=x\r\n");
        s.clear();
        for (int d = 1; d <= 70; ++d) {
            s += "DL" + N(d) + "=Making an appointment " + N(d) + "=x=y=" + std::to_string(d % 30 + 1) + "=2=TTFTT=1=5=\r\n";
            for (int l = 1; l <= 25; ++l)
                s += "d" + N(d) + "_" + N(l, 2) + "=" + std::to_string(l % 2 + 1) +
                     "=A: Good morning, I'd like to speak to Mr Smith, please.=Dzień dobry, chciałbym rozmawiać z panem Smithem.=\r\n";
            s += "*\r\n";
        }
        Write("dialogi.txt", s);

        s.clear();
        for (int i = 1; i <= 10; ++i) s += "nagłówek " + std::to_string(i) + "\r\n";
        for (int i = 1; i <= 5000; ++i)
            s += N(i % 100, 2) + " 0" + N(i, 5) + " " + std::to_string(i % 3) + std::to_string(i % 4 + 1) +
                 " to postpone " + N(i) + " =przełożyć=Musimy przełożyć spotkanie.=put off/delay==" + std::to_string(i) +
                 "=0===" + (i % 20 == 0 ? "cw" : "") + "=" + (i % 20 == 0 ? "60001" : "") + "\r\n";
        Write("cw_r/lista.bc4", s, false);
    }

    std::string dir_;
    std::vector<std::string> startupFiles_;
};

const BenchInstallation& Installation() {
    static const BenchInstallation installation;
    return installation;
}

StartupState State() {
    StartupState state;
    state.ProgramDir = Installation().Dir();
    return state;
}

void ReadStartupFiles(benchmark::State& state) {
    Installation();  // written before the timing starts
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const std::string& file : Installation().StartupFiles()) bytes += ReadWholeFile(file).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(ReadStartupFiles)->Unit(benchmark::kMicrosecond);

void LoadStartupTables(benchmark::State& state) {
    const StartupState startup = State();
    for (auto _ : state) {
        // Start-up loads into an empty course once; freeing it is not part of the load.
        auto course = std::make_unique<Course>();
        Problems problems;
        LoadCourseData(startup, *course, problems, nullptr);
        if (!problems.Empty()) state.SkipWithError(problems.List()[0].Message.c_str());
        benchmark::DoNotOptimize(course);
        state.PauseTiming();
        course.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadStartupTables)->Unit(benchmark::kMicrosecond);

void ReadWordListFile(benchmark::State& state) {
    Installation();
    for (auto _ : state) benchmark::DoNotOptimize(ReadWholeFile(Installation().WordList()));
}
BENCHMARK(ReadWordListFile)->Unit(benchmark::kMicrosecond);

void LoadWordList5000(benchmark::State& state) {
    Installation();
    for (auto _ : state) {
        auto store = std::make_unique<VocabStore>();
        Problems problems;
        LoadWordList(Installation().WordList(), *store, problems);
        MapItems(*store);
        if (store->Entries.size() != 5000) state.SkipWithError("the list is not 5000 entries long");
        benchmark::DoNotOptimize(store);
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadWordList5000)->Unit(benchmark::kMicrosecond);

}  // namespace
