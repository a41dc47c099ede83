#pragma once

#include <array>

#include "Money.h"

// What a spin came to, the moment it is scored (before its credits are counted out).
struct SpinOutcome {
    int machine = 0;
    std::array<int, 3> symbols{}; // on the pay line, left to right
    int combo = -1;               // the combination won, -1 for none
    Money paid;                   // the stake times the combination's multiplier
    Money poolWon;                // the bonus pool, when the top combination came up
    bool freeSpin = false;        // a spin of the "Spin 'til You Win!" mode
    bool freeSpinsStart = false;  // the spin (re)starts the free spins
};
