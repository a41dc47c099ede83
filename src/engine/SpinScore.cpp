#include "SpinScore.h"

#include <cstdint>

namespace {

spin_score::OutcomeTable tabulate(const MachineDefinition& machine, bool freeSpinStrip)
{
    std::array<const char*, kReelCount> strips{};
    for (int r = 0; r < kReelCount; ++r) strips[static_cast<std::size_t>(r)] = machine.strip(r, freeSpinStrip);
    spin_score::OutcomeTable outcomes{};
    std::size_t i = 0;
    for (int a = 0; a < kStripLength; ++a)
        for (int b = 0; b < kStripLength; ++b)
            for (int c = 0; c < kStripLength; ++c)
                outcomes[i++] =
                    static_cast<std::int8_t>(machine.match(strips[0][a] - '0', strips[1][b] - '0', strips[2][c] - '0'));
    return outcomes;
}

} // namespace

// The machine table is constant-initialised, so it is complete whenever this runs.
spin_score::OutcomeTables spin_score::tabulateAll()
{
    OutcomeTables t{};
    for (int m = 0; m < kMachineCount; ++m) {
        t[static_cast<std::size_t>(2 * m)] = tabulate(machineDefinition(m), false);
        t[static_cast<std::size_t>(2 * m + 1)] = tabulate(machineDefinition(m), true);
    }
    return t;
}
