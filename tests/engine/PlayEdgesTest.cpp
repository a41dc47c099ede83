#include <gtest/gtest.h>
#include <limits>

#include "EngineRig.h"

// Auto play runs at the edges of their stop conditions, the session totals that the loss limit and
// the reminders read, and the counters at their limits. Machine 0 (stake 3 with three coins): (0, 0, 0) loses, (1, 1, 20) is combination 4
// (pays 21), (1, 2, 9) is the top award (pays 300 and the pool).

namespace {

void queueLoss(EngineRig& rig) { rig.random.forceStops(0, 0, 0); }
void queueWin(EngineRig& rig) { rig.random.forceStops(1, 1, 20); }
void queueTopAward(EngineRig& rig) { rig.random.forceStops(1, 2, 9); }
void threeCoins(EngineRig& rig)
{
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
}

// Auto Spin on, with only the given stop conditions (the classic stop at any win switched off).
void startRun(EngineRig& rig, PlaySettings s)
{
    s.stopOnAnyWin = false;
    rig.machine.setPlaySettings(s);
    rig.machine.setAutoSpin(true);
}

} // namespace

TEST(AutoPlayRuns, ACountSwitchedOnWhileASpinTurnsIncludesThatSpin)
{
    EngineRig rig(0);
    PlaySettings s;
    s.autoSpins = 10;
    s.stopOnAnyWin = false;
    rig.machine.setPlaySettings(s);
    for (int i = 0; i < 14; ++i) queueLoss(rig);
    // Auto Spin is checked half a second into a hand-started spin.
    rig.clock.at(rig.clock.now() + 500, [&] { rig.machine.setAutoSpin(true); });
    threeCoins(rig);
    EXPECT_EQ(rig.state().machineSpins(), 10);
    EXPECT_EQ(rig.machine.sessionWagered(), Money::fromCredits(30));
    // The turning spin was the first: the second starts with eight left.
    ASSERT_FALSE(rig.hooks.autoChanges.empty());
    EXPECT_EQ(rig.hooks.autoChanges.front(), 8);
    EXPECT_FALSE(rig.machine.autoPlayRunning());
}

TEST(AutoPlayRuns, CreditsLandingExactlyOnTheAmountAreNotBelowIt)
{
    EngineRig rig(0);
    PlaySettings s;
    s.stopBelowCredits = Money::fromCredits(491);
    startRun(rig, s);
    for (int i = 0; i < 8; ++i) queueLoss(rig);
    threeCoins(rig);
    // 497, 494, 491 (on the amount: goes on), 488 (below: stops).
    EXPECT_EQ(rig.state().machineSpins(), 4);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(488));
}

TEST(AutoPlayRuns, AWinOfExactlyTheAmountStopsTheRun)
{
    EngineRig rig(0);
    PlaySettings s;
    s.stopOnWinOf = Money::fromCredits(21);
    startRun(rig, s);
    queueLoss(rig);
    queueWin(rig); // 21: exactly the amount
    for (int i = 0; i < 4; ++i) queueLoss(rig);
    threeCoins(rig);
    EXPECT_EQ(rig.state().machineSpins(), 2);

    // An amount one credit above the win lets a ten-spin run play on to its end.
    EngineRig more(0);
    s.stopOnWinOf = Money::fromCredits(22);
    s.autoSpins = 10;
    startRun(more, s);
    queueWin(more);
    for (int i = 0; i < 12; ++i) queueLoss(more);
    threeCoins(more);
    EXPECT_EQ(more.state().machineSpins(), 10);
}

TEST(AutoPlayRuns, AWinReachingTheAmountOnlyWithThePoolStopsTheRun)
{
    EngineRig rig(0);
    PlaySettings s;
    // The top award pays 300 for the stake and 150.30 from the pool: only both together reach 400.
    s.stopOnWinOf = Money::fromCredits(400);
    startRun(rig, s);
    queueTopAward(rig);
    for (int i = 0; i < 4; ++i) queueLoss(rig);
    threeCoins(rig);
    EXPECT_EQ(rig.state().machineSpins(), 1);
    EXPECT_EQ(rig.state().credits, Money::fromCents(497'00 + 300'00 + 150'30));
}

TEST(AutoPlayRuns, WinningThePoolEndsARunThatStopsForIt)
{
    EngineRig rig(0);
    PlaySettings s;
    s.stopOnBonusPool = true;
    startRun(rig, s);
    queueLoss(rig);
    queueWin(rig); // a win without the pool goes on
    queueTopAward(rig);
    for (int i = 0; i < 4; ++i) queueLoss(rig);
    threeCoins(rig);
    EXPECT_EQ(rig.state().machineSpins(), 3);
    EXPECT_FALSE(rig.machine.autoPlayRunning());
    EXPECT_EQ(rig.hooks.autoChanges.back(), 0);
}

TEST(SessionTotals, FreeSpinWinningsCountAsWonAndKeepTheLossLimitAway)
{
    // Treasure machine: the chest at stop 11 starts free spins; (6, 6, 6) is three diamonds (10 x 3).
    EngineRig rig(2);
    PlaySettings s;
    s.lossLimit = Money::fromCredits(3);
    rig.machine.setPlaySettings(s);
    rig.random.forceStops(11, 0, 0);
    rig.random.forceStops(2, 4, 6); // a free spin that loses
    rig.random.forceStops(6, 6, 6); // a free spin that wins 30
    rig.random.forceStops(2, 4, 6);
    threeCoins(rig);
    ASSERT_EQ(rig.state().machineSpins(), 3);
    EXPECT_EQ(rig.machine.sessionWagered(), Money::fromCredits(3));
    EXPECT_EQ(rig.machine.sessionWon(), Money::fromCredits(30));
    // Ahead by 27: the next bet is taken although a loss of 3 would reach the limit.
    EXPECT_FALSE(rig.machine.lossLimitReached());
    rig.machine.Spin();
    EXPECT_EQ(rig.state().machineSpins(), 4);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(Counters, SpinsStopAtTheLargestCountInsteadOfWrapping)
{
    EngineRig rig(0);
    rig.state().machineSpins() = std::numeric_limits<std::int32_t>::max() - 1;
    queueLoss(rig);
    queueLoss(rig);
    threeCoins(rig);
    EXPECT_EQ(rig.state().machineSpins(), std::numeric_limits<std::int32_t>::max());
    rig.machine.Spin();
    EXPECT_EQ(rig.state().machineSpins(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(rig.state().credits, Money::fromCredits(494)); // both spins were played and charged
}
