#include <gtest/gtest.h>

#include "EngineRig.h"
#include "MachineNames.h"

// The outcome a spin reports when it is scored, before its credits are counted out.

TEST(SpinOutcome, TheTopCombinationReportsItsPayAndThePoolBeforeTheCountUp)
{
    EngineRig rig(0);
    // Notes the balance at the moment of scoring.
    struct Hooks : RecordingHooks {
        const SlotMachine* machine = nullptr;
        Money credits;
        void spinScored(const SpinOutcome& o) override
        {
            RecordingHooks::spinScored(o);
            credits = machine->state().credits;
        }
    } hooks;
    SlotMachine machine(SlotMachinePorts{rig.clock, rig.clock, rig.random, rig.view, rig.sound, rig.messages, hooks});
    hooks.machine = &machine;
    machine.NewGame(MachineId::Quintel);
    rig.random.forceStops(1, 2, 9); // 0, 0, 0
    for (int i = 0; i < 3; ++i) machine.InsertCoin();

    ASSERT_EQ(hooks.scored.size(), 1u);
    const SpinOutcome& o = hooks.scored[0];
    EXPECT_EQ(o.machine, 0);
    EXPECT_EQ(o.symbols, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(o.combo, 0);
    EXPECT_EQ(o.paid, Money::fromCredits(300));
    EXPECT_EQ(o.poolWon, Money::fromCents(150'30));
    EXPECT_FALSE(o.freeSpinsStart);
    EXPECT_EQ(hooks.credits, Money::fromCredits(497)); // scored before the pool and the payout arrive
}

TEST(SpinOutcome, ALossAndTheFreeSpinModeAreReportedOncePerSpin)
{
    EngineRig lose(0);
    lose.random.forceStops(0, 0, 0); // 6, 5, 6: nothing
    for (int i = 0; i < 3; ++i) lose.machine.InsertCoin();
    ASSERT_EQ(lose.hooks.scored.size(), 1u);
    EXPECT_EQ(lose.hooks.scored[0].combo, -1);
    EXPECT_EQ(lose.hooks.scored[0].paid, Money());
    EXPECT_EQ(lose.hooks.scored[0].poolWon, Money());

    EngineRig rig(2);
    rig.random.forceStops(11, 0, 0); // the chest: free spins start
    rig.random.forceStops(2, 4, 6);  // a free spin loses
    rig.random.forceStops(0, 0, 0);  // a free spin wins 1 x 3
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
    ASSERT_EQ(rig.hooks.scored.size(), rig.hooks.spins.size());
    ASSERT_EQ(rig.hooks.scored.size(), 3u);
    EXPECT_TRUE(rig.hooks.scored[0].freeSpinsStart);
    EXPECT_FALSE(rig.hooks.scored[0].freeSpin);
    EXPECT_TRUE(rig.hooks.scored[1].freeSpin);
    EXPECT_FALSE(rig.hooks.scored[1].freeSpinsStart);
    EXPECT_EQ(rig.hooks.scored[1].paid, Money());
    EXPECT_TRUE(rig.hooks.scored[2].freeSpin);
    EXPECT_EQ(rig.hooks.scored[2].paid, Money::fromCredits(3));
}

TEST(MachineNames, EverySymbolOnAStripAndEveryCombinationHasAName)
{
    for (int m = 0; m < kMachineCount; ++m) {
        for (bool freeSpin : {false, true}) {
            const ReelSet reels = buildReelSet(m, freeSpin);
            for (const ReelStrip& strip : reels.strips)
                for (std::uint8_t symbol : strip)
                    EXPECT_FALSE(symbolName(m, symbol).empty()) << m << " " << int(symbol);
        }
        for (int c = 0; c < kComboCount; ++c) EXPECT_FALSE(combinationName(m, c).empty()) << m << " " << c;
    }
    EXPECT_TRUE(symbolName(0, 7).empty()); // machines 0 and 1 have seven symbols
    EXPECT_TRUE(symbolName(3, 0).empty());
    EXPECT_TRUE(combinationName(0, 8).empty());
}
