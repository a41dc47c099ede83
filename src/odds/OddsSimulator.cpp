#include "OddsSimulator.h"

#include <algorithm>
#include <cmath>

#include "GameState.h"
#include "RandomSource.h"
#include "SpinPlan.h"

namespace {
constexpr int kMaxWager = largestStake();

// True when some stop triple of the free-spin strips pays; a free-spin mode that could never end is not
// played.
bool canPay(const MachineDefinition& machine)
{
    for (int a = 0; a < kStripLength; ++a)
        for (int b = 0; b < kStripLength; ++b)
            for (int c = 0; c < kStripLength; ++c)
                if (machine.multiplier(combinationAt(machine, {a, b, c}, true)) > 0) return true;
    return false;
}
} // namespace

double SimulationTotals::observedReturn() const
{
    if (staked.cents() <= 0) return 0.0;
    return static_cast<double>(paid.cents()) / static_cast<double>(staked.cents());
}

double SimulationTotals::standardError() const
{
    if (paidSpins < 2) return 0.0;
    const double n = static_cast<double>(paidSpins);
    const double mean = observedReturn();
    const double variance = std::max(0.0, (sumSquares / n - mean * mean) * n / (n - 1));
    return std::sqrt(variance / n);
}

double SimulationTotals::observedBaseReturn() const
{
    return paidSpins > 0 ? static_cast<double>(baseMultipliers) / static_cast<double>(paidSpins) : 0.0;
}

double SimulationTotals::observedHitFrequency() const
{
    return paidSpins > 0 ? static_cast<double>(hits) / static_cast<double>(paidSpins) : 0.0;
}

OddsSimulator::OddsSimulator(int machine, int wager, RandomSource& random)
    : machine_(machineDefinition(machine))
    , hasFreeSpins_(machine_.hasFreeSpins() && canPay(machine_))
    , wager_(std::clamp(wager, 1, kMaxWager))
    , random_(random)
    , pool_(kStartBonusPool)
{}

inline ReelStops OddsSimulator::drawStops()
{
    // The reels draw in order 1, 2, 3 at their last random frame; only those draws decide the stops.
    double draws[kReelCount];
    random_.nextMany(draws, kReelCount);
    return {reelStopForDraw(draws[0]), reelStopForDraw(draws[1]), reelStopForDraw(draws[2])};
}

void OddsSimulator::run(std::int64_t paidSpins)
{
    if (paidSpins <= 0) return;
    const std::int64_t stakeCents = 100 * static_cast<std::int64_t>(wager_);
    std::int64_t paidCents = totals_.paid.cents();
    std::int64_t poolCents = pool_.cents();
    double sumSquares = totals_.sumSquares;

    for (std::int64_t i = 0; i < paidSpins; ++i) {
        poolCents += kPoolCentsPerCredit * wager_;
        std::int64_t won = 0;
        SpinScore score = scoreSpin(machine_, drawStops(), wager_, Money::fromCents(poolCents), false);
        totals_.baseMultipliers += score.multiplier;
        if (score.wins()) ++totals_.hits;

        if (!score.wins() && hasFreeSpins_ && score.startsFreeSpins) {
            // Free spins at the same stake until one pays; a treasure on reel 1 or 2 just goes on.
            ++totals_.sequences;
            do {
                ++totals_.freeSpins;
                score = scoreSpin(machine_, drawStops(), wager_, Money::fromCents(poolCents), true);
            } while (!score.wins());
            totals_.sequenceMultipliers += score.multiplier;
        }
        if (score.wins()) {
            won = score.payout.cents();
            if (score.winsPool) {
                won += score.poolWon.cents();
                poolCents = kStartBonusPool.cents();
                ++totals_.jackpots;
            }
        }
        paidCents += won;
        const double x = static_cast<double>(won) / static_cast<double>(stakeCents);
        sumSquares += x * x;
    }

    totals_.paidSpins += paidSpins;
    totals_.staked += Money::fromCents(stakeCents * paidSpins);
    totals_.paid = Money::fromCents(paidCents);
    totals_.sumSquares = sumSquares;
    pool_ = Money::fromCents(poolCents);
}
