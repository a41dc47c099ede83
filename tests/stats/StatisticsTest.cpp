#include <algorithm>
#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

#include "MachineOdds.h"
#include "SpinCsv.h"
#include "SpinStatistics.h"
#include "TempDir.h"

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

// A log of three games on two machines with free spins, pools and pauses, read back through SQLite: every
// figure equals a plain count over the rows the scope covers.
TEST(StatisticsTest, TheFiguresReadFromTheLogEqualADirectCountOfTheScopesRows)
{
    TempDir dir;
    SpinLog log(dir / "spins.sqlite");
    std::vector<LoggedSpin> rows;
    std::mt19937 random(5);
    std::int64_t seconds = 1'796'000'000;
    for (std::int64_t i = 1; i <= 700; ++i) {
        LoggedSpin s = row(i, random() % 4 == 0 ? 300 * static_cast<std::int64_t>(random() % 40) : 0, random() % 7 == 0,
                           i < 300 ? 1 : 2);
        s.gameNumber = i <= 250 ? 1 : i <= 500 ? 2 : 3;
        s.combination = s.paidCents > 0 ? static_cast<int>(random() % 8) : -1;
        s.poolCents = s.paidCents > 9000 ? 1500 : 0;
        s.stakeCents = 100 * static_cast<std::int64_t>(1 + random() % 30);
        seconds += random() % 50 == 0 ? 3600 : static_cast<std::int64_t>(random() % 20);
        const std::time_t t = static_cast<std::time_t>(seconds);
        std::tm utc{};
        gmtime_r(&t, &utc);
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
        s.time = text;
        ASSERT_TRUE(log.append(s));
        rows.push_back(s);
    }
    for (SpinScope scope : {SpinScope::Session, SpinScope::Game, SpinScope::All}) {
        std::vector<LoggedSpin> covered;
        for (const LoggedSpin& s : rows)
            if (scope == SpinScope::All || (scope == SpinScope::Session && s.id > 420) ||
                (scope == SpinScope::Game && s.gameNumber == 2))
                covered.push_back(s);
        const SpinStatistics st = computeStatistics(log, spinFilter(scope, 420, 2), 2, 100);
        SpinSummary expected;
        std::int64_t run = 0, last = -1, paidOnMachine = 0;
        std::array<std::int64_t, 8> hits{};
        for (std::size_t k = 0; k < covered.size(); ++k) {
            const LoggedSpin& s = covered[k];
            ++expected.spins;
            expected.freeSpins += s.freeSpin;
            expected.freeSpinSequences += s.freeSpin && (k == 0 || !covered[k - 1].freeSpin);
            expected.wageredCents += s.freeSpin ? 0 : s.stakeCents;
            expected.wonCents += s.paidCents;
            expected.biggestWinCents = std::max(expected.biggestWinCents, s.paidCents);
            expected.poolsWon += s.poolCents > 0;
            run = s.paidCents > 0 ? 0 : run + 1;
            expected.longestRunWithoutWin = std::max(expected.longestRunWithoutWin, run);
            const std::int64_t t = parseIsoTime(s.time);
            if (last >= 0 && t - last <= 300) expected.secondsPlayed += t - last;
            last = t;
            if (!s.freeSpin && s.machine == 2) {
                ++paidOnMachine;
                if (s.combination >= 0) ++hits[static_cast<std::size_t>(s.combination)];
            }
        }
        SCOPED_TRACE(static_cast<int>(scope));
        ASSERT_GT(expected.spins, 100);
        EXPECT_EQ(st.summary.spins, expected.spins);
        EXPECT_EQ(st.summary.freeSpins, expected.freeSpins);
        EXPECT_EQ(st.summary.freeSpinSequences, expected.freeSpinSequences);
        EXPECT_EQ(st.summary.wageredCents, expected.wageredCents);
        EXPECT_EQ(st.summary.wonCents, expected.wonCents);
        EXPECT_EQ(st.summary.biggestWinCents, expected.biggestWinCents);
        EXPECT_EQ(st.summary.poolsWon, expected.poolsWon);
        EXPECT_EQ(st.summary.longestRunWithoutWin, expected.longestRunWithoutWin);
        EXPECT_EQ(st.summary.secondsPlayed, expected.secondsPlayed);
        EXPECT_EQ(st.hits.paidSpins, paidOnMachine);
        EXPECT_EQ(st.hits.hits, hits);
        ASSERT_FALSE(st.returns.empty());
        EXPECT_NEAR(st.returns.back().actual,
                    100.0 * static_cast<double>(expected.wonCents) / static_cast<double>(expected.wageredCents), 1e-9);
        // The thinned credits line: at most 100 points, the last spin and the lowest credits among them.
        EXPECT_LE(st.credits.size(), 100u);
        EXPECT_EQ(st.credits.back().spin, expected.spins);
        const auto lowest = std::min_element(covered.begin(), covered.end(), [](const auto& a, const auto& b) {
            return a.creditsAfterCents < b.creditsAfterCents;
        });
        EXPECT_TRUE(std::any_of(st.credits.begin(), st.credits.end(), [&](const CreditsPoint& p) {
            return p.credits == static_cast<double>(lowest->creditsAfterCents) / 100.0;
        }));
    }
}

TEST(StatisticsTest, APauseOfExactlyFiveMinutesStillCountsAsTimePlayed)
{
    std::vector<LoggedSpin> rows;
    for (std::int64_t i = 1; i <= 4; ++i) rows.push_back(row(i, 0));
    rows[0].time = "2026-12-08T10:00:00Z";
    rows[1].time = "2026-12-08T10:05:00Z"; // 300 s: played
    rows[2].time = "2026-12-08T10:10:01Z"; // 301 s: a pause
    rows[3].time = "2026-12-08T10:10:04Z";
    EXPECT_EQ(computeStatistics(rows, 0).summary.secondsPlayed, 300 + 3);
}

TEST(StatisticsTest, ExpectedHitsCountOnlyThePaidSpinsOfTheMachineInPlay)
{
    const MachineOdds odds = computeMachineOdds(2);
    std::vector<LoggedSpin> rows;
    for (std::int64_t i = 1; i <= 30; ++i) rows.push_back(row(i, 0, false, 2));
    for (std::int64_t i = 31; i <= 45; ++i) rows.push_back(row(i, 600, true, 2));  // free spins: not counted
    for (std::int64_t i = 46; i <= 70; ++i) rows.push_back(row(i, 600, false, 0)); // another machine
    rows[3].combination = 6;
    const ComboHits hits = computeStatistics(rows, 2).hits;
    EXPECT_EQ(hits.machine, 2);
    EXPECT_EQ(hits.paidSpins, 30);
    EXPECT_EQ(hits.hits[6], 1);
    for (std::size_t c = 0; c < 8; ++c)
        EXPECT_NEAR(hits.expected[c], 30 * odds.combinations[c].probability.toDouble(), 1e-9) << c;
}

TEST(StatisticsTest, ALogEndingInItsLongestRunWithoutAWinCountsThatRun)
{
    std::vector<LoggedSpin> rows;
    for (std::int64_t i = 1; i <= 12; ++i) rows.push_back(row(i, i == 1 || i == 4 ? 300 : 0));
    EXPECT_EQ(computeStatistics(rows, 0).summary.longestRunWithoutWin, 8); // spins 5 to 12
}

TEST(StatisticsTest, CsvQuotesWhatASpreadsheetWouldSplit)
{
    EXPECT_EQ(csvField("Current Game"), "Current Game");
    EXPECT_EQ(csvField("Kim, \"lucky\"\nrun"), "\"Kim, \"\"lucky\"\"\nrun\"");
    LoggedSpin s = row(3, 1234, true);
    s.game = "Ünïcode, too";
    std::ostringstream out;
    s.gameNumber = 4;
    writeSpinCsv(out, {s});
    EXPECT_EQ(out.str(),
              "id,time,game,game_number,machine,machine_name,stop1,stop2,stop3,combination,combination_name,"
              "stake_cents,stake,free_spin,paid_cents,paid,pool_cents,pool,credits_after_cents,credits_after\r\n"
              "3,2026-12-08T10:00:00Z,\"Ünïcode, too\",4,0,Quintel Slots,0,0,0,6,Cherries on reels 1 and "
              "2,300,3.00,1,1234,12.34,0,"
              "0.00,50003,500.03\r\n");
}

TEST(StatisticsTest, CsvCellsASpreadsheetWouldRunAsAFormulaShowAsText)
{
    EXPECT_EQ(csvField("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(csvField("+1"), "'+1");
    EXPECT_EQ(csvField("-2+3"), "'-2+3");
    EXPECT_EQ(csvField("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(csvField("\tTab"), "'\tTab");
    EXPECT_EQ(csvField("\rReturn"), "\"'\rReturn\"");
    EXPECT_EQ(csvField("Kim = lucky"), "Kim = lucky");
    EXPECT_EQ(csvField(""), "");
}
