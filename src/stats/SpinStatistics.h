#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SpinLog.h"

// Which spins of the log the statistics cover.
enum class SpinScope { Session, Game, All };

// The rows of a scope. Session: after sessionStart. Game: the last `spins` rows of `machine`, the spins
// the current game counts on its machine. All: every row.
std::vector<LoggedSpin> selectSpins(std::vector<LoggedSpin> rows, SpinScope scope, std::int64_t sessionStart,
                                    int machine, std::int64_t spins);

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
    std::vector<CreditsPoint> credits; // at most about maxPoints, keeping each stretch's lowest and highest
    std::vector<ReturnPoint> returns;  // at most about maxPoints, the last paid spin always included
    ComboHits hits;
};

// hitsMachine: the machine whose combinations are counted.
SpinStatistics computeStatistics(const std::vector<LoggedSpin>& rows, int hitsMachine, std::size_t maxPoints = 2000);

// Seconds since 1970 of "YYYY-MM-DDTHH:MM:SSZ"; -1 when the text is not such a time.
std::int64_t parseIsoTime(const std::string& text);
