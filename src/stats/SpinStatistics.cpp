#include "SpinStatistics.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "GameState.h"
#include "MachineInfo.h"
#include "MachineOdds.h"

namespace {

constexpr std::int64_t kPauseSeconds = SpinBlock::kPauseSeconds;

// The exact odds each machine needs, counted once.
const MachineOdds& oddsOf(int machine)
{
    static const std::array<MachineOdds, kMachineCount> odds = {computeMachineOdds(0), computeMachineOdds(1),
                                                                computeMachineOdds(2)};
    return odds[static_cast<std::size_t>(isValidMachine(machine) ? machine : 0)];
}

// totalReturn(wager) for every wager up to the largest stake of every machine.
double expectedReturn(int machine, std::int64_t stakeCredits)
{
    static const auto table = [] {
        std::array<std::array<double, largestStake() + 1>, kMachineCount> t{};
        for (int m = 0; m < kMachineCount; ++m)
            for (int w = 1; w <= largestStake(); ++w)
                t[static_cast<std::size_t>(m)][static_cast<std::size_t>(w)] = oddsOf(m).totalReturn(w).toDouble();
        return t;
    }();
    const int m = isValidMachine(machine) ? machine : 0;
    if (stakeCredits >= 1 && stakeCredits <= largestStake())
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

void expectHits(ComboHits& hits)
{
    const MachineOdds& odds = oddsOf(hits.machine);
    for (std::size_t c = 0; c < 8; ++c)
        hits.expected[c] = static_cast<double>(hits.paidSpins) * odds.combinations[c].probability.toDouble();
}

// Two points of a stretch, its lowest and highest in order, each once.
void addStretch(std::vector<CreditsPoint>& line, const CreditsPoint& low, const CreditsPoint& high)
{
    for (const CreditsPoint& p : {low.spin < high.spin ? low : high, low.spin < high.spin ? high : low})
        if (line.empty() || line.back().spin != p.spin) line.push_back(p);
}

// Two points for each stretch of this many spins: at most maxPoints.
std::int64_t stretchFor(std::int64_t rows, std::size_t maxPoints)
{
    const std::int64_t stretches = std::max<std::int64_t>(static_cast<std::int64_t>(maxPoints) / 2, 1);
    return std::max<std::int64_t>(1, (rows + stretches - 1) / stretches);
}

// The return after the paid spins of these figures.
ReturnPoint returnAfter(const SpinBlock& b)
{
    double stake = 0, expected = 0, variance = 0;
    for (std::size_t slot = 0; slot < SpinBlock::kMachineSlots; ++slot) {
        const int machine = slot < kMachineCount ? static_cast<int>(slot) : 0; // as expectedReturn takes it
        for (std::size_t w = 0; w < SpinBlock::kStakeSlots; ++w) {
            const double s = static_cast<double>(b.stakeCents[slot][w]) / 100.0;
            stake += s;
            expected += s * expectedReturn(machine, static_cast<std::int64_t>(w));
        }
        variance += static_cast<double>(b.stakeSquares[slot]) / 10'000.0 * multiplierVariance(machine);
    }
    const double won = static_cast<double>(b.wonCents) / 100.0;
    return {b.paidSpins, 100.0 * won / stake, 100.0 * expected / stake, 100.0 * std::sqrt(variance) / stake};
}

// The rows of a block only partly covered (the session's first) are read one by one.
std::optional<SpinStatistics> statisticsFromBlocks(SpinLog& log, const SpinFilter& filter, int hitsMachine,
                                                   std::int64_t rows, std::size_t maxPoints)
{
    const std::int64_t step = stretchFor(rows, maxPoints);
    SpinStatistics st;
    st.hits.machine = isValidMachine(hitsMachine) ? hitsMachine : 0;
    SpinBlock all, stretch;
    std::int64_t lastId = filter.afterId;
    bool inOrder = true;
    auto endStretch = [&] {
        const std::int64_t before = all.spins;
        all.join(stretch);
        addStretch(st.credits, {before + stretch.lowSpin, static_cast<double>(stretch.lowCents) / 100.0},
                   {before + stretch.highSpin, static_cast<double>(stretch.highCents) / 100.0});
        if (all.wageredCents > 0 && (st.returns.empty() || st.returns.back().paidSpin != all.paidSpins))
            st.returns.push_back(returnAfter(all));
        stretch = SpinBlock();
    };
    const bool read = log.forEachBlock(filter, [&](const SpinLog::Block& b) {
        if (!inOrder) return;
        SpinBlock piece = b.figures;
        std::int64_t firstId = b.firstId;
        if (b.firstId <= filter.afterId) {
            piece = SpinBlock();
            firstId = 0;
            inOrder = log.forEach(SpinFilter{filter.afterId, b.game, b.lastId}, [&](const LoggedSpin& s) {
                if (firstId == 0) firstId = s.id;
                piece.add(s);
                return true;
            });
        }
        inOrder = inOrder && firstId > lastId;
        lastId = b.lastId;
        stretch.join(piece);
        if (stretch.spins >= step) endStretch();
    });
    if (stretch.spins > 0) endStretch();
    if (!read || !inOrder || all.spins != rows) return std::nullopt;

    SpinSummary& sum = st.summary;
    sum.spins = all.spins;
    sum.freeSpins = all.freeSpins;
    sum.secondsPlayed = all.secondsPlayed;
    sum.wageredCents = all.wageredCents;
    sum.wonCents = all.wonCents;
    sum.biggestWinCents = all.biggestWinCents;
    sum.longestRunWithoutWin = all.longestRun;
    sum.poolsWon = all.poolsWon;
    sum.freeSpinSequences = all.freeSpinSequences;
    const auto machine = static_cast<std::size_t>(st.hits.machine);
    st.hits.paidSpins = all.paidSpinsOn[machine];
    st.hits.hits = all.hits[machine];
    expectHits(st.hits);
    return st;
}

} // namespace

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
    step_ = stretchFor(rows, maxPoints);
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
    if (index_ % step_ == 0) addStretch(st_.credits, low_, high_);
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
    if (index_ % step_ != 0) addStretch(st_.credits, low_, high_);
    if (stakeSum_ > 0 && (st_.returns.empty() || st_.returns.back().paidSpin != paidSpins_)) addReturnPoint();
    expectHits(st_.hits);
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
    const std::int64_t rows = log.count(filter);
    // Stretches of whole blocks when they give at least about half the points asked for.
    if (2 * stretchFor(rows, maxPoints) >= log.blockSize())
        if (std::optional<SpinStatistics> st = statisticsFromBlocks(log, filter, hitsMachine, rows, maxPoints))
            return *st;
    StatisticsCounter counter(hitsMachine, rows, maxPoints);
    log.forEach(filter, [&counter](const LoggedSpin& s) {
        counter.add(s);
        return true;
    });
    return counter.finish();
}

std::optional<SpinStatistics> blockStatistics(SpinLog& log, const SpinFilter& filter, int hitsMachine,
                                              std::size_t maxPoints)
{
    return statisticsFromBlocks(log, filter, hitsMachine, log.count(filter), maxPoints);
}
