#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <ctime>
#include <random>

#include "SpinStatistics.h"
#include "TempDir.h"

namespace {

constexpr std::int64_t kSmallBlock = 16;

std::string isoTime(std::int64_t seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// About 3,000 spins of four games on three machines (and one unknown number), every game starting and
// ending inside a block; long runs without a win, free-spin sequences and pauses of exactly five minutes
// fall across block seams, stakes of every size and an unreadable time among them.
std::vector<LoggedSpin> playedSpins()
{
    std::mt19937 random(26);
    std::vector<LoggedSpin> rows;
    std::int64_t seconds = 1'796'000'000, credits = 100'000;
    int freeLeft = 0;
    for (std::int64_t id = 1; id <= 3'000; ++id) {
        LoggedSpin s;
        s.id = id;
        s.gameNumber = id <= 700 ? 1 : id <= 1'503 ? 2 : id <= 1'504 ? 3 : 4;
        s.game = "Game " + std::to_string(s.gameNumber);
        s.machine = s.gameNumber == 4 && id % 300 < 40 ? (id < 2'000 ? 7 : 1) : static_cast<int>(s.gameNumber % 3);
        if (freeLeft == 0 && random() % 25 == 0) freeLeft = 1 + static_cast<int>(random() % 40);
        s.freeSpin = freeLeft > 0;
        freeLeft = std::max(freeLeft - 1, 0);
        const bool drought = id > 2'100 && id < 2'190;
        s.paidCents = !drought && random() % 5 == 0 ? 100 * static_cast<std::int64_t>(1 + random() % 300) : 0;
        s.poolCents = s.paidCents > 25'000 ? 5'000 : 0;
        s.combination = s.paidCents > 0 ? static_cast<int>(random() % 8) : -1;
        s.stakeCents = id % 97 == 0 ? 4'550 : 100 * static_cast<std::int64_t>(1 + random() % 30);
        credits += s.paidCents - (s.freeSpin ? 0 : s.stakeCents);
        s.creditsAfterCents = credits;
        const int gap = static_cast<int>(random() % 10);
        seconds += id % kSmallBlock == 0 ? (gap < 5 ? 300 : 301) : gap == 0 ? 4'000 : gap;
        s.time = id == 1'234 ? "not a time" : isoTime(seconds);
        rows.push_back(s);
    }
    return rows;
}

void expectSameFigures(const SpinStatistics& fromBlocks, const SpinStatistics& direct)
{
    const SpinSummary &b = fromBlocks.summary, &d = direct.summary;
    EXPECT_EQ(b.spins, d.spins);
    EXPECT_EQ(b.freeSpins, d.freeSpins);
    EXPECT_EQ(b.secondsPlayed, d.secondsPlayed);
    EXPECT_EQ(b.wageredCents, d.wageredCents);
    EXPECT_EQ(b.wonCents, d.wonCents);
    EXPECT_EQ(b.biggestWinCents, d.biggestWinCents);
    EXPECT_EQ(b.longestRunWithoutWin, d.longestRunWithoutWin);
    EXPECT_EQ(b.poolsWon, d.poolsWon);
    EXPECT_EQ(b.freeSpinSequences, d.freeSpinSequences);
    EXPECT_EQ(fromBlocks.hits.machine, direct.hits.machine);
    EXPECT_EQ(fromBlocks.hits.paidSpins, direct.hits.paidSpins);
    EXPECT_EQ(fromBlocks.hits.hits, direct.hits.hits);
    for (std::size_t c = 0; c < 8; ++c) EXPECT_DOUBLE_EQ(fromBlocks.hits.expected[c], direct.hits.expected[c]);
    ASSERT_FALSE(fromBlocks.returns.empty());
    const ReturnPoint &rb = fromBlocks.returns.back(), &rd = direct.returns.back();
    EXPECT_EQ(rb.paidSpin, rd.paidSpin);
    EXPECT_NEAR(rb.actual, rd.actual, 1e-9);
    EXPECT_NEAR(rb.expected, rd.expected, 1e-9);
    EXPECT_NEAR(rb.deviation, rd.deviation, 1e-9);
    // The thinned credits line keeps the lowest and highest credits at their spins, in order.
    const auto [low, high] = std::minmax_element(direct.credits.begin(), direct.credits.end(),
                                                 [](const auto& x, const auto& y) { return x.credits < y.credits; });
    for (const CreditsPoint& p : {*low, *high})
        EXPECT_TRUE(std::any_of(fromBlocks.credits.begin(), fromBlocks.credits.end(), [&](const CreditsPoint& q) {
            return q.spin == p.spin && q.credits == p.credits;
        })) << p.spin;
    EXPECT_TRUE(std::is_sorted(fromBlocks.credits.begin(), fromBlocks.credits.end(),
                               [](const auto& x, const auto& y) { return x.spin < y.spin; }));
}

// Each scope's figures from the blocks against the rows it covers counted one by one.
void expectBlocksCountEveryRow(SpinLog& log, const std::vector<LoggedSpin>& rows)
{
    const std::int64_t sessionStart = 1'111; // inside a block of game 2
    for (SpinScope scope : {SpinScope::Session, SpinScope::Game, SpinScope::All}) {
        SCOPED_TRACE(static_cast<int>(scope));
        std::vector<LoggedSpin> covered;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(covered), [&](const LoggedSpin& s) {
            return scope == SpinScope::All || (scope == SpinScope::Session && s.id > sessionStart) ||
                   (scope == SpinScope::Game && s.gameNumber == 2);
        });
        for (int machine : {0, 1, 2}) {
            const std::optional<SpinStatistics> fromBlocks =
                blockStatistics(log, spinFilter(scope, sessionStart, 2), machine, 40);
            ASSERT_TRUE(fromBlocks.has_value());
            expectSameFigures(*fromBlocks, computeStatistics(covered, machine, 40));
        }
    }
}

} // namespace

TEST(BlockStatisticsTest, FiguresPutTogetherFromBlocksEqualACountOfEveryRow)
{
    TempDir dir;
    std::vector<LoggedSpin> rows = playedSpins();
    {
        SpinLog log(dir / "spins.sqlite", kSmallBlock);
        for (const LoggedSpin& s : rows) {
            if (s.id != 1'000) {
                ASSERT_TRUE(log.append(s));
            }
        }
        ASSERT_TRUE(log.append(rows[999])); // a spin written after later ones of its block
        ASSERT_TRUE(log.append(rows[5]));   // written again: no second row, nothing counted twice
        expectBlocksCountEveryRow(log, rows);
        // The thinned lines are as long as the rows' at most, two points a stretch of whole blocks.
        const std::optional<SpinStatistics> all = blockStatistics(log, SpinFilter{}, 0, 40);
        ASSERT_TRUE(all.has_value());
        EXPECT_LE(all->credits.size(), 42u);
        EXPECT_EQ(computeStatistics(log, SpinFilter{}, 0, 40).credits, all->credits);
    }
    // A log from before the blocks (version 2): opening it counts them from its rows.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir / "spins.sqlite").c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "DROP TABLE spin_blocks; PRAGMA user_version=2", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    SpinLog migrated(dir / "spins.sqlite", kSmallBlock);
    ASSERT_EQ(migrated.status(), SpinLog::Status::Ready);
    expectBlocksCountEveryRow(migrated, rows);
}

TEST(BlockStatisticsTest, RowsTheBlocksDoNotCountAreReadOneByOne)
{
    TempDir dir;
    std::vector<LoggedSpin> rows = playedSpins();
    rows.resize(600);
    SpinLog log(dir / "spins.sqlite", kSmallBlock);
    for (const LoggedSpin& s : rows) ASSERT_TRUE(log.append(s));
    // A row written by a program that keeps no blocks.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir / "spins.sqlite").c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "INSERT INTO spins SELECT 601, time, game, machine, stop1, stop2, stop3, combination,"
                           " stake_cents, free_spin, 777700, 0, credits_after_cents, game_number FROM spins"
                           " WHERE id = 600",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    EXPECT_FALSE(blockStatistics(log, SpinFilter{}, 1, 40).has_value());
    const SpinStatistics st = computeStatistics(log, SpinFilter{}, 1, 40);
    EXPECT_EQ(st.summary.spins, 601);
    EXPECT_EQ(st.summary.biggestWinCents, 777'700);
}
