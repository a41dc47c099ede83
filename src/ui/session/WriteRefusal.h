#pragma once

#include <QString>
#include <string>

#include "WriteFailure.h"

// What the player is told when the disk refuses a write: what could not be written where (the saved
// game, or the spin log's rows) and why, in the player's words.
QString refusal(bool spinLog, const WriteFailure& failure);
// The same, with what happens while play goes on: the game or the spins are written once the folder can
// be written again.
std::string refusedWhilePlaying(bool spinLog, const WriteFailure& failure);
