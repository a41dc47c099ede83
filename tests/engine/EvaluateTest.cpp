#include <gtest/gtest.h>

#include "EngineRig.h"

#include <utility>

namespace {

// Plays one spin of `wager` credits (already charged as coins) stopping at the given positions.
void spinWithCoins(EngineRig& rig, int coins, int s1, int s2, int s3)
{
    rig.random.forceStops(s1, s2, s3);
    for (int i = 0; i < coins; ++i) rig.machine.InsertCoin();
    if (rig.state().wager > 0) rig.machine.Spin();
}

} // namespace

TEST(EvaluateSpin, TopCombinationPaysTheWagerAndTheWholePool)
{
    EngineRig rig(0);
    rig.state().machinePool() = Money::fromCents(15000);
    spinWithCoins(rig, 3, 1, 2, 9); // symbols 0, 0, 0
    GameState& s = rig.state();
    EXPECT_EQ(s.winCombo, 0);
    EXPECT_EQ(s.winMultiplier, 100);
    // 500 - 3 + 300 + the pool of 150.30 (150 + 0.30 from the stake).
    EXPECT_EQ(s.credits, Money::fromCents(500'00 - 3'00 + 300'00 + 150'30));
    EXPECT_EQ(s.machinePaid(), Money::fromCents(300'00 + 150'30));
    EXPECT_EQ(s.machinePool(), Money::fromCredits(150));
    // The celebration plays instead of a win sound.
    EXPECT_EQ(rig.sound.count(SoundCue::Win), 0);
    EXPECT_EQ(rig.sound.count(SoundCue::TopAward), 5);
    EXPECT_EQ(rig.sound.count(SoundCue::Credit), 300);
    EXPECT_EQ(s.wager, 0);
    EXPECT_TRUE(s.spinEnabled);
}

TEST(EvaluateSpin, TabledStopsScoreTheirCombinations)
{
    struct Case {
        int machine, s1, s2, s3, combo, multiplier;
    };
    const Case cases[] = {
        {0, 1, 1, 13, 7, 1}, // 0, 4, 5: a top symbol on reel 1 counts as a cherry
        {0, 1, 1, 20, 4, 7}, // 0, 4, 4
        {1, 9, 9, 9, 5, 7},  // 4, 4, 4
        {1, 0, 0, 0, 6, 5},  // 5, 5, 5
        {2, 9, 0, 0, 6, 1},  // 0, 7, 7
    };
    for (const Case& c : cases) {
        EngineRig rig(c.machine);
        spinWithCoins(rig, 1, c.s1, c.s2, c.s3);
        EXPECT_EQ(rig.state().winCombo, c.combo) << c.machine << ":" << c.s1 << "," << c.s2 << "," << c.s3;
        EXPECT_EQ(rig.state().winMultiplier, c.multiplier);
        EXPECT_EQ(rig.state().credits, Money::fromCredits(500 - 1 + c.multiplier));
        EXPECT_EQ(rig.sound.count(SoundCue::Win), 1);
        EXPECT_EQ(rig.view.rowAmounts.front(), c.multiplier); // the win display shows the amount first
    }
}

TEST(EvaluateSpin, ALosingSpinPlaysALoseSoundAndClearsTheWager)
{
    EngineRig rig(0);
    spinWithCoins(rig, 2, 0, 0, 0); // 6, 5, 6
    EXPECT_EQ(rig.state().winMultiplier, 0);
    EXPECT_EQ(rig.state().wager, 0);
    EXPECT_EQ(rig.state().lastBet, 2);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(498));
    EXPECT_EQ(rig.sound.count(SoundCue::Lose), 1);
    EXPECT_EQ(rig.sound.count(SoundCue::Credit), 0);
    EXPECT_TRUE(rig.state().spinEnabled);
    EXPECT_TRUE(rig.view.menusEnabled);
}

TEST(PayOut, CountsCreditsWithSlowingDelays)
{
    EngineRig rig(0);
    rig.clock.waits.clear();
    const Money before = rig.state().credits;
    rig.machine.PayOut(10, 3);
    ASSERT_EQ(rig.clock.waits.size(), 11u);
    const std::uint32_t expected[] = {0, 100, 100, 100, 125, 125, 125, 225, 225, 225, 225};
    for (std::size_t i = 0; i < 11; ++i) {
        const auto& w = rig.clock.waits[i];
        EXPECT_EQ(w.until - w.from, expected[i]) << "tick " << i;
        EXPECT_FALSE(w.handleEvents);
    }
    EXPECT_EQ(rig.view.rowAmounts, (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(rig.state().credits - before, Money::fromCredits(10));
    EXPECT_EQ(rig.sound.count(SoundCue::Credit), 10);
    EXPECT_EQ(rig.clock.processCalls, 11); // events once per credit step
}

TEST(PayOut, LargeWinsCountFastAndOneCreditShowsOneThenZero)
{
    EngineRig rig(0);
    rig.clock.waits.clear();
    rig.machine.PayOut(1500, 0);
    EXPECT_EQ(rig.clock.waits[1].until - rig.clock.waits[1].from, 25u);
    EXPECT_EQ(rig.clock.waits[600].until - rig.clock.waits[600].from, 27u); // 900 left: more than 500
    EXPECT_EQ(rig.state().credits, Money::fromCredits(2000));

    EngineRig one(0);
    one.machine.PayOut(1, 5);
    EXPECT_EQ(one.view.rowAmounts, (std::vector<int>{1, 0}));
    EXPECT_EQ(one.state().credits, Money::fromCredits(501));
    EXPECT_EQ(one.state().machinePaid(), Money::fromCredits(1));
}

TEST(PayOut, EachSlowerStepStartsExactlyAtItsThreshold)
{
    // Credits still to count -> milliseconds until the next one, on both sides of every threshold.
    const std::pair<int, std::uint32_t> edges[] = {{1001, 25}, {1000, 27}, {501, 27}, {500, 29}, {251, 29}, {250, 31},
                                                   {126, 31},  {125, 37},  {51, 37},  {50, 50},  {26, 50},  {25, 75},
                                                   {13, 75},   {12, 100},  {7, 100},  {6, 125},  {4, 125},  {3, 225}};
    EngineRig rig(0);
    rig.clock.waits.clear();
    const int amount = 1002;
    rig.machine.PayOut(amount, 0);
    ASSERT_EQ(rig.clock.waits.size(), static_cast<std::size_t>(amount + 1));
    for (const auto& [remaining, delay] : edges) {
        const auto& w = rig.clock.waits[static_cast<std::size_t>(amount - remaining)];
        EXPECT_EQ(w.until - w.from, delay) << remaining << " left";
    }
}

TEST(TopAwardCelebration, FlashesTheLampSixtyStepsAndEndsUnlit)
{
    EngineRig rig(0);
    rig.clock.waits.clear();
    rig.machine.TopAwardCelebration();
    ASSERT_EQ(rig.view.lamps.size(), 61u);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(rig.view.lamps[i], (i + 1) % 2 == 0 ? 1 : 2);
    EXPECT_EQ(rig.view.lamps.back(), 0);
    EXPECT_EQ(rig.sound.count(SoundCue::TopAward), 5);
    ASSERT_EQ(rig.clock.waits.size(), 60u);
    for (const auto& w : rig.clock.waits) {
        EXPECT_EQ(w.until - w.from, 46u);
        EXPECT_FALSE(w.handleEvents);
    }
    EXPECT_EQ(rig.clock.processCalls, 0);
}

TEST(AnimateSpin, PlaysLeverFramesAndSoundsAtEverySpeed)
{
    for (int speedEntry = 0; speedEntry < 4; ++speedEntry) {
        EngineRig rig(0);
        rig.machine.setSpeed(static_cast<SpinSpeed>(speedEntry));
        rig.random.forceStops(3, 4, 5);
        rig.machine.InsertCoin();
        rig.clock.waits.clear();
        rig.sound.cues.clear();
        rig.view.events.clear();
        rig.machine.Spin();

        const int speed = rig.machine.spinSpeed();
        // 8 lever steps and 94 reel frames, each waiting until the tick passes t0 + speed.
        int steps = 0;
        for (const auto& w : rig.clock.waits)
            if (w.until - w.from == static_cast<std::uint32_t>(speed + 1)) ++steps;
        EXPECT_EQ(steps, 102) << "speed " << speed;
        EXPECT_EQ(rig.sound.count(SoundCue::ReelStop), 3);
        // One spin sound at the start, then one per reel per frame, or every second one at "Very Fast".
        const int triggers = 94 * 3;
        EXPECT_EQ(rig.sound.count(SoundCue::Spin), 1 + (speedEntry == 0 ? triggers / 2 : triggers));
        EXPECT_EQ(rig.view.count("lever 1 345"), 8);
        EXPECT_EQ(rig.view.count("lever 0 345 248 70"), 1);
        EXPECT_EQ(rig.view.count("lever 0 345 128 90"), 1); // sprung back at frame 8
        EXPECT_EQ(rig.view.count("reel "), 94 * 3);
        EXPECT_EQ(rig.machine.plan().at(130, 2, 3), 66 * 3);
        EXPECT_EQ(rig.state().machineSpins(), 1);
    }
}

TEST(AnimateSpin, VeryFastPlaysOnTheSecondTriggerFirst)
{
    EngineRig rig(0);
    rig.machine.setSpeed(SpinSpeed::VeryFast);
    rig.random.forceStops(3, 4, 5);
    rig.machine.InsertCoin();
    rig.view.events.clear();
    rig.sound.log = &rig.view.events;
    rig.machine.Spin();

    // Reduce the log of the first two frames to reel draws (R) and spin sounds (S).
    std::string pattern;
    const std::string spin = "sound " + std::to_string(static_cast<int>(SoundCue::Spin));
    bool started = false;
    for (const auto& e : rig.view.events) {
        if (e.rfind("reel ", 0) == 0) {
            started = true;
            pattern += 'R';
        } else if (started && e == spin) {
            pattern += 'S';
        }
        if (pattern.size() >= 9) break;
    }
    EXPECT_EQ(pattern, "RRSRRSRRS");
}
