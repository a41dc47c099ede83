// Costs of the profile file: the game saves after every spin, so a save must stay well below a
// spin's duration even with its flush to the disk.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "GameStore.h"
#include "GeneratedLog.h"
#include "IniDocument.h"
#include "ProfileFile.h"
#include "SpinLog.h"

namespace fs = std::filesystem;

namespace {

SavedGame benchGame()
{
    SavedGame game;
    game.gameNo = 1;
    game.gameName = "Bench";
    game.credits = Money::fromCents(81240);
    game.borrowed = Money::fromCredits(1500);
    game.spins = 123456;
    return game;
}

GameHistory fullHistory()
{
    GameHistory history;
    for (int i = 0; i < 10; ++i) {
        HistoryEntry entry;
        entry.bet = 30;
        entry.stops = {i, i + 1, i + 2};
        entry.win = Money::fromCredits(i * 10);
        history.add(entry);
    }
    return history;
}

// A file as a long-played game has it: ten slots, the current game, banner, history, journal.
void fillProfile(GameStore& store)
{
    const std::string banner = "Welcome back to the tables of Quintel Slots";
    for (int slot = 0; slot < GameStore::kSlotCount; ++slot) store.SaveGame(slot, benchGame(), nullptr);
    const GameHistory history = fullHistory();
    store.SaveGame(99, benchGame(), &banner, &history);
}

void BM_SaveCurrentGameAfterSpin(benchmark::State& state)
{
    BenchDir dir;
    ProfileFile file(dir.path / "QUINTEL.INI");
    GameStore store(file);
    fillProfile(store);
    const std::string banner = "Banner";
    const GameHistory history = fullHistory();
    SavedGame game = benchGame();
    for (auto _ : state) {
        game.spins += 1;
        benchmark::DoNotOptimize(store.SaveGame(99, game, &banner, &history));
    }
}
BENCHMARK(BM_SaveCurrentGameAfterSpin)->Unit(benchmark::kMillisecond);

void BM_RecordSpinStart(benchmark::State& state)
{
    BenchDir dir;
    ProfileFile file(dir.path / "QUINTEL.INI");
    GameStore store(file);
    fillProfile(store);
    SpinRecord spin;
    spin.stake = 30;
    for (auto _ : state) benchmark::DoNotOptimize(store.recordSpinStart(benchGame(), spin));
}
BENCHMARK(BM_RecordSpinStart)->Unit(benchmark::kMillisecond);

void BM_LoadCurrentGame(benchmark::State& state)
{
    BenchDir dir;
    ProfileFile file(dir.path / "QUINTEL.INI");
    GameStore store(file);
    fillProfile(store);
    const SavedGame current;
    for (auto _ : state) benchmark::DoNotOptimize(store.LoadGame(99, current));
}
BENCHMARK(BM_LoadCurrentGame)->Unit(benchmark::kMicrosecond);

void BM_ListSlots(benchmark::State& state)
{
    BenchDir dir;
    ProfileFile file(dir.path / "QUINTEL.INI");
    GameStore store(file);
    fillProfile(store);
    for (auto _ : state) benchmark::DoNotOptimize(store.listSlots());
}
BENCHMARK(BM_ListSlots)->Unit(benchmark::kMicrosecond);

void BM_ParseAndSerialise(benchmark::State& state)
{
    BenchDir dir;
    ProfileFile file(dir.path / "QUINTEL.INI");
    GameStore store(file);
    fillProfile(store);
    const std::string text = file.read().serialise();
    for (auto _ : state) benchmark::DoNotOptimize(IniDocument::parse(text).serialise());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseAndSerialise)->Unit(benchmark::kMicrosecond);

// What the spin log adds to a spin: taking the spin's number and writing its row, two transactions each
// flushed to the disk before it returns, on a log that already holds 100,000 or 1,000,000 spins. Wall time:
// the flushes wait for the disk, not the processor.
void BM_LogSpin(benchmark::State& state)
{
    BenchDir dir;
    SpinLog log(generatedLog(dir.path, static_cast<int>(state.range(0))));
    LoggedSpin spin;
    spin.time = "2026-12-08T21:04:05Z";
    spin.game = "Current Game";
    spin.gameNumber = 1;
    spin.machine = 2;
    spin.stakeCents = 300;
    for (auto _ : state) {
        spin.id = log.reserveId();
        spin.paidCents = spin.id % 7 == 0 ? 2100 : 0;
        benchmark::DoNotOptimize(log.append(spin));
    }
}
BENCHMARK(BM_LogSpin)->Arg(100'000)->Arg(1'000'000)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
