#pragma once

#include <cstdint>
#include <string>

#include "GameState.h"
#include "Money.h"

// The number a saved game keeps for the banner: 0 when it is on, 1 when off.
constexpr int bannerNumber(bool on) { return on ? 0 : 1; }
constexpr int kBannerNumberCount = 2;

// One game as a profile section holds it: the machine in play, the shared balances, the current
// machine's totals, and the menu choices that travel with the game.
struct SavedGame {
    int gameNo = 0;       // machine 0..2
    std::string gameName; // up to 40 characters
    Money credits;
    Money bonusPool;   // of machine gameNo
    Money totalWagers; // of machine gameNo
    Money totalPaid;   // of machine gameNo
    Money borrowed;
    std::int64_t spins = 0; // of machine gameNo
    // The options' numbers; a game that names none has the options' defaults, except that its Bet
    // Amount entry is the first.
    int coins = 0;                                          // checked Bet Amount entry: 0 "$10", 1 "$5", 2 "$1"
    int speed = choiceIndex(GameOptions{}.speed);           // checked Spin Speed entry
    int bannerOn = bannerNumber(GameOptions{}.bannerOn);    // 0 when the banner is on, 1 when off
    int digitColor = choiceIndex(GameOptions{}.digitColor); // checked Digit Colors entry
    int lastBet = 0; // read on load (never written); the Bet Amount command resets it
    int wager = 0;   // credits of the coins in the slot, not yet spun (already charged)

    bool operator==(const SavedGame&) const = default;
};

// The game in play, with the options that travel with it, as SaveGame stores it.
SavedGame snapshotGame(const GameState& state, const std::string& gameName);

// Puts a loaded game's machine and money into the state: the machine becomes current and the
// per-machine values go to it. The caller then applies savedOptions (bet, digit colour, speed and
// banner, as their menu commands do) and sets up the loaded machine.
void applyLoadedGame(const SavedGame& game, GameState& state);

// The options with the saved game's choices in place of those it keeps; a number outside its menu keeps
// the current choice.
GameOptions savedOptions(const SavedGame& game, GameOptions current);
