#include <cmath>

#include <gtest/gtest.h>

#include "MachineOdds.h"

namespace {

constexpr std::int64_t kAll = 28 * 28 * 28;

std::int64_t ways(const MachineOdds& odds, int combo)
{
    return odds.combinations[static_cast<std::size_t>(combo)].ways;
}

// Figures worked out by hand from the symbol counts of the strips (per reel: how many of each symbol).
TEST(MachineOddsTest, LuckySevensMatchesHandCounts)
{
    // Every reel: one 0, two each of 1, 2, 3, seven 4s, ten 5s, four 6s.
    const MachineOdds odds = computeMachineOdds(1);
    EXPECT_EQ(odds.combinations[0].probability, Ratio(1, 21952));
    EXPECT_EQ(ways(odds, 1), 3 * 3 * 3 - 1); // each in {1, 0}, not three 0s
    EXPECT_EQ(ways(odds, 2), 3 * 3 * 3 - 1);
    EXPECT_EQ(ways(odds, 3), 3 * 3 * 3 - 1);
    EXPECT_EQ(ways(odds, 4), 7 * 7 * 7 - 1 - 3 * 26); // each in {0..3}, minus combinations 0 to 3
    EXPECT_EQ(ways(odds, 5), 7 * 7 * 7);              // three 4s, nothing ranked above can take them
    EXPECT_EQ(ways(odds, 6), 10 * 10 * 10);
    EXPECT_EQ(ways(odds, 7), 17 * 17 * 17 - 343 - 1000);
    EXPECT_FALSE(odds.hasFreeSpins);
    EXPECT_EQ(odds.returnWithFreeSpins, odds.baseReturn);
    EXPECT_EQ(odds.jackpotProbability, Ratio(1, 21952));
    const std::int64_t returned = 100 * 1 + 25 * 78 + 7 * 264 + 7 * 343 + 5 * 1000 + 1 * 3570;
    EXPECT_EQ(odds.baseReturn, Ratio(returned, kAll));
    EXPECT_EQ(odds.hitFrequency, Ratio(1 + 78 + 264 + 343 + 1000 + 3570, kAll));
}

TEST(MachineOddsTest, QuintelMatchesHandCounts)
{
    // 0s per reel: 3, 2, 2. 1s: 3, 2, 3. 5s: 4, 7, 6. Reel 3 holds 1, 2, 3, 4 three, three, four, three times.
    const MachineOdds odds = computeMachineOdds(0);
    EXPECT_EQ(ways(odds, 0), 3 * 2 * 2);
    EXPECT_EQ(ways(odds, 1), 6 * 4 * 5 - 12);
    EXPECT_EQ(ways(odds, 5), 7 * 9 * 8 - 12);
    // s1, s2 in {5, 0} with any s3, less what 0s on reels 1 and 2 hand to combinations 0 to 5.
    EXPECT_EQ(ways(odds, 6), 7 * 9 * 28 - 7 * 9 * 8 - 3 * 2 * (3 + 3 + 4 + 3));
    EXPECT_EQ(odds.combinations[0].multiplier, 100);
    EXPECT_EQ(odds.combinations[7].multiplier, 1);
    EXPECT_EQ(odds.name, "Quintel Slots");
}

TEST(MachineOddsTest, TreasureChestFreeSpinsMatchHandCounts)
{
    // Every normal reel: four 0s, one 6 (the treasure), seven 7s; the free-spin third reel has no 6 and eight 7s.
    const MachineOdds odds = computeMachineOdds(2);
    ASSERT_TRUE(odds.hasFreeSpins);
    EXPECT_EQ(ways(odds, 0), 4 * 4 * 4);
    EXPECT_EQ(ways(odds, 6), 11 * 11 * 11 - 64);
    EXPECT_EQ(ways(odds, 7), kAll - 27 * 27 * 27); // at least one treasure
    const FreeSpinOdds& fs = odds.freeSpins;
    EXPECT_EQ(fs.ways[7], 28 * (28 * 28 - 27 * 27)); // a treasure on reel 1 or 2 only
    EXPECT_EQ(fs.ways[6], 11 * 11 * 12 - 64);
    EXPECT_EQ(fs.ways[0], 64);
    EXPECT_EQ(fs.triggerProbability, Ratio(2269, kAll));

    std::int64_t winWays = 0, paid = 0;
    for (int k = 0; k < 7; ++k) {
        winWays += fs.ways[static_cast<std::size_t>(k)];
        paid += fs.ways[static_cast<std::size_t>(k)] * odds.combinations[static_cast<std::size_t>(k)].multiplier;
    }
    EXPECT_EQ(fs.winProbability, Ratio(winWays, kAll));
    EXPECT_EQ(fs.expectedSpins, Ratio(kAll, winWays));
    EXPECT_EQ(fs.expectedMultiplier, Ratio(paid, winWays));
    EXPECT_EQ(odds.returnWithFreeSpins, odds.baseReturn + Ratio(2269, kAll) * Ratio(paid, winWays));
    // The pool is won by three 0s on the paid spin, or by three 0s ending the free spins it starts.
    EXPECT_EQ(odds.jackpotProbability, Ratio(64, kAll) + Ratio(2269, kAll) * Ratio(64, winWays));
    // The free-spin combination pays nothing itself: it is no hit.
    EXPECT_EQ(odds.hitFrequency, Ratio(64 + 152 + 152 + 279 + 448 + 665 + 1267, kAll));
}

TEST(MachineOddsTest, EveryMachineAccountsForAllOutcomesAndShares)
{
    for (int m = 0; m < 3; ++m) {
        const MachineOdds odds = computeMachineOdds(m);
        std::int64_t counted = 0;
        Ratio shares;
        for (const CombinationOdds& c : odds.combinations) {
            counted += c.ways;
            shares = shares + c.returnShare;
        }
        EXPECT_LE(counted, kAll) << m;
        EXPECT_GT(counted, 0) << m;
        EXPECT_EQ(shares, Ratio(1)) << "shares of machine " << m << " add up to the whole return";
        EXPECT_GT(odds.volatility(), 0.0);
    }
}

TEST(MachineOddsTest, TotalReturnAddsThePoolAtEachWager)
{
    const MachineOdds odds = computeMachineOdds(0);
    const Ratio j = odds.jackpotProbability; // 12 / 21952
    EXPECT_EQ(odds.totalReturn(3), odds.returnWithFreeSpins + Ratio(1, 10) + Ratio(150) * j / Ratio(3));
    EXPECT_EQ(odds.totalReturn(30) - odds.totalReturn(1), Ratio(150) * j * (Ratio(1, 30) - Ratio(1)));
    // The pool seed weighs less the more is staked.
    EXPECT_GT(odds.totalReturn(1).toDouble(), odds.totalReturn(3).toDouble());
    EXPECT_GT(odds.totalReturn(3).toDouble(), odds.totalReturn(30).toDouble());
}

TEST(MachineOddsTest, VolatilityOfLuckySevensFromTheTable)
{
    const MachineOdds odds = computeMachineOdds(1);
    double mean = 0, square = 0;
    for (const CombinationOdds& c : odds.combinations) {
        mean += c.probability.toDouble() * c.multiplier;
        square += c.probability.toDouble() * c.multiplier * c.multiplier;
    }
    EXPECT_NEAR(odds.volatility(), std::sqrt(square - mean * mean), 1e-12);
}

TEST(MachineOddsTest, VolatilityOfTreasureChestCountsTheFreeSpinSequence)
{
    // A paid spin pays its own multiplier; one of the 2269 treasure outcomes adds the multiplier of the
    // free spin that ends the sequence (3148 winning outcomes on the free-spin strip, counted by hand).
    const double all = 21952, trigger = 2269 / all;
    const double mean = (64 * 25 + 152 * 10 + 152 * 10 + 279 * 7 + 448 * 4 + 665 * 3 + 1267) / all +
                        trigger * (64 * 25 + 152 * 10 + 152 * 10 + 279 * 7 + 448 * 4 + 665 * 3 + 1388) / 3148;
    const double square = (64 * 625 + 152 * 100 + 152 * 100 + 279 * 49 + 448 * 16 + 665 * 9 + 1267) / all +
                          trigger * (64 * 625 + 152 * 100 + 152 * 100 + 279 * 49 + 448 * 16 + 665 * 9 + 1388) / 3148;
    EXPECT_NEAR(computeMachineOdds(2).volatility(), std::sqrt(square - mean * mean), 1e-12);
}

TEST(MachineOddsTest, InvalidMachineGivesMachineZero)
{
    EXPECT_EQ(computeMachineOdds(7).machine, 0);
    EXPECT_EQ(computeMachineOdds(-1).baseReturn, computeMachineOdds(0).baseReturn);
}

TEST(RatioTest, StaysInLowestTermsThroughArithmetic)
{
    EXPECT_EQ(Ratio(6, -8), Ratio(-3, 4));
    EXPECT_EQ(Ratio(1, 3) + Ratio(1, 6), Ratio(1, 2));
    EXPECT_EQ(Ratio(2, 3) * Ratio(9, 4), Ratio(3, 2));
    EXPECT_EQ(Ratio(1, 2) - Ratio(1, 2), Ratio(0));
    EXPECT_EQ((Ratio(1, 2) - Ratio(1, 2)).den(), 1);
    EXPECT_EQ(Ratio(5, 7) / Ratio(10, 21), Ratio(3, 2));
    EXPECT_DOUBLE_EQ(Ratio(1, 21952).toDouble(), 1.0 / 21952.0);
}

} // namespace
