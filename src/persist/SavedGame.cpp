#include "SavedGame.h"

#include <limits>

SavedGame snapshotGame(const GameState& state, const std::string& gameName)
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
    game.coins = choiceIndex(state.options.bet);
    game.speed = choiceIndex(state.options.speed);
    game.bannerOn = bannerNumber(state.options.bannerOn);
    game.digitColor = choiceIndex(state.options.digitColor);
    game.lastBet = state.lastBet;
    game.wager = state.wager;
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
    state.machineSpins() = static_cast<std::int32_t>(game.spins < 0          ? 0
                                                     : game.spins > maxSpins ? maxSpins
                                                                             : game.spins);
}

GameOptions savedOptions(const SavedGame& game, GameOptions current)
{
    current.bet = choiceAt<BetChoice>(game.coins).value_or(current.bet);
    current.speed = choiceAt<SpinSpeed>(game.speed).value_or(current.speed);
    current.digitColor = choiceAt<DigitColor>(game.digitColor).value_or(current.digitColor);
    if (game.bannerOn >= 0 && game.bannerOn < kBannerNumberCount)
        current.bannerOn = game.bannerOn == bannerNumber(true);
    return current;
}
