#pragma once

#include <string>
#include <utility>
#include <vector>

// Designs the game's sound effects; each entry is a file name and its WAV bytes.
//   QUINTEL0-5 lose, 6 reel stop, 7 coin drop, 8 top award, 9 reel spin,
//   A-E win jingles, H free spins start, I credit tick.
class SoundEffects {
public:
    static std::vector<std::pair<std::string, std::string>> all();
};
