#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>

#include "GameSession.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "ProfileFile.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "RunningProgram.h"
#include "SlotsWindow.h"
#include "SpinRecorder.h"
#include "TempDir.h"
#include "VirtualClock.h"

namespace fs = std::filesystem;

namespace {

// The spin log of a run, made before its session starts.
struct SpinLogOfRun {
    explicit SpinLogOfRun(const fs::path& db)
        : recorder(db, [] { return std::chrono::system_clock::time_point(std::chrono::hours(24 * 20000)); })
    {}
    SpinRecorder recorder;
};

// One run of the program with its spin log.
struct LoggedRun : SpinLogOfRun, RunningProgram<> {
    LoggedRun(const fs::path& ini, const fs::path& db)
        : SpinLogOfRun(db)
        , RunningProgram(ini, [this](GameSession& session) { session.setSpinLog(&recorder); })
    {}
};

class SpinLogSessionTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    fs::path base() const { return fs::path(dir.path().toStdString()); }
    fs::path ini() const { return base() / "config" / "QUINTEL.INI"; }
    fs::path db() const { return base() / "data" / "spins.sqlite"; }

    // The log holds one row per spin of the game, adding up to its totals.
    static void expectLogMatchesGame(LoggedRun& run)
    {
        const std::vector<LoggedSpin> rows = run.recorder.log().read();
        ASSERT_EQ(static_cast<std::int64_t>(rows.size()), run.state().machineSpins());
        std::int64_t staked = 0, paid = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].id, static_cast<std::int64_t>(i + 1));
            if (!rows[i].freeSpin) staked += rows[i].stakeCents;
            paid += rows[i].paidCents;
        }
        EXPECT_EQ(staked, run.state().machineWagers().cents());
        EXPECT_EQ(paid, run.state().machinePaid().cents());
        EXPECT_EQ(rows.back().creditsAfterCents, run.state().credits.cents());
    }
};

} // namespace

TEST_F(SpinLogSessionTest, EverySpinIsLoggedWithItsPayoutAndThePool)
{
    LoggedRun run(ini(), db());
    run.window->chooseBetAmount(BetChoice::One);
    run.random.forceStops(0, 0, 0);  // no win
    run.random.forceStops(1, 1, 20); // combination 4: 7 x 3
    run.random.forceStops(1, 2, 9);  // the top award with the pool
    run.window->insertCoinAction();
    run.window->insertCoinAction();
    run.window->insertCoinAction();
    run.window->spinAction();
    run.window->spinAction();

    const std::vector<LoggedSpin> rows = run.recorder.log().read();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].combination, -1);
    EXPECT_EQ(rows[0].paidCents, 0);
    EXPECT_EQ(rows[1].combination, 4);
    EXPECT_EQ(rows[1].paidCents, 21'00);
    EXPECT_EQ(rows[2].combination, 0);
    EXPECT_EQ(rows[2].poolCents, 150'90); // 150 + 0.30 for each of the three spins
    EXPECT_EQ(rows[2].paidCents, 300'00 + 150'90);
    EXPECT_EQ(rows[2].stops[2], 9);
    EXPECT_EQ(rows[2].machine, 0);
    EXPECT_EQ(rows[2].game, "Current Game");
    EXPECT_EQ(rows[2].time, "2024-10-04T00:00:00Z");
    expectLogMatchesGame(run);
    EXPECT_TRUE(run.messages.shown.empty());
}

// A kill while the reels turn leaves the game charged with its spin recorded, and the log either
// without the spin (killed before its row) or with it (killed after the row, before the paid game was
// saved). Both restarts complete the spin and leave exactly one row for it.
TEST_F(SpinLogSessionTest, ASpinCompletedAfterAKillIsLoggedOnce)
{
    const fs::path crashed = base() / "crashed";
    fs::create_directories(crashed);
    LoggedSpin original;
    {
        LoggedRun run(ini(), db());
        run.window->chooseBetAmount(BetChoice::One);
        run.random.forceStops(0, 0, 0);
        run.random.forceStops(1, 1, 20);
        run.window->insertCoinAction();
        run.window->insertCoinAction();
        run.window->insertCoinAction();
        // During the second spin: the files as a kill leaves them (the log's write-ahead file included).
        run.clock.at(run.clock.now() + 5000, [&] {
            for (const fs::path& f : {ini(), db(), fs::path(db().string() + "-wal")})
                if (fs::exists(f)) fs::copy_file(f, crashed / f.filename());
        });
        run.window->spinAction();
        ASSERT_EQ(run.state().machineSpins(), 2);
        original = run.recorder.log().read().back();
    }
    std::ifstream copy(crashed / "QUINTEL.INI");
    const std::string text((std::istreambuf_iterator<char>(copy)), std::istreambuf_iterator<char>());
    ASSERT_NE(text.find("[Spin In Progress]"), std::string::npos);
    ASSERT_NE(text.find("Number=2"), std::string::npos);

    // Killed after the row was written: the completed spin finds its row.
    fs::copy_file(crashed / "QUINTEL.INI", ini(), fs::copy_options::overwrite_existing);
    {
        LoggedRun restarted(ini(), db());
        ASSERT_EQ(restarted.messages.shown.size(), 1u); // the completed spin, nothing about the log
        expectLogMatchesGame(restarted);
        EXPECT_EQ(restarted.recorder.log().read().back(), original);
    }

    // Killed before it: the completed spin writes the row.
    fs::copy_file(crashed / "QUINTEL.INI", ini(), fs::copy_options::overwrite_existing);
    LoggedRun restarted(ini(), crashed / "spins.sqlite");
    ASSERT_EQ(restarted.recorder.log().read().size(), 2u);
    expectLogMatchesGame(restarted);
    EXPECT_EQ(restarted.recorder.log().read().back(), original);
}

TEST_F(SpinLogSessionTest, ALogThatCannotBeWrittenIsReportedOnceAndPlayGoesOn)
{
    fs::create_directories(base() / "data");
    std::ofstream(db().parent_path() / "blocked") << "a file where the folder should be";
    LoggedRun run(ini(), db().parent_path() / "blocked" / "spins.sqlite");
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_NE(run.messages.shown[0].text.find("not being recorded"), std::string::npos);
    run.random.forceStops(1, 1, 20);
    run.window->chooseBetAmount(BetChoice::One);
    run.window->insertCoinAction();
    run.window->insertCoinAction();
    run.window->insertCoinAction();
    run.window->spinAction();
    EXPECT_EQ(run.state().machineSpins(), 2);
    EXPECT_EQ(run.messages.shown.size(), 1u);
}

TEST_F(SpinLogSessionTest, ADamagedLogIsReplacedWithOneMessage)
{
    fs::create_directories(db().parent_path());
    std::ofstream(db()) << std::string(4096, '#');
    LoggedRun run(ini(), db());
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_NE(run.messages.shown[0].text.find("kept aside"), std::string::npos);
    run.window->chooseBetAmount(BetChoice::One);
    run.window->insertCoinAction();
    run.window->insertCoinAction();
    run.window->insertCoinAction();
    expectLogMatchesGame(run);
    EXPECT_EQ(run.messages.shown.size(), 1u);
}

// "This game" is the game's number in the log: New Game, Change Game and Load each start one, and a game
// continued after a restart keeps its number.
TEST_F(SpinLogSessionTest, NewGameChangeGameAndLoadEachStartAGameInTheLog)
{
    auto spinOnce = [](LoggedRun& run) {
        run.window->chooseBetAmount(BetChoice::One);
        for (int coin = 0; coin < 3; ++coin) run.window->insertCoinAction(); // the third coin spins
    };
    std::vector<std::int64_t> numbers;
    {
        LoggedRun run(ini(), db());
        spinOnce(run);
        ASSERT_TRUE(run.session->saveSlot(1, "Kim"));
        run.window->machine().ChangeGame(MachineId::Lucky7);
        spinOnce(run);
        run.window->machine().NewGame(MachineId::Lucky7);
        spinOnce(run);
        run.session->loadSlot(1);
        spinOnce(run);
    }
    LoggedRun restarted(ini(), db());
    spinOnce(restarted);
    for (const LoggedSpin& s : restarted.recorder.log().read()) numbers.push_back(s.gameNumber);
    ASSERT_EQ(numbers.size(), 5u);
    EXPECT_EQ(numbers[1], numbers[0] + 1);
    EXPECT_EQ(numbers[2], numbers[1] + 1);
    EXPECT_EQ(numbers[3], numbers[2] + 1);
    EXPECT_EQ(numbers[4], numbers[3]);
    EXPECT_EQ(restarted.recorder.gameNumber(), numbers[4]);
}

// The very first spin of a new log takes number 1 with it into the journal: completed after a kill,
// before or after its row was written, it stays spin 1 with one row.
TEST_F(SpinLogSessionTest, TheFirstSpinOfANewLogKeepsItsNumberThroughACrash)
{
    const fs::path crashed = base() / "crashed";
    fs::create_directories(crashed);
    LoggedSpin original;
    {
        LoggedRun run(ini(), db());
        run.window->chooseBetAmount(BetChoice::One);
        run.random.forceStops(1, 1, 20);
        run.clock.at(run.clock.now() + 1500, [&] {
            for (const fs::path& f : {ini(), db(), fs::path(db().string() + "-wal")})
                if (fs::exists(f)) fs::copy_file(f, crashed / f.filename());
        });
        run.window->insertCoinAction();
        run.window->insertCoinAction();
        run.window->insertCoinAction();
        ASSERT_EQ(run.state().machineSpins(), 1);
        ASSERT_EQ(run.recorder.log().read().size(), 1u);
        original = run.recorder.log().read().front();
    }
    ASSERT_EQ(original.id, 1);
    ASSERT_NE(readBytes(crashed / "QUINTEL.INI").find("Number=1"), std::string::npos);

    fs::copy_file(crashed / "QUINTEL.INI", ini(), fs::copy_options::overwrite_existing);
    {
        LoggedRun afterRow(ini(), db());
        ASSERT_EQ(afterRow.recorder.log().read().size(), 1u);
        EXPECT_EQ(afterRow.recorder.log().read().front(), original);
    }
    fs::copy_file(crashed / "QUINTEL.INI", ini(), fs::copy_options::overwrite_existing);
    LoggedRun beforeRow(ini(), crashed / "spins.sqlite");
    ASSERT_EQ(beforeRow.recorder.log().read().size(), 1u);
    EXPECT_EQ(beforeRow.recorder.log().read().front(), original);
    expectLogMatchesGame(beforeRow);
}

// A file written before spins were numbered holds a journal without a number: the completed spin is
// logged once, under the next number the log gives out, and later spins follow it.
TEST_F(SpinLogSessionTest, AnUnnumberedSpinFromAnOlderFileIsLoggedOnceUnderANewNumber)
{
    const fs::path crashed = base() / "crashed";
    fs::create_directories(crashed);
    {
        LoggedRun run(ini(), db());
        run.window->chooseBetAmount(BetChoice::One);
        run.random.forceStops(0, 0, 0);
        run.random.forceStops(1, 1, 20);
        run.clock.at(run.clock.now() + 5000, [&] {
            for (const fs::path& f : {ini(), db(), fs::path(db().string() + "-wal")})
                if (fs::exists(f)) fs::copy_file(f, crashed / f.filename());
        });
        run.window->insertCoinAction();
        run.window->insertCoinAction();
        run.window->insertCoinAction();
        run.window->spinAction();
    }
    std::string text = readBytes(crashed / "QUINTEL.INI");
    const std::size_t number = text.find("Number=2\n");
    ASSERT_NE(number, std::string::npos);
    text.erase(number, std::string("Number=2\n").size());
    writeBytes(ini(), text);

    LoggedRun restarted(ini(), crashed / "spins.sqlite");
    ASSERT_EQ(restarted.messages.shown.size(), 1u);
    const std::vector<LoggedSpin> rows = restarted.recorder.log().read();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].id, 1);
    EXPECT_EQ(rows[1].id, 3); // number 2 was given out before the crash
    EXPECT_EQ(rows[1].combination, 4);
    EXPECT_EQ(rows[1].paidCents, 21'00);
    EXPECT_EQ(rows[1].creditsAfterCents, restarted.state().credits.cents());
    restarted.random.forceStops(0, 0, 0);
    restarted.window->spinAction();
    const std::vector<LoggedSpin> after = restarted.recorder.log().read();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[2].id, rows[1].id + 1);
}

// Free spins are rows of their own, marked free, scored on the strips they ran on (the third reel's
// free-spin strip has an anchor where the normal one has the chest), and stake nothing.
TEST_F(SpinLogSessionTest, FreeSpinsAreLoggedAsFreeOnTheirOwnStrip)
{
    LoggedRun run(ini(), db());
    run.window->machine().ChangeGame(MachineId::Treasure);
    run.window->chooseBetAmount(BetChoice::One);
    run.random.forceStops(11, 0, 0); // the chest starts free spins
    run.random.forceStops(2, 4, 11); // compass, treasure map, anchor: nothing
    run.random.forceStops(6, 6, 6);  // three diamonds: 10 x 3
    run.window->insertCoinAction();
    run.window->insertCoinAction();
    run.window->insertCoinAction();
    const std::vector<LoggedSpin> rows = run.recorder.log().read();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FALSE(rows[0].freeSpin);
    EXPECT_EQ(rows[0].combination, 7);
    EXPECT_TRUE(rows[1].freeSpin);
    EXPECT_EQ(rows[1].combination, -1);
    EXPECT_EQ(rows[1].paidCents, 0);
    EXPECT_TRUE(rows[2].freeSpin);
    EXPECT_EQ(rows[2].combination, 1);
    EXPECT_EQ(rows[2].stakeCents, 3'00);
    EXPECT_EQ(rows[2].paidCents, 30'00);
    expectLogMatchesGame(run);
}
