#pragma once

#include <array>
#include <cstdint>

// Everything that makes one machine what it is, in one table: its names, pictures and tunes, its
// symbols, its three reel strips (and the free-spin strip), its ranked combinations with their rule,
// multiplier, name and legend row, and which combination wins the pool or starts free spins. The game,
// the odds, the simulator, the history, the manual and the generated pictures all read it.

constexpr int kMachineCount = 3;
constexpr int kReelCount = 3;
constexpr int kStripLength = 28;
constexpr int kComboCount = 8;
constexpr int kMaxSymbols = 8;

// The position on a strip of any whole-number stop, wrapped around the strip (28 is 0, -1 is 27).
constexpr int stripPosition(int stop)
{
    if (static_cast<unsigned>(stop) < static_cast<unsigned>(kStripLength)) return stop;
    return ((stop % kStripLength) + kStripLength) % kStripLength;
}

// The machines in menu order; the numbers are those of the saved games.
enum class MachineId : int { Quintel = 0, Lucky7 = 1, Treasure = 2 };

inline bool isValidMachine(int index) { return index >= 0 && index < kMachineCount; }
// A machine number as read from a file or a menu; anything else is the first machine.
constexpr MachineId machineIdOf(int index)
{
    return index >= 0 && index < kMachineCount ? static_cast<MachineId>(index) : MachineId::Quintel;
}
constexpr int indexOf(MachineId id) { return static_cast<int>(id); }

// Which pay-line symbols make a combination. Each reel has a set of symbols (bit s stands for
// symbol s); EveryReel needs each reel to show one of its set, AnyReel one reel at least.
struct PayLineRule {
    enum class Kind : std::uint8_t { EveryReel, AnyReel };
    static constexpr std::uint16_t kAnySymbol = 0xFFFF;

    Kind kind = Kind::EveryReel;
    std::array<std::uint16_t, kReelCount> symbols{};

    static constexpr bool inSet(std::uint16_t set, int symbol)
    {
        return set == kAnySymbol || (symbol >= 0 && symbol < 16 && ((set >> symbol) & 1u) != 0);
    }
    constexpr bool matches(int s1, int s2, int s3) const
    {
        const bool a = inSet(symbols[0], s1), b = inSet(symbols[1], s2), c = inSet(symbols[2], s3);
        return kind == Kind::EveryReel ? a && b && c : a || b || c;
    }
};

// One ranked combination: tested from combination 0 down, the first that matches is scored.
struct Combination {
    const char* name; // as the history, the odds and the manual call it
    PayLineRule rule;
    std::int16_t multiplier;           // credits paid per credit staked
    std::array<std::int8_t, 3> legend; // legend cells shown for it, left to right; -1 leaves a place empty
};

struct MachineDefinition {
    MachineId id;
    const char* name;      // "Quintel Slots": menus, dialogs, the window caption with " 95"
    const char* shortName; // "Quintel Slots", "Lucky Sevens", "Treasure Chest"
    const char* version;
    const char* symbolSheet;          // file name without ".BMP": the reel symbols, 64 x 64, three to a row
    const char* legendSheet;          // file name without ".BMP": the legend cells, 32 x 32, three to a row
    const char* anchor;               // the machine's section of the manual and its file name prefix there
    std::array<const char*, 3> tunes; // background tunes, file names without ".MID", played in turn
    int legendStep;                   // pixels between the legend cells of a row
    int symbolCount;
    std::array<const char*, kMaxSymbols> symbolNames;
    std::array<const char*, kReelCount> strips; // one digit per stop, the symbol under the pay line
    const char* freeSpinStrip; // replaces the third strip during free spins; null when the machine has none
    std::array<Combination, kComboCount> combinations;
    int poolCombination;     // wins the bonus pool on top of its payout
    int freeSpinCombination; // starts free spins; -1 when the machine has none

    bool hasFreeSpins() const { return freeSpinCombination >= 0 && freeSpinStrip != nullptr; }
    int multiplier(int combo) const
    {
        return combo >= 0 && combo < kComboCount ? combinations[static_cast<std::size_t>(combo)].multiplier : 0;
    }
    // The first combination (0..7) the pay-line symbols match, or -1 for none.
    int match(int s1, int s2, int s3) const;
    // The digits of a reel's strip; the free-spin strip replaces the third one when asked for.
    const char* strip(int reel, bool freeSpinMode) const;
};

const MachineDefinition& machineDefinition(MachineId id);
// An invalid number gives the first machine.
const MachineDefinition& machineDefinition(int index);
