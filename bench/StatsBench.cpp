// The Statistics window over a long-played log: from the click to the painted window with 100,000 spins,
// reading the log, working out the figures and drawing the charts.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "SpinLog.h"
#include "StatisticsWindow.h"

namespace fs = std::filesystem;

namespace {

// One long game of n spins on the treasure machine: mostly losses, some wins, free spins and pools.
fs::path generatedLog(const fs::path& dir, int n)
{
    const fs::path path = dir / "spins.sqlite";
    SpinLog log(path);
    std::mt19937 random(17);
    std::int64_t credits = 500'00;
    LoggedSpin s;
    s.game = "Current Game";
    for (int i = 1; i <= n; ++i) {
        s.id = i;
        s.time = "2026-12-08T21:04:05Z";
        s.machine = 2;
        for (int& stop : s.stops) stop = static_cast<int>(random() % 28);
        s.freeSpin = random() % 9 == 0;
        s.stakeCents = 300;
        const int roll = static_cast<int>(random() % 100);
        s.combination = roll < 80 ? -1 : roll % 8;
        s.paidCents = s.combination < 0 ? 0 : 300 * (2 + roll % 20);
        s.poolCents = roll == 99 ? 150'00 : 0;
        s.paidCents += s.poolCents;
        credits += s.paidCents - (s.freeSpin ? 0 : s.stakeCents);
        s.creditsAfterCents = credits;
        log.append(s);
    }
    return path;
}

void BM_OpenStatisticsWindow(benchmark::State& state)
{
    std::string pattern = (fs::temp_directory_path() / "quintel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    const fs::path path = generatedLog(pattern, static_cast<int>(state.range(0)));
    SpinLog log(path);
    for (auto _ : state) {
        // The window opens on this game: every spin of the log.
        StatisticsWindow window(log.read(), StatisticsContext{0, 2, state.range(0), {}}, {}, nullptr);
        window.show();
        benchmark::DoNotOptimize(window.grab()); // paints every chart once
    }
    fs::remove_all(pattern);
}
BENCHMARK(BM_OpenStatisticsWindow)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ReadLog(benchmark::State& state)
{
    std::string pattern = (fs::temp_directory_path() / "quintel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    SpinLog log(generatedLog(pattern, static_cast<int>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(log.read());
    fs::remove_all(pattern);
}
BENCHMARK(BM_ReadLog)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ComputeStatistics(benchmark::State& state)
{
    std::string pattern = (fs::temp_directory_path() / "quintel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    SpinLog log(generatedLog(pattern, static_cast<int>(state.range(0))));
    const std::vector<LoggedSpin> rows = log.read();
    for (auto _ : state) benchmark::DoNotOptimize(computeStatistics(rows, 2));
    fs::remove_all(pattern);
}
BENCHMARK(BM_ComputeStatistics)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
