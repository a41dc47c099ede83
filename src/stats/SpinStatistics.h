#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SpinLog.h"

// Which spins of the log the statistics cover.
enum class SpinScope { Session, Game, All };

// The rows of a scope. Session: after sessionStart, the highest spin number logged before this run. Game:
// the rows of game number `game`. All: every row.
SpinFilter spinFilter(SpinScope scope, std::int64_t sessionStart, std::int64_t game);

struct SpinSummary {
    std::int64_t spins = 0;
    std::int64_t freeSpins = 0;
    std::int64_t secondsPlayed = 0; // pauses over five minutes between two spins left out
    std::int64_t wageredCents = 0;  // stakes charged (free spins charge nothing)
    std::int64_t wonCents = 0;
    std::int64_t biggestWinCents = 0;
    std::int64_t longestRunWithoutWin = 0;
    std::int64_t poolsWon = 0;
    std::int64_t freeSpinSequences = 0;
};

// The return to the player after a paid spin, in percent, beside what the machines' exact odds give
// for the same stakes and one standard deviation of it for that many spins (pool left out of it).
struct ReturnPoint {
    std::int64_t paidSpin = 0;
    double actual = 0;
    double expected = 0;
    double deviation = 0;
};

struct CreditsPoint {
    std::int64_t spin = 0;
    double credits = 0;
};

// Paid spins of one machine by combination, against the counts the exact odds expect.
struct ComboHits {
    int machine = 0;
    std::int64_t paidSpins = 0;
    std::array<std::int64_t, 8> hits{};
    std::array<double, 8> expected{};
};

struct SpinStatistics {
    SpinSummary summary;
    std::vector<CreditsPoint> credits; // at most maxPoints, keeping each stretch's lowest and highest
    std::vector<ReturnPoint> returns;  // at most about maxPoints / 2, the last paid spin always included
    ComboHits hits;
};

// Works the statistics out spin by spin, holding only the figures and the thinned chart lines.
class StatisticsCounter {
public:
    // hitsMachine: the machine whose combinations are counted; rows: how many spins will be added, which
    // sets how the lines are thinned to about maxPoints points.
    StatisticsCounter(int hitsMachine, std::int64_t rows, std::size_t maxPoints = 2000);
    void add(const LoggedSpin& s);
    SpinStatistics finish();

private:
    void addReturnPoint();

    SpinStatistics st_;
    std::int64_t step_ = 1;
    std::int64_t index_ = 0;
    std::int64_t run_ = 0;
    std::int64_t lastTime_ = -1;
    bool previousFree_ = false;
    double stakeSum_ = 0, expectedSum_ = 0, varianceSum_ = 0;
    std::int64_t paidSpins_ = 0;
    CreditsPoint low_, high_; // the lowest and highest credits of the stretch being thinned
};

SpinStatistics computeStatistics(const std::vector<LoggedSpin>& rows, int hitsMachine, std::size_t maxPoints = 2000);
// The statistics of the rows of the log the filter covers, read one at a time.
SpinStatistics computeStatistics(SpinLog& log, const SpinFilter& filter, int hitsMachine, std::size_t maxPoints = 2000);

// Seconds since 1970 of "YYYY-MM-DDTHH:MM:SSZ"; -1 when the text is not such a time.
std::int64_t parseIsoTime(const std::string& text);
