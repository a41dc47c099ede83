#include "SpinLog.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Migration i brings a log of schema version i to version i + 1.
constexpr std::array<const char*, SpinLog::kSchemaVersion> kMigrations = {
    "CREATE TABLE IF NOT EXISTS spins ("
    " id INTEGER PRIMARY KEY,"
    " time TEXT NOT NULL,"
    " game TEXT NOT NULL,"
    " machine INTEGER NOT NULL,"
    " stop1 INTEGER NOT NULL, stop2 INTEGER NOT NULL, stop3 INTEGER NOT NULL,"
    " combination INTEGER NOT NULL,"
    " stake_cents INTEGER NOT NULL,"
    " free_spin INTEGER NOT NULL,"
    " paid_cents INTEGER NOT NULL,"
    " pool_cents INTEGER NOT NULL,"
    " credits_after_cents INTEGER NOT NULL);"
    // The last number given to a spin, so that two programs on one log never give out the same one.
    "CREATE TABLE IF NOT EXISTS spin_numbers (last INTEGER NOT NULL)",
    // Each spin carries the number of its game. The rows of an older log had none: there, a game is taken
    // to be a run of rows with one game name on one machine, numbered from 1 in order.
    "ALTER TABLE spins ADD COLUMN game_number INTEGER NOT NULL DEFAULT 0;"
    "UPDATE spins SET game_number = runs.number FROM"
    " (SELECT id, sum(starts) OVER (ORDER BY id) AS number FROM"
    "  (SELECT id, (game IS NOT lag(game) OVER (ORDER BY id) OR machine IS NOT lag(machine) OVER (ORDER BY id))"
    "   AS starts FROM spins)) AS runs"
    " WHERE runs.id = spins.id;"
    "CREATE INDEX spins_by_game ON spins (game_number);"
    // The game in play, so that a game continued after a restart keeps its number.
    "CREATE TABLE current_game (number INTEGER NOT NULL);"
    "INSERT INTO current_game (rowid, number) SELECT 1, coalesce(max(game_number), 0) FROM spins",
    // The figures of each block of a game's spins (SpinBlock's bytes); filled in by summariseEveryBlock.
    "CREATE TABLE spin_blocks ("
    " game_number INTEGER NOT NULL,"
    " block INTEGER NOT NULL,"
    " first_id INTEGER NOT NULL,"
    " last_id INTEGER NOT NULL,"
    " figures BLOB NOT NULL,"
    " PRIMARY KEY (game_number, block));"
    "CREATE INDEX spin_blocks_by_last ON spin_blocks (last_id)",
};

constexpr const char* kInsert =
    "INSERT OR IGNORE INTO spins (id, time, game, machine, stop1, stop2, stop3, combination, stake_cents,"
    " free_spin, paid_cents, pool_cents, credits_after_cents, game_number) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8,"
    " ?9, ?10, ?11, ?12, ?13, ?14)";

bool isDamage(int code)
{
    code &= 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

std::string stamp()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &utc);
    return text;
}

// The disk refused a write (rather than the file being damaged): the row can wait for room.
bool isWriteRefusal(int code)
{
    code &= 0xff;
    return code == SQLITE_FULL || code == SQLITE_IOERR || code == SQLITE_READONLY || code == SQLITE_CANTOPEN ||
           code == SQLITE_PERM || code == SQLITE_BUSY;
}

// Runs a statement without results; the SQLite result code.
int exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

} // namespace

fs::path SpinLog::defaultPath(const char* xdgDataHome, const char* home)
{
    fs::path base;
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute()) {
        base = xdgDataHome;
    } else if (home && *home) {
        base = fs::path(home) / ".local" / "share";
    }
    return base / "quintel-slots" / "spins.sqlite";
}

SpinLog::SpinLog(fs::path path, std::int64_t blockSize)
    : path_(std::move(path))
    , blockSize_(std::max<std::int64_t>(blockSize, 1))
{
    openFile();
    status_ = !db_ ? Status::Unavailable : setAside_.empty() ? Status::Ready : Status::Replaced;
}

SpinLog::~SpinLog() { close(); }

void SpinLog::close()
{
    insert_.reset(); // before the connection they belong to
    readBlock_.reset();
    writeBlock_.reset();
    db_.reset();
}

void SpinLog::fail(const std::string& what)
{
    error_ = what + (db_ ? std::string(": ") + sqlite3_errmsg(db_.get()) : std::string());
    close();
}

bool SpinLog::openFile()
{
    std::error_code ec;
    if (path_.has_parent_path()) fs::create_directories(path_.parent_path(), ec);
    if (ec) {
        error_ = "cannot create " + path_.parent_path().string() + ": " + ec.message();
        return false;
    }
    // One thread uses a log: no lock around every call (reading 100,000 rows makes over a million).
    sqlite3* db = nullptr;
    const int code =
        sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    db_.reset(db); // a handle comes back even when the open fails, for its message
    if (code != SQLITE_OK) {
        fail("cannot open " + path_.string());
        return false;
    }
    sqlite3_busy_timeout(db_.get(), 2000);
    return prepareSchema();
}

bool SpinLog::prepareSchema()
{
    int version = -1;
    int code = SQLITE_OK;
    if (SqliteStatement st = prepareStatement(db_.get(), "PRAGMA user_version", code)) {
        code = sqlite3_step(st.get());
        if (code == SQLITE_ROW) version = sqlite3_column_int(st.get(), 0);
    }
    if (isDamage(code) || (code == SQLITE_ROW && version < 0)) return replaceDamaged();
    if (code != SQLITE_ROW) {
        fail("cannot read " + path_.string());
        return false;
    }

    // WAL, and every commit on the disk before it returns: the profile, flushed at every save, counts
    // each spin, so its row must survive a power cut too. Spins are seconds apart; a flush is far less
    // (a few milliseconds).
    code = exec(db_.get(), "PRAGMA journal_mode=WAL");
    if (code == SQLITE_OK) code = exec(db_.get(), "PRAGMA synchronous=FULL");
    if (code == SQLITE_OK && version < kSchemaVersion) {
        code = exec(db_.get(), "BEGIN IMMEDIATE");
        for (int v = version; code == SQLITE_OK && v < kSchemaVersion; ++v)
            code = exec(db_.get(), kMigrations[static_cast<std::size_t>(v)]);
        if (code == SQLITE_OK) code = summariseEveryBlock();
        if (code == SQLITE_OK) {
            const std::string set = "PRAGMA user_version=" + std::to_string(kSchemaVersion);
            code = exec(db_.get(), set.c_str());
        }
        code = code == SQLITE_OK ? exec(db_.get(), "COMMIT") : (exec(db_.get(), "ROLLBACK"), code);
    }
    // A log of a later version keeps its schema: it still has these columns.
    if (code == SQLITE_OK) insert_ = prepareStatement(db_.get(), kInsert, code);
    if (code == SQLITE_OK)
        readBlock_ = prepareStatement(
            db_.get(), "SELECT last_id, figures, first_id FROM spin_blocks WHERE game_number = ?1 AND block = ?2",
            code);
    if (code == SQLITE_OK)
        writeBlock_ = prepareStatement(db_.get(),
                                       "INSERT OR REPLACE INTO spin_blocks (game_number, block, first_id, last_id,"
                                       " figures) VALUES (?1, ?2, ?3, ?4, ?5)",
                                       code);
    if (code == SQLITE_OK) code = exec(db_.get(), "SELECT max(id) FROM spins");
    if (isDamage(code)) return replaceDamaged();
    if (code != SQLITE_OK) {
        fail("cannot write " + path_.string());
        return false;
    }
    return true;
}

bool SpinLog::replaceDamaged()
{
    close();
    if (!setAside_.empty()) {
        error_ = "the new spin log at " + path_.string() + " is damaged too";
        return false; // set aside once per run; a second damage in a row means the disk itself fails
    }
    const std::string base = path_.string() + ".damaged-" + stamp();
    fs::path aside = base;
    std::error_code ec;
    for (int n = 2; fs::exists(aside, ec); ++n) aside = base + "-" + std::to_string(n);
    fs::rename(path_, aside, ec);
    if (ec) {
        error_ = "cannot set aside the damaged " + path_.string() + ": " + ec.message();
        return false;
    }
    // The write-ahead log belongs to the damaged file: it goes with it.
    fs::rename(path_.string() + "-wal", aside.string() + "-wal", ec);
    fs::remove(path_.string() + "-shm", ec);
    setAside_ = aside;
    const bool reopened = openFile();
    status_ = reopened ? Status::Replaced : Status::Unavailable;
    return reopened;
}

std::int64_t SpinLog::lastId()
{
    if (!db_) return 0;
    int code = SQLITE_OK;
    const SqliteStatement st = prepareStatement(db_.get(), "SELECT max(id) FROM spins", code);
    return st && sqlite3_step(st.get()) == SQLITE_ROW ? sqlite3_column_int64(st.get(), 0) : 0;
}

void SpinLog::noteWrite(int code)
{
    if (code == SQLITE_OK || code == SQLITE_DONE) {
        lastError_ = 0;
        return;
    }
    const int system = db_ ? sqlite3_system_errno(db_.get()) : 0;
    switch (code & 0xff) {
    case SQLITE_FULL:
        lastError_ = ENOSPC;
        break;
    case SQLITE_READONLY:
        lastError_ = system == EACCES ? EACCES : EROFS;
        break;
    case SQLITE_PERM:
        lastError_ = EACCES;
        break;
    default:
        lastError_ = system != 0 ? system : EIO;
        break;
    }
}

std::int64_t SpinLog::reserveId()
{
    if (!db_) return 0;
    // Rows kept back go first, so that a number from the file is never below theirs.
    if (!writePending()) return lastGiven_ = std::max(lastGiven_, lastId()) + 1;
    // The number is committed without its own flush: the spin's row, flushed when it is written, carries
    // it to the disk (the write-ahead log is flushed whole), and until then the profile's flushed record of
    // the spin in progress holds it. One flush a spin instead of two.
    exec(db_.get(), "PRAGMA synchronous=NORMAL");
    int code = exec(db_.get(), "BEGIN IMMEDIATE");
    std::int64_t id = 0;
    if (code == SQLITE_OK) {
        const SqliteStatement st = prepareStatement(db_.get(),
                                                    "SELECT max(coalesce((SELECT max(id) FROM spins), 0),"
                                                    " coalesce((SELECT max(last) FROM spin_numbers), 0)) + 1",
                                                    code);
        if (code == SQLITE_OK) code = sqlite3_step(st.get());
        if (code == SQLITE_ROW) id = std::max<std::int64_t>(sqlite3_column_int64(st.get(), 0), lastGiven_ + 1);
    }
    if (id > 0) {
        const std::string keep =
            "INSERT OR REPLACE INTO spin_numbers (rowid, last) VALUES (1, " + std::to_string(id) + ")";
        code = exec(db_.get(), keep.c_str());
        if (code == SQLITE_OK) code = exec(db_.get(), "COMMIT");
    }
    noteWrite(code == SQLITE_ROW ? SQLITE_OK : code);
    if (code != SQLITE_OK || id <= 0) exec(db_.get(), "ROLLBACK");
    exec(db_.get(), "PRAGMA synchronous=FULL");
    if (code == SQLITE_OK && id > 0) return lastGiven_ = id;
    if (isDamage(code) && replaceDamaged()) return reserveId();
    if (db_ && isWriteRefusal(code)) return lastGiven_ = std::max(lastGiven_, lastId()) + 1;
    if (db_) error_ = std::string("cannot write ") + path_.string() + ": " + sqlite3_errstr(code);
    if (!db_) status_ = Status::Unavailable;
    return 0;
}

bool SpinLog::insert(const LoggedSpin& s, int& code)
{
    sqlite3_stmt* st = insert_.get();
    sqlite3_reset(st);
    sqlite3_bind_int64(st, 1, s.id);
    sqlite3_bind_text(st, 2, s.time.c_str(), static_cast<int>(s.time.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 3, s.game.c_str(), static_cast<int>(s.game.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(st, 4, s.machine);
    for (int r = 0; r < 3; ++r) sqlite3_bind_int(st, 5 + r, s.stops[r]);
    sqlite3_bind_int(st, 8, s.combination);
    sqlite3_bind_int64(st, 9, s.stakeCents);
    sqlite3_bind_int(st, 10, s.freeSpin ? 1 : 0);
    sqlite3_bind_int64(st, 11, s.paidCents);
    sqlite3_bind_int64(st, 12, s.poolCents);
    sqlite3_bind_int64(st, 13, s.creditsAfterCents);
    sqlite3_bind_int64(st, 14, s.gameNumber);
    // The row and its block's figures in one transaction.
    code = exec(db_.get(), "BEGIN IMMEDIATE");
    if (code == SQLITE_OK) code = sqlite3_step(st);
    if (code == SQLITE_DONE && sqlite3_changes(db_.get()) > 0) code = summariseSpin(s);
    sqlite3_reset(st);
    if (code == SQLITE_DONE) code = exec(db_.get(), "COMMIT");
    if (code != SQLITE_OK) exec(db_.get(), "ROLLBACK");
    noteWrite(code);
    return code == SQLITE_OK;
}

bool SpinLog::append(const LoggedSpin& spin)
{
    if (!db_ || spin.id <= 0) return false;
    lastGiven_ = std::max(lastGiven_, spin.id);
    int code = SQLITE_OK;
    if (writePending() && insert(spin, code)) return true;
    if (isDamage(code) && replaceDamaged()) return insert(spin, code);
    if (db_) error_ = std::string("cannot write ") + path_.string() + ": " + sqlite3_errmsg(db_.get());
    if (!db_) status_ = Status::Unavailable;
    if (db_ && (!pending_.empty() || isWriteRefusal(code))) pending_.push_back(spin);
    return false;
}

bool SpinLog::writePending()
{
    int code = SQLITE_OK;
    std::size_t written = 0;
    while (db_ && written < pending_.size() && insert(pending_[written], code)) ++written;
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(written));
    return pending_.empty();
}
