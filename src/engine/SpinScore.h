#pragma once

#include <array>
#include <cstdint>

#include "MachineTable.h"
#include "Money.h"

// Stop positions (0..27) of reels 1, 2 and 3 under the pay line.
using ReelStops = std::array<int, kReelCount>;

// What one spin wins, decided by its machine and stops alone.
struct SpinScore {
    int combo = -1;               // the combination scored, -1 for none
    int multiplier = 0;           // its multiplier; 0 for none and for a combination that pays nothing
    Money payout;                 // stake x multiplier
    bool winsPool = false;        // the spin wins the bonus pool on top of its payout
    Money poolWon;                // the whole pool when it does
    bool startsFreeSpins = false; // the free-spin combination came up

    bool wins() const { return multiplier > 0; }
};

namespace spin_score {
// The combination of every stop triple of each machine's strips, indexed 784 a + 28 b + c, worked out
// from its rules on first use: a spin is then scored by one look-up (the simulator scores tens of millions
// a second). Entry 2 m holds machine m's normal strips, entry 2 m + 1 its free-spin strips.
using OutcomeTable = std::array<std::int8_t, kStripLength * kStripLength * kStripLength>;
using OutcomeTables = std::array<OutcomeTable, 2 * kMachineCount>;
OutcomeTables tabulateAll();
inline const OutcomeTables& outcomeTables()
{
    static const OutcomeTables tables = tabulateAll(); // also right when asked during static initialisation
    return tables;
}
} // namespace spin_score

// The combination (0..7, or -1) under the pay line at stops, on the machine's normal strips or, with
// freeSpinStrip, with its free-spin third strip. Stops outside 0..27 wrap around the strip.
inline int combinationAt(const MachineDefinition& machine, const ReelStops& stops, bool freeSpinStrip)
{
    const int index =
        (stripPosition(stops[0]) * kStripLength + stripPosition(stops[1])) * kStripLength + stripPosition(stops[2]);
    const auto table = static_cast<std::size_t>(2 * indexOf(machine.id) + (freeSpinStrip ? 1 : 0));
    return spin_score::outcomeTables()[table][static_cast<std::size_t>(index)];
}

// Scores a spin for stake credits with pool in the machine's bonus pool: the first matching combination
// pays stake times its multiplier; a paying multiplier equal to that of the pool combination also wins
// the pool; the free-spin combination starts free spins.
inline SpinScore scoreSpin(const MachineDefinition& machine, const ReelStops& stops, int stake, Money pool,
                           bool freeSpinStrip)
{
    SpinScore score;
    score.combo = combinationAt(machine, stops, freeSpinStrip);
    if (score.combo < 0) return score;
    score.multiplier = machine.multiplier(score.combo);
    score.startsFreeSpins = score.combo == machine.freeSpinCombination;
    if (score.multiplier > 0) {
        score.payout = Money::fromCredits(static_cast<std::int64_t>(stake) * score.multiplier);
        // As the cabinet tests it: by the multiplier, which only the pool combination has.
        score.winsPool = score.multiplier == machine.multiplier(machine.poolCombination);
        if (score.winsPool) score.poolWon = pool;
    }
    return score;
}
