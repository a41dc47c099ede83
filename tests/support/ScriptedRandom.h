#pragma once

#include <deque>

#include "RandomSource.h"

// Returns queued values in order, then `fallback`. forceStops() queues the draws of one whole spin so
// that its reels stop where a test wants them.
class ScriptedRandom : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    double next() override
    {
        ++draws;
        if (values_.empty()) return fallback;
        const double v = values_.front();
        values_.pop_front();
        return v;
    }
    void push(double value) { values_.push_back(value); }

    // Queues one spin's draws (37, 49 and 61 frames of random offsets for reels 1, 2, 3, drawn frame
    // by frame across the reels) so that the reels stop at stop1, stop2, stop3.
    void forceStops(int stop1, int stop2, int stop3)
    {
        const int stops[3] = {stop1, stop2, stop3};
        for (int f = 1; f <= 130; ++f) {
            for (int w = 3; w <= 5; ++w) {
                if (f > 34 + 12 * w) continue;
                if (f - 12 * w > 1) continue;
                const bool last = f - 12 * w == 1;
                // The last draw k leaves the reel at (k - 5) mod 28.
                const int k = last ? (stops[w - 3] + 5) % 28 : (f * 7 + w) % 28;
                push((k + 0.5) / 28.0);
            }
        }
    }

    double fallback = 0.5;
    int reseeds = 0;
    int draws = 0;

private:
    std::deque<double> values_;
};
