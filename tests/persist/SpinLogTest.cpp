#include <gtest/gtest.h>
#include <sqlite3.h>

#include "FaultyVfs.h"
#include "IniDocument.h"
#include "SpinJournal.h"
#include "SpinLog.h"
#include "SqlNumber.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

LoggedSpin spin(std::int64_t id, std::int64_t paid = 0)
{
    LoggedSpin s;
    s.id = id;
    s.time = "2026-12-08T21:04:05Z";
    s.game = "Kim's \"lucky\" game, ünïcode";
    s.machine = 2;
    s.stops[0] = 3;
    s.stops[1] = 14;
    s.stops[2] = 27;
    s.combination = paid > 0 ? 5 : -1;
    s.stakeCents = 3000;
    s.paidCents = paid;
    s.poolCents = paid > 100'00 ? 150'00 : 0;
    s.creditsAfterCents = 123'45 + paid;
    return s;
}

void execute(const fs::path& db, const char* sql)
{
    sqlite3* handle = nullptr;
    sqlite3_open(db.c_str(), &handle);
    ASSERT_EQ(sqlite3_exec(handle, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(handle);
    sqlite3_close(handle);
}

} // namespace

TEST(SpinLogTest, RowsAreKeptWholeAndASpinWrittenAgainKeepsItsFirstRow)
{
    TempDir dir;
    const fs::path db = dir / "data/quintel-slots/spins.sqlite";
    {
        SpinLog log(db);
        ASSERT_EQ(log.status(), SpinLog::Status::Ready) << log.error();
        EXPECT_EQ(log.lastId(), 0);
        EXPECT_TRUE(log.append(spin(1)));
        EXPECT_TRUE(log.append(spin(2, 450'00)));
        // The same spin completed again after a crash: no second row, the first one unchanged.
        LoggedSpin replay = spin(2, 450'00);
        replay.time = "2026-12-09T08:00:00Z";
        EXPECT_TRUE(log.append(replay));
        EXPECT_EQ(log.lastId(), 2);
        EXPECT_FALSE(log.append(spin(0))); // an unnumbered spin is not a row
    }
    EXPECT_EQ(sqlNumber(db, "SELECT count(*) FROM spins"), 2);
    EXPECT_EQ(sqlNumber(db, "PRAGMA user_version"), SpinLog::kSchemaVersion);
    SpinLog again(db);
    const std::vector<LoggedSpin> rows = again.read();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], spin(1));
    EXPECT_EQ(rows[1], spin(2, 450'00));
    EXPECT_EQ(again.read(1).size(), 1u);
    EXPECT_EQ(again.reserveId(), 3);
}

TEST(SpinLogTest, TwoProgramsOnOneLogNeverTakeTheSameNumber)
{
    TempDir dir;
    const fs::path db = dir / "spins.sqlite";
    SpinLog first(db);
    SpinLog second(db);
    EXPECT_EQ(first.reserveId(), 1);
    EXPECT_EQ(second.reserveId(), 2); // the first program's spin is still turning: no row yet
    EXPECT_TRUE(second.append(spin(2)));
    EXPECT_TRUE(first.append(spin(1)));
    EXPECT_EQ(first.reserveId(), 3);
    // A spin completed after a crash brings the number it had; later numbers go past it.
    EXPECT_TRUE(second.append(spin(40)));
    EXPECT_EQ(first.reserveId(), 41);
    EXPECT_EQ(first.read().size(), 3u);
}

TEST(SpinLogTest, ADamagedFileIsKeptAsideAndANewLogStarted)
{
    TempDir dir;
    const fs::path db = dir / "spins.sqlite";
    const std::string garbage(8192, '\x5a');
    writeBytes(db, garbage);
    SpinLog log(db);
    EXPECT_EQ(log.status(), SpinLog::Status::Replaced);
    ASSERT_TRUE(log.writable());
    EXPECT_EQ(readBytes(log.setAsidePath()), garbage);
    EXPECT_EQ(log.setAsidePath().parent_path(), db.parent_path());
    EXPECT_NE(log.setAsidePath().filename().string().find("spins.sqlite.damaged-"), std::string::npos);
    EXPECT_TRUE(log.append(spin(1)));
    EXPECT_EQ(log.read().size(), 1u);
}

TEST(SpinLogTest, ALogThatCannotBeWrittenLetsPlayGoOn)
{
    TempDir dir;
    writeBytes(dir / "plain-file", "x");
    SpinLog log(dir / "plain-file" / "quintel-slots" / "spins.sqlite");
    EXPECT_EQ(log.status(), SpinLog::Status::Unavailable);
    EXPECT_FALSE(log.error().empty());
    EXPECT_EQ(log.reserveId(), 0);
    EXPECT_FALSE(log.append(spin(1)));
    EXPECT_TRUE(log.read().empty());
}

TEST(SpinLogTest, EveryRowIsOnTheDiskWhenItsWriteReturns)
{
    TempDir dir;
    FaultyVfs vfs;
    SpinLog log(dir / "spins.sqlite");
    ASSERT_TRUE(log.writable());
    for (int i = 0; i < 5; ++i) {
        // One flush a spin: its number rides on its row's flush.
        const int before = vfs.walSyncs;
        const std::int64_t id = log.reserveId();
        EXPECT_EQ(vfs.walSyncs, before);
        ASSERT_TRUE(log.append(spin(id)));
        EXPECT_GT(vfs.walSyncs, before);
    }
}

TEST(SpinLogTest, RowsTheDiskRefusesWaitAndAreWrittenInOrderWhenThereIsRoom)
{
    TempDir dir;
    FaultyVfs vfs;
    SpinLog log(dir / "spins.sqlite");
    const std::int64_t first = log.reserveId();
    ASSERT_TRUE(log.append(spin(first)));

    vfs.full = true;
    const std::int64_t second = log.reserveId(); // given from memory: the file takes no number
    EXPECT_GT(second, first);
    EXPECT_EQ(log.lastError(), ENOSPC);
    EXPECT_FALSE(log.append(spin(second, 500)));
    const std::int64_t third = log.reserveId();
    EXPECT_GT(third, second);
    EXPECT_FALSE(log.append(spin(third)));
    EXPECT_EQ(log.pendingCount(), 2u);
    EXPECT_FALSE(log.writePending());
    EXPECT_TRUE(log.writable());
    EXPECT_EQ(log.read().size(), 1u);

    vfs.full = false;
    const std::int64_t fourth = log.reserveId(); // the rows kept back go in first
    EXPECT_GT(fourth, third);
    EXPECT_EQ(log.pendingCount(), 0u);
    EXPECT_EQ(log.lastError(), 0);
    ASSERT_TRUE(log.append(spin(fourth)));
    const std::vector<LoggedSpin> rows = log.read();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], spin(second, 500));
    EXPECT_EQ(rows[3].id, fourth);
    // Numbers given from memory stay taken for the next program on the log too.
    SpinLog next(dir / "spins.sqlite");
    EXPECT_GT(next.reserveId(), fourth);
}

TEST(SpinLogTest, ALogOfALaterVersionIsWrittenWithoutTouchingItsSchema)
{
    TempDir dir;
    const fs::path db = dir / "spins.sqlite";
    {
        SpinLog created(db);
    }
    execute(db, "ALTER TABLE spins ADD COLUMN note TEXT; PRAGMA user_version = 7");
    SpinLog log(db);
    ASSERT_EQ(log.status(), SpinLog::Status::Ready);
    EXPECT_TRUE(log.append(spin(1)));
    EXPECT_EQ(sqlNumber(db, "PRAGMA user_version"), 7);
    EXPECT_EQ(sqlNumber(db, "SELECT count(*) FROM spins WHERE note IS NULL"), 1);
}

// A log as the first version wrote it: no game numbers. Its games are told apart by their name and machine.
TEST(SpinLogTest, AVersionOneLogGetsGameNumbersFromItsRunsOfOneGame)
{
    TempDir dir;
    const fs::path db = dir / "spins.sqlite";
    execute(db, "CREATE TABLE spins (id INTEGER PRIMARY KEY, time TEXT NOT NULL, game TEXT NOT NULL,"
                " machine INTEGER NOT NULL, stop1 INTEGER NOT NULL, stop2 INTEGER NOT NULL, stop3 INTEGER NOT NULL,"
                " combination INTEGER NOT NULL, stake_cents INTEGER NOT NULL, free_spin INTEGER NOT NULL,"
                " paid_cents INTEGER NOT NULL, pool_cents INTEGER NOT NULL, credits_after_cents INTEGER NOT NULL);"
                "CREATE TABLE spin_numbers (last INTEGER NOT NULL);"
                "INSERT INTO spin_numbers VALUES (9);"
                "PRAGMA user_version = 1;");
    const char* games[][2] = {{"Current Game", "0"}, {"Current Game", "0"}, {"Current Game", "1"},
                              {"Kim", "1"},          {"Kim", "1"},          {"Current Game", "1"}};
    for (int i = 0; i < 6; ++i) {
        const std::string insert = "INSERT INTO spins VALUES (" + std::to_string(i + 2) +
                                   ", '2026-12-08T21:04:05Z', '" + games[i][0] + "', " + games[i][1] +
                                   ", 1, 2, 3, -1, 300, 0, 0, 0, 1000)";
        execute(db, insert.c_str());
    }
    SpinLog log(db);
    ASSERT_EQ(log.status(), SpinLog::Status::Ready) << log.error();
    EXPECT_EQ(sqlNumber(db, "PRAGMA user_version"), SpinLog::kSchemaVersion);
    std::vector<std::int64_t> numbers;
    for (const LoggedSpin& s : log.read()) numbers.push_back(s.gameNumber);
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{1, 1, 2, 3, 3, 4}));
    EXPECT_EQ(log.currentGame(), 4); // the game in play goes on with its spins
    EXPECT_EQ(log.count(SpinFilter{0, 3}), 2);
    EXPECT_EQ(log.reserveId(), 10); // numbers already given out stay given
    EXPECT_EQ(log.startGame(), 5);
}

TEST(SpinLogTest, GamesAreNumberedOnAndReadByTheirNumber)
{
    TempDir dir;
    const fs::path db = dir / "spins.sqlite";
    {
        SpinLog log(db);
        EXPECT_EQ(log.currentGame(), 0);
        for (std::int64_t i = 1; i <= 5; ++i) {
            if (i == 3) {
                EXPECT_EQ(log.startGame(), 1);
            }
            LoggedSpin s = spin(i);
            s.gameNumber = log.currentGame();
            ASSERT_TRUE(log.append(s));
        }
    }
    SpinLog again(db);
    EXPECT_EQ(again.currentGame(), 1); // kept across runs
    std::vector<std::int64_t> ids;
    EXPECT_TRUE(again.forEach(SpinFilter{0, 1}, [&](const LoggedSpin& s) {
        ids.push_back(s.id);
        return true;
    }));
    EXPECT_EQ(ids, (std::vector<std::int64_t>{3, 4, 5}));
    EXPECT_EQ(again.count(SpinFilter{3, -1}), 2);
    EXPECT_EQ(again.count(SpinFilter{0, 0}), 2);
    // Stopped by the reader: false, no further rows.
    ids.clear();
    EXPECT_FALSE(again.forEach(SpinFilter{}, [&](const LoggedSpin& s) {
        ids.push_back(s.id);
        return ids.size() < 2;
    }));
    EXPECT_EQ(ids.size(), 2u);
    // Another program on the same log started a game meanwhile: the next one goes past it.
    SpinLog other(db);
    EXPECT_EQ(other.startGame(), 2);
    EXPECT_EQ(again.startGame(), 3);
}

TEST(SpinLogTest, TheDataDirectoryFollowsXdgDataHome)
{
    EXPECT_EQ(SpinLog::defaultPath("/x/data", "/home/kim"), fs::path("/x/data/quintel-slots/spins.sqlite"));
    EXPECT_EQ(SpinLog::defaultPath("relative", "/home/kim"),
              fs::path("/home/kim/.local/share/quintel-slots/spins.sqlite"));
    EXPECT_EQ(SpinLog::defaultPath(nullptr, "/home/kim"),
              fs::path("/home/kim/.local/share/quintel-slots/spins.sqlite"));
}

TEST(SpinLogTest, TheSpinInProgressKeepsItsLogNumber)
{
    IniDocument doc;
    SpinRecord record;
    record.stake = 3;
    record.number = 41;
    SpinJournal::write(doc, record);
    ASSERT_TRUE(SpinJournal::read(doc));
    EXPECT_EQ(SpinJournal::read(doc)->number, 41);
    // Files written before spins were numbered, or with a number that is not one, still complete the spin.
    for (const char* bad : {"", "x", "-4", "2.5", "99999999999999999999"}) {
        doc.set(SpinJournal::kSection, "Number", bad);
        ASSERT_TRUE(SpinJournal::read(doc)) << bad;
        EXPECT_EQ(SpinJournal::read(doc)->number, 0) << bad;
    }
}
