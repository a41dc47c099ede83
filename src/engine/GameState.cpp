#include "GameState.h"

#include <array>

namespace {
const std::array<int, kBorrowEntryCount> kBorrow = {1000, 500, 250, 100, 50};
const std::array<int, kSpeedEntryCount> kSpeeds = {10, 25, 40, 60};
} // namespace

const BetAmount& betAmount(int entry)
{
    if (entry < 0 || entry >= kBetEntryCount) entry = kBetEntryDefault;
    return kBetAmounts[static_cast<std::size_t>(entry)];
}

int borrowAmount(int entry)
{
    if (entry < 0 || entry >= kBorrowEntryCount) return 0;
    return kBorrow[static_cast<std::size_t>(entry)];
}

int spinSpeedMs(int entry)
{
    if (entry < 0 || entry >= kSpeedEntryCount) entry = kSpeedEntryDefault;
    return kSpeeds[static_cast<std::size_t>(entry)];
}

void ResetGameState(GameState& state)
{
    if (!state.keepCredits) {
        state.credits = kStartCredits;
        state.borrowed = state.credits;
        state.machineSpins() = 0;
        state.machinePool() = kStartBonusPool;
        state.machinePaid() = Money();
        state.machineWagers() = Money();
    }
    if (state.machinePool() == Money()) state.machinePool() = kStartBonusPool;
    state.keepCredits = false;
}

double payoffPercentage(const GameState& state)
{
    const Money wagered = state.machineWagers();
    if (wagered <= Money()) return 0.0;
    return 100.0 * static_cast<double>(state.machinePaid().cents()) / static_cast<double>(wagered.cents());
}
