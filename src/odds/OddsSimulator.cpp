#include "OddsSimulator.h"

#include <algorithm>
#include <cmath>

#include "GameState.h"
#include "RandomSource.h"
#include "SpinPlan.h"

namespace {
constexpr int kFreeSpinCombo = 7;
constexpr int kMaxWager = 30;

// True when some stop triple pays; a free-spin mode that could never end is not played.
bool canPay(const std::array<std::int8_t, kStripLength * kStripLength * kStripLength>& outcomes, const PayTable& pay)
{
    for (std::int8_t combo : outcomes)
        if (combo >= 0 && pay[static_cast<std::size_t>(combo)] > 0) return true;
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
    : normal_(buildReelSet(machine, false))
    , freeSpin_(buildReelSet(machine, true))
    , normalOutcomes_(tabulate(normal_))
    , freeOutcomes_(tabulate(freeSpin_))
    , hasFreeSpins_(freeSpin_.freeSpinStrip && canPay(freeOutcomes_, freeSpin_.payTable))
    , wager_(std::clamp(wager, 1, kMaxWager))
    , random_(random)
    , pool_(kStartBonusPool)
{
}

OddsSimulator::OutcomeTable OddsSimulator::tabulate(const ReelSet& reels)
{
    OutcomeTable outcomes{};
    std::size_t i = 0;
    for (int a = 0; a < kStripLength; ++a)
        for (int b = 0; b < kStripLength; ++b)
            for (int c = 0; c < kStripLength; ++c)
                outcomes[i++] = static_cast<std::int8_t>(
                    matchCombination(reels.machine, reels.symbolAt(0, a), reels.symbolAt(1, b), reels.symbolAt(2, c)));
    return outcomes;
}

int OddsSimulator::spinReels(const OutcomeTable& outcomes)
{
    // The reels draw in order 1, 2, 3 at their last random frame; only those draws decide the stops.
    const int a = reelStopForDraw(random_.next());
    const int b = reelStopForDraw(random_.next());
    const int c = reelStopForDraw(random_.next());
    return outcomes[static_cast<std::size_t>((a * kStripLength + b) * kStripLength + c)];
}

void OddsSimulator::run(std::int64_t paidSpins)
{
    if (paidSpins <= 0) return;
    const PayTable& pay = normal_.payTable;
    const int top = pay[0];
    const std::int64_t stakeCents = 100 * static_cast<std::int64_t>(wager_);
    std::int64_t paidCents = totals_.paid.cents();
    std::int64_t poolCents = pool_.cents();
    double sumSquares = totals_.sumSquares;

    for (std::int64_t i = 0; i < paidSpins; ++i) {
        poolCents += 10 * static_cast<std::int64_t>(wager_); // a tenth of every credit staked
        std::int64_t won = 0;
        int combo = spinReels(normalOutcomes_);
        int multiplier = combo >= 0 ? pay[static_cast<std::size_t>(combo)] : 0;
        totals_.baseMultipliers += multiplier;
        if (multiplier > 0) ++totals_.hits;

        if (multiplier == 0 && hasFreeSpins_ && combo == kFreeSpinCombo) {
            // Free spins at the same stake until one pays; a treasure on reel 1 or 2 just goes on.
            ++totals_.sequences;
            do {
                ++totals_.freeSpins;
                combo = spinReels(freeOutcomes_);
                multiplier = combo >= 0 ? pay[static_cast<std::size_t>(combo)] : 0;
            } while (multiplier == 0);
            totals_.sequenceMultipliers += multiplier;
        }
        if (multiplier > 0) {
            won = stakeCents * multiplier;
            if (multiplier == top) {
                won += poolCents;
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
