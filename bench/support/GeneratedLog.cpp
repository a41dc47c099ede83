#include "GeneratedLog.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>

#include "SpinLog.h"

namespace fs = std::filesystem;

BenchDir::BenchDir()
{
    std::string pattern = (fs::temp_directory_path() / "quintel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path = pattern;
}

BenchDir::~BenchDir() { fs::remove_all(path); }

fs::path generatedLog(const fs::path& dir, int n)
{
    const fs::path path = dir / "spins.sqlite";
    {
        SpinLog create(path);
    }
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO spins (id, time, game, machine, stop1, stop2, stop3, combination, stake_cents,"
                       " free_spin, paid_cents, pool_cents, credits_after_cents, game_number)"
                       " VALUES (?1, ?2, 'Current Game', 2, ?3, ?4, ?5, ?6, 300, ?7, ?8, ?9, ?10, 1)",
                       -1, &st, nullptr);
    std::mt19937 random(17);
    std::int64_t credits = 500'00;
    for (int i = 1; i <= n; ++i) {
        const std::time_t t = 1'796'000'000 + i * 4;
        std::tm utc{};
        gmtime_r(&t, &utc);
        char time[32];
        std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%SZ", &utc);
        const bool freeSpin = random() % 9 == 0;
        const int roll = static_cast<int>(random() % 100);
        const int combination = roll < 80 ? -1 : roll % 8;
        const std::int64_t pool = roll == 99 ? 150'00 : 0;
        const std::int64_t paid = (combination < 0 ? 0 : 300 * (2 + roll % 20)) + pool;
        credits += paid - (freeSpin ? 0 : 300);
        sqlite3_bind_int64(st, 1, i);
        sqlite3_bind_text(st, 2, time, -1, SQLITE_TRANSIENT);
        for (int r = 0; r < 3; ++r) sqlite3_bind_int(st, 3 + r, static_cast<int>(random() % 28));
        sqlite3_bind_int(st, 6, combination);
        sqlite3_bind_int(st, 7, freeSpin ? 1 : 0);
        sqlite3_bind_int64(st, 8, paid);
        sqlite3_bind_int64(st, 9, pool);
        sqlite3_bind_int64(st, 10, credits);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "UPDATE current_game SET number = 1; COMMIT", nullptr, nullptr, nullptr);
    // Written like a version-2 log: opening it once builds the block figures a later version keeps.
    sqlite3_exec(db, "DROP TABLE IF EXISTS spin_blocks; PRAGMA user_version=2", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const auto start = std::chrono::steady_clock::now();
    {
        SpinLog migrate(path);
    }
    std::fprintf(
        stderr, "opening the log of %d spins written as version 2: %lld ms\n", n,
        static_cast<long long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count()));
    return path;
}
