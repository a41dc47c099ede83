#include <gtest/gtest.h>

#include "EngineRig.h"
#include "SessionReminder.h"

namespace {

void queueLoss(EngineRig& rig) { rig.random.forceStops(0, 0, 0); } // machine 0: nothing
void queueWin(EngineRig& rig) { rig.random.forceStops(1, 1, 20); } // machine 0: combination 4, pays 7
void threeCoins(EngineRig& rig)
{
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
}

PlaySettings withQuickStop()
{
    PlaySettings s;
    s.quickStop = true;
    return s;
}

} // namespace

TEST(QuickStop, EndsInTheSameGameStateAsTheSpinPlayedOut)
{
    // A winning spin and a top award, each played out and quick-stopped with the same forced stops.
    for (const auto& stops : {std::array<int, 3>{1, 1, 20}, std::array<int, 3>{1, 2, 9}}) {
        EngineRig played(0), quick(0);
        quick.machine.setPlaySettings(withQuickStop());
        played.random.forceStops(stops[0], stops[1], stops[2]);
        quick.random.forceStops(stops[0], stops[1], stops[2]);
        bool accepted = false;
        // A quarter of a second in the reels turn: the press arrives with a frame's events.
        quick.clock.at(quick.clock.now() + 250, [&] { accepted = quick.machine.quickStop(); });
        threeCoins(played);
        threeCoins(quick);

        ASSERT_TRUE(accepted);
        EXPECT_TRUE(quick.state() == played.state()) << stops[2];
        EXPECT_GT(quick.state().winMultiplier, 0);
        EXPECT_EQ(quick.view.rowAmounts, played.view.rowAmounts);
        EXPECT_EQ(quick.hooks.spins.size(), 1u);
        EXPECT_EQ(quick.machine.sessionWon(), played.machine.sessionWon());
        // The frames were skipped, the stop sound played once, and the last drawn reels are the same.
        EXPECT_LT(quick.view.reelDraws, played.view.reelDraws / 2);
        EXPECT_EQ(quick.sound.count(SoundCue::ReelStop), 1);
        EXPECT_EQ(played.sound.count(SoundCue::ReelStop), 3);
        std::vector<std::string> lastQuick, lastPlayed;
        for (const auto& e : quick.view.events)
            if (e.rfind("reel ", 0) == 0) lastQuick.push_back(e);
        for (const auto& e : played.view.events)
            if (e.rfind("reel ", 0) == 0) lastPlayed.push_back(e);
        ASSERT_GE(lastQuick.size(), 3u);
        EXPECT_TRUE(std::equal(lastQuick.end() - 3, lastQuick.end(), lastPlayed.end() - 3));
    }
}

TEST(QuickStop, IsRefusedWhenOffOrWhenNoReelsTurn)
{
    EngineRig rig(0);
    EXPECT_FALSE(rig.machine.quickStop());
    queueLoss(rig);
    bool accepted = true;
    rig.clock.at(rig.clock.now() + 250, [&] { accepted = rig.machine.quickStop(); });
    threeCoins(rig);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(rig.sound.count(SoundCue::ReelStop), 3);

    rig.machine.setPlaySettings(withQuickStop());
    EXPECT_FALSE(rig.machine.quickStop()); // idle
}

TEST(AutoPlayLimits, ACountedRunPlaysItsSpinsAndShowsWhatIsLeft)
{
    EngineRig rig(0);
    PlaySettings s;
    s.autoSpins = 10;
    s.stopOnAnyWin = false;
    rig.machine.setPlaySettings(s);
    rig.machine.setAutoSpin(true);
    for (int i = 0; i < 12; ++i) (i == 3 ? queueWin(rig) : queueLoss(rig));
    threeCoins(rig);
    EXPECT_EQ(rig.state().machineSpins(), 10); // the win did not stop it
    EXPECT_EQ(rig.hooks.autoChanges, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0}));
    EXPECT_FALSE(rig.machine.autoPlayRunning());
    EXPECT_EQ(rig.machine.sessionWagered(), Money::fromCredits(30));
    EXPECT_EQ(rig.machine.sessionWon(), Money::fromCredits(21));
}

TEST(AutoPlayLimits, ARunNeverBorrows)
{
    EngineRig rig(0);
    PlaySettings s;
    s.autoSpins = 10;
    rig.machine.setPlaySettings(s);
    rig.machine.setAutoSpin(true);
    rig.state().credits = Money::fromCredits(7);
    for (int i = 0; i < 3; ++i) queueLoss(rig);
    threeCoins(rig);
    EXPECT_EQ(rig.state().machineSpins(), 2);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(1));
    EXPECT_EQ(rig.state().borrowed, kStartCredits);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "Invalid Wager");
    EXPECT_FALSE(rig.machine.autoPlayRunning());
}

TEST(AutoPlayLimits, StopConditionsEndTheRun)
{
    // Credits falling below an amount: 500, 497, 494, 491 < 492.
    EngineRig low(0);
    PlaySettings s;
    s.stopBelowCredits = Money::fromCredits(492);
    low.machine.setPlaySettings(s);
    low.machine.setAutoSpin(true);
    for (int i = 0; i < 6; ++i) queueLoss(low);
    threeCoins(low);
    EXPECT_EQ(low.state().machineSpins(), 3);
    EXPECT_EQ(low.hooks.autoChanges, (std::vector<int>{-1, -1, -1, 0}));

    // A win smaller than the amount goes on; the top award with its pool reaches it.
    EngineRig pool(0);
    s = PlaySettings();
    s.stopOnAnyWin = false;
    s.stopOnWinOf = Money::fromCredits(100);
    pool.machine.setPlaySettings(s);
    pool.machine.setAutoSpin(true);
    queueWin(pool);
    pool.random.forceStops(1, 2, 9);
    queueLoss(pool);
    threeCoins(pool);
    EXPECT_EQ(pool.state().machineSpins(), 2);

    // The player ends the run during its second spin; that spin is played out.
    EngineRig stopped(0);
    s = PlaySettings();
    stopped.machine.setPlaySettings(s);
    stopped.machine.setAutoSpin(true);
    for (int i = 0; i < 6; ++i) queueLoss(stopped);
    bool accepted = false;
    stopped.clock.at(stopped.clock.now() + 4000, [&] { accepted = stopped.machine.stopAutoPlay(); });
    threeCoins(stopped);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(stopped.state().machineSpins(), 2);
    EXPECT_TRUE(stopped.machine.autoSpin()); // Auto Spin stays checked for the next bet
    EXPECT_FALSE(stopped.machine.stopAutoPlay());
}

TEST(AutoPlayLimits, FreeSpinsStartingStopTheRunOnceTheyArePlayed)
{
    EngineRig rig(2);
    PlaySettings s;
    s.stopOnAnyWin = false;
    s.stopOnFreeSpins = true;
    rig.machine.setPlaySettings(s);
    rig.machine.setAutoSpin(true);
    rig.random.forceStops(2, 4, 6);  // nothing
    rig.random.forceStops(11, 0, 0); // the chest
    rig.random.forceStops(0, 0, 0);  // the free spin wins
    rig.random.forceStops(2, 4, 6);
    threeCoins(rig);
    EXPECT_EQ(rig.state().machineSpins(), 3);
    EXPECT_EQ(rig.state().freeSpinCount, 0);
}

TEST(LossLimit, RefusesNewWagersUntilRaisedAndStopsAutoPlay)
{
    EngineRig rig(0);
    PlaySettings s;
    s.lossLimit = Money::fromCredits(6);
    rig.machine.setPlaySettings(s);
    rig.machine.setAutoSpin(true);
    for (int i = 0; i < 5; ++i) queueLoss(rig);
    threeCoins(rig);
    // 3 lost, then 6: the run ends with a refusal and nothing more is charged.
    EXPECT_EQ(rig.state().machineSpins(), 2);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(494));
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "Loss Limit Reached");
    EXPECT_TRUE(rig.machine.lossLimitReached());

    rig.machine.InsertCoin();
    rig.machine.Spin();
    EXPECT_EQ(rig.messages.shown.size(), 3u);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(494));

    s.lossLimit = Money::fromCredits(7);
    rig.machine.setPlaySettings(s);
    rig.machine.setAutoSpin(false);
    rig.machine.Spin(); // the last bet again
    EXPECT_EQ(rig.state().machineSpins(), 3);
    s.lossLimit = Money();
    rig.machine.setPlaySettings(s);
    rig.machine.Spin();
    EXPECT_EQ(rig.state().machineSpins(), 4);
}

TEST(PlaySettingsValues, OutOfRangeValuesComeBackToAllowedOnes)
{
    PlaySettings s;
    s.autoSpins = 7;
    s.reminderMinutes = 45;
    s.effectsVolume = 140;
    s.musicVolume = -3;
    s.lossLimit = Money::fromCredits(-5);
    s.stopOnWinOf = Money::fromCredits(PlaySettings::kMaxAmount + 1);
    const PlaySettings t = s.sanitised();
    EXPECT_EQ(t.autoSpins, 0);
    EXPECT_EQ(t.reminderMinutes, 0);
    EXPECT_EQ(t.effectsVolume, 100);
    EXPECT_EQ(t.musicVolume, 0);
    EXPECT_EQ(t.lossLimit, Money());
    EXPECT_EQ(t.stopOnWinOf, Money::fromCredits(PlaySettings::kMaxAmount));
    s = PlaySettings();
    s.autoSpins = 250;
    s.reminderMinutes = 30;
    EXPECT_EQ(s.sanitised(), s);
}

TEST(SessionReminders, ComeEveryInterval)
{
    SessionReminder reminder(5000);
    EXPECT_FALSE(reminder.due(5000 + 100 * 60'000)); // off
    reminder.setMinutes(15, 5000);
    EXPECT_FALSE(reminder.due(5000 + 15 * 60'000 - 1));
    EXPECT_TRUE(reminder.due(5000 + 15 * 60'000));
    // Shown a little late, while a spin ran: the next one is a whole interval after it.
    reminder.shown(5000 + 16 * 60'000);
    EXPECT_FALSE(reminder.due(5000 + 30 * 60'000));
    EXPECT_TRUE(reminder.due(5000 + 31 * 60'000));
    EXPECT_EQ(reminder.elapsedMs(5000 + 31 * 60'000), 31u * 60'000u);

    // Across a wrap of the tick counter.
    SessionReminder wrapped(0xFFFF0000u);
    wrapped.setMinutes(30, 0xFFFF0000u);
    EXPECT_FALSE(wrapped.due(0xFFFF0000u + 29 * 60'000));
    EXPECT_TRUE(wrapped.due(0xFFFF0000u + 30 * 60'000));
}
