#include "SpinScore.h"

#include <cstdint>

namespace {

constexpr int kOutcomes = kStripLength * kStripLength * kStripLength;

// The combination of every stop triple, indexed 784 a + 28 b + c, per machine and strip set: the
// rules are asked once per triple, so that a spin is scored by one look-up.
using OutcomeTable = std::array<std::int8_t, kOutcomes>;

OutcomeTable tabulate(const MachineSpec& machine, bool freeSpinStrip)
{
    std::array<const char*, kReelCount> strips{};
    for (int r = 0; r < kReelCount; ++r) strips[static_cast<std::size_t>(r)] = machine.strip(r, freeSpinStrip);
    OutcomeTable outcomes{};
    std::size_t i = 0;
    for (int a = 0; a < kStripLength; ++a)
        for (int b = 0; b < kStripLength; ++b)
            for (int c = 0; c < kStripLength; ++c)
                outcomes[i++] = static_cast<std::int8_t>(machine.match(strips[0][a] - '0', strips[1][b] - '0', strips[2][c] - '0'));
    return outcomes;
}

const OutcomeTable& outcomeTable(MachineId id, bool freeSpinStrip)
{
    static const std::array<OutcomeTable, 2 * kMachineCount> tables = [] {
        std::array<OutcomeTable, 2 * kMachineCount> t{};
        for (int m = 0; m < kMachineCount; ++m) {
            t[static_cast<std::size_t>(2 * m)] = tabulate(machineSpec(m), false);
            t[static_cast<std::size_t>(2 * m + 1)] = tabulate(machineSpec(m), true);
        }
        return t;
    }();
    return tables[static_cast<std::size_t>(2 * indexOf(id) + (freeSpinStrip ? 1 : 0))];
}

int wrap(int stop)
{
    if (static_cast<unsigned>(stop) < static_cast<unsigned>(kStripLength)) return stop;
    return ((stop % kStripLength) + kStripLength) % kStripLength;
}

} // namespace

int combinationAt(const MachineSpec& machine, const ReelStops& stops, bool freeSpinStrip)
{
    const int index = (wrap(stops[0]) * kStripLength + wrap(stops[1])) * kStripLength + wrap(stops[2]);
    return outcomeTable(machine.id, freeSpinStrip)[static_cast<std::size_t>(index)];
}

SpinScore scoreSpin(const MachineSpec& machine, const ReelStops& stops, int stake, Money pool, bool freeSpinStrip)
{
    SpinScore score;
    score.combo = combinationAt(machine, stops, freeSpinStrip);
    if (score.combo < 0) return score;
    score.multiplier = machine.multiplier(score.combo);
    score.startsFreeSpins = score.combo == machine.freeSpinCombination;
    if (score.multiplier > 0) {
        score.payout = Money::fromCredits(static_cast<std::int64_t>(stake) * score.multiplier);
        // As the cabinet tests it: by the multiplier, which only the pool combination has.
        score.winsPool = score.multiplier == machine.multiplier(machine.poolCombination);
        if (score.winsPool) score.poolWon = pool;
    }
    return score;
}
