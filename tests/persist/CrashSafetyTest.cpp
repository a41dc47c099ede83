#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "GameStore.h"
#include "ProfileFile.h"
#include "SampleGame.h"
#include "SpinJournal.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

SavedGame gameWith(std::int64_t creditCents, std::int64_t spins)
{
    SavedGame game = sampleGame();
    game.gameName = "Current Game";
    game.credits = Money::fromCents(creditCents);
    game.spins = spins;
    return game;
}

SpinRecord spinOf(int machine, int stake, bool free, int count, int s1, int s2, int s3)
{
    SpinRecord spin;
    spin.machine = machine;
    spin.stake = stake;
    spin.freeSpin = free;
    spin.freeSpinCount = count;
    spin.stops[0] = s1;
    spin.stops[1] = s2;
    spin.stops[2] = s3;
    return spin;
}

bool sameSpin(const SpinRecord& a, const SpinRecord& b)
{
    return a.machine == b.machine && a.stake == b.stake && a.freeSpin == b.freeSpin &&
           a.freeSpinCount == b.freeSpinCount && a.stops[0] == b.stops[0] && a.stops[1] == b.stops[1] &&
           a.stops[2] == b.stops[2];
}

HistoryEntry entryFor(int n)
{
    HistoryEntry e;
    e.machine = n % 3;
    e.bet = 1 + n % 30;
    e.stops = {n % 28, (n * 5) % 28, 27};
    e.symbols = {n % 8, 7, 0};
    e.combo = n % 2 == 0 ? -1 : n % 8;
    e.win = Money::fromCredits(n * 10);
    e.poolWon = n == 3 ? Money::fromCents(15030) : Money{};
    e.freeSpin = n % 4 == 0;
    e.creditsBefore = Money::fromCents(100000 + n);
    e.creditsAfter = Money::fromCents(100000 + n * 1001);
    return e;
}

struct CrashFixture : ::testing::Test {
    TempDir dir;
    fs::path path = dir / "QUINTEL.INI";
    ProfileFile file{path};
    GameStore store{file};
};

// The three states the file may be found in after the program ended at any moment of a spin.
TEST_F(CrashFixture, JournalGoesWithTheChargedGameAndLeavesWithThePaidOne)
{
    ASSERT_TRUE(store.SaveGame(99, gameWith(50000, 10), nullptr));
    EXPECT_EQ(store.pendingSpin(), std::nullopt);

    const SpinRecord spin = spinOf(2, 30, false, 0, 3, 27, 0);
    ASSERT_TRUE(store.recordSpinStart(gameWith(47000, 11), spin));
    const auto pending = store.pendingSpin();
    ASSERT_TRUE(pending.has_value());
    EXPECT_TRUE(sameSpin(*pending, spin));
    EXPECT_EQ(store.LoadGame(99, SavedGame{}).credits, Money::fromCents(47000)); // the stake is charged

    ASSERT_TRUE(store.SaveGame(99, gameWith(77000, 11), nullptr));
    EXPECT_EQ(store.pendingSpin(), std::nullopt);
    EXPECT_EQ(store.LoadGame(99, SavedGame{}).credits, Money::fromCents(77000));
    EXPECT_FALSE(file.read().hasSection(SpinJournal::kSection));
}

TEST_F(CrashFixture, ASavedSlotDoesNotClearTheJournal)
{
    const SpinRecord spin = spinOf(0, 3, false, 0, 1, 2, 3);
    ASSERT_TRUE(store.recordSpinStart(gameWith(100, 1), spin));
    ASSERT_TRUE(store.SaveGame(4, gameWith(100, 1), nullptr));
    EXPECT_TRUE(store.pendingSpin().has_value());
}

TEST_F(CrashFixture, ANewerSpinReplacesTheRecordOfTheOlderOne)
{
    ASSERT_TRUE(store.recordSpinStart(gameWith(100, 1), spinOf(2, 30, false, 0, 1, 2, 3)));
    const SpinRecord freeSpin = spinOf(2, 30, true, 2, 4, 5, 6);
    ASSERT_TRUE(store.recordSpinStart(gameWith(400, 2), freeSpin));
    ASSERT_TRUE(sameSpin(*store.pendingSpin(), freeSpin));
    EXPECT_EQ(file.read().entries(SpinJournal::kSection).size(), 7u);
}

TEST_F(CrashFixture, AJournalWithABadValueIsNotCompleted)
{
    const std::string good = "[Spin In Progress]\nMachine=1\nStake=15\nFreeSpin=0\nFreeSpinCount=0\n"
                             "Stop1=0\nStop2=27\nStop3=13\n";
    writeBytes(path, good);
    ASSERT_TRUE(store.pendingSpin().has_value());
    EXPECT_TRUE(sameSpin(*store.pendingSpin(), spinOf(1, 15, false, 0, 0, 27, 13)));
    const std::pair<const char*, const char*> breakages[] = {
        {"Machine=1", "Machine=3"}, {"Stake=15", "Stake=31"}, {"Stake=15", "Stake=-1"},
        {"Stop2=27", "Stop2=28"},   {"Stop3=13", "Stop3=1x"}, {"FreeSpin=0", "FreeSpin=2"},
        {"Stake=15", "Stake=1.5"},  {"Stop1=0\n", ""},        {"FreeSpinCount=0", "FreeSpinCount=1001"},
    };
    for (const auto& [from, to] : breakages) {
        std::string text = good;
        text.replace(text.find(from), std::string(from).size(), to);
        writeBytes(path, text);
        EXPECT_EQ(store.pendingSpin(), std::nullopt) << to;
    }
}

TEST_F(CrashFixture, HistoryKeepsTheLastTenNewestFirst)
{
    GameHistory history;
    for (int n = 1; n <= 12; ++n) history.add(entryFor(n));
    ASSERT_EQ(history.entries().size(), 10u);
    EXPECT_EQ(history.entries().front(), entryFor(12));
    EXPECT_EQ(history.entries().back(), entryFor(3));

    ASSERT_TRUE(store.SaveGame(99, gameWith(100, 1), nullptr, &history));
    EXPECT_EQ(store.readHistory(), history);
    EXPECT_EQ(file.find(GameHistory::kSection, "Spin10"), GameHistory::format(entryFor(3)));
    EXPECT_EQ(file.find(GameHistory::kSection, "Spin11"), std::nullopt);

    // A shorter history replaces the whole section: no stale Spin3..Spin10 stay behind.
    GameHistory shorter;
    shorter.add(entryFor(1));
    shorter.add(entryFor(2));
    ASSERT_TRUE(store.SaveGame(99, gameWith(100, 1), nullptr, &shorter));
    EXPECT_EQ(store.readHistory(), shorter);
    EXPECT_EQ(file.read().entries(GameHistory::kSection).size(), 2u);
}

TEST_F(CrashFixture, HistoryLineFormat)
{
    HistoryEntry e;
    e.machine = 2;
    e.bet = 30;
    e.stops = {3, 27, 0};
    e.symbols = {7, 7, 7};
    e.combo = 0;
    e.win = Money::fromCredits(300);
    e.poolWon = Money::fromCents(15030);
    e.freeSpin = false;
    e.creditsBefore = Money::fromCredits(470);
    e.creditsAfter = Money::fromCents(92030);
    EXPECT_EQ(GameHistory::format(e), "2,30,3,27,0,7,7,7,0,300.00,150.30,0,470.00,920.30");
    EXPECT_EQ(GameHistory::parse(" 2, 30,3 ,27,0,7,7,7,0,300.00,150.30,0,470.00,920.30 "), e);
}

TEST_F(CrashFixture, HistoryLinesThatDoNotParseAreLeftOut)
{
    const std::string good = GameHistory::format(entryFor(5));
    for (const char* bad :
         {"", "1,2,3", "3,30,3,27,0,7,7,7,0,300.00,150.30,0,470.00,920.30",
          "2,31,3,27,0,7,7,7,0,300.00,150.30,0,470.00,920.30", "2,30,28,27,0,7,7,7,0,300.00,150.30,0,470.00,920.30",
          "2,30,3,27,0,7,7,7,8,300.00,150.30,0,470.00,920.30", "2,30,3,27,0,7,7,7,-2,300.00,150.30,0,470.00,920.30",
          "2,30,3,27,0,7,7,7,0,-1.00,150.30,0,470.00,920.30", "2,30,3,27,0,7,7,7,0,300.00,150.30,2,470.00,920.30",
          "2,30,3,27,0,7,7,7,0,300.00,150.30,0,470.00,920.30,extra",
          "2,30,3,27,0,7,7,7,0,3x0.00,150.30,0,470.00,920.30"})
        EXPECT_EQ(GameHistory::parse(bad), std::nullopt) << bad;
    writeBytes(path, "[Game History]\nSpin1=junk\nSpin2=" + good + "\nSpin12=" + good + "\n");
    const GameHistory read = store.readHistory();
    ASSERT_EQ(read.entries().size(), 1u);
    EXPECT_EQ(read.entries()[0], entryFor(5));
}

TEST_F(CrashFixture, ADamagedFileIsSetAsideAndTheBackupTakesItsPlace)
{
    ASSERT_TRUE(store.SaveGame(99, gameWith(12345, 3), nullptr));
    ASSERT_TRUE(store.SaveGame(99, gameWith(67890, 4), nullptr)); // the first version is now the backup
    const std::string damaged = std::string("[Current Game]\nCredits=1") + std::string(64, '\0');
    writeBytes(path, damaged);

    const FileCheck check = file.checkFile();
    EXPECT_EQ(check.outcome, FileCheck::Outcome::RestoredFromBackup);
    ASSERT_FALSE(check.setAsidePath.empty());
    EXPECT_EQ(readBytes(check.setAsidePath), damaged); // kept, not overwritten
    const std::string name = check.setAsidePath.filename().string();
    EXPECT_EQ(name.rfind("QUINTEL.INI.damaged-", 0), 0u) << name;
    EXPECT_EQ(name.size(), std::string("QUINTEL.INI.damaged-YYYYMMDD-HHMMSS").size()) << name;
    EXPECT_EQ(store.LoadGame(99, SavedGame{}).credits, Money::fromCents(12345));
    EXPECT_EQ(file.takeLastCheck().outcome, FileCheck::Outcome::Fine); // told once, by checkFile
    EXPECT_EQ(file.checkFile().outcome, FileCheck::Outcome::Fine);
}

TEST_F(CrashFixture, ADamagedFileWithoutBackupIsSetAsideAndPlayStartsFresh)
{
    writeBytes(path, std::string(100, '\0'));
    const FileCheck check = file.checkFile();
    EXPECT_EQ(check.outcome, FileCheck::Outcome::SetAsideNoBackup);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::exists(check.setAsidePath));
    EXPECT_EQ(store.LoadGame(99, gameWith(500, 0)).credits, Money::fromCents(500));
}

TEST_F(CrashFixture, ASaveOverADamagedFileSetsItAsideFirst)
{
    ASSERT_TRUE(store.SaveGame(3, gameWith(111, 1), nullptr));
    ASSERT_TRUE(store.SaveGame(99, gameWith(222, 2), nullptr));
    const std::string damaged = "\x01\x02\x03 not ours";
    writeBytes(path, damaged);

    ASSERT_TRUE(store.SaveGame(99, gameWith(333, 3), nullptr));
    const FileCheck check = file.takeLastCheck();
    EXPECT_EQ(check.outcome, FileCheck::Outcome::RestoredFromBackup);
    EXPECT_EQ(readBytes(check.setAsidePath), damaged);
    EXPECT_EQ(file.takeLastCheck().outcome, FileCheck::Outcome::Fine); // told once
    // The new file starts from the backup, so the saved slot survived.
    EXPECT_EQ(store.listSlots()[3], "Current Game");
    EXPECT_EQ(store.LoadGame(99, SavedGame{}).credits, Money::fromCents(333));
    // And the junk never became a backup.
    EXPECT_TRUE(IniDocument::looksLikeText(readBytes(file.backupPath())));
}

TEST_F(CrashFixture, TwoDamagedFilesInOneSecondBothSurvive)
{
    writeBytes(path, std::string("first\0", 6));
    const FileCheck first = file.checkFile();
    writeBytes(path, std::string("second\0", 7));
    const FileCheck second = file.checkFile();
    ASSERT_FALSE(first.setAsidePath.empty());
    ASSERT_FALSE(second.setAsidePath.empty());
    EXPECT_NE(first.setAsidePath, second.setAsidePath);
    EXPECT_EQ(readBytes(first.setAsidePath), std::string("first\0", 6));
    EXPECT_EQ(readBytes(second.setAsidePath), std::string("second\0", 7));
}

TEST_F(CrashFixture, AnOversizedFileCountsAsDamaged)
{
    writeBytes(path, "[Current Game]\nCredits=5\n" + std::string(ProfileFile::kMaxFileSize, 'x'));
    EXPECT_EQ(store.LoadGame(99, gameWith(700, 0)).credits, Money::fromCents(700));
    EXPECT_EQ(file.checkFile().outcome, FileCheck::Outcome::SetAsideNoBackup);
}

// A writer killed at random moments, again and again: after every kill the file holds one whole
// version of the game (its credits and spins agree) and never a torn one.
TEST_F(CrashFixture, KilledWritersLeaveAWholeFile)
{
    std::mt19937 random(20261208);
    std::int64_t lastSeen = 0;
    for (int round = 0; round < 40; ++round) {
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (std::int64_t n = lastSeen + 1;; ++n) {
                SpinRecord spin;
                spin.stake = static_cast<int>(n % 30);
                store.recordSpinStart(gameWith(n * 100, n), spin);
                store.SaveGame(99, gameWith(n * 100 + 1, n), nullptr);
                if (n == lastSeen + 1) (void)!::write(started[1], "s", 1);
            }
        }
        // The kill comes a random while after the first whole save, however slow the machine is.
        char byte = 0;
        ::close(started[1]);
        const ssize_t got = ::read(started[0], &byte, 1);
        ::close(started[0]);
        if (got == 1) std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_EQ(got, 1) << "the writer died before its first save";

        const IniDocument doc = file.read();
        ASSERT_TRUE(doc.hasSection("Current Game")) << "round " << round;
        const SavedGame loaded = store.LoadGame(99, SavedGame{});
        const std::int64_t cents = loaded.credits.cents();
        ASSERT_EQ(cents / 100, loaded.spins) << "round " << round;
        ASSERT_EQ(doc.entries("Current Game").size(), 13u) << "round " << round;
        // Charged (journal present, no extra cent) or paid (no journal, one cent): never a mix.
        ASSERT_EQ(store.pendingSpin().has_value(), cents % 100 == 0) << "round " << round;
        ASSERT_GE(loaded.spins, lastSeen) << "a kill took the file back to an older game";
        lastSeen = loaded.spins;
    }
}

} // namespace
