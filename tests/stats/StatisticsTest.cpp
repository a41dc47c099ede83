#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <sstream>

#include "MachineOdds.h"
#include "SpinCsv.h"
#include "SpinStatistics.h"

namespace {

LoggedSpin row(std::int64_t id, std::int64_t paidCents, bool freeSpin = false, int machine = 0)
{
    LoggedSpin s;
    s.id = id;
    s.machine = machine;
    s.stakeCents = 300;
    s.freeSpin = freeSpin;
    s.paidCents = paidCents;
    s.combination = paidCents > 0 ? 6 : -1;
    s.creditsAfterCents = 50'000 + id;
    s.time = "2026-12-08T10:00:00Z";
    return s;
}

} // namespace

TEST(StatisticsTest, TheFiguresCountWinsRunsPoolsAndFreeSpinSequences)
{
    std::vector<LoggedSpin> rows;
    for (std::int64_t i = 1; i <= 12; ++i) rows.push_back(row(i, 0, false, 2));
    rows[2].paidCents = 900;
    rows[6].freeSpin = rows[7].freeSpin = true; // a sequence of two free spins
    rows[7].paidCents = 45'000;
    rows[7].poolCents = 15'000;
    rows[10].freeSpin = true; // a second sequence
    rows[0].time = "2026-12-08T10:00:00Z";
    rows[1].time = "2026-12-08T10:00:07Z";
    rows[2].time = "2026-12-08T11:00:00Z"; // a pause: not time played
    rows[3].time = "2026-12-08T11:00:05Z";
    const SpinSummary s = computeStatistics(rows, 2).summary;
    EXPECT_EQ(s.spins, 12);
    EXPECT_EQ(s.freeSpins, 3);
    EXPECT_EQ(s.freeSpinSequences, 2);
    EXPECT_EQ(s.wageredCents, 9 * 300);
    EXPECT_EQ(s.wonCents, 900 + 45'000);
    EXPECT_EQ(s.biggestWinCents, 45'000);
    EXPECT_EQ(s.poolsWon, 1);
    EXPECT_EQ(s.longestRunWithoutWin, 4); // spins 4 to 7
    EXPECT_EQ(s.secondsPlayed, 12);
}

TEST(StatisticsTest, TheReturnIsSetAgainstTheExactOddsWithABandThatNarrowsWithSpins)
{
    const MachineOdds odds = computeMachineOdds(1);
    std::vector<LoggedSpin> rows;
    for (std::int64_t i = 1; i <= 400; ++i) rows.push_back(row(i, i % 4 == 0 ? 1200 : 0, false, 1));
    for (LoggedSpin& r : rows) r.combination = r.paidCents > 0 ? 7 : -1;
    const SpinStatistics st = computeStatistics(rows, 1, 50);
    ASSERT_FALSE(st.returns.empty());
    const ReturnPoint& last = st.returns.back();
    EXPECT_EQ(last.paidSpin, 400);
    EXPECT_DOUBLE_EQ(last.actual, 100.0); // 100 wins of 4 x 3 for 400 stakes of 3
    EXPECT_NEAR(last.expected, 100.0 * odds.totalReturn(3).toDouble(), 1e-9);
    EXPECT_NEAR(last.deviation, 100.0 * odds.volatility() / std::sqrt(400.0), 1e-9);
    const ReturnPoint& first = st.returns.front();
    EXPECT_NEAR(first.deviation * std::sqrt(static_cast<double>(first.paidSpin)), last.deviation * 20.0, 1e-9);
    EXPECT_LE(st.returns.size(), 30u);

    EXPECT_EQ(st.hits.paidSpins, 400);
    EXPECT_EQ(st.hits.hits[7], 100);
    for (std::size_t c = 0; c < 8; ++c)
        EXPECT_NEAR(st.hits.expected[c], 400 * odds.combinations[c].probability.toDouble(), 1e-9);
}

TEST(StatisticsTest, ALongCreditsLineIsThinnedButKeepsItsHighsAndLows)
{
    std::vector<LoggedSpin> rows;
    for (std::int64_t i = 1; i <= 100'000; ++i) {
        LoggedSpin r = row(i, 0);
        r.creditsAfterCents = 100'000 + (i * 7919) % 50'000;
        rows.push_back(r);
    }
    rows[31'337].creditsAfterCents = 5;
    rows[77'777].creditsAfterCents = 9'999'999;
    const SpinStatistics st = computeStatistics(rows, 0, 2000);
    EXPECT_LE(st.credits.size(), 2100u);
    auto has = [&](std::int64_t spin, double credits) {
        return std::any_of(st.credits.begin(), st.credits.end(),
                           [&](const CreditsPoint& p) { return p.spin == spin && p.credits == credits; });
    };
    EXPECT_TRUE(has(31'338, 0.05));
    EXPECT_TRUE(has(77'778, 99'999.99));
    EXPECT_TRUE(std::is_sorted(st.credits.begin(), st.credits.end(),
                               [](const CreditsPoint& a, const CreditsPoint& b) { return a.spin < b.spin; }));
}

TEST(StatisticsTest, LogTimesReadAsTheCAndPosixCalendarDoes)
{
    // Every day from 1969 to 2101 (leap years and century rules included) at a time of day that moves.
    for (std::int64_t day = -400; day < 48'000; day += 1) {
        const std::time_t t = static_cast<std::time_t>(day * 86400 + (day * 7919) % 86400);
        std::tm utc{};
        gmtime_r(&t, &utc);
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
        ASSERT_EQ(parseIsoTime(text), static_cast<std::int64_t>(t)) << text;
    }
    for (const char* bad : {"", "2026-12-08 21:04:05Z", "2026-12-08T21:04:05", "2026-13-08T21:04:05Z",
                            "2026-12-08T24:00:00Z", "2026-1x-08T21:04:05Z"})
        EXPECT_EQ(parseIsoTime(bad), -1) << bad;
}

TEST(StatisticsTest, TheScopesPickTheSessionTheGameOrEverything)
{
    std::vector<LoggedSpin> rows;
    for (std::int64_t i = 1; i <= 10; ++i) rows.push_back(row(i, 0, false, i % 2));
    const auto ids = [](const std::vector<LoggedSpin>& v) {
        std::vector<std::int64_t> out;
        for (const LoggedSpin& s : v) out.push_back(s.id);
        return out;
    };
    EXPECT_EQ(ids(selectSpins(rows, SpinScope::Session, 7, 0, 3)), (std::vector<std::int64_t>{8, 9, 10}));
    EXPECT_EQ(ids(selectSpins(rows, SpinScope::Game, 7, 1, 3)), (std::vector<std::int64_t>{5, 7, 9}));
    EXPECT_EQ(ids(selectSpins(rows, SpinScope::Game, 7, 0, 99)), (std::vector<std::int64_t>{2, 4, 6, 8, 10}));
    EXPECT_EQ(selectSpins(rows, SpinScope::All, 7, 0, 0).size(), 10u);
}

TEST(StatisticsTest, CsvQuotesWhatASpreadsheetWouldSplit)
{
    EXPECT_EQ(csvField("Current Game"), "Current Game");
    EXPECT_EQ(csvField("Kim, \"lucky\"\nrun"), "\"Kim, \"\"lucky\"\"\nrun\"");
    LoggedSpin s = row(3, 1234, true);
    s.game = "Ünïcode, too";
    std::ostringstream out;
    writeSpinCsv(out, {s});
    EXPECT_EQ(out.str(),
              "id,time,game,machine,stop1,stop2,stop3,combination,stake_cents,free_spin,paid_cents,pool_cents,"
              "credits_after_cents\r\n"
              "3,2026-12-08T10:00:00Z,\"Ünïcode, too\",0,0,0,0,6,300,1,1234,0,50003\r\n");
}
