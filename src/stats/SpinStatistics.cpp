#include "SpinStatistics.h"

#include <algorithm>
#include <cmath>

#include "MachineInfo.h"
#include "MachineOdds.h"

namespace {

constexpr std::int64_t kPauseSeconds = 5 * 60;

// The exact odds each machine needs, counted once.
const MachineOdds& oddsOf(int machine)
{
    static const std::array<MachineOdds, kMachineCount> odds = {computeMachineOdds(0), computeMachineOdds(1),
                                                                computeMachineOdds(2)};
    return odds[static_cast<std::size_t>(isValidMachine(machine) ? machine : 0)];
}

// totalReturn(wager) for every wager 0..30 of every machine.
double expectedReturn(int machine, std::int64_t stakeCredits)
{
    static const auto table = [] {
        std::array<std::array<double, 31>, kMachineCount> t{};
        for (int m = 0; m < kMachineCount; ++m)
            for (int w = 1; w <= 30; ++w)
                t[static_cast<std::size_t>(m)][static_cast<std::size_t>(w)] = oddsOf(m).totalReturn(w).toDouble();
        return t;
    }();
    const int m = isValidMachine(machine) ? machine : 0;
    if (stakeCredits >= 1 && stakeCredits <= 30)
        return table[static_cast<std::size_t>(m)][static_cast<std::size_t>(stakeCredits)];
    return oddsOf(m).returnWithFreeSpins.toDouble();
}

// The variance of the multiplier one paid spin wins, per machine.
double multiplierVariance(int machine)
{
    static const auto table = [] {
        std::array<double, kMachineCount> t{};
        for (int m = 0; m < kMachineCount; ++m) {
            const double v = oddsOf(m).volatility();
            t[static_cast<std::size_t>(m)] = v * v;
        }
        return t;
    }();
    return table[static_cast<std::size_t>(isValidMachine(machine) ? machine : 0)];
}

} // namespace

std::int64_t parseIsoTime(const std::string& text)
{
    // Read by hand: sscanf and timegm for every one of 100,000 rows cost more than the rest of the figures.
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != 'Z')
        return -1;
    auto number = [&](std::size_t at, std::size_t digits) -> std::int64_t {
        std::int64_t v = 0;
        for (std::size_t i = at; i < at + digits; ++i) {
            if (text[i] < '0' || text[i] > '9') return -1;
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    const std::int64_t y = number(0, 4), m = number(5, 2), d = number(8, 2);
    const std::int64_t hh = number(11, 2), mm = number(14, 2), ss = number(17, 2);
    if (y < 0 || m < 1 || m > 12 || d < 1 || d > 31 || hh < 0 || hh > 23 || mm < 0 || mm > 59 || ss < 0 || ss > 60)
        return -1;
    // Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
    const std::int64_t yy = m <= 2 ? y - 1 : y;
    const std::int64_t era = yy / 400;
    const std::int64_t yoe = yy - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t days = era * 146097 + doe - 719468;
    return days * 86400 + hh * 3600 + mm * 60 + ss;
}

std::vector<LoggedSpin> selectSpins(std::vector<LoggedSpin> rows, SpinScope scope, std::int64_t sessionStart,
                                    int machine, std::int64_t spins)
{
    if (scope == SpinScope::Session) {
        std::erase_if(rows, [&](const LoggedSpin& s) { return s.id <= sessionStart; });
    } else if (scope == SpinScope::Game) {
        std::erase_if(rows, [&](const LoggedSpin& s) { return s.machine != machine; });
        if (static_cast<std::int64_t>(rows.size()) > spins)
            rows.erase(rows.begin(), rows.end() - std::max<std::int64_t>(spins, 0));
    }
    return rows;
}

SpinStatistics computeStatistics(const std::vector<LoggedSpin>& rows, int hitsMachine, std::size_t maxPoints)
{
    SpinStatistics st;
    SpinSummary& sum = st.summary;
    st.hits.machine = isValidMachine(hitsMachine) ? hitsMachine : 0;
    const std::size_t step = std::max<std::size_t>(1, rows.size() / std::max<std::size_t>(maxPoints / 2, 1));

    std::int64_t run = 0;
    std::int64_t lastTime = -1;
    bool previousFree = false;
    double stakeSum = 0, expectedSum = 0, varianceSum = 0;
    std::int64_t paidSpins = 0;
    std::size_t low = 0, high = 0; // the lowest and highest credits of the stretch being thinned

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LoggedSpin& s = rows[i];
        ++sum.spins;
        sum.wonCents += s.paidCents;
        sum.biggestWinCents = std::max(sum.biggestWinCents, s.paidCents);
        if (s.poolCents > 0) ++sum.poolsWon;
        run = s.paidCents > 0 ? 0 : run + 1;
        sum.longestRunWithoutWin = std::max(sum.longestRunWithoutWin, run);
        const std::int64_t t = parseIsoTime(s.time);
        if (t >= 0 && lastTime >= 0 && t >= lastTime && t - lastTime <= kPauseSeconds)
            sum.secondsPlayed += t - lastTime;
        if (t >= 0) lastTime = t;

        if (s.freeSpin) {
            ++sum.freeSpins;
            if (!previousFree) ++sum.freeSpinSequences;
        } else {
            sum.wageredCents += s.stakeCents;
            ++paidSpins;
            const double stake = static_cast<double>(s.stakeCents) / 100.0;
            stakeSum += stake;
            expectedSum += stake * expectedReturn(s.machine, s.stakeCents / 100);
            varianceSum += stake * stake * multiplierVariance(s.machine);
            if (s.machine == st.hits.machine) {
                ++st.hits.paidSpins;
                if (s.combination >= 0 && s.combination < 8) ++st.hits.hits[static_cast<std::size_t>(s.combination)];
            }
        }
        previousFree = s.freeSpin;

        if (stakeSum > 0 && (!s.freeSpin && (paidSpins % static_cast<std::int64_t>(step) == 0))) {
            st.returns.push_back({paidSpins, 100.0 * static_cast<double>(sum.wonCents) / 100.0 / stakeSum,
                                  100.0 * expectedSum / stakeSum, 100.0 * std::sqrt(varianceSum) / stakeSum});
        }

        // Credits: each stretch of `step` spins gives its lowest and its highest point, in order.
        if (rows[i].creditsAfterCents < rows[low].creditsAfterCents) low = i;
        if (rows[i].creditsAfterCents > rows[high].creditsAfterCents) high = i;
        if ((i + 1) % step == 0 || i + 1 == rows.size()) {
            for (std::size_t k : {std::min(low, high), std::max(low, high)}) {
                if (!st.credits.empty() && st.credits.back().spin == static_cast<std::int64_t>(k + 1)) continue;
                st.credits.push_back(
                    {static_cast<std::int64_t>(k + 1), static_cast<double>(rows[k].creditsAfterCents) / 100.0});
            }
            low = high = i + 1;
        }
    }
    if (stakeSum > 0 && (st.returns.empty() || st.returns.back().paidSpin != paidSpins)) {
        st.returns.push_back({paidSpins, 100.0 * static_cast<double>(sum.wonCents) / 100.0 / stakeSum,
                              100.0 * expectedSum / stakeSum, 100.0 * std::sqrt(varianceSum) / stakeSum});
    }
    const MachineOdds& odds = oddsOf(st.hits.machine);
    for (std::size_t c = 0; c < 8; ++c)
        st.hits.expected[c] = static_cast<double>(st.hits.paidSpins) * odds.combinations[c].probability.toDouble();
    return st;
}
