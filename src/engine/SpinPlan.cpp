#include "SpinPlan.h"

#include "RandomSource.h"

namespace {
// Rows the strip moves per frame, by frames since the last random draw of the wheel.
int decelerationStep(int d)
{
    if (d <= 5) return 32;
    if (d <= 8) return 16;
    if (d <= 24) return 8;
    if (d <= 27) return 4;
    return 2;
}
} // namespace

SpinPlan::SpinPlan()
{
    // Before the first spin the reels show positions 1, 2 and 9.
    setRest(3, 66);
    setRest(4, 132);
    setRest(5, 594);
}

void SpinPlan::setRest(int wheel, int offset)
{
    plan_[kRestFrame][0][wheel] = static_cast<std::int16_t>(kReelLeft + 95 * (wheel % 3));
    plan_[kRestFrame][1][wheel] = static_cast<std::int16_t>(kReelTop);
    plan_[kRestFrame][2][wheel] = static_cast<std::int16_t>(offset);
}

void SpinPlan::PlanSpin(RandomSource& random)
{
    random.reseed();
    double lastDraw[kWheels]{};
    for (int f = 1; f <= 130; ++f) {
        for (int w = 3; w <= 5; ++w) {
            const int e = f - 1;
            if (f > 34 + 12 * w) {
                for (int field = 0; field < 3; ++field) plan_[e][field][w] = plan_[e - 1][field][w];
                continue;
            }
            plan_[e][0][w] = static_cast<std::int16_t>(kReelLeft + 95 * (w % 3));
            plan_[e][1][w] = static_cast<std::int16_t>(kReelTop);
            const int d = f - 12 * w;
            int offset;
            if (d <= 1) {
                lastDraw[w] = random.next();
                offset = reelPositionForDraw(lastDraw[w]) * kSymbolRows;
            } else {
                offset = plan_[e - 1][2][w] - decelerationStep(d);
            }
            if (offset < 0) offset += kSurfaceCycle;
            plan_[e][2][w] = static_cast<std::int16_t>(offset);
        }
    }
    for (int w = 0; w < kWheels; ++w) {
        // The reels rest where their last draw sends them; the other wheels stay at 0.
        const bool reel = w >= 3 && w <= 5;
        reelStop_[static_cast<std::size_t>(w)] = static_cast<std::int16_t>(reel ? reelStopForDraw(lastDraw[w]) : 0);
        for (int field = 0; field < 3; ++field) plan_[kRestFrame][field][w] = plan_[129][field][w];
    }
}

void SpinPlan::restOn(int stop1, int stop2, int stop3)
{
    const int stops[3] = {stop1, stop2, stop3};
    for (int r = 0; r < 3; ++r) {
        const int p = stripPosition(stops[r]);
        setRest(r + 3, p * kSymbolRows);
        reelStop_[static_cast<std::size_t>(r + 3)] = static_cast<std::int16_t>(p);
    }
}
