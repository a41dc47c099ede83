#pragma once

#include <array>
#include <cstdint>

#include "MachineTable.h"
#include "Money.h"
#include "SpinScore.h"

class RandomSource;

// Totals of a run of paid spins at one constant wager.
struct SimulationTotals {
    std::int64_t paidSpins = 0;
    std::int64_t freeSpins = 0;
    std::int64_t hits = 0;            // paid spins that paid something
    std::int64_t baseMultipliers = 0; // sum of the multipliers of paid spins
    std::int64_t sequences = 0;       // free-spin sequences started
    std::int64_t sequenceMultipliers = 0;
    std::int64_t jackpots = 0;
    Money staked;
    Money paid;            // payouts, free spins and pools won
    double sumSquares = 0; // of each paid spin's payout per credit staked, for the error

    // Credits back per credit staked.
    double observedReturn() const;
    // Standard error of observedReturn, from the spread of the single paid spins.
    double standardError() const;
    double observedBaseReturn() const;
    double observedHitFrequency() const;
};

// Plays paid spins of one machine the way the game decides them, without animation: the last draw of
// each reel picks its stop as in PlanSpin, the game's own scoreSpin scores it, every credit staked feeds
// the pool, a pool won is reset to 150, and the free-spin combination plays free spins on the free-spin
// strips until one pays.
class OddsSimulator {
public:
    // wager is kept within 1..30, as the game allows.
    OddsSimulator(int machine, int wager, RandomSource& random);

    void run(std::int64_t paidSpins);

    int machine() const { return indexOf(machine_.id); }
    int wager() const { return wager_; }
    Money pool() const { return pool_; }
    const SimulationTotals& totals() const { return totals_; }

private:
    ReelStops drawStops();

    const MachineDefinition& machine_;
    bool hasFreeSpins_;
    int wager_;
    RandomSource& random_;
    Money pool_;
    SimulationTotals totals_;
};
