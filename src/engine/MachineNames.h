#pragma once

#include <string>

// The names the machine table gives a machine's symbols and combinations, for players who read the game
// rather than look at it (screen readers, the game history). Empty for numbers out of range.
std::string symbolName(int machine, int symbol);     // "Bell", "Red seven (wild)"
std::string combinationName(int machine, int combo); // "Three cherries"
