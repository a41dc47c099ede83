#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "MersenneRandom.h"
#include "ScriptedRandom.h"
#include "SpinPlan.h"

TEST(SpinPlan, StartsWithPositionsOneTwoAndNineAtRest)
{
    SpinPlan plan;
    EXPECT_EQ(plan.at(130, 2, 3), 66);
    EXPECT_EQ(plan.at(130, 2, 4), 132);
    EXPECT_EQ(plan.at(130, 2, 5), 594);
    EXPECT_EQ(plan.at(130, 0, 3), 55);
    EXPECT_EQ(plan.at(130, 0, 4), 150);
    EXPECT_EQ(plan.at(130, 0, 5), 245);
    EXPECT_EQ(plan.at(130, 1, 4), 83);
}

TEST(SpinPlan, LastDrawDecidesTheStop)
{
    // k = 0 stops at 23, k = 5 at 0, k = 27 at 22.
    const std::array<std::pair<int, int>, 3> cases = {{{0, 23}, {5, 0}, {27, 22}}};
    for (auto [k, expected] : cases) {
        ScriptedRandom random;
        random.fallback = (k + 0.25) / 28.0; // every draw, so the last one too
        SpinPlan plan;
        plan.PlanSpin(random);
        for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(plan.stopOfReel(reel), expected) << "k=" << k;
        EXPECT_EQ(random.reseeds, 1);
        EXPECT_EQ(random.draws, 37 + 49 + 61);
    }
}

TEST(SpinPlan, ForcedStopsAndTheShapeOfTheTable)
{
    ScriptedRandom random;
    random.forceStops(4, 17, 27);
    SpinPlan plan;
    plan.PlanSpin(random);
    EXPECT_EQ(plan.stopOfReel(0), 4);
    EXPECT_EQ(plan.stopOfReel(1), 17);
    EXPECT_EQ(plan.stopOfReel(2), 27);

    const int restFrom[3] = {69, 81, 93};
    for (int w = 0; w < 9; ++w) {
        const bool reel = w >= 3 && w <= 5;
        if (!reel) {
            EXPECT_EQ(plan.reelStop(w), 0);
        }
        for (int f = 0; f <= 130; ++f) {
            const int offset = plan.at(f, 2, w);
            if (!reel) {
                EXPECT_EQ(offset, 0);
                EXPECT_EQ(plan.at(f, 0, w), 0);
                continue;
            }
            EXPECT_GE(offset, 0);
            EXPECT_LE(offset, 1847);
            EXPECT_EQ(offset % 2, 0);
            EXPECT_EQ(plan.at(f, 0, w), 55 + 95 * (w % 3));
            EXPECT_EQ(plan.at(f, 1, w), 83);
            if (f >= restFrom[w - 3]) {
                EXPECT_EQ(offset, plan.at(129, 2, w)) << "frame " << f;
            }
        }
        if (reel) {
            EXPECT_EQ(plan.at(129, 2, w), 66 * plan.reelStop(w));
            EXPECT_NE(plan.at(restFrom[w - 3] - 1, 2, w), plan.at(129, 2, w));
        }
        for (int field = 0; field < 3; ++field) EXPECT_EQ(plan.at(130, field, w), plan.at(129, field, w));
    }
}

TEST(SpinPlan, DecelerationWrapsBelowZero)
{
    // The last draw of reel 1 lands on offset 0: the first step of 32 wraps to 1848 - 32.
    ScriptedRandom random;
    random.fallback = 0.0;
    SpinPlan plan;
    plan.PlanSpin(random);
    EXPECT_EQ(plan.at(36, 2, 3), 0);
    EXPECT_EQ(plan.at(37, 2, 3), 1816);
    EXPECT_EQ(plan.at(68, 2, 3), 1848 - 330 + 2);
    EXPECT_EQ(plan.at(69, 2, 3), 1848 - 330);
    EXPECT_EQ(plan.reelStop(3), 23);
}

TEST(SpinPlan, StopsAreUniformAndIndependent)
{
    // 280,000 spins of the real generator with fixed seeds: a chi-square test per reel and for reels 1 and 2 jointly.
    std::uint64_t seed = 12345;
    MersenneRandom random([&seed] { return seed++; });
    SpinPlan plan;
    std::array<std::array<int, 28>, 3> single{};
    std::array<int, 28 * 28> pairs{};
    const int spins = 280'000;
    for (int i = 0; i < spins; ++i) {
        plan.PlanSpin(random);
        for (int r = 0; r < 3; ++r) ++single[r][plan.stopOfReel(r)];
        ++pairs[plan.stopOfReel(0) * 28 + plan.stopOfReel(1)];
    }
    for (int r = 0; r < 3; ++r) {
        const double expected = spins / 28.0;
        double chi = 0;
        for (int v : single[r]) chi += (v - expected) * (v - expected) / expected;
        EXPECT_LT(chi, 55.48) << "reel " << r; // 27 degrees of freedom, p = 0.001
    }
    const double expected = spins / 784.0;
    double chi = 0;
    for (int v : pairs) chi += (v - expected) * (v - expected) / expected;
    EXPECT_LT(chi, 909.0); // 783 degrees of freedom, p = 0.001
}

TEST(SpinPlan, DrawsTakenTogetherAreTheDrawsTakenOneByOne)
{
    MersenneRandom single([] { return std::uint64_t{99}; });
    MersenneRandom many([] { return std::uint64_t{99}; });
    double batch[5];
    for (int round = 0; round < 100; ++round) { // across the generator's refills of 312 values
        many.nextMany(batch, 5);
        for (double d : batch) ASSERT_EQ(d, single.next()) << round;
    }
}
