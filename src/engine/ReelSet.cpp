#include "ReelSet.h"

#include "MachineInfo.h"

namespace {

const char* const kStrips[3][3] = {
    {"6021643621065364250426534153", "5406253645612651063456425356", "6531642520631560435645165362"},
    {"5645143564052456354156545245", "5645143564052456354156545245", "5645143564052456354156545245"},
    {"7057421750465370357417207354", "7057421750465370357417207354", "7057421750465370357417207354"},
};
const char* const kTreasureFreeSpinStrip = "7057421750475370357417207354";

const PayTable kPayTables[3] = {
    {100, 20, 12, 10, 7, 5, 3, 1},
    {100, 25, 25, 25, 7, 7, 5, 1},
    {25, 10, 10, 7, 4, 3, 1, 0},
};

bool eachIn(int s1, int s2, int s3, int a, int b)
{
    auto in = [a, b](int s) { return s == a || s == b; };
    return in(s1) && in(s2) && in(s3);
}

} // namespace

int ReelSet::symbolAt(int reel, int stop) const
{
    if (reel < 0 || reel >= kReelCount) return -1;
    const int p = ((stop % kStripLength) + kStripLength) % kStripLength;
    return strips[static_cast<std::size_t>(reel)][static_cast<std::size_t>(p)];
}

const char* stripDigits(int machine, int reel, bool freeSpinMode)
{
    if (!isValidMachine(machine)) machine = 0;
    if (reel < 0 || reel >= kReelCount) reel = 0;
    if (machine == 2 && reel == 2 && freeSpinMode) return kTreasureFreeSpinStrip;
    return kStrips[machine][reel];
}

ReelSet buildReelSet(int machine, bool freeSpinMode)
{
    if (!isValidMachine(machine)) machine = 0;
    ReelSet set;
    set.machine = machine;
    set.freeSpinStrip = machine == 2 && freeSpinMode;
    for (int r = 0; r < kReelCount; ++r) {
        const char* digits = stripDigits(machine, r, freeSpinMode);
        for (int p = 0; p < kStripLength; ++p)
            set.strips[static_cast<std::size_t>(r)][static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(digits[p] - '0');
    }
    set.payTable = kPayTables[machine];
    return set;
}

int matchCombination(int machine, int s1, int s2, int s3)
{
    if (s1 == 0 && s2 == 0 && s3 == 0) return 0;
    for (int k = 1; k <= 3; ++k)
        if (eachIn(s1, s2, s3, k, 0)) return k;

    switch (machine) {
    case 1: {
        auto low = [](int s) { return s >= 0 && s <= 3; };
        if (low(s1) && low(s2) && low(s3)) return 4;
        if (s1 == 4 && s2 == 4 && s3 == 4) return 5;
        if (s1 == 5 && s2 == 5 && s3 == 5) return 6;
        if (eachIn(s1, s2, s3, 4, 5)) return 7;
        return -1;
    }
    case 2:
        if (eachIn(s1, s2, s3, 4, 0)) return 4;
        if (eachIn(s1, s2, s3, 5, 0)) return 5;
        if (eachIn(s1, s2, s3, 7, 0)) return 6;
        if (s1 == 6 || s2 == 6 || s3 == 6) return 7;
        return -1;
    default: {
        auto five = [](int s) { return s == 5 || s == 0; };
        if (eachIn(s1, s2, s3, 4, 0)) return 4;
        if (eachIn(s1, s2, s3, 5, 0)) return 5;
        if (five(s1) && five(s2)) return 6;
        if (five(s1)) return 7;
        return -1;
    }
    }
}
