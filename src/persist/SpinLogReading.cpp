// The reading side of the spin log and its game numbers.
#include <sqlite3.h>

#include <string>

#include "SpinLog.h"

namespace {

constexpr const char* kColumns = "SELECT id, time, game, machine, stop1, stop2, stop3, combination, stake_cents,"
                                 " free_spin, paid_cents, pool_cents, credits_after_cents, game_number FROM spins";

// The filter's condition: ?1 the id rows come after, ?2 the game.
std::string where(const SpinFilter& filter)
{
    return filter.game >= 0 ? " WHERE id > ?1 AND game_number = ?2" : " WHERE id > ?1";
}

void bind(sqlite3_stmt* st, const SpinFilter& filter)
{
    sqlite3_bind_int64(st, 1, filter.afterId);
    if (filter.game >= 0) sqlite3_bind_int64(st, 2, filter.game);
}

void assignText(std::string& to, sqlite3_stmt* st, int col)
{
    const unsigned char* t = sqlite3_column_text(st, col);
    if (t)
        to.assign(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(st, col)));
    else
        to.clear();
}

} // namespace

std::vector<LoggedSpin> SpinLog::read(std::int64_t afterId)
{
    std::vector<LoggedSpin> rows;
    forEach(SpinFilter{afterId, -1}, [&rows](const LoggedSpin& s) {
        rows.push_back(s);
        return true;
    });
    return rows;
}

std::int64_t SpinLog::count(const SpinFilter& filter)
{
    if (!db_) return 0;
    int code = SQLITE_OK;
    const std::string sql = "SELECT count(*) FROM spins" + where(filter);
    const SqliteStatement st = prepareStatement(db_.get(), sql.c_str(), code);
    if (!st) return 0;
    bind(st.get(), filter);
    return sqlite3_step(st.get()) == SQLITE_ROW ? sqlite3_column_int64(st.get(), 0) : 0;
}

bool SpinLog::forEach(const SpinFilter& filter, const std::function<bool(const LoggedSpin&)>& visit)
{
    if (!db_) return false;
    int code = SQLITE_OK;
    const std::string sql = kColumns + where(filter) + " ORDER BY id";
    const SqliteStatement statement = prepareStatement(db_.get(), sql.c_str(), code);
    if (!statement) return false;
    sqlite3_stmt* st = statement.get();
    bind(st, filter);
    // One row at a time, its texts' buffers reused: reading a million rows holds one.
    LoggedSpin s;
    while ((code = sqlite3_step(st)) == SQLITE_ROW) {
        s.id = sqlite3_column_int64(st, 0);
        assignText(s.time, st, 1);
        assignText(s.game, st, 2);
        s.machine = sqlite3_column_int(st, 3);
        for (int r = 0; r < 3; ++r) s.stops[r] = sqlite3_column_int(st, 4 + r);
        s.combination = sqlite3_column_int(st, 7);
        s.stakeCents = sqlite3_column_int64(st, 8);
        s.freeSpin = sqlite3_column_int(st, 9) != 0;
        s.paidCents = sqlite3_column_int64(st, 10);
        s.poolCents = sqlite3_column_int64(st, 11);
        s.creditsAfterCents = sqlite3_column_int64(st, 12);
        s.gameNumber = sqlite3_column_int64(st, 13);
        if (!visit(s)) return false;
    }
    return code == SQLITE_DONE;
}

std::int64_t SpinLog::currentGame()
{
    if (!db_) return 0;
    int code = SQLITE_OK;
    const SqliteStatement st = prepareStatement(db_.get(), "SELECT number FROM current_game WHERE rowid = 1", code);
    return st && sqlite3_step(st.get()) == SQLITE_ROW ? sqlite3_column_int64(st.get(), 0) : 0;
}

std::int64_t SpinLog::startGame()
{
    if (!db_) return 0;
    // Higher than every game's, also one another program on this log started meanwhile.
    int code = SQLITE_OK;
    const SqliteStatement st = prepareStatement(db_.get(),
                                                "INSERT OR REPLACE INTO current_game (rowid, number) SELECT 1,"
                                                " max(coalesce((SELECT max(game_number) FROM spins), 0),"
                                                " coalesce((SELECT max(number) FROM current_game), 0)) + 1"
                                                " RETURNING number",
                                                code);
    if (!st || sqlite3_step(st.get()) != SQLITE_ROW) {
        error_ = std::string("cannot write ") + path_.string() + ": " + sqlite3_errmsg(db_.get());
        return 0;
    }
    const std::int64_t number = sqlite3_column_int64(st.get(), 0);
    return sqlite3_step(st.get()) == SQLITE_DONE ? number : 0;
}
