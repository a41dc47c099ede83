#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MachineOdds.h"

struct SimulationTotals;

// "1 in 21,952", "1 in 6.53"; "never" for a probability of 0.
std::string formatOneIn(double probability);
// "95.3 %" with the given decimals.
std::string formatPercent(double fraction, int decimals);
// A readable table of one machine's odds.
std::string oddsTable(const MachineOdds& odds);
// {"machines": [...]} with every figure in full double precision.
std::string oddsJson(const std::vector<MachineOdds>& machines);
// Observed figures of a simulation next to the exact ones, with a 95 % confidence interval.
std::string simulationReport(const MachineOdds& odds, int wager, std::uint64_t seed, const SimulationTotals& totals);
