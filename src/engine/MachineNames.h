#pragma once

#include <string>

// What the symbols and the winning combinations of each machine are called, for players who read the
// game rather than look at it (screen readers, the game history). Empty for numbers out of range.
std::string symbolName(int machine, int symbol);       // "Cherry", "Red seven", "Treasure chest"
std::string combinationName(int machine, int combo);   // "Three cherries", "One cherry"
