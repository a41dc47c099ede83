#include <gtest/gtest.h>

#include "EngineRig.h"

namespace {
const std::string kNoWager = "No Wager Placed";
const std::string kInvalid = "Invalid Wager";
const std::string kNotAllowed = "Wager Not Allowed";

// Stops that lose on machine 0 (6, 5, 6).
void queueLoss(EngineRig& rig) { rig.random.forceStops(0, 0, 0); }
} // namespace

TEST(Wagers, CoinsAreChargedUntilCreditsRunOut)
{
    EngineRig rig(0);
    rig.state().credits = Money::fromCredits(2);
    rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().wager, 1);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(1));
    rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().wager, 2);
    EXPECT_EQ(rig.state().credits, Money());
    rig.machine.InsertCoin();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, kNotAllowed);
    EXPECT_EQ(rig.messages.shown[0].text, "You cannot wager more credits than you have!");
    EXPECT_EQ(rig.state().wager, 2);
    EXPECT_EQ(rig.sound.count(SoundCue::Coin), 2);
    EXPECT_EQ(rig.state().machineWagers(), Money::fromCredits(2));
}

TEST(Wagers, TheThirdCoinStartsTheSpin)
{
    EngineRig rig(0);
    queueLoss(rig);
    rig.machine.InsertCoin();
    rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().machineSpins(), 0);
    rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().machineSpins(), 1);
    EXPECT_EQ(rig.state().lastBet, 3);
    EXPECT_EQ(rig.state().wager, 0);
}

TEST(Wagers, TenDollarCoinsWithTwentyFiveCredits)
{
    EngineRig rig(0);
    rig.machine.chooseBet(BetChoice::Ten);
    rig.state().credits = Money::fromCredits(25);
    rig.machine.InsertCoin();
    rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().wager, 20);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(5));
    rig.machine.InsertCoin();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, kNotAllowed);
    queueLoss(rig);
    rig.machine.Spin();
    EXPECT_EQ(rig.state().lastBet, 20);
    EXPECT_EQ(rig.state().machineSpins(), 1);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(5));
}

TEST(Wagers, SpinRepeatsTheLastBetAndRefusesWhatItCannot)
{
    EngineRig rig(0);
    rig.machine.Spin();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, kNoWager);
    EXPECT_EQ(rig.messages.shown[0].text, "Place a bet before spinning!");
    EXPECT_EQ(rig.state().machineSpins(), 0);

    queueLoss(rig);
    rig.machine.InsertCoin();
    rig.machine.InsertCoin();
    rig.machine.Spin();
    queueLoss(rig);
    rig.machine.Spin(); // no coins: the same stake again
    EXPECT_EQ(rig.state().machineSpins(), 2);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(496));
    EXPECT_EQ(rig.state().machineWagers(), Money::fromCredits(4));

    rig.state().credits = Money::fromCents(190); // 1.90 cannot repeat a bet of 2
    rig.machine.Spin();
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_EQ(rig.messages.shown[1].title, kInvalid);
    EXPECT_EQ(
        rig.messages.shown[1].text,
        "Your last wager is more than your available credits!  You need to borrow more credits or place a new wager.");
    EXPECT_EQ(rig.state().credits, Money::fromCents(190));
    EXPECT_EQ(rig.state().machineSpins(), 2);
}

TEST(Wagers, SpinAgainNeedsTheWholeLastBetAndNoMore)
{
    EngineRig rig(0);
    queueLoss(rig);
    rig.machine.InsertCoin();
    rig.machine.InsertCoin();
    rig.machine.Spin();
    ASSERT_EQ(rig.state().lastBet, 2);

    rig.state().credits = Money::fromCents(199); // one cent short
    rig.machine.Spin();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, kInvalid);
    EXPECT_EQ(rig.state().machineSpins(), 1);
    EXPECT_EQ(rig.state().credits, Money::fromCents(199));

    rig.state().credits = Money::fromCredits(2); // exactly the bet
    queueLoss(rig);
    rig.machine.Spin();
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.state().machineSpins(), 2);
    EXPECT_EQ(rig.state().credits, Money());
}

TEST(Wagers, ChangingTheBetAmountForfeitsInsertedCoins)
{
    EngineRig rig(0);
    rig.machine.chooseBet(BetChoice::Five);
    rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().credits, Money::fromCredits(495));
    rig.machine.chooseBet(BetChoice::Five); // choosing the same amount again still clears
    EXPECT_EQ(rig.state().wager, 0);
    EXPECT_EQ(rig.state().lastBet, 0);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(495));
    EXPECT_EQ(rig.state().machineWagers(), Money::fromCredits(5));
    rig.machine.Spin();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, kNoWager);
    EXPECT_EQ(rig.state().bet().maxWager, 15);
    EXPECT_STREQ(rig.state().bet().label, "$5");
    EXPECT_EQ(rig.state().bet().color, 12);
}

TEST(Wagers, StakesFeedThePoolByATenthInExactCents)
{
    EngineRig rig(0);
    queueLoss(rig);
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().machinePool().toString(), "150.30");
    rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().machinePool().toString(), "150.40");
    // Free of float drift over many stakes.
    for (int i = 0; i < 1000; ++i) rig.state().machinePool() += Money::fromCents(10);
    EXPECT_EQ(rig.state().machinePool().toString(), "250.40");
}

TEST(Borrowing, AddsToCreditsAndBorrowedAlike)
{
    EngineRig rig(0);
    const int idles = rig.hooks.idles;
    rig.machine.borrow(4);
    rig.machine.borrow(4);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(600));
    EXPECT_EQ(rig.state().borrowed, Money::fromCredits(600));
    rig.machine.borrow(0);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(1600));
    rig.machine.borrow(9); // no such entry
    EXPECT_EQ(rig.state().credits, Money::fromCredits(1600));
    EXPECT_EQ(rig.hooks.idles - idles, 3); // each borrow is saved
}

TEST(AutoSpin, RepeatsLosingSpinsUntilTheBetIsRefused)
{
    EngineRig rig(0);
    rig.state().credits = Money::fromCredits(10);
    rig.machine.setAutoSpin(true);
    for (int i = 0; i < 3; ++i) queueLoss(rig);
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().machineSpins(), 3);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(1));
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, kInvalid);
    EXPECT_EQ(rig.view.count("banner paused"), 3);
    EXPECT_EQ(rig.view.count("banner resumed"), 1);
    EXPECT_EQ(rig.view.statistics, 3);
}

TEST(AutoSpin, StopsAtTheFirstWinAndCanBeSwitchedOffWhileTheReelsTurn)
{
    EngineRig rig(0);
    rig.machine.setAutoSpin(true);
    queueLoss(rig);
    queueLoss(rig);
    rig.random.forceStops(1, 1, 20); // combination 4
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().machineSpins(), 3);
    EXPECT_EQ(rig.state().winMultiplier, 7);

    EngineRig off(0);
    off.machine.setAutoSpin(true);
    for (int i = 0; i < 5; ++i) queueLoss(off);
    // The player clears Auto Spin during the first spin's animation.
    off.clock.at(off.clock.now() + 500, [&] { off.machine.setAutoSpin(false); });
    for (int i = 0; i < 3; ++i) off.machine.InsertCoin();
    EXPECT_EQ(off.state().machineSpins(), 1);
}

TEST(AutoSpin, ThousandsOfLosingSpinsRunInALoop)
{
    EngineRig rig(0);
    rig.state().credits = Money::fromCredits(20000);
    rig.machine.setAutoSpin(true);
    for (int i = 0; i < 5000; ++i) queueLoss(rig);
    rig.random.forceStops(1, 1, 20);
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().machineSpins(), 5001);
    EXPECT_EQ(rig.state().machineWagers(), Money::fromCredits(3 * 5001));
}

TEST(SpinLock, PlayActionsAndMenuCommandsDuringASpinChangeNothing)
{
    EngineRig rig(0);
    queueLoss(rig);
    bool checked = false;
    rig.clock.at(rig.clock.now() + 1000, [&] {
        EXPECT_FALSE(rig.state().spinEnabled);
        EXPECT_FALSE(rig.view.menusEnabled);
        const Money credits = rig.state().credits;
        rig.machine.InsertCoin();
        rig.machine.Spin();
        rig.machine.borrow(0);
        rig.machine.chooseBet(BetChoice::Ten);
        EXPECT_EQ(rig.state().credits, credits);
        EXPECT_EQ(rig.state().options.bet, BetChoice::One);
        EXPECT_TRUE(rig.machine.busy());
        checked = true;
    });
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
    EXPECT_TRUE(checked);
    EXPECT_EQ(rig.state().machineSpins(), 1);
    EXPECT_TRUE(rig.state().spinEnabled);
    EXPECT_TRUE(rig.view.menusEnabled);
    EXPECT_FALSE(rig.machine.busy());
}

TEST(SpinLock, ClosingDuringASpinFinishesAndPaysItAtOnce)
{
    EngineRig rig(0);
    rig.random.forceStops(1, 1, 20); // combination 4: 7 x 3
    rig.clock.at(rig.clock.now() + 800, [&] { rig.machine.finishQuickly(); });
    const std::uint32_t start = rig.clock.now();
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
    EXPECT_EQ(rig.state().winMultiplier, 7);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(500 - 3 + 21));
    EXPECT_LT(rig.clock.now() - start, 1500u); // no count-up delays after the close
    EXPECT_EQ(rig.machine.plan().at(130, 2, 5), 66 * 20);
}

TEST(GameFlows, NewGameResetsTheMachineAndChangeGameKeepsTheBankroll)
{
    EngineRig rig(0);
    queueLoss(rig);
    for (int i = 0; i < 3; ++i) rig.machine.InsertCoin();
    rig.machine.borrow(0);
    const Money pool0 = rig.state().bonusPool[0];

    const int idles = rig.hooks.idles;
    rig.machine.NewGame(MachineId::Lucky7);
    EXPECT_EQ(rig.hooks.idles, idles + 1); // a new game is saved at once
    EXPECT_EQ(rig.state().currentMachine, 1);
    EXPECT_EQ(rig.state().credits, Money::fromCredits(500));
    EXPECT_EQ(rig.state().borrowed, Money::fromCredits(500));
    EXPECT_EQ(rig.state().machinePool(), Money::fromCredits(150));
    EXPECT_EQ(rig.state().totalWagers[0], Money::fromCredits(3));
    EXPECT_EQ(rig.state().bonusPool[0], pool0);
    EXPECT_EQ(rig.hooks.caption, "Lucky 7 Slots 95");
    EXPECT_EQ(rig.hooks.checkedGame, 1);
    EXPECT_EQ(rig.hooks.musicMachine, 1);
    EXPECT_EQ(rig.hooks.picturesPrefix, "LUCKY7");
    EXPECT_EQ(rig.machine.reels().machine, 1);

    rig.state().credits = Money::fromCents(81240);
    rig.machine.ChangeGame(MachineId::Treasure);
    EXPECT_EQ(rig.state().credits, Money::fromCents(81240));
    EXPECT_EQ(rig.state().machinePool(), Money::fromCredits(150));
    EXPECT_EQ(rig.hooks.caption, "Treasure Chest Slots 95");
    EXPECT_FALSE(rig.state().keepCredits);

    rig.machine.ChangeGame(MachineId::Quintel); // back to a machine played earlier: totals and pool as left
    EXPECT_EQ(rig.state().machineWagers(), Money::fromCredits(3));
    EXPECT_EQ(rig.state().machinePool(), pool0);
    EXPECT_EQ(rig.state().credits, Money::fromCents(81240));

    rig.machine.NewGame(static_cast<MachineId>(5)); // a machine that does not exist changes nothing
    EXPECT_EQ(rig.state().currentMachine, 0);
    EXPECT_GE(rig.hooks.musicStops, 3);
}

TEST(GameFlows, PayoffPercentage)
{
    GameState s;
    EXPECT_DOUBLE_EQ(payoffPercentage(s), 0.0);
    s.machineWagers() = Money::fromCredits(30);
    s.machinePaid() = Money::fromCredits(45);
    EXPECT_DOUBLE_EQ(payoffPercentage(s), 150.0);
    s.currentMachine = 9; // damaged: never indexes outside the arrays
    EXPECT_EQ(s.m(), 0u);
}
