// The spin log's block figures: kept up to date with each spin, built for an older log, read by the statistics.
#include <sqlite3.h>

#include <string>

#include "SpinLog.h"

namespace {

bool readFigures(SpinBlock& figures, sqlite3_stmt* st, int col)
{
    return figures.fromBytes(sqlite3_column_blob(st, col), static_cast<std::size_t>(sqlite3_column_bytes(st, col)));
}

} // namespace

// Called inside the transaction that wrote the spin's row: its block's figures take it in.
int SpinLog::summariseSpin(const LoggedSpin& spin)
{
    const std::int64_t block = spin.id / blockSize_;
    sqlite3_stmt* read = readBlock_.get();
    sqlite3_reset(read);
    sqlite3_bind_int64(read, 1, spin.gameNumber);
    sqlite3_bind_int64(read, 2, block);
    SpinBlock figures;
    std::int64_t firstId = spin.id;
    int code = sqlite3_step(read);
    if (code == SQLITE_ROW) {
        firstId = sqlite3_column_int64(read, 2);
        // A spin written after a later one of its block (two programs on one log): count the block again.
        if (sqlite3_column_int64(read, 0) > spin.id || !readFigures(figures, read, 1)) code = SQLITE_MISMATCH;
    }
    sqlite3_reset(read);
    if (code == SQLITE_MISMATCH) return summariseBlock(spin.gameNumber, block);
    if (code != SQLITE_ROW && code != SQLITE_DONE) return code;
    figures.add(spin);
    sqlite3_stmt* write = writeBlock_.get();
    const std::string bytes = figures.toBytes();
    sqlite3_bind_int64(write, 1, spin.gameNumber);
    sqlite3_bind_int64(write, 2, block);
    sqlite3_bind_int64(write, 3, firstId);
    sqlite3_bind_int64(write, 4, spin.id);
    sqlite3_bind_blob(write, 5, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
    code = sqlite3_step(write);
    sqlite3_reset(write);
    return code;
}

// Counts one block again from its rows; SQLITE_DONE when written.
int SpinLog::summariseBlock(std::int64_t game, std::int64_t block)
{
    SpinBlock figures;
    std::int64_t firstId = 0, lastId = 0;
    const bool read =
        forEach(SpinFilter{block * blockSize_ - 1, game, (block + 1) * blockSize_ - 1}, [&](const LoggedSpin& s) {
            if (firstId == 0) firstId = s.id;
            lastId = s.id;
            figures.add(s);
            return true;
        });
    if (!read) return SQLITE_ERROR;
    if (figures.spins == 0) return SQLITE_DONE;
    sqlite3_stmt* write = writeBlock_.get();
    sqlite3_reset(write);
    const std::string bytes = figures.toBytes();
    sqlite3_bind_int64(write, 1, game);
    sqlite3_bind_int64(write, 2, block);
    sqlite3_bind_int64(write, 3, firstId);
    sqlite3_bind_int64(write, 4, lastId);
    sqlite3_bind_blob(write, 5, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
    const int code = sqlite3_step(write);
    sqlite3_reset(write);
    return code;
}

// Builds the figures of every block from the rows (a log from before blocks were kept); SQLITE_OK when done.
int SpinLog::summariseEveryBlock()
{
    int code = SQLITE_OK;
    writeBlock_ = prepareStatement(db_.get(),
                                   "INSERT OR REPLACE INTO spin_blocks (game_number, block, first_id, last_id,"
                                   " figures) VALUES (?1, ?2, ?3, ?4, ?5)",
                                   code);
    if (code != SQLITE_OK) return code;
    code = sqlite3_exec(db_.get(), "DELETE FROM spin_blocks", nullptr, nullptr, nullptr);
    std::vector<std::pair<std::int64_t, std::int64_t>> blocks;
    {
        const std::string sql = "SELECT DISTINCT game_number, id / " + std::to_string(blockSize_) + " FROM spins";
        const SqliteStatement st = prepareStatement(db_.get(), sql.c_str(), code);
        if (!st) return code;
        while ((code = sqlite3_step(st.get())) == SQLITE_ROW)
            blocks.emplace_back(sqlite3_column_int64(st.get(), 0), sqlite3_column_int64(st.get(), 1));
        if (code != SQLITE_DONE) return code;
    }
    for (const auto& [game, block] : blocks)
        if ((code = summariseBlock(game, block)) != SQLITE_DONE) return code;
    return SQLITE_OK;
}

bool SpinLog::forEachBlock(const SpinFilter& filter, const std::function<void(const Block&)>& visit)
{
    if (!db_) return false;
    int code = SQLITE_OK;
    const std::string sql = std::string("SELECT game_number, first_id, last_id, figures FROM spin_blocks") +
                            (filter.game >= 0 ? " WHERE last_id > ?1 AND game_number = ?2" : " WHERE last_id > ?1") +
                            " ORDER BY first_id";
    const SqliteStatement statement = prepareStatement(db_.get(), sql.c_str(), code);
    if (!statement) return false;
    sqlite3_stmt* st = statement.get();
    sqlite3_bind_int64(st, 1, filter.afterId);
    if (filter.game >= 0) sqlite3_bind_int64(st, 2, filter.game);
    Block b;
    while ((code = sqlite3_step(st)) == SQLITE_ROW) {
        b.game = sqlite3_column_int64(st, 0);
        b.firstId = sqlite3_column_int64(st, 1);
        b.lastId = sqlite3_column_int64(st, 2);
        b.figures = SpinBlock();
        if (!readFigures(b.figures, st, 3)) return false;
        visit(b);
    }
    return code == SQLITE_DONE;
}
