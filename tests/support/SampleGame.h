#pragma once

#include "SavedGame.h"

// Saved games for the tests that store, load and check games: one builder for all of them.

// A game on the treasure machine in which every field differs from a new game's.
inline SavedGame sampleGame()
{
    SavedGame game;
    game.gameNo = 2;
    game.gameName = "Lucky streak";
    game.credits = Money::fromCents(123450);
    game.bonusPool = Money::fromCents(15030);
    game.totalWagers = Money::fromCredits(4321);
    game.totalPaid = Money::fromCents(398765);
    game.borrowed = Money::fromCredits(1500);
    game.spins = 1234;
    game.coins = 2;
    game.speed = 3;
    game.bannerOn = 1;
    game.digitColor = 6;
    return game;
}

// What a game holds before a load in the tests: every value different from sampleGame().
inline SavedGame otherGame()
{
    SavedGame game;
    game.gameNo = 1;
    game.gameName = "Before";
    game.credits = Money::fromCents(77);
    game.bonusPool = Money::fromCents(15000);
    game.totalWagers = Money::fromCredits(11);
    game.totalPaid = Money::fromCredits(22);
    game.borrowed = Money::fromCredits(500);
    game.spins = 5;
    game.coins = 1;
    game.speed = 0;
    game.bannerOn = 1;
    game.digitColor = 4;
    game.lastBet = 15;
    return game;
}
