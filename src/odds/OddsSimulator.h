#pragma once

#include <array>
#include <cstdint>

#include "Money.h"
#include "ReelSet.h"

class RandomSource;

// Totals of a run of paid spins at one constant wager.
struct SimulationTotals {
    std::int64_t paidSpins = 0;
    std::int64_t freeSpins = 0;
    std::int64_t hits = 0;             // paid spins that paid something
    std::int64_t baseMultipliers = 0;  // sum of the multipliers of paid spins
    std::int64_t sequences = 0;        // free-spin sequences started
    std::int64_t sequenceMultipliers = 0;
    std::int64_t jackpots = 0;
    Money staked;
    Money paid;                        // payouts, free spins and pools won
    double sumSquares = 0;             // of each paid spin's payout per credit staked, for the error

    // Credits back per credit staked.
    double observedReturn() const;
    // Standard error of observedReturn, from the spread of the single paid spins.
    double standardError() const;
    double observedBaseReturn() const;
    double observedHitFrequency() const;
};

// Plays paid spins of one machine the way the game decides them, without animation: the last draw of
// each reel picks its stop as in PlanSpin, the engine's combination test and pay table score it, every
// credit staked feeds the pool, combination 0 wins the pool and resets it to 150, and the free-spin
// combination plays free spins on the free-spin strips until one pays.
class OddsSimulator {
public:
    // wager is kept within 1..30, as the game allows.
    OddsSimulator(int machine, int wager, RandomSource& random);

    void run(std::int64_t paidSpins);

    int machine() const { return normal_.machine; }
    int wager() const { return wager_; }
    Money pool() const { return pool_; }
    const SimulationTotals& totals() const { return totals_; }

private:
    // Combination (0..7, or -1) of every stop triple of a reel set, indexed 784 a + 28 b + c: the engine's
    // combination test asked once per triple up front rather than once per spin.
    using OutcomeTable = std::array<std::int8_t, kStripLength * kStripLength * kStripLength>;
    static OutcomeTable tabulate(const ReelSet& reels);
    int spinReels(const OutcomeTable& outcomes);

    ReelSet normal_;
    ReelSet freeSpin_;
    OutcomeTable normalOutcomes_;
    OutcomeTable freeOutcomes_;
    bool hasFreeSpins_;
    int wager_;
    RandomSource& random_;
    Money pool_;
    SimulationTotals totals_;
};
