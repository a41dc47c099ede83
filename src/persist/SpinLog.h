#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "SpinBlock.h"
#include "SqliteHandle.h"

// One spin as the spin log keeps it; money in whole cents.
struct LoggedSpin {
    std::int64_t id = 0;         // the spin's number: increasing, and the same when a spin is completed again
    std::string time;            // UTC, "2026-12-08T21:04:05Z"
    std::string game;            // the game's name
    std::int64_t gameNumber = 0; // the game the spin belongs to (see SpinLog::startGame)
    int machine = 0;
    int stops[3] = {0, 0, 0};
    int combination = -1;        // 0..7, -1 for none
    std::int64_t stakeCents = 0; // charged, or the last bet of a free spin
    bool freeSpin = false;
    std::int64_t paidCents = 0; // everything the spin credited, pool included
    std::int64_t poolCents = 0; // the pool part of paidCents
    std::int64_t creditsAfterCents = 0;

    bool operator==(const LoggedSpin&) const = default;
};

// Which rows of the log a reading covers.
struct SpinFilter {
    std::int64_t afterId = 0;           // rows with a higher number only
    std::int64_t game = -1;             // the rows of this game number only; -1 for every game
    std::int64_t throughId = INT64_MAX; // rows with this number or a lower one only
};

// Every spin the player has made, one row each in table "spins" of a SQLite database (WAL mode, one
// transaction a spin). A row is keyed by the spin's number, taken when its reels start, so writing a spin
// again (a spin completed after a crash whose row was already written) leaves the one row there is.
// Table "spin_blocks" keeps the figures of each block of spins of one game (SpinBlock), written in the
// same transaction as each spin, so that the statistics of a long log need not read every row.
class SpinLog {
public:
    static constexpr int kSchemaVersion = 3;
    // Spins numbered id / kBlockSize * kBlockSize up to the next such number, of one game, make a block.
    static constexpr std::int64_t kBlockSize = 512;

    enum class Status {
        Ready,       // open and writable
        Replaced,    // the file was damaged: kept aside as setAsidePath(), a new log started
        Unavailable, // cannot be opened or written: spins are not recorded (see error())
    };

    // $XDG_DATA_HOME/quintel-slots/spins.sqlite when that variable holds an absolute path, else
    // $HOME/.local/share/quintel-slots/spins.sqlite, else the same relative to the working directory.
    static std::filesystem::path defaultPath(const char* xdgDataHome, const char* home);

    // Opens or creates the log, bringing an older schema up to date; a damaged file is kept aside.
    explicit SpinLog(std::filesystem::path path, std::int64_t blockSize = kBlockSize);
    ~SpinLog();
    SpinLog(const SpinLog&) = delete;
    SpinLog& operator=(const SpinLog&) = delete;

    Status status() const { return status_; }
    bool writable() const { return db_ != nullptr; }
    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& setAsidePath() const { return setAside_; }
    const std::string& error() const { return error_; }

    // A number for a new spin, higher than every row's and every number given out before, also by another
    // program on the same log; 0 when none can be given (see error()). While the disk refuses writes the
    // number is given from memory, above every one given out in this run.
    std::int64_t reserveId();
    // The highest number of a row, 0 for an empty log.
    std::int64_t lastId();
    // Writes the spin unless a row with its id exists. False when it could not be written; a file
    // found damaged at this point is kept aside and the row goes to a new log (status Replaced). A row
    // the disk refuses (full, read-only, failing) is kept and written, in order, before the next one.
    bool append(const LoggedSpin& spin);
    // Writes the rows kept back; true when none is left.
    bool writePending();
    std::size_t pendingCount() const { return pending_.size(); }
    // Why the last write failed (an errno value: ENOSPC, EROFS, EACCES...); 0 when it succeeded.
    int lastError() const { return lastError_; }
    // The rows with id > afterId, in id order.
    std::vector<LoggedSpin> read(std::int64_t afterId = 0);

    // The number of the game in play, kept in the log across runs; 0 before any game was started.
    std::int64_t currentGame();
    // New Game, Change Game and Load start a game: a number higher than every game's before it, kept as the
    // current game. 0 when it cannot be written.
    std::int64_t startGame();

    // How many rows the filter covers.
    std::int64_t count(const SpinFilter& filter);
    // Hands each row the filter covers to visit, in id order, one at a time, until visit returns false.
    // False when the rows could not be read to the end or visit stopped.
    bool forEach(const SpinFilter& filter, const std::function<bool(const LoggedSpin&)>& visit);

    // One block of a game as spin_blocks keeps it.
    struct Block {
        std::int64_t game = 0;
        std::int64_t firstId = 0, lastId = 0;
        SpinBlock figures;
    };
    // Hands each block of the filter's game (of every game for -1) holding a row after filter.afterId to
    // visit, in order of their first rows. False when they could not be read to the end.
    bool forEachBlock(const SpinFilter& filter, const std::function<void(const Block&)>& visit);
    std::int64_t blockSize() const { return blockSize_; }

private:
    bool openFile();
    bool prepareSchema();
    void close();
    bool replaceDamaged();
    bool insert(const LoggedSpin& spin, int& code);
    int summariseSpin(const LoggedSpin& spin);
    int summariseBlock(std::int64_t game, std::int64_t block);
    int summariseEveryBlock();
    void fail(const std::string& what);
    void noteWrite(int code);

    std::filesystem::path path_;
    std::filesystem::path setAside_;
    std::string error_;
    Status status_ = Status::Unavailable;
    SqliteConnection db_;
    SqliteStatement insert_;          // kept prepared: one row a spin
    std::vector<LoggedSpin> pending_; // rows the disk refused, oldest first
    std::int64_t lastGiven_ = 0;      // the highest number given out or kept back in this run
    int lastError_ = 0;
    SqliteStatement readBlock_, writeBlock_;
    std::int64_t blockSize_ = kBlockSize;
};
