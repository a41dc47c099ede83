// The Statistics window over a long-played log: from the click to the painted window with 100,000 and
// 1,000,000 spins (reading the log, working out the figures and drawing the charts), and the memory the
// program grows by meanwhile (peak resident memory above what it held before, as counter "grown_MB").
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "GeneratedLog.h"
#include "SpinLog.h"
#include "SpinStatistics.h"
#include "StatisticsWindow.h"

namespace fs = std::filesystem;

namespace {

struct BenchLog {
    BenchDir dir;
    fs::path path;
    explicit BenchLog(int n)
        : path(generatedLog(dir.path, n))
    {}
};

// Peak resident memory in kB since the last reset.
long peakKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_OpenStatisticsWindow(benchmark::State& state)
{
    const BenchLog data(static_cast<int>(state.range(0)));
    double grownMb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        resetPeak();
        const long before = residentKb();
        state.ResumeTiming();
        {
            // The window opens on this game: every spin of the log. The log is opened as the game holds it.
            SpinLog log(data.path);
            StatisticsWindow window(log, StatisticsContext{0, 2, 1, {}}, {}, nullptr);
            window.show();
            benchmark::DoNotOptimize(window.grab()); // paints every chart once
            state.PauseTiming();
            grownMb = std::max(grownMb, static_cast<double>(peakKb() - before) / 1024.0);
            state.ResumeTiming();
        }
    }
    state.counters["grown_MB"] = grownMb;
}
BENCHMARK(BM_OpenStatisticsWindow)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ComputeStatistics(benchmark::State& state)
{
    const BenchLog data(static_cast<int>(state.range(0)));
    SpinLog log(data.path);
    for (auto _ : state) benchmark::DoNotOptimize(computeStatistics(log, SpinFilter{}, 2));
}
BENCHMARK(BM_ComputeStatistics)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
