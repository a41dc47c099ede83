#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Ratio.h"
#include "ReelSet.h"

// One combination of a machine on a paid spin (normal strips).
struct CombinationOdds {
    int combo = 0;
    int multiplier = 0;
    std::int64_t ways = 0; // stop triples out of 28^3 that score it
    Ratio probability;     // ways / 28^3
    Ratio returnShare;     // its part of the return with free spins (0..1); the free-spin
                           // combination counts what its free spins pay
};

// The "Spin 'til You Win!" mode: a sequence of free spins on the free-spin strips that ends at the
// first paying spin.
struct FreeSpinOdds {
    Ratio triggerProbability;                     // a paid spin scores the free-spin combination
    Ratio winProbability;                         // one free spin pays
    Ratio expectedSpins;                          // free spins in one sequence
    Ratio expectedMultiplier;                     // multiplier paid by one whole sequence
    Ratio jackpotInSequence;                      // a sequence ends on combination 0
    std::array<std::int64_t, kComboCount> ways{}; // free-spin stop triples per combination
};

// The exact odds of one machine, counted over all 28 x 28 x 28 stop triples of its own strips.
struct MachineOdds {
    static constexpr std::int64_t kOutcomes = kStripLength * kStripLength * kStripLength;

    int machine = 0;
    std::string name;
    std::array<CombinationOdds, kComboCount> combinations{};
    Ratio hitFrequency; // a paid spin pays something
    Ratio baseReturn;   // credits back per credit staked from the spin alone
    bool hasFreeSpins = false;
    int freeSpinCombination = -1; // the combination that starts the free spins, -1 for none
    FreeSpinOdds freeSpins;       // meaningful only with hasFreeSpins
    Ratio returnWithFreeSpins;    // baseReturn + trigger x expected sequence multiplier
    Ratio jackpotProbability;     // a paid spin leads to the pool being won, itself or in its free spins
    Ratio meanSquare;             // E[X^2] of the multiplier X won by a paid spin with its free spins

    // Standard deviation of the multiplier won by one paid spin, its free spins included, pool left out.
    double volatility() const;
    // Long-run credits back per credit staked at a constant wager (1..30), pool and free spins included:
    // the pool pays back its 0.10 a credit and its 150 reset seed once per jackpot.
    Ratio totalReturn(int wager) const;
};

// Counts the odds of machine 0..2 from the engine's strips, pay table and combination test.
// An invalid machine number gives machine 0, as the engine does.
MachineOdds computeMachineOdds(int machine);
