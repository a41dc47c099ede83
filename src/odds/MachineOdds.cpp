#include "MachineOdds.h"

#include <cmath>

#include "GameState.h"
#include "SpinScore.h"

namespace {

constexpr std::int64_t kPoolSeedCredits = kStartBonusPool.cents() / 100;

// Stop triples per combination of a machine's strips (index kComboCount counts triples that match nothing).
std::array<std::int64_t, kComboCount + 1> countCombinations(const MachineDefinition& machine, bool freeSpinStrip)
{
    std::array<std::int64_t, kComboCount + 1> ways{};
    for (int a = 0; a < kStripLength; ++a)
        for (int b = 0; b < kStripLength; ++b)
            for (int c = 0; c < kStripLength; ++c) {
                const int combo = combinationAt(machine, {a, b, c}, freeSpinStrip);
                ++ways[static_cast<std::size_t>(combo >= 0 ? combo : kComboCount)];
            }
    return ways;
}

// The free spins a free-spin combination starts, played on the free-spin strip until one pays, and
// what they add to the machine's return, jackpot chance and mean square.
void addFreeSpins(const MachineDefinition& def, MachineOdds& odds)
{
    FreeSpinOdds& fs = odds.freeSpins;
    const auto freeWays = countCombinations(def, true);
    std::int64_t winWays = 0, freeSum = 0, freeSquares = 0;
    for (int k = 0; k < kComboCount; ++k) {
        const std::int64_t w = freeWays[static_cast<std::size_t>(k)];
        const std::int64_t m = def.multiplier(k);
        fs.ways[static_cast<std::size_t>(k)] = w;
        if (m > 0) winWays += w;
        freeSum += w * m;
        freeSquares += w * m * m;
    }
    fs.triggerProbability = odds.combinations[static_cast<std::size_t>(odds.freeSpinCombination)].probability;
    fs.winProbability = Ratio(winWays, MachineOdds::kOutcomes);
    if (winWays > 0) {
        // Each free spin ends the sequence with the same chance, so its length is geometric and the
        // paying spin is distributed as one free spin given that it pays.
        fs.expectedSpins = Ratio(MachineOdds::kOutcomes, winWays);
        fs.expectedMultiplier = Ratio(freeSum, winWays);
        fs.jackpotInSequence = Ratio(freeWays[static_cast<std::size_t>(def.poolCombination)], winWays);
        odds.returnWithFreeSpins = odds.baseReturn + fs.triggerProbability * fs.expectedMultiplier;
        odds.jackpotProbability = odds.jackpotProbability + fs.triggerProbability * fs.jackpotInSequence;
        odds.meanSquare = odds.meanSquare + fs.triggerProbability * Ratio(freeSquares, winWays);
    }
}

} // namespace

MachineOdds computeMachineOdds(int machine)
{
    const MachineDefinition& def = machineDefinition(machine);

    MachineOdds odds;
    odds.machine = indexOf(def.id);
    odds.name = def.name;
    const int freeCombo = def.freeSpinCombination;

    const auto ways = countCombinations(def, false);
    std::int64_t hitWays = 0, multiplierSum = 0, squareSum = 0;
    for (int k = 0; k < kComboCount; ++k) {
        CombinationOdds& c = odds.combinations[static_cast<std::size_t>(k)];
        c.combo = k;
        c.multiplier = def.multiplier(k);
        c.ways = ways[static_cast<std::size_t>(k)];
        c.probability = Ratio(c.ways, MachineOdds::kOutcomes);
        if (c.multiplier > 0) hitWays += c.ways;
        multiplierSum += c.ways * c.multiplier;
        squareSum += c.ways * c.multiplier * c.multiplier;
    }
    odds.hitFrequency = Ratio(hitWays, MachineOdds::kOutcomes);
    odds.baseReturn = Ratio(multiplierSum, MachineOdds::kOutcomes);
    odds.returnWithFreeSpins = odds.baseReturn;
    odds.jackpotProbability = odds.combinations[static_cast<std::size_t>(def.poolCombination)].probability;
    odds.meanSquare = Ratio(squareSum, MachineOdds::kOutcomes);

    // Free spins follow a free-spin combination that pays nothing itself.
    odds.hasFreeSpins = def.hasFreeSpins() && def.multiplier(freeCombo) == 0;
    if (odds.hasFreeSpins) odds.freeSpinCombination = freeCombo;
    if (odds.hasFreeSpins) addFreeSpins(def, odds);

    const double total = odds.returnWithFreeSpins.toDouble();
    for (CombinationOdds& c : odds.combinations) {
        // The free-spin combination pays nothing itself; its share is what its free spins bring.
        const Ratio brings = odds.hasFreeSpins && c.combo == freeCombo
                                 ? c.probability * odds.freeSpins.expectedMultiplier
                                 : c.probability * Ratio(c.multiplier);
        c.returnShare = total > 0 ? brings / odds.returnWithFreeSpins : Ratio();
    }
    return odds;
}

double MachineOdds::volatility() const
{
    const Ratio variance = meanSquare - returnWithFreeSpins * returnWithFreeSpins;
    return std::sqrt(variance.toDouble());
}

Ratio MachineOdds::totalReturn(int wager) const
{
    if (wager < 1) wager = 1;
    return returnWithFreeSpins + Ratio(kPoolCentsPerCredit, 100) +
           Ratio(kPoolSeedCredits) * jackpotProbability / Ratio(wager);
}
