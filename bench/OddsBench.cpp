// Speed of the odds: the exact count of all three machines and the paid-spin simulator.
#include <benchmark/benchmark.h>

#include "MachineOdds.h"
#include "MersenneRandom.h"
#include "OddsSimulator.h"

namespace {

// Target: all three machines in under 50 ms.
void BM_ExactAnalysisAllMachines(benchmark::State& state)
{
    for (auto _ : state) {
        for (int m = 0; m < 3; ++m) {
            MachineOdds odds = computeMachineOdds(m);
            benchmark::DoNotOptimize(odds);
        }
    }
}
BENCHMARK(BM_ExactAnalysisAllMachines)->Unit(benchmark::kMillisecond);

// Target: 25 million simulated spins a second or more on one core; items/s counts paid spins, spins/s
// the paid and the free spins together.
void BM_SimulatePaidSpins(benchmark::State& state)
{
    const int machine = static_cast<int>(state.range(0));
    MersenneRandom random([] { return std::uint64_t{42}; });
    OddsSimulator simulator(machine, 3, random);
    const std::int64_t batch = 1'000'000;
    for (auto _ : state) {
        simulator.run(batch);
        benchmark::DoNotOptimize(simulator.totals().paid);
    }
    state.SetItemsProcessed(state.iterations() * batch);
    const auto spins = static_cast<double>(simulator.totals().paidSpins + simulator.totals().freeSpins);
    state.counters["spins/s"] = benchmark::Counter(spins, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulatePaidSpins)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
