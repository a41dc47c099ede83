#pragma once

// The game's sound effects. Win and Lose pick one of their files at random; Win, Lose and FreeSpins
// block until played.
enum class SoundCue { Spin, ReelStop, Win, Lose, Coin, Credit, FreeSpins, TopAward };
