// Start-up: how long after its process starts the first window stands painted, for the course
// program on the demo installation and on the large one, next to an empty borderless Qt window
// made by this program itself (run as `startup_bench --empty-window`). Each run is a fresh
// process started with QUILLAN_FIRST_WINDOW_PROBE, which ends it once the window is painted;
// runs are warm (a first, untimed run loads the libraries into the cache).
//
//   build-release/bench/startup_bench            # offscreen unless QT_QPA_PLATFORM says otherwise

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "platform/qt/first_window_probe.h"

namespace fs = std::filesystem;

namespace {

const std::string kBuild = QUILLAN_BINARY_DIR;

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Runs `command` with the probe and gives the milliseconds it reports.
double FirstWindowMs(const std::string& command) {
    const std::string line = "QUILLAN_FIRST_WINDOW_PROBE=" + std::to_string(MonotonicNs()) + " " + command;
    FILE* out = popen(line.c_str(), "r");
    if (!out) throw std::runtime_error("cannot start " + command);
    std::array<char, 256> text{};
    double ms = -1;
    while (std::fgets(text.data(), text.size(), out))
        if (std::sscanf(text.data(), "first window painted after %lf ms", &ms) == 1) break;
    pclose(out);
    if (ms < 0) throw std::runtime_error(command + " painted no window");
    return ms;
}

// An installation made once per run of the benchmark program, with the program file beside it.
std::string Installation(bool large) {
    const fs::path dir = fs::temp_directory_path() / (large ? "quillan-startup-large" : "quillan-startup-demo");
    static bool made[2] = {false, false};
    if (!made[large]) {
        fs::remove_all(dir);
        const std::string make = kBuild + "/apps/make-demo-course/make-demo-course " + dir.string() +
                                 (large ? " --large" : "") + " >/dev/null 2>&1";
        if (std::system(make.c_str()) != 0) throw std::runtime_error("make-demo-course failed");
        made[large] = true;
    }
    return dir.string();
}

void Measure(benchmark::State& state, const std::string& command) {
    try {
        FirstWindowMs(command);  // warm
        for (auto _ : state) state.SetIterationTime(FirstWindowMs(command) / 1000.0);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

void BM_EmptyQtWindow(benchmark::State& state) { Measure(state, "'" + std::string(program_invocation_name) + "' --empty-window"); }

void BM_SignInWindow(benchmark::State& state) {
    const bool large = state.range(0) == 1;
    state.SetLabel(large ? "large installation" : "demo installation");
    std::string dir;
    try {
        dir = Installation(large);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    Measure(state, "'" + kBuild + "/apps/quillan/quillan' '" + dir + "'");
}

BENCHMARK(BM_EmptyQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SignInWindow)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The empty window the program is measured against.
int EmptyWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(1024, 768);
    quillan::ExitAfterFirstPaintWhenProbed(window);
    window.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--empty-window") return EmptyWindow(argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
