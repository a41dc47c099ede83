// The Statistics window over a long-played log: from the click to the painted window with 100,000 and
// 1,000,000 spins (reading the log, working out the figures and drawing the charts), and the memory the
// program grows by meanwhile (peak resident memory above what it held before, as counter "grown_MB").
#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "SpinLog.h"
#include "SpinStatistics.h"
#include "StatisticsWindow.h"

namespace fs = std::filesystem;

namespace {

// One long game of n spins on the treasure machine: mostly losses, some wins, free spins and pools, a few
// seconds apart. Written in one transaction: a million rows one commit each would take minutes.
fs::path generatedLog(const fs::path& dir, int n)
{
    const fs::path path = dir / "spins.sqlite";
    {
        SpinLog create(path);
    }
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO spins (id, time, game, machine, stop1, stop2, stop3, combination, stake_cents,"
                       " free_spin, paid_cents, pool_cents, credits_after_cents, game_number)"
                       " VALUES (?1, ?2, 'Current Game', 2, ?3, ?4, ?5, ?6, 300, ?7, ?8, ?9, ?10, 1)",
                       -1, &st, nullptr);
    std::mt19937 random(17);
    std::int64_t credits = 500'00;
    for (int i = 1; i <= n; ++i) {
        const std::time_t t = 1'796'000'000 + i * 4;
        std::tm utc{};
        gmtime_r(&t, &utc);
        char time[32];
        std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%SZ", &utc);
        const bool freeSpin = random() % 9 == 0;
        const int roll = static_cast<int>(random() % 100);
        const int combination = roll < 80 ? -1 : roll % 8;
        const std::int64_t pool = roll == 99 ? 150'00 : 0;
        const std::int64_t paid = (combination < 0 ? 0 : 300 * (2 + roll % 20)) + pool;
        credits += paid - (freeSpin ? 0 : 300);
        sqlite3_bind_int64(st, 1, i);
        sqlite3_bind_text(st, 2, time, -1, SQLITE_TRANSIENT);
        for (int r = 0; r < 3; ++r) sqlite3_bind_int(st, 3 + r, static_cast<int>(random() % 28));
        sqlite3_bind_int(st, 6, combination);
        sqlite3_bind_int(st, 7, freeSpin ? 1 : 0);
        sqlite3_bind_int64(st, 8, paid);
        sqlite3_bind_int64(st, 9, pool);
        sqlite3_bind_int64(st, 10, credits);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "UPDATE current_game SET number = 1; COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path;
}

struct BenchLog {
    fs::path dir;
    fs::path path;
    explicit BenchLog(int n)
    {
        std::string pattern = (fs::temp_directory_path() / "quintel-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        dir = pattern;
        path = generatedLog(dir, n);
    }
    ~BenchLog() { fs::remove_all(dir); }
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
