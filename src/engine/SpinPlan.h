#pragma once

#include <array>
#include <cstdint>

#include "MachineTable.h"

class RandomSource;

// Reel position (0..27) shown by a random draw r in [0, 1): Int(r * 28).
constexpr int reelPositionForDraw(double r)
{
    const int k = static_cast<int>(r * kStripLength);
    return k < 0 ? 0 : k > kStripLength - 1 ? kStripLength - 1 : k;
}

// The symbols the deceleration after a reel's last draw turns its strip on by.
constexpr int kDecelerationSymbols = 5;

// Stop position (0..27) under the pay line for the last random draw r of a reel: the deceleration
// after that draw turns the strip on, so the stop is (Int(r * 28) - 5) mod 28.
constexpr int reelStopForDraw(double r) { return stripPosition(reelPositionForDraw(r) - kDecelerationSymbols); }

// The precomputed animation of one spin: for frames 0..130, fields 0..2 (x, y, row of the reel's
// strip) of wheels 0..8, where wheels 3, 4, 5 are reels 1, 2, 3. Frame 130 is the resting picture.
class SpinPlan {
public:
    static constexpr int kFrames = 131;
    static constexpr int kRestFrame = 130;
    static constexpr int kWheels = 9;
    static constexpr int kReelLeft = 55;
    static constexpr int kReelTop = 83;
    static constexpr int kSymbolRows = 66;
    static constexpr int kSurfaceCycle = kStripLength * kSymbolRows; // the whole strip

    SpinPlan();

    // Draws the stops and fills frames 0..130. Reseeds the source first, as every spin does.
    void PlanSpin(RandomSource& random);
    // Puts the reels at rest on the given stops (0..27) without animation, as a restored spin needs.
    void restOn(int stop1, int stop2, int stop3);

    std::int16_t at(int frame, int field, int wheel) const { return plan_[frame][field][wheel]; }
    // Stop position (0..27) of wheel 0..8 under the pay line; wheels 3..5 are the reels.
    std::int16_t reelStop(int wheel) const { return reelStop_[static_cast<std::size_t>(wheel)]; }
    int stopOfReel(int reel) const { return reelStop_[static_cast<std::size_t>(reel + 3)]; }

private:
    void setRest(int wheel, int offset);
    std::int16_t plan_[kFrames][3][kWheels]{};
    std::array<std::int16_t, kWheels> reelStop_{};
};
