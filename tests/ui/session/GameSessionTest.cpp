#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "../window/ImageCompare.h"
#include "GameSession.h"
#include "GameStore.h"
#include "LoadSaveDialog.h"
#include "NumberLayout.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "ProfileFile.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "RunningProgram.h"
#include "SlotsWindow.h"
#include "TempDir.h"
#include "VirtualClock.h"

namespace fs = std::filesystem;

namespace {

// One run of the program: a window, its session and the profile file, on a virtual clock.
struct ProgramRun : RunningProgram<> {
    // boxes: the player is told things in real message boxes rather than through the recorder.
    explicit ProgramRun(const fs::path& ini, bool boxes = false)
        : RunningProgram(ini, {}, boxes)
    {}
    void coins(int n)
    {
        for (int i = 0; i < n; ++i) window->insertCoinAction();
    }
};

class SessionTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path ini() const { return dir / "quintel-slots" / "QUINTEL.INI"; }
    static std::string slurp(const fs::path& p) { return readBytes(p); }
};

} // namespace

TEST_F(SessionTest, TheFirstRunPlaysANewGameWithTheTenDollarBet)
{
    ProgramRun run(ini());
    EXPECT_EQ(run.state().credits, Money::fromCredits(500));
    EXPECT_EQ(run.window->betEntry(), 0);
    EXPECT_EQ(run.window->speedEntry(), 1);
    EXPECT_EQ(run.window->digitEntry(), 2);
    EXPECT_TRUE(run.messages.shown.empty());
    EXPECT_EQ(run.window->windowTitle().toStdString(), "Quintel Slots 95");

    // Saving after a spin does not fix the welcome banner to this machine: a change of machine greets anew.
    run.random.forceStops(0, 0, 0);
    run.coins(3);
    run.machine().ChangeGame(MachineId::Treasure);
    EXPECT_EQ(run.window->bannerText(), "BannerText               Welcome to Treasure Chest Slots!");
}

TEST_F(SessionTest, AGameComesBackToTheCentWithItsChoicesAfterARestart)
{
    Money credits, paid;
    {
        ProgramRun run(ini());
        run.machine().ChangeGame(MachineId::Lucky7);
        run.window->chooseBetAmount(BetChoice::Five);
        run.random.forceStops(9, 9, 9); // three double bars: 7 x 15
        run.coins(3);
        run.window->chooseSpinSpeed(SpinSpeed::Slow);
        run.window->chooseDigitColor(DigitColor::White);
        run.window->chooseBanner(false);
        run.session->changeBannerText("Good luck, Kim!");
        run.machine().borrow(3);
        credits = run.state().credits;
        paid = run.state().machinePaid();
        EXPECT_EQ(credits, Money::fromCredits(500 - 15 + 105 + 100));
    }
    ProgramRun again(ini());
    EXPECT_EQ(again.state().currentMachine, 1);
    EXPECT_EQ(again.state().credits, credits);
    EXPECT_EQ(again.state().borrowed, Money::fromCredits(600));
    EXPECT_EQ(again.state().machinePaid(), paid);
    EXPECT_EQ(again.state().machineWagers(), Money::fromCredits(15));
    EXPECT_EQ(again.state().machinePool().toString(), "151.50");
    EXPECT_EQ(again.state().machineSpins(), 1);
    EXPECT_EQ(again.window->betEntry(), 1);
    EXPECT_EQ(again.window->speedEntry(), 3);
    EXPECT_EQ(again.window->digitEntry(), 5);
    EXPECT_EQ(again.window->bannerEntry(), 1);
    EXPECT_EQ(again.window->bannerText(), "Good luck, Kim!");
    EXPECT_EQ(again.window->windowTitle().toStdString(), "Lucky 7 Slots 95");
    EXPECT_EQ(again.music.name, "QUIN10");
    EXPECT_EQ(again.state().lastBet, 0);
    // The face shows the restored credits in the restored colour (its repaint comes once, at the end of the load).
    int x = 89;
    for (const int cell : NumberLayout::counterCells(credits.cents(), 5, true)) {
        const int width = cell == NumberLayout::kPoint ? 4 : 16;
        std::string where;
        EXPECT_TRUE(sameBlock(again.window->face().surface(), x, 52, again.window->graphics().smallDigits(5), 16 * cell,
                              0, width, 21, &where))
            << where;
        x += width;
    }
}

TEST_F(SessionTest, CoinsInTheSlotStayThereAcrossARestartAndEnterSpinsThem)
{
    {
        ProgramRun run(ini());
        run.coins(2);            // two $10 coins
        run.machine().borrow(4); // a Bank command saves the game with the coins in the slot
        EXPECT_EQ(run.state().wager, 20);
    }
    Money credits;
    {
        ProgramRun again(ini()); // closed with the coins still in: the close saves them too
        EXPECT_EQ(again.state().wager, 20);
        EXPECT_EQ(again.state().credits, Money::fromCredits(500 - 20 + 50));
        EXPECT_EQ(again.state().machineWagers(), Money::fromCredits(20));
        credits = again.state().credits;
    }
    ProgramRun third(ini());
    ASSERT_EQ(third.state().wager, 20);
    third.random.forceStops(0, 0, 0);
    third.window->spinAction();
    // The spin staked the two coins charged before the restarts, and nothing more.
    EXPECT_EQ(third.state().machineSpins(), 1);
    EXPECT_EQ(third.state().machineWagers(), Money::fromCredits(20));
    ASSERT_FALSE(third.session->history().entries().empty());
    EXPECT_EQ(third.session->history().entries().front().bet, 20);
    EXPECT_EQ(third.state().credits - credits, third.state().machinePaid());
    EXPECT_EQ(third.state().wager, 0);

    // A change of the bet amount still forfeits the coins in the slot, and that is what is saved.
    third.coins(1);
    third.window->chooseBetAmount(BetChoice::Five);
    third.window->close();
    ProgramRun fourth(ini());
    EXPECT_EQ(fourth.state().wager, 0);
    EXPECT_EQ(fourth.state().machineWagers(), Money::fromCredits(30));
}

TEST_F(SessionTest, AKilledSpinIsCompletedWithItsOwnOutcomeExactlyOnce)
{
    const fs::path crashed = ini().parent_path() / "crashed.ini";
    Money finalCredits;
    int finalSpins = 0;
    {
        ProgramRun run(ini());
        run.random.forceStops(1, 1, 20); // combination 4 on machine 0
        // Keep a copy of the file as it is while the reels turn: what a crash at that moment leaves.
        run.clock.at(run.clock.now() + 1500, [&] { fs::copy_file(ini(), crashed); });
        run.window->chooseBetAmount(BetChoice::One);
        run.coins(3);
        finalCredits = run.state().credits;
        finalSpins = run.state().machineSpins();
    }
    ASSERT_TRUE(fs::exists(crashed));
    ASSERT_NE(slurp(crashed).find("[Spin In Progress]"), std::string::npos);
    fs::rename(crashed, ini());

    {
        ProgramRun restarted(ini());
        EXPECT_EQ(restarted.state().credits, finalCredits);
        EXPECT_EQ(restarted.state().machineSpins(), finalSpins);
        ASSERT_EQ(restarted.messages.shown.size(), 1u);
        EXPECT_NE(restarted.messages.shown[0].text.find("it paid $21.00"), std::string::npos);
        EXPECT_TRUE(restarted.state().spinEnabled);
        ASSERT_FALSE(restarted.session->history().entries().empty());
        EXPECT_EQ(restarted.session->history().entries().front().combo, 4);
    }
    EXPECT_EQ(slurp(ini()).find("[Spin In Progress]"), std::string::npos);
    ProgramRun third(ini());
    EXPECT_TRUE(third.messages.shown.empty());
    EXPECT_EQ(third.state().credits, finalCredits);
}

TEST_F(SessionTest, TheLastTenSpinsAreRecalledNewestFirstAfterARestart)
{
    {
        ProgramRun run(ini());
        run.window->chooseBetAmount(BetChoice::One);
        for (int i = 0; i < 11; ++i) run.random.forceStops(0, 0, 0); // losing lines: 6, 5, 6
        run.random.forceStops(1, 2, 9);                              // the top award
        run.coins(3);
        for (int i = 0; i < 11; ++i) run.window->spinAction();
        EXPECT_EQ(run.state().machineSpins(), 12);
    }
    ProgramRun again(ini());
    const auto& entries = again.session->history().entries();
    ASSERT_EQ(entries.size(), 10u);
    const HistoryEntry& top = entries.front();
    EXPECT_EQ(top.combo, 0);
    EXPECT_EQ(top.stops, (std::array<int, 3>{1, 2, 9}));
    EXPECT_EQ(top.symbols, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(top.win, Money::fromCredits(300));
    EXPECT_EQ(top.poolWon.toString(), "153.60"); // 150 + 0.30 for each of 12 spins
    EXPECT_EQ(top.creditsAfter - top.creditsBefore, Money::fromCents(300'00 + 153'60 - 3'00));
    EXPECT_EQ(entries[1].combo, -1);
    EXPECT_EQ(entries[1].creditsAfter, top.creditsBefore);
    EXPECT_EQ(entries.back().bet, 3);
}

TEST_F(SessionTest, SaveAndLoadSlotsAndAnAbsentSlot)
{
    ProgramRun run(ini());
    run.window->chooseBetAmount(BetChoice::One);
    run.random.forceStops(0, 0, 0);
    run.coins(3);
    EXPECT_TRUE(run.session->saveSlot(3, "  Friday night  "));
    const auto names = GameStore(run.file).listSlots();
    ASSERT_TRUE(names[3].has_value());
    EXPECT_EQ(*names[3], "Friday night");
    EXPECT_FALSE(run.session->saveSlot(4, "    ")); // blank names save nothing
    EXPECT_FALSE(GameStore(run.file).listSlots()[4].has_value());

    run.machine().borrow(0);
    run.machine().ChangeGame(MachineId::Treasure);
    run.session->loadSlot(3);
    EXPECT_EQ(run.state().currentMachine, 0);
    EXPECT_EQ(run.state().credits, Money::fromCredits(497));
    EXPECT_EQ(run.window->betEntry(), 2);
    EXPECT_EQ(run.window->windowTitle().toStdString(), "Quintel Slots 95");

    // A slot never saved: machine 0, the balances kept, the default choices.
    run.machine().borrow(4);
    run.session->loadSlot(2);
    EXPECT_EQ(run.state().credits, Money::fromCredits(547));
    EXPECT_EQ(run.window->betEntry(), 0);
    EXPECT_EQ(run.window->speedEntry(), 1);
    EXPECT_EQ(run.window->digitEntry(), 2);
}

TEST_F(SessionTest, ASaveThatCannotBeWrittenIsReportedAndPlayGoesOn)
{
    // The profile's folder is a plain file: nothing can be written below it.
    const fs::path blocker = dir / "blocked";
    std::ofstream(blocker) << "not a folder";
    ProgramRun run(blocker / "QUINTEL.INI");
    EXPECT_FALSE(run.session->saveSlot(0, "Mine"));
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].title, "Save Failed");
    run.window->chooseBetAmount(BetChoice::One);
    run.random.forceStops(0, 0, 0);
    run.coins(3);
    EXPECT_EQ(run.state().machineSpins(), 1);
}

TEST_F(SessionTest, SaveFailedComesWithTheWarningIcon)
{
    const fs::path blocker = dir.path() / "blocked";
    std::ofstream(blocker) << "not a folder";
    ProgramRun run(blocker / "QUINTEL.INI", true);
    EXPECT_FALSE(run.session->saveSlot(0, "Mine"));
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, run.window, [&] { // runs inside the box's own loop
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                title = box->windowTitle();
                icon = box->icon();
                box->done(QMessageBox::Ok);
            }
    });
    QElapsedTimer waited;
    waited.start();
    while (title.isEmpty() && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(title, QStringLiteral("Save Failed"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    run.session->setRetryQuestion([](const std::string&, const std::string&) { return false; }); // at close
}

TEST_F(SessionTest, AQuitDuringTheSaveDialogSavesOnlyTheCurrentGame)
{
    ProgramRun run(ini());
    run.machine().borrow(0);
    bool sawDialog = false;
    QTimer::singleShot(0, run.window, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<LoadSaveDialog*>(w); dialog && dialog->isVisible()) {
                sawDialog = true;
                dialog->findChild<QPushButton*>(QStringLiteral("Command1_3"))->click();
                dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Never confirmed"));
                run.window->close(); // what SIGTERM does, while the dialog is open and OK was never pressed
                // The program's quit then ends the dialog's loop without OK, as hiding it does.
                dialog->hide();
            }
    });
    run.window->commands().save();
    EXPECT_TRUE(sawDialog);
    EXPECT_FALSE(GameStore(run.file).listSlots()[3].has_value());
    EXPECT_EQ(GameStore(run.file).LoadGame(GameStore::kCurrentGameSlot, SavedGame()).credits, Money::fromCredits(1500));
}

TEST_F(SessionTest, ADamagedFileIsKeptAsideAndTheLastGoodCopyUsed)
{
    {
        ProgramRun run(ini());
        run.machine().borrow(0);
        run.machine().borrow(0); // two saves: the second keeps the first as the backup
    }
    std::ofstream(ini(), std::ios::binary | std::ios::trunc) << std::string("\0\0\x01garbage\0", 11);
    ProgramRun again(ini());
    ASSERT_EQ(again.messages.shown.size(), 1u);
    EXPECT_NE(again.messages.shown[0].text.find("restored from the last good copy"), std::string::npos);
    EXPECT_GE(again.state().credits, Money::fromCredits(1500));
    bool keptAside = false;
    for (const auto& e : fs::directory_iterator(ini().parent_path()))
        keptAside |= e.path().filename().string().rfind("QUINTEL.INI.damaged-", 0) == 0;
    EXPECT_TRUE(keptAside);
}

TEST_F(SessionTest, TheChosenWindowSizeIsKeptAndReadAtTheNextStart)
{
    {
        ProgramRun run(ini());
        // The offscreen screen is 1000 x 1000: only the face's own size fits within 80% of its height, and
        // 150% is the largest size that fits at all.
        EXPECT_EQ(run.window->zoom(), 100);
        run.window->chooseWindowSize(1);
        EXPECT_NE(slurp(ini()).find("Zoom=150"), std::string::npos);
        run.coins(1); // the game saved when play is idle keeps the setting
    }
    ProgramRun again(ini());
    EXPECT_EQ(again.window->zoom(), 150);
    EXPECT_EQ(again.window->windowSizeEntry(), 1);
    EXPECT_EQ(again.window->centralWidget()->size(), QSize(Face::kWidth * 3 / 2, Face::kHeight * 3 / 2));
    EXPECT_TRUE(again.messages.shown.empty());
}

TEST_F(SessionTest, EverySettingThatCannotBeSavedIsReportedTheSameWay)
{
    ProgramRun run(ini());
    // The profile's folder turns into a file: nothing can be written there any more.
    fs::remove_all(ini().parent_path());
    std::ofstream(ini().parent_path()) << "not a folder";
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"window size", [&] { run.window->chooseWindowSize(1); }},
        {"reduce flashing", [&] { run.window->findChild<QAction*>(QStringLiteral("mnuReduceFlashing"))->trigger(); }},
        {"quick stop", [&] { run.window->findChild<QAction*>(QStringLiteral("mnuQuickStop"))->trigger(); }},
    };
    for (const auto& [what, change] : changes) {
        run.messages.shown.clear();
        change();
        ASSERT_EQ(run.messages.shown.size(), 1u) << what;
        EXPECT_EQ(run.messages.shown[0].title, "Settings Not Saved") << what;
        EXPECT_NE(run.messages.shown[0].text.find("They apply until the game closes."), std::string::npos) << what;
    }
    EXPECT_EQ(run.window->zoom(), 150); // each applies all the same
    EXPECT_TRUE(run.window->reduceFlashing());
    EXPECT_TRUE(run.window->playSettings().quickStop);
}

TEST_F(SessionTest, ReduceFlashingIsKeptInSettingsAndAFileWithoutItLeavesItOff)
{
    {
        ProgramRun run(ini());
        EXPECT_FALSE(run.window->reduceFlashing());
        run.window->findChild<QAction*>(QStringLiteral("mnuReduceFlashing"))->trigger();
        EXPECT_TRUE(run.window->reduceFlashing());
    }
    EXPECT_NE(slurp(ini()).find("ReduceFlashing=1"), std::string::npos);
    EXPECT_TRUE(ProgramRun(ini()).window->reduceFlashing());
    // A file from before the setting, and one with a text that is not a switch: off, nothing lost.
    for (const char* settings :
         {"[Settings]\nBannerText=Hello\n", "[Settings]\nBannerText=Hello\nReduceFlashing=yes\n"}) {
        std::ofstream(ini(), std::ios::trunc) << "[Current Game]\nCredits=812.40\n" << settings;
        ProgramRun old(ini());
        EXPECT_FALSE(old.window->reduceFlashing()) << settings;
        EXPECT_EQ(old.state().credits, Money::fromCents(812'40));
        EXPECT_EQ(old.window->bannerText(), "Hello");
    }
}

// A free spin charges nothing: the history shows it starting from the credits the spin before left.
TEST_F(SessionTest, AFreeSpinIsRecalledWithTheCreditsItStartedFrom)
{
    ProgramRun run(ini());
    run.machine().ChangeGame(MachineId::Treasure);
    run.window->chooseBetAmount(BetChoice::One);
    run.random.forceStops(11, 0, 0); // the chest starts free spins
    run.random.forceStops(2, 4, 6);  // a free spin that loses
    run.random.forceStops(6, 6, 6);  // three diamonds: 10 x 3
    run.coins(3);
    const auto& entries = run.session->history().entries(); // newest first
    ASSERT_EQ(entries.size(), 3u);
    const HistoryEntry &paid = entries[2], &lost = entries[1], &won = entries[0];
    EXPECT_FALSE(paid.freeSpin);
    EXPECT_EQ(paid.creditsBefore, Money::fromCredits(500));
    EXPECT_EQ(paid.creditsAfter, Money::fromCredits(497));
    ASSERT_TRUE(lost.freeSpin && won.freeSpin);
    EXPECT_EQ(lost.creditsBefore, Money::fromCredits(497));
    EXPECT_EQ(lost.creditsAfter, Money::fromCredits(497));
    EXPECT_EQ(won.creditsBefore, Money::fromCredits(497));
    EXPECT_EQ(won.creditsAfter, Money::fromCredits(527));
    EXPECT_EQ(won.win, Money::fromCredits(30));
}
