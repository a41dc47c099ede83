#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "MachineTable.h"

struct LoggedSpin;

// The partial figures of a block of consecutive spins of one game, kept beside the rows so that the
// statistics of a long log read one summary per block instead of every row. Two blocks in id order join
// into the figures of both (join), which are exactly those of their rows counted one by one.
struct SpinBlock {
    // Machines by number; a spin on any other number counts in the last slot.
    static constexpr std::size_t kMachineSlots = kMachineCount + 1;
    // Stakes by whole credits 1..30; slot 0 holds every other stake.
    static constexpr std::size_t kStakeSlots = 31;
    // A longer pause between two spins is not time played.
    static constexpr std::int64_t kPauseSeconds = 5 * 60;

    std::int64_t spins = 0;
    std::int64_t freeSpins = 0;
    std::int64_t wageredCents = 0;
    std::int64_t wonCents = 0;
    std::int64_t biggestWinCents = 0;
    std::int64_t poolsWon = 0;
    std::int64_t freeSpinSequences = 0; // sequences starting in this block (one going on from before counts)
    bool firstFree = false, lastFree = false;
    std::int64_t leadingRun = 0;                // spins without a win from the first (== spins: no win at all)
    std::int64_t trailingRun = 0;               // spins without a win up to the last
    std::int64_t longestRun = 0;                // the longest run without a win inside the block
    std::int64_t firstTime = -1, lastTime = -1; // the first and last readable time, seconds since 1970
    std::int64_t secondsPlayed = 0;             // between this block's own spins
    std::int64_t paidSpins = 0;
    std::array<std::int64_t, kMachineSlots> paidSpinsOn{};
    std::array<std::array<std::int64_t, 8>, kMachineSlots> hits{};
    std::array<std::array<std::int64_t, kStakeSlots>, kMachineSlots> stakeCents{}; // paid stakes by size
    std::array<std::int64_t, kMachineSlots> stakeSquares{};                        // sum of stakeCents^2 of paid spins
    // The first lowest and first highest credits after a spin, by spin within the block (from 1).
    std::int64_t lowSpin = 0, lowCents = 0, highSpin = 0, highCents = 0;

    void add(const LoggedSpin& s);
    // This block followed by next.
    void join(const SpinBlock& next);

    std::string toBytes() const;
    // False when the bytes are not a block's.
    bool fromBytes(const void* data, std::size_t size);

    static std::size_t machineSlot(int machine);
    static std::size_t stakeSlot(std::int64_t stakeCents);
};

// Seconds since 1970 of "YYYY-MM-DDTHH:MM:SSZ"; -1 when the text is not such a time.
std::int64_t parseIsoTime(const std::string& text);
