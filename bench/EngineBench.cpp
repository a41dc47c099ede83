#include <benchmark/benchmark.h>

#include "EngineRig.h"
#include "MersenneRandom.h"

namespace {

void BM_PlanSpin(benchmark::State& state)
{
    std::uint64_t seed = 1;
    MersenneRandom random([&seed] { return seed++; });
    SpinPlan plan;
    for (auto _ : state) {
        plan.PlanSpin(random);
        benchmark::DoNotOptimize(plan.reelStop(3));
    }
}
BENCHMARK(BM_PlanSpin);

void BM_EvaluateSpin(benchmark::State& state)
{
    EngineRig rig(0);
    rig.random.forceStops(1, 1, 20); // a winning line, scored again and again with no wager left to pay
    rig.machine.InsertCoin();
    rig.machine.Spin();
    for (auto _ : state) {
        rig.machine.EvaluateSpin();
        benchmark::DoNotOptimize(rig.machine.state().winCombo);
        if (rig.sound.cues.size() > 4096) rig.sound.cues.clear();
        if (rig.view.events.size() > 4096) rig.view.events.clear();
        rig.view.rowAmounts.clear();
    }
}
BENCHMARK(BM_EvaluateSpin);

// One paid spin with its animation, scoring and payout on the virtual clock.
void BM_SpinCycle(benchmark::State& state)
{
    EngineRig rig(0);
    rig.state().credits = Money::fromCredits(1'000'000'000);
    std::uint64_t seed = 7;
    MersenneRandom random([&seed] { return seed++; });
    SlotMachine machine(SlotMachinePorts{rig.clock, rig.clock, random, rig.view, rig.sound, rig.messages, rig.hooks});
    machine.NewGame(MachineId::Quintel);
    machine.state().credits = Money::fromCredits(1'000'000'000);
    for (auto _ : state) {
        machine.InsertCoin();
        machine.InsertCoin();
        machine.InsertCoin();
        rig.view.events.clear();
        rig.sound.cues.clear();
        rig.clock.waits.clear();
    }
    state.counters["spins"] = static_cast<double>(machine.state().machineSpins());
}
BENCHMARK(BM_SpinCycle);

} // namespace

BENCHMARK_MAIN();
