#include <gtest/gtest.h>

#include "EngineRig.h"

// Treasure machine strip positions used here: 11 is the chest on every normal strip; (0, 0, 0) shows
// 7, 7, 7 (combination 6, pays 1); (2, 4, 6) shows 5, 4, 1 (nothing).

TEST(FreeSpins, ATreasureStartsFreeSpinsThatRunUntilAWin)
{
    EngineRig rig(2);
    rig.random.forceStops(11, 0, 0); // 6, 7, 7: the chest on reel 1
    rig.random.forceStops(2, 4, 6);  // free spin 1 loses
    rig.random.forceStops(2, 4, 6);  // free spin 2 loses
    rig.random.forceStops(0, 0, 0);  // free spin 3 wins 1 x the last bet

    int renders = 0;
    bool sawFreeStrip = false;
    rig.clock.at(rig.clock.now() + 3000, [&] {
        // Inside the mode the third reel carries no chest.
        sawFreeStrip = rig.machine.reels().freeSpinStrip && rig.machine.reels().strips[2][11] == 7;
        renders = rig.view.reelRenders;
    });
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();

    GameState& s = rig.state();
    EXPECT_TRUE(sawFreeStrip);
    EXPECT_GT(renders, 0);
    EXPECT_EQ(s.freeSpinCount, 0);
    EXPECT_EQ(s.machineSpins(), 4);
    // Charged once, paid 3 x 1 by the winning free spin.
    EXPECT_EQ(s.credits, Money::fromCredits(500 - 3 + 3));
    EXPECT_EQ(s.machineWagers(), Money::fromCredits(3));
    EXPECT_EQ(s.machinePaid(), Money::fromCredits(3));
    EXPECT_EQ(s.machinePool().toString(), "150.30");    // free spins feed nothing
    EXPECT_EQ(rig.sound.count(SoundCue::FreeSpins), 1); // only on the step from 1 to 2
    EXPECT_EQ(rig.sound.count(SoundCue::Lose), 0);
    EXPECT_EQ(rig.sound.count(SoundCue::Win), 1);
    // The normal strip is back and the label hidden.
    EXPECT_FALSE(rig.machine.reels().freeSpinStrip);
    EXPECT_EQ(rig.machine.reels().strips[2][11], 6);
    EXPECT_EQ(rig.view.count("label shown"), 1);
    EXPECT_EQ(rig.view.count("label hidden"), 1);
    EXPECT_TRUE(s.spinEnabled);
    // One second's pause before the first free spin, handling events.
    bool pause = false;
    for (const auto& w : rig.clock.waits) pause |= w.handleEvents && w.until - w.from == 1000;
    EXPECT_TRUE(pause);
    // Each spin was recorded before its reels turned, free spins with the last bet.
    ASSERT_EQ(rig.hooks.spins.size(), 4u);
    EXPECT_FALSE(rig.hooks.spins[0].freeSpin);
    EXPECT_TRUE(rig.hooks.spins[3].freeSpin);
    EXPECT_EQ(rig.hooks.spins[3].stake, 3);
}

TEST(FreeSpins, ATreasureOnReelOneDuringTheModeStartsTheCountAgain)
{
    EngineRig rig(2);
    rig.random.forceStops(11, 0, 0); // start
    rig.random.forceStops(2, 4, 6);  // count 2 -> 3
    rig.random.forceStops(11, 2, 4); // 6, 5, 4: combination 7 again, count back to 1 then 2
    rig.random.forceStops(0, 0, 0);  // win
    rig.machine.InsertCoin();
    rig.machine.Spin();
    EXPECT_EQ(rig.state().machineSpins(), 4);
    EXPECT_EQ(rig.sound.count(SoundCue::FreeSpins), 2);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(500));
    EXPECT_EQ(rig.state().freeSpinCount, 0);
}

TEST(FreeSpins, PlayStaysLockedDuringThePauseAndBetweenFreeSpins)
{
    EngineRig rig(2);
    rig.random.forceStops(11, 0, 0);
    rig.random.forceStops(2, 4, 6);
    rig.random.forceStops(0, 0, 0);

    int probes = 0;
    auto probe = [&] {
        ++probes;
        GameState& s = rig.state();
        EXPECT_FALSE(s.spinEnabled);
        EXPECT_FALSE(rig.view.menusEnabled);
        const Money credits = s.credits;
        const int spins = s.machineSpins();
        rig.machine.InsertCoin(); // B
        rig.machine.Spin();       // Enter
        rig.machine.borrow(0);    // a menu command that slipped through
        rig.machine.chooseBet(BetChoice::Ten);
        rig.machine.NewGame(MachineId::Quintel);
        EXPECT_EQ(s.credits, credits);
        EXPECT_EQ(s.machineSpins(), spins);
        EXPECT_EQ(s.currentMachine, 2);
    };
    // The first spin lasts about 2.7 s at "Fast", then the pause of one second, then two free spins.
    for (std::uint32_t t = 2800; t < 10000; t += 150) rig.clock.at(rig.clock.now() + t, probe);
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();

    EXPECT_GT(probes, 10);
    EXPECT_EQ(rig.state().machineSpins(), 3);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(500 - 3 + 3));
    EXPECT_EQ(rig.state().machineWagers(), Money::fromCredits(3));
    EXPECT_TRUE(rig.state().spinEnabled);
    EXPECT_TRUE(rig.view.menusEnabled);
}

TEST(FreeSpins, AnInterruptedFreeSpinOnTheCurrentMachineUsesTheFreeSpinStrip)
{
    // Reel 3 at stop 11 (counted from 0) is the one place the strips differ: a treasure normally, a 7 on the
    // free-spin strip.
    EngineRig rig(2);
    ASSERT_EQ(rig.machine.reels().symbolAt(2, 11), 6);
    const Money before = rig.state().credits;
    SpinRecord record;
    record.machine = 2;
    record.stake = 3;
    record.freeSpin = true;
    record.freeSpinCount = 2;
    record.stops[0] = 0; // 7
    record.stops[1] = 0; // 7
    record.stops[2] = 11;
    const Money paid = rig.machine.completeRecordedSpin(record);
    // Three 7s end the free spins at once, paying 1 x 3; no further spin is drawn.
    EXPECT_EQ(rig.state().winCombo, 6);
    EXPECT_EQ(paid, Money::fromCredits(3));
    EXPECT_EQ(rig.state().credits - before, Money::fromCredits(3));
    EXPECT_EQ(rig.random.draws, 0);
    EXPECT_EQ(rig.state().freeSpinCount, 0);
    // And the normal strip is back.
    EXPECT_FALSE(rig.machine.reels().freeSpinStrip);
    EXPECT_EQ(rig.machine.reels().symbolAt(2, 11), 6);
    EXPECT_TRUE(rig.state().spinEnabled);
}

TEST(FreeSpins, AnInterruptedSpinIsCompletedOnceFromItsRecord)
{
    // A paid spin recorded before its reels turned, then the program died: the next start completes it.
    EngineRig rig(0);
    rig.state().credits = Money::fromCredits(497); // the stake was charged before the record was written
    SpinRecord record;
    record.machine = 0;
    record.stake = 3;
    record.stops[0] = 1;
    record.stops[1] = 1;
    record.stops[2] = 20; // combination 4: pays 21
    const Money paid = rig.machine.completeRecordedSpin(record);
    EXPECT_EQ(paid, Money::fromCredits(21));
    EXPECT_EQ(rig.state().credits, Money::fromCredits(518));
    EXPECT_TRUE(rig.state().spinEnabled);
    EXPECT_EQ(rig.state().wager, 0);
    EXPECT_EQ(rig.machine.plan().at(130, 2, 5), 66 * 20);
    EXPECT_EQ(rig.sound.cues.size(), 0u);

    // A treasure spin on machine 2 goes on into its free spins, without animation.
    EngineRig treasure(0);
    SpinRecord chest;
    chest.machine = 2;
    chest.stake = 1;
    chest.stops[0] = 11;
    treasure.random.forceStops(0, 0, 0);
    treasure.machine.completeRecordedSpin(chest);
    EXPECT_EQ(treasure.state().currentMachine, 2);
    EXPECT_EQ(treasure.state().freeSpinCount, 0);
    EXPECT_FALSE(treasure.machine.reels().freeSpinStrip);
    EXPECT_EQ(treasure.state().winCombo, 6);
}
