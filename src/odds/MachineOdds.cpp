#include "MachineOdds.h"

#include <cmath>

#include "MachineInfo.h"

namespace {

constexpr int kFreeSpinCombo = 7;
constexpr std::int64_t kPoolSeedCredits = 150;

// Stop triples per combination of a reel set (index kComboCount counts triples that match nothing).
std::array<std::int64_t, kComboCount + 1> countCombinations(const ReelSet& reels)
{
    std::array<std::int64_t, kComboCount + 1> ways{};
    for (int a = 0; a < kStripLength; ++a) {
        const int s1 = reels.symbolAt(0, a);
        for (int b = 0; b < kStripLength; ++b) {
            const int s2 = reels.symbolAt(1, b);
            for (int c = 0; c < kStripLength; ++c) {
                const int combo = matchCombination(reels.machine, s1, s2, reels.symbolAt(2, c));
                ++ways[static_cast<std::size_t>(combo >= 0 ? combo : kComboCount)];
            }
        }
    }
    return ways;
}

} // namespace

MachineOdds computeMachineOdds(int machine)
{
    const ReelSet normal = buildReelSet(machine, false);
    const ReelSet freeSet = buildReelSet(machine, true);

    MachineOdds odds;
    odds.machine = normal.machine;
    MachineInfo info;
    SelectMachine(odds.machine, info);
    odds.name = info.machineName;
    const PayTable& pay = normal.payTable;

    const auto ways = countCombinations(normal);
    std::int64_t hitWays = 0, multiplierSum = 0, squareSum = 0;
    for (int k = 0; k < kComboCount; ++k) {
        CombinationOdds& c = odds.combinations[static_cast<std::size_t>(k)];
        c.combo = k;
        c.multiplier = pay[static_cast<std::size_t>(k)];
        c.ways = ways[static_cast<std::size_t>(k)];
        c.probability = Ratio(c.ways, MachineOdds::kOutcomes);
        if (c.multiplier > 0) hitWays += c.ways;
        multiplierSum += c.ways * c.multiplier;
        squareSum += c.ways * c.multiplier * c.multiplier;
    }
    odds.hitFrequency = Ratio(hitWays, MachineOdds::kOutcomes);
    odds.baseReturn = Ratio(multiplierSum, MachineOdds::kOutcomes);
    odds.returnWithFreeSpins = odds.baseReturn;
    odds.jackpotProbability = odds.combinations[0].probability;
    odds.meanSquare = Ratio(squareSum, MachineOdds::kOutcomes);

    // Only the treasure machine has a separate free-spin strip; its free-spin combination pays 0.
    odds.hasFreeSpins = freeSet.freeSpinStrip && pay[kFreeSpinCombo] == 0;
    if (odds.hasFreeSpins) {
        FreeSpinOdds& fs = odds.freeSpins;
        const auto freeWays = countCombinations(freeSet);
        std::int64_t winWays = 0, freeSum = 0, freeSquares = 0;
        for (int k = 0; k < kComboCount; ++k) {
            const std::int64_t w = freeWays[static_cast<std::size_t>(k)];
            const std::int64_t m = freeSet.payTable[static_cast<std::size_t>(k)];
            fs.ways[static_cast<std::size_t>(k)] = w;
            if (m > 0) winWays += w;
            freeSum += w * m;
            freeSquares += w * m * m;
        }
        fs.triggerProbability = odds.combinations[kFreeSpinCombo].probability;
        fs.winProbability = Ratio(winWays, MachineOdds::kOutcomes);
        if (winWays > 0) {
            // Each free spin ends the sequence with the same chance, so its length is geometric and the
            // paying spin is distributed as one free spin given that it pays.
            fs.expectedSpins = Ratio(MachineOdds::kOutcomes, winWays);
            fs.expectedMultiplier = Ratio(freeSum, winWays);
            fs.jackpotInSequence = Ratio(freeWays[0], winWays);
            odds.returnWithFreeSpins = odds.baseReturn + fs.triggerProbability * fs.expectedMultiplier;
            odds.jackpotProbability = odds.jackpotProbability + fs.triggerProbability * fs.jackpotInSequence;
            odds.meanSquare = odds.meanSquare + fs.triggerProbability * Ratio(freeSquares, winWays);
        }
    }

    const double total = odds.returnWithFreeSpins.toDouble();
    for (CombinationOdds& c : odds.combinations) {
        // The free-spin combination pays nothing itself; its share is what its free spins bring.
        const Ratio brings = odds.hasFreeSpins && c.combo == kFreeSpinCombo ? c.probability * odds.freeSpins.expectedMultiplier
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
    return returnWithFreeSpins + Ratio(1, 10) + Ratio(kPoolSeedCredits) * jackpotProbability / Ratio(wager);
}
