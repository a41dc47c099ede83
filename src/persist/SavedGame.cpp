#include "SavedGame.h"

#include <limits>

SavedGame snapshotGame(const GameState& state, const std::string& gameName, int speed, int digitColor,
                       int bannerOn)
{
    SavedGame game;
    game.gameNo = static_cast<int>(state.m());
    game.gameName = gameName;
    game.credits = state.credits;
    game.bonusPool = state.machinePool();
    game.totalWagers = state.machineWagers();
    game.totalPaid = state.machinePaid();
    game.borrowed = state.borrowed;
    game.spins = state.machineSpins();
    game.coins = state.betEntry;
    game.speed = speed;
    game.bannerOn = bannerOn;
    game.digitColor = digitColor;
    game.lastBet = state.lastBet;
    return game;
}

void applyLoadedGame(const SavedGame& game, GameState& state)
{
    state.currentMachine = isValidMachine(game.gameNo) ? game.gameNo : 0;
    state.credits = game.credits;
    state.borrowed = game.borrowed;
    state.machineWagers() = game.totalWagers;
    state.machinePaid() = game.totalPaid;
    state.machinePool() = game.bonusPool;
    state.lastBet = game.lastBet;
    const std::int64_t maxSpins = std::numeric_limits<std::int32_t>::max();
    state.machineSpins() = static_cast<std::int32_t>(game.spins < 0 ? 0 : game.spins > maxSpins ? maxSpins : game.spins);
}
