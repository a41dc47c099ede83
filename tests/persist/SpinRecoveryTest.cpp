#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "IniDocument.h"
#include "MachineTable.h"
#include "SpinJournal.h"
#include "SpinLog.h"
#include "SqlNumber.h"
#include "TempDir.h"

namespace fs = std::filesystem;

// What a crash leaves behind, read back: a damaged spin log with its write-ahead companions, and a
// journal record whose values lie just outside what a spin can hold.

namespace {

LoggedSpin row(std::int64_t id)
{
    LoggedSpin s;
    s.id = id;
    s.time = "2026-12-08T21:04:05Z";
    s.game = "Current Game";
    s.stakeCents = 300;
    s.creditsAfterCents = 497'00;
    return s;
}

} // namespace

// Another program reading the log (a second player's game on the same data folder) keeps SQLite from
// folding the write-ahead file into the log when this program closes it: a damaged log found then still
// has its -wal and -shm companions beside it, and the other program still holds them open.
TEST(SpinLogDamage, ADamagedLogGoesAsideWithItsWriteAheadFileAndTheNewLogStartsClean)
{
    TempDir dir;
    const fs::path db = dir / "spins.sqlite";
    const std::string wal = db.string() + "-wal", shm = db.string() + "-shm";
    {
        SpinLog created(db);
        ASSERT_TRUE(created.append(row(1)));
        ASSERT_TRUE(created.append(row(2)));
    }
    // The rows' page is overwritten; the file's header and its table of contents stay whole.
    std::string bytes = readBytes(db);
    const std::int64_t page = sqlNumber(db, "SELECT rootpage FROM sqlite_master WHERE name = 'spins'");
    const std::int64_t size = sqlNumber(db, "PRAGMA page_size");
    ASSERT_GT(page, 1);
    ASSERT_GE(static_cast<std::int64_t>(bytes.size()), page * size);
    bytes.replace(static_cast<std::size_t>((page - 1) * size), static_cast<std::size_t>(size),
                  std::string(static_cast<std::size_t>(size), '\x5a'));
    writeBytes(db, bytes);

    // The other program writes through the write-ahead file, then keeps reading until told to stop.
    int ready[2], done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        ::close(ready[0]);
        ::close(done[1]);
        sqlite3* handle = nullptr;
        const bool ok = sqlite3_open(db.c_str(), &handle) == SQLITE_OK &&
                        sqlite3_exec(handle,
                                     "PRAGMA journal_mode=WAL; INSERT INTO spin_numbers (rowid, last) VALUES (1, 7);"
                                     " BEGIN; SELECT count(*) FROM sqlite_master;",
                                     nullptr, nullptr, nullptr) == SQLITE_OK;
        (void)!::write(ready[1], ok ? "y" : "n", 1);
        char byte = 0;
        (void)!::read(done[0], &byte, 1);
        ::_exit(0); // still holding the log, as a killed program would
    }
    ::close(ready[1]);
    ::close(done[0]);
    char byte = 0;
    const bool started = ::read(ready[0], &byte, 1) == 1 && byte == 'y';
    auto stopOther = [&] {
        ::close(done[1]);
        int status = 0;
        ::waitpid(other, &status, 0);
    };
    if (!started || !fs::exists(wal) || !fs::exists(shm)) {
        stopOther();
        FAIL() << "the other program could not open the log";
    }
    const std::string damaged = readBytes(db), walBytes = readBytes(wal);
    {
        SpinLog log(db);
        EXPECT_EQ(log.status(), SpinLog::Status::Replaced) << log.error();
        const fs::path aside = log.setAsidePath();
        EXPECT_EQ(readBytes(aside), damaged);
        // The write-ahead file belongs to the damaged log: it goes aside with it, byte for byte.
        EXPECT_EQ(readBytes(aside.string() + "-wal"), walBytes);
        // The new log has nothing of the old one: no rows, numbers from 1, and it takes spins.
        EXPECT_TRUE(log.read().empty());
        EXPECT_EQ(log.reserveId(), 1);
        EXPECT_TRUE(log.append(row(1)));
        EXPECT_EQ(log.read().size(), 1u);
        EXPECT_EQ(log.status(), SpinLog::Status::Replaced) << log.error();
    }
    stopOther();
    EXPECT_EQ(sqlNumber(db, "SELECT count(*) FROM spins"), 1);
}

TEST(SpinJournalRecord, AStopOnePastTheEndOfTheStripIsRefusedOnEveryReel)
{
    SpinRecord spin;
    spin.machine = 2;
    spin.stake = 30;
    spin.stops[0] = 27;
    spin.stops[1] = 27;
    spin.stops[2] = 27;
    IniDocument doc;
    SpinJournal::write(doc, spin);
    ASSERT_TRUE(SpinJournal::read(doc).has_value()); // the last stop of every strip is a stop
    for (const char* key : {"Stop1", "Stop2", "Stop3"}) {
        IniDocument bad = doc;
        bad.set(SpinJournal::kSection, key, std::to_string(kStripLength));
        EXPECT_EQ(SpinJournal::read(bad), std::nullopt) << key;
    }
}
