#pragma once

#include <array>

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

// The combination (0..7, or -1) under the pay line at stops, on the machine's normal strips or, with
// freeSpinStrip, with its free-spin third strip. Stops outside 0..27 wrap around the strip.
int combinationAt(const MachineSpec& machine, const ReelStops& stops, bool freeSpinStrip);

// Scores a spin for stake credits with pool in the machine's bonus pool: the first matching combination
// pays stake times its multiplier; a paying multiplier equal to that of the pool combination also wins
// the pool; the free-spin combination starts free spins.
SpinScore scoreSpin(const MachineSpec& machine, const ReelStops& stops, int stake, Money pool, bool freeSpinStrip);
