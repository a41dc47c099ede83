#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "EngineRig.h"
#include "MachineOdds.h"
#include "MersenneRandom.h"
#include "OddsSimulator.h"
#include "ScriptedRandom.h"
#include "SpinPlan.h"

namespace {

// The draw that leaves a reel at stop s: position (s + 5) mod 28, in the middle of its interval.
double drawFor(int stop) { return ((stop + 5) % 28 + 0.5) / 28.0; }

TEST(ReelStopForDrawTest, FollowsTheDecelerationOfFiveSymbols)
{
    EXPECT_EQ(reelStopForDraw(0.0), 23);
    EXPECT_EQ(reelStopForDraw(5.0 / 28), 0);
    EXPECT_EQ(reelStopForDraw(27.5 / 28), 22);
    EXPECT_EQ(reelStopForDraw(std::nextafter(1.0, 0.0)), 22);
    EXPECT_EQ(reelStopForDraw(1.0), 22); // kept on the strip even for a draw of exactly 1
}

TEST(ReelStopForDrawTest, PlanSpinRestsWhereTheFunctionSays)
{
    for (int k = 0; k < 28; ++k) {
        ScriptedRandom random;
        random.fallback = (k + 0.25) / 28.0; // every draw, the last one included
        SpinPlan plan;
        plan.PlanSpin(random);
        for (int reel = 0; reel < 3; ++reel) {
            EXPECT_EQ(plan.stopOfReel(reel), reelStopForDraw(random.fallback)) << "k=" << k;
            // The picture agrees: the resting frame shows that stop on the pay line.
            EXPECT_EQ(plan.at(SpinPlan::kRestFrame, 2, reel + 3), 66 * plan.stopOfReel(reel)) << "k=" << k;
        }
    }
}

// Standard deviation of a paid spin's base multiplier, from the exact table.
double baseSpread(const MachineOdds& odds)
{
    double mean = 0, square = 0;
    for (const CombinationOdds& c : odds.combinations) {
        mean += c.probability.toDouble() * c.multiplier;
        square += c.probability.toDouble() * c.multiplier * c.multiplier;
    }
    return std::sqrt(square - mean * mean);
}

class SimulationAgreesTest : public ::testing::TestWithParam<int> {};

TEST_P(SimulationAgreesTest, WithinFourStandardErrorsOfTheExactFigures)
{
    const int machine = GetParam();
    const MachineOdds odds = computeMachineOdds(machine);
    MersenneRandom random([] { return std::uint64_t{20240607}; });
    OddsSimulator simulator(machine, 3, random);
    const std::int64_t n = 1'000'000;
    simulator.run(n);
    const SimulationTotals& t = simulator.totals();
    const double root = std::sqrt(static_cast<double>(n));

    ASSERT_EQ(t.paidSpins, n);
    EXPECT_EQ(t.staked, Money::fromCredits(3 * n));
    const double p = odds.hitFrequency.toDouble();
    EXPECT_NEAR(t.observedHitFrequency(), p, 4 * std::sqrt(p * (1 - p)) / root);
    EXPECT_NEAR(t.observedBaseReturn(), odds.baseReturn.toDouble(), 4 * baseSpread(odds) / root);
    EXPECT_NEAR(t.observedReturn(), odds.totalReturn(3).toDouble(), 4 * t.standardError());
    EXPECT_GT(t.standardError(), 0.0);
    EXPECT_GT(t.jackpots, 0);

    if (odds.hasFreeSpins) {
        const FreeSpinOdds& fs = odds.freeSpins;
        const double trigger = fs.triggerProbability.toDouble();
        EXPECT_NEAR(static_cast<double>(t.sequences) / static_cast<double>(n), trigger,
                    4 * std::sqrt(trigger * (1 - trigger)) / root);
        const double w = fs.winProbability.toDouble();
        const double sequences = static_cast<double>(t.sequences);
        // Sequence lengths are geometric: variance (1 - w) / w^2.
        EXPECT_NEAR(static_cast<double>(t.freeSpins) / sequences, fs.expectedSpins.toDouble(),
                    4 * std::sqrt(1 - w) / w / std::sqrt(sequences));
    } else {
        EXPECT_EQ(t.freeSpins, 0);
        EXPECT_EQ(t.sequences, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(AllMachines, SimulationAgreesTest, ::testing::Values(0, 1, 2));

TEST(OddsSimulatorTest, SameSeedSameResultAndRunsAddUp)
{
    MersenneRandom a([] { return std::uint64_t{5}; });
    MersenneRandom b([] { return std::uint64_t{5}; });
    OddsSimulator once(2, 30, a), twice(2, 30, b);
    once.run(20000);
    twice.run(12000);
    twice.run(8000);
    EXPECT_EQ(once.totals().paid, twice.totals().paid);
    EXPECT_EQ(once.totals().freeSpins, twice.totals().freeSpins);
    EXPECT_EQ(once.pool(), twice.pool());
    EXPECT_EQ(twice.totals().paidSpins, 20000);
}

TEST(OddsSimulatorTest, WagerIsKeptWithinTheGamesLimits)
{
    ScriptedRandom random;
    EXPECT_EQ(OddsSimulator(0, 0, random).wager(), 1);
    EXPECT_EQ(OddsSimulator(0, 99, random).wager(), 30);
    OddsSimulator idle(1, 3, random);
    idle.run(-5);
    EXPECT_EQ(idle.totals().paidSpins, 0);
    EXPECT_EQ(idle.totals().observedReturn(), 0.0);
}

// Stop triples of a machine that score combination `combo` on the normal strips.
std::vector<std::array<int, 3>> triplesScoring(int machine, int combo)
{
    const ReelSet reels = buildReelSet(machine, false);
    std::vector<std::array<int, 3>> found;
    for (int a = 0; a < 28; ++a)
        for (int b = 0; b < 28; ++b)
            for (int c = 0; c < 28; ++c)
                if (matchCombination(machine, reels.symbolAt(0, a), reels.symbolAt(1, b), reels.symbolAt(2, c)) ==
                    combo)
                    found.push_back({a, b, c});
    return found;
}

// The simulator and the real game, fed the same stops, must pay the same money: payouts, pools won,
// free-spin sequences and the stake fed to the pool.
class SimulatorMatchesGameTest : public ::testing::TestWithParam<int> {};

TEST_P(SimulatorMatchesGameTest, SameStopsSameMoney)
{
    const int machine = GetParam();
    const auto jackpots = triplesScoring(machine, 0);
    const auto triggers = triplesScoring(machine, 7);
    std::mt19937 pick(machine + 11);
    std::uniform_int_distribution<int> stop(0, 27), roll(0, 99);

    EngineRig rig(machine);
    rig.machine.finishQuickly(); // no waiting: outcomes and money are the same
    ScriptedRandom simulatorDraws;
    // A stream of stop triples, rich in top combinations and free-spin starts; both sides take from it in order.
    const int streamLength = 4000;
    for (int i = 0; i < streamLength; ++i) {
        std::array<int, 3> s{stop(pick), stop(pick), stop(pick)};
        const int r = roll(pick);
        if (r < 4)
            s = jackpots[static_cast<std::size_t>(stop(pick)) % jackpots.size()];
        else if (r < 20)
            s = triggers[static_cast<std::size_t>(stop(pick)) % triggers.size()];
        rig.random.forceStops(s[0], s[1], s[2]);
        for (int v : s) simulatorDraws.push(drawFor(v));
    }

    OddsSimulator simulator(machine, 3, simulatorDraws);
    const int paidSpins = 1500;
    rig.state().credits = Money::fromCredits(1'000'000);
    rig.machine.chooseBet(BetChoice::One);                // $1 coins
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin(); // the third coin spins
    for (int i = 1; i < paidSpins; ++i) rig.machine.Spin();
    simulator.run(paidSpins);

    const int spinsTaken = simulatorDraws.draws / 3;
    ASSERT_LT(spinsTaken, streamLength) << "the stream ran dry";
    EXPECT_EQ(rig.random.draws, spinsTaken * 147) << "both played the same number of spins";
    EXPECT_EQ(rig.state().machineWagers(), simulator.totals().staked);
    EXPECT_EQ(rig.state().machinePaid(), simulator.totals().paid);
    EXPECT_EQ(rig.state().machinePool(), simulator.pool());
    EXPECT_EQ(rig.state().machineSpins(), simulator.totals().paidSpins + simulator.totals().freeSpins);
    EXPECT_GT(simulator.totals().jackpots, 10);
    if (machine == 2) {
        EXPECT_GT(simulator.totals().sequences, 10);
    }
}

INSTANTIATE_TEST_SUITE_P(AllMachines, SimulatorMatchesGameTest, ::testing::Values(0, 1, 2));

} // namespace
