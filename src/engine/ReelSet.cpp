#include "ReelSet.h"

int ReelSet::symbolAt(int reel, int stop) const
{
    if (reel < 0 || reel >= kReelCount) return -1;
    return strips[static_cast<std::size_t>(reel)][static_cast<std::size_t>(stripPosition(stop))];
}

const char* stripDigits(int machine, int reel, bool freeSpinMode)
{
    return machineDefinition(machine).strip(reel, freeSpinMode);
}

ReelSet buildReelSet(int machine, bool freeSpinMode)
{
    const MachineDefinition& def = machineDefinition(machine);
    ReelSet set;
    set.machine = indexOf(def.id);
    set.freeSpinStrip = freeSpinMode && def.freeSpinStrip != nullptr;
    for (int r = 0; r < kReelCount; ++r) {
        const char* digits = def.strip(r, freeSpinMode);
        for (int p = 0; p < kStripLength; ++p)
            set.strips[static_cast<std::size_t>(r)][static_cast<std::size_t>(p)] =
                static_cast<std::uint8_t>(digits[p] - '0');
    }
    for (int k = 0; k < kComboCount; ++k)
        set.payTable[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(def.multiplier(k));
    return set;
}

int matchCombination(int machine, int s1, int s2, int s3) { return machineDefinition(machine).match(s1, s2, s3); }
