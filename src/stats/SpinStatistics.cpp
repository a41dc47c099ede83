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

SpinFilter spinFilter(SpinScope scope, std::int64_t sessionStart, std::int64_t game)
{
    switch (scope) {
    case SpinScope::Session:
        return SpinFilter{sessionStart, -1};
    case SpinScope::Game:
        return SpinFilter{0, game};
    case SpinScope::All:
        break;
    }
    return SpinFilter{};
}

StatisticsCounter::StatisticsCounter(int hitsMachine, std::int64_t rows, std::size_t maxPoints)
{
    // Two points (a stretch's lowest and highest) for each stretch of step_ spins: at most maxPoints.
    const std::int64_t stretches = std::max<std::int64_t>(static_cast<std::int64_t>(maxPoints) / 2, 1);
    step_ = std::max<std::int64_t>(1, (rows + stretches - 1) / stretches);
    st_.hits.machine = isValidMachine(hitsMachine) ? hitsMachine : 0;
}

void StatisticsCounter::add(const LoggedSpin& s)
{
    SpinSummary& sum = st_.summary;
    ++sum.spins;
    sum.wonCents += s.paidCents;
    sum.biggestWinCents = std::max(sum.biggestWinCents, s.paidCents);
    if (s.poolCents > 0) ++sum.poolsWon;
    run_ = s.paidCents > 0 ? 0 : run_ + 1;
    sum.longestRunWithoutWin = std::max(sum.longestRunWithoutWin, run_);
    const std::int64_t t = parseIsoTime(s.time);
    if (t >= 0 && lastTime_ >= 0 && t >= lastTime_ && t - lastTime_ <= kPauseSeconds)
        sum.secondsPlayed += t - lastTime_;
    if (t >= 0) lastTime_ = t;

    if (s.freeSpin) {
        ++sum.freeSpins;
        if (!previousFree_) ++sum.freeSpinSequences;
    } else {
        sum.wageredCents += s.stakeCents;
        ++paidSpins_;
        const double stake = static_cast<double>(s.stakeCents) / 100.0;
        stakeSum_ += stake;
        expectedSum_ += stake * expectedReturn(s.machine, s.stakeCents / 100);
        varianceSum_ += stake * stake * multiplierVariance(s.machine);
        if (s.machine == st_.hits.machine) {
            ++st_.hits.paidSpins;
            if (s.combination >= 0 && s.combination < 8) ++st_.hits.hits[static_cast<std::size_t>(s.combination)];
        }
        if (stakeSum_ > 0 && paidSpins_ % step_ == 0) addReturnPoint();
    }
    previousFree_ = s.freeSpin;

    // Credits: each stretch of step_ spins gives its lowest and its highest point, in order.
    const CreditsPoint point{++index_, static_cast<double>(s.creditsAfterCents) / 100.0};
    const bool first = (index_ - 1) % step_ == 0;
    if (first || point.credits < low_.credits) low_ = point;
    if (first || point.credits > high_.credits) high_ = point;
    if (index_ % step_ == 0) {
        for (const CreditsPoint& p : {low_.spin < high_.spin ? low_ : high_, low_.spin < high_.spin ? high_ : low_})
            if (st_.credits.empty() || st_.credits.back().spin != p.spin) st_.credits.push_back(p);
    }
}

void StatisticsCounter::addReturnPoint()
{
    const double won = static_cast<double>(st_.summary.wonCents) / 100.0;
    st_.returns.push_back({paidSpins_, 100.0 * won / stakeSum_, 100.0 * expectedSum_ / stakeSum_,
                           100.0 * std::sqrt(varianceSum_) / stakeSum_});
}

SpinStatistics StatisticsCounter::finish()
{
    // The stretch cut short by the end of the rows.
    if (index_ % step_ != 0) {
        for (const CreditsPoint& p : {low_.spin < high_.spin ? low_ : high_, low_.spin < high_.spin ? high_ : low_})
            if (st_.credits.empty() || st_.credits.back().spin != p.spin) st_.credits.push_back(p);
    }
    if (stakeSum_ > 0 && (st_.returns.empty() || st_.returns.back().paidSpin != paidSpins_)) addReturnPoint();
    const MachineOdds& odds = oddsOf(st_.hits.machine);
    for (std::size_t c = 0; c < 8; ++c)
        st_.hits.expected[c] = static_cast<double>(st_.hits.paidSpins) * odds.combinations[c].probability.toDouble();
    SpinStatistics done = std::move(st_);
    st_ = SpinStatistics();
    return done;
}

SpinStatistics computeStatistics(const std::vector<LoggedSpin>& rows, int hitsMachine, std::size_t maxPoints)
{
    StatisticsCounter counter(hitsMachine, static_cast<std::int64_t>(rows.size()), maxPoints);
    for (const LoggedSpin& s : rows) counter.add(s);
    return counter.finish();
}

SpinStatistics computeStatistics(SpinLog& log, const SpinFilter& filter, int hitsMachine, std::size_t maxPoints)
{
    StatisticsCounter counter(hitsMachine, log.count(filter), maxPoints);
    log.forEach(filter, [&counter](const LoggedSpin& s) {
        counter.add(s);
        return true;
    });
    return counter.finish();
}
