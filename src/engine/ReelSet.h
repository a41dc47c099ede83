#pragma once

#include <array>
#include <cstdint>

#include "MachineTable.h"

using ReelStrip = std::array<std::uint8_t, kStripLength>;
using PayTable = std::array<std::int16_t, kComboCount>;

// The three reel strips and the pay table of one machine as SetupReels builds them from its table.
struct ReelSet {
    int machine = 0;
    bool freeSpinStrip = false; // the third reel is the machine's free-spin strip
    std::array<ReelStrip, kReelCount> strips{};
    PayTable payTable{};

    // Symbol under the pay line of reel (0..2) at stop position (0..27).
    int symbolAt(int reel, int stop) const;
};

// Builds the strips and pay table of machine (0..2); freeSpinMode selects the free-spin third strip of a
// machine that has one.
// An invalid machine number builds machine 0.
ReelSet buildReelSet(int machine, bool freeSpinMode);

// The first combination (0..7) that the pay-line symbols s1, s2, s3 match on machine, or -1 for none.
int matchCombination(int machine, int s1, int s2, int s3);

// The digits of a strip as the table gives them ("6021643..."), for drawing and checks.
const char* stripDigits(int machine, int reel, bool freeSpinMode);
