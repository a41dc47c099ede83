#pragma once

#include <cstdint>

// A spin whose stake is charged and whose stops are drawn, recorded before the reels turn so that a
// spin interrupted by a crash can be completed at the next start.
struct SpinRecord {
    int machine = 0;
    int stake = 0;         // credits staked (the wager, or the last bet for a free spin)
    bool freeSpin = false; // a free spin: nothing was charged
    int freeSpinCount = 0; // the free-spin counter when the reels started
    int stops[3] = {0, 0, 0};
    std::int64_t number = 0; // the spin's number in the player's spin log; 0 when it has none
};
