#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "GameOptions.h"
#include "MachineInfo.h"
#include "Money.h"

// One bet amount of the Options menu.
struct BetAmount {
    int coinValue;     // credits per coin
    int maxWager;      // three coins
    const char* label; // "$10", "$5", "$1"
    int color;         // palette index of the label
};

constexpr int kBetEntryCount = choiceCount<BetChoice>();
constexpr int kBetEntryDefault = choiceIndex(GameOptions{}.bet); // "$1"
// The bet amounts in menu order.
inline constexpr std::array<BetAmount, kBetEntryCount> kBetAmounts = {{
    {10, 30, "$10", 9},
    {5, 15, "$5", 12},
    {1, 3, "$1", 14},
}};
// The largest stake of one spin, in credits: three coins of the largest bet.
constexpr int largestStake()
{
    int largest = 0;
    for (const BetAmount& bet : kBetAmounts) largest = bet.maxWager > largest ? bet.maxWager : largest;
    return largest;
}
const BetAmount& betAmount(int entry); // entries 0 "$10", 1 "$5", 2 "$1"; others give "$1"
inline const BetAmount& betAmount(BetChoice bet) { return betAmount(choiceIndex(bet)); }

constexpr int kBorrowEntryCount = 5;
int borrowAmount(int entry); // 1000, 500, 250, 100, 50; 0 for other entries

constexpr int kSpeedEntryCount = choiceCount<SpinSpeed>();
constexpr int kSpeedEntryDefault = choiceIndex(GameOptions{}.speed);
int spinSpeedMs(int entry); // 10, 25, 40, 60; others give 25
inline int spinSpeedMs(SpinSpeed speed) { return spinSpeedMs(choiceIndex(speed)); }

constexpr Money kStartCredits = Money::fromCredits(500);
// The bonus pool a machine starts with, and starts again with after a jackpot paid it out.
constexpr Money kStartBonusPool = Money::fromCredits(150);
// A tenth of every credit staked goes to the pool: exactly 10 cents a credit.
constexpr std::int64_t kPoolCentsPerCredit = 10;

// The record of the game in play. Per-machine fields are indexed by machine 0..2.
struct GameState {
    int currentMachine = 0;
    Money credits = kStartCredits;
    Money borrowed = kStartCredits;
    std::array<Money, kMachineCount> totalWagers{};
    std::array<Money, kMachineCount> totalPaid{};
    std::array<Money, kMachineCount> bonusPool{};
    std::array<std::int32_t, kMachineCount> spins{};

    int wager = 0;
    int lastBet = 0;
    GameOptions options; // the player's choices; kept over new games and machine changes
    bool spinEnabled = true;

    int winMultiplier = 0;
    int winCombo = 0;
    int freeSpinCount = 0;
    bool keepCredits = false;

    // The current machine's entries. currentMachine is kept within 0..2 by every writer.
    std::size_t m() const { return isValidMachine(currentMachine) ? static_cast<std::size_t>(currentMachine) : 0; }
    Money& machineWagers() { return totalWagers[m()]; }
    Money& machinePaid() { return totalPaid[m()]; }
    Money& machinePool() { return bonusPool[m()]; }
    std::int32_t& machineSpins() { return spins[m()]; }
    Money machineWagers() const { return totalWagers[m()]; }
    Money machinePaid() const { return totalPaid[m()]; }
    Money machinePool() const { return bonusPool[m()]; }
    std::int32_t machineSpins() const { return spins[m()]; }

    const BetAmount& bet() const { return betAmount(options.bet); }

    bool operator==(const GameState&) const = default;
};

// Start-of-game values for the current machine unless keepCredits is set; clears keepCredits.
void ResetGameState(GameState& state);

// 100 x paid / wagered of the current machine, 0 when nothing was wagered.
double payoffPercentage(const GameState& state);
